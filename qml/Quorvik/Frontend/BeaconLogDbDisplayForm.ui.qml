import QtQuick
import Quorvik.Frontend

// The beacon's boot log: counters by boot reason above the log entries.
Item {
    id: root

    property alias heading: heading
    property alias counterTable: counterTable
    property alias logTable: logTable

    PageIdentifierText {
        id: heading
        text: qsTr("BEACON LOG")
    }

    AldmarTableView {
        id: counterTable
        objectName: "logCounterTable"
        height: 100
        anchors.top: heading.bottom
        anchors.topMargin: 20
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
