import QtQuick

Rectangle {
    implicitHeight: 20
    color: AldmarStyle.jBackgroundColor

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 2
        color: AldmarStyle.jAlternatingRowColor
    }
}
