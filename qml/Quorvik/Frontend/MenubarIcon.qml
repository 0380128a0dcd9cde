import QtQuick

// A picture in the menu bar that acts as a button.
Image {
    id: icon
    property string name
    signal clicked()

    fillMode: Image.PreserveAspectFit
    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: icon.clicked()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: icon.clicked()
    }
}
