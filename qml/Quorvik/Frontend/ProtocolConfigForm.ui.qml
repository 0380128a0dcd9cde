import QtQuick
import Quorvik.Backend

AldmarScrollView {
    id: root

    property alias heading: idHeading
    property alias grid: idGrid
    property alias protocolRepeater: idRepeater

    PageIdentifierText {
        id: idHeading
        text: qsTr("PROTOCOL CONFIGURATION")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Grid {
        id: idGrid
        anchors.top: idHeading.bottom
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width > 1000 ? 900 : root.width * 0.9
        columnSpacing: 50
        rowSpacing: 20
        flow: Grid.TopToBottom

        Repeater {
            id: idRepeater
        }
    }
}
