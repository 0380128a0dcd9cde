import QtQuick
import QtQuick.Controls
import Quorvik.Backend

QvButtonForm {
    id: button
    required property string text
    signal clicked()

    function activate() {
        if (button.enabled)
            button.clicked()
    }

    label.text: text

    ToolTip.visible: tooltip !== "" && (mouseArea.containsMouse || activeFocus)
    ToolTip.delay: 1000
    ToolTip.text: tooltip

    // Tab passes over it while it is hidden or disabled.
    activeFocusOnTab: true
    Keys.onSpacePressed: activate()
    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()

    Accessible.role: Accessible.Button
    Accessible.name: QMLProxy.plainText(text !== "" ? text : tooltip)
    Accessible.description: tooltip !== "" && tooltip !== text ? QMLProxy.plainText(tooltip) : ""
    Accessible.onPressAction: activate()

    Connections {
        target: button.mouseArea
        function onClicked() { button.activate() }
    }
}
