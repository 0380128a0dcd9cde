import QtQuick
import QtQuick.Controls

// A picture that explains itself while hovered; `text` is the tool tip.
Button {
    id: button
    required property string backgroundImage

    implicitWidth: 32
    implicitHeight: 32
    padding: 0
    topInset: 0
    bottomInset: 0
    leftInset: 0
    rightInset: 0
    hoverEnabled: true
    contentItem: Item {}
    background: Image {
        source: button.backgroundImage
        fillMode: Image.PreserveAspectFit
    }

    ToolTip.visible: text !== "" && (hovered || pressed)
    ToolTip.text: text
    Accessible.name: text
}
