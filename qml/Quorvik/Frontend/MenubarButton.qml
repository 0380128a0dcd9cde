import QtQuick

MenubarButtonForm {
    id: button
    signal clicked()

    activeFocusOnTab: true
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    FocusFrame { gap: -2; onDark: true }

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: button.clicked()

    Connections {
        target: button.mouseArea
        function onClicked() { button.clicked() }
    }
}
