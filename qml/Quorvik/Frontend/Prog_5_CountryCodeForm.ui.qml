import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias searchField: searchField
    property alias countryTable: countryTable

    interactive: false

    PageIdentifierText {
        id: heading
        text: qsTr("SELECT COUNTRY CODE")
    }

    QvTextField {
        id: searchField
        objectName: "countrySearch"
        anchors.top: heading.bottom
        anchors.topMargin: AldmarStyle.jInputFormMargin
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        height: 40
        leftPadding: 10
        font.pixelSize: 30
        placeholderText: qsTr("Search...")
        inputMethodHints: Qt.ImhNoPredictiveText
        selectByMouse: true
    }

    AldmarTableView {
        id: countryTable
        objectName: "countryTable"
        anchors.top: searchField.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: AldmarStyle.jInputFormMargin
        height: Math.max(0, root.availableHeight - y - AldmarStyle.jInputFormMargin)
        selectionMode: AldmarTableView.SingleSelection
    }
}
