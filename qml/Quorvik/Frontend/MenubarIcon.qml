import QtQuick

// A picture in the menu bar that acts as a button.
Image {
    id: icon
    property string name
    signal clicked()

    fillMode: Image.PreserveAspectFit
    activeFocusOnTab: true
    Keys.onSpacePressed: icon.clicked()
    Keys.onReturnPressed: icon.clicked()
    Keys.onEnterPressed: icon.clicked()

    FocusFrame { onDark: true }

    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: icon.clicked()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: icon.clicked()
    }
}
