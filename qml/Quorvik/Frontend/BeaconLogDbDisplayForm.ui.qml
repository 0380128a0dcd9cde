import QtQuick
import Quorvik.Frontend

// The beacon's boot log: whose it is and where it was exported, counters by boot reason
// above the log entries.
Item {
    id: root

    property alias heading: heading
    property alias beaconText: beaconText
    property alias exportText: exportText
    property alias counterTable: counterTable
    property alias logTable: logTable

    PageIdentifierText {
        id: heading
        text: qsTr("BEACON LOG")
    }

    QvText {
        id: beaconText
        objectName: "logBeaconText"
        anchors.top: heading.bottom
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: AldmarStyle.jInputFormMargin
        anchors.rightMargin: AldmarStyle.jInputFormMargin
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
        font.pointSize: AldmarStyle.jFontSizeNormal
    }

    QvText {
        id: exportText
        objectName: "logExportText"
        anchors.top: beaconText.bottom
        anchors.topMargin: 5
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: AldmarStyle.jInputFormMargin
        anchors.rightMargin: AldmarStyle.jInputFormMargin
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
        font.pointSize: AldmarStyle.jFontSizeSmall
    }

    AldmarTableView {
        id: counterTable
        objectName: "logCounterTable"
        height: 100
        anchors.top: exportText.bottom
        anchors.topMargin: 15
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: AldmarStyle.jInputFormMargin
        anchors.rightMargin: AldmarStyle.jInputFormMargin
        selectionMode: AldmarTableView.NoSelection
        Accessible.role: Accessible.Table
        Accessible.name: qsTr("Boot counters")
    }

    AldmarTableView {
        id: logTable
        objectName: "logEntryTable"
        anchors.top: counterTable.bottom
        anchors.topMargin: 10
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: AldmarStyle.jInputFormMargin
        anchors.rightMargin: AldmarStyle.jInputFormMargin
        anchors.bottomMargin: 10
        selectionMode: AldmarTableView.NoSelection
        Accessible.role: Accessible.Table
        Accessible.name: qsTr("Boot log entries")
    }
}
