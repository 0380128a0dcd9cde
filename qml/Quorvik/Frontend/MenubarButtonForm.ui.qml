import QtQuick
import QtQuick.Controls

Rectangle {
    id: button
    property alias text: idLabel.text
    property alias label: idLabel
    property alias mouseArea: idMouseArea

    implicitWidth: idLabel.implicitWidth + 20
    implicitHeight: 40
    color: AldmarStyle.jMenuColor

    Label {
        id: idLabel
        anchors.centerIn: parent
        text: qsTr("Program")
        color: AldmarStyle.jMenuTextColor
        font.family: AldmarStyle.jFont
        font.pointSize: AldmarStyle.jFontSizeNormal
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        Accessible.ignored: true
    }

    MouseArea {
        id: idMouseArea
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
    }
}
