import QtQuick
import QtQuick.Controls
import Quorvik.Backend

// A picture that explains itself while hovered or focused; `text` is the tool tip and
// `subject` what it explains ("Help: <subject>" for assistive technology).
Button {
    id: button
    required property string backgroundImage
    property string subject: ""

    implicitWidth: 32
    implicitHeight: 32
    padding: 0
    topInset: 0
    bottomInset: 0
    leftInset: 0
    rightInset: 0
    hoverEnabled: true
    // Reached by Tab only where there is something to explain.
    focusPolicy: text !== "" ? Qt.StrongFocus : Qt.NoFocus
    contentItem: Item {}
    background: Image {
        source: button.backgroundImage
        fillMode: Image.PreserveAspectFit
    }

    FocusFrame {}

    ToolTip.visible: text !== "" && (hovered || pressed || activeFocus)
    ToolTip.text: text
    Accessible.name: {
        const what = QMLProxy.plainText(subject).replace(/:$/, "")
        return what !== "" ? qsTr("Help: %1").arg(what) : qsTr("Help")
    }
    Accessible.description: QMLProxy.plainText(text)
}
