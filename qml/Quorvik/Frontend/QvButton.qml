import QtQuick
import QtQuick.Controls

QvButtonForm {
    id: button
    required property string text
    signal clicked()

    label.text: text

    ToolTip.visible: tooltip !== "" && mouseArea.containsMouse
    ToolTip.delay: 1000
    ToolTip.text: tooltip

    Accessible.role: Accessible.Button
    Accessible.name: text !== "" ? text : tooltip
    Accessible.description: tooltip
    Accessible.onPressAction: if (button.enabled) button.clicked()

    Connections {
        target: button.mouseArea
        function onClicked() {
            if (button.enabled)
                button.clicked()
        }
    }
}
