import QtQuick

MenubarButtonForm {
    id: button
    signal clicked()

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: button.clicked()

    Connections {
        target: button.mouseArea
        function onClicked() { button.clicked() }
    }
}
