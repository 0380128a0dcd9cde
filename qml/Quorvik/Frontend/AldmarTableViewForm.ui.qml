import QtQuick
import QtQuick.Controls

Item {
    id: form
    property alias tableView: idTableView
    property alias header: idHeader

    HorizontalHeaderView {
        id: idHeader
        objectName: "tableHeader"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.topMargin: 10
        syncView: idTableView
        clip: true
    }

    TableView {
        id: idTableView
        objectName: "table"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: idHeader.bottom
        anchors.bottom: parent.bottom
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.horizontal: ScrollBar {}
        ScrollBar.vertical: ScrollBar {}
    }
}
