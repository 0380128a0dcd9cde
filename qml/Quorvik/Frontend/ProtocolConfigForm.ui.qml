import QtQuick
import Quorvik.Backend

AldmarScrollView {
    id: root

    property alias heading: idHeading
    property alias grid: idGrid
    property alias protocolRepeater: idRepeater
    property alias keepOneNotice: idKeepOneNotice

    PageIdentifierText {
        id: idHeading
        text: qsTr("PROTOCOL CONFIGURATION")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    QvLabel {
        id: idKeepOneNotice
        objectName: "keepOneNotice"
        anchors.top: idHeading.bottom
        anchors.topMargin: 15
        anchors.horizontalCenter: parent.horizontalCenter
        width: idGrid.width
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        visible: false
        color: AldmarStyle.jTextErrorColor
        font.pointSize: AldmarStyle.jFontSizeSmall
        text: qsTr("At least one protocol stays ticked: the programming wizard offers only the ticked protocols.")
        Accessible.role: Accessible.AlertMessage
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
