import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias protocolGrid: protocolGrid
    property alias protocolRepeater: protocolRepeater

    PageIdentifierText {
        id: heading
        text: qsTr("SELECT PROTOCOL")
    }

    Grid {
        id: protocolGrid
        anchors.top: heading.bottom
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width > 900 ? 800 : root.width * 0.9
        columns: root.width > root.height ? 2 : 1
        rows: Math.ceil(protocolRepeater.count / columns)
        flow: Grid.TopToBottom
        columnSpacing: 50
        rowSpacing: 20

        Repeater {
            id: protocolRepeater
        }
    }
}
