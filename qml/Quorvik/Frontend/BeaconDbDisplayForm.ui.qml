import QtQuick
import Quorvik.Backend
import Quorvik.Frontend

// Programmed beacons: search field, table and the report buttons.
Item {
    id: root

    property alias heading: heading
    property alias searchField: searchField
    property alias table: table
    property alias viewButton: viewButton
    property alias exportAllButton: exportAllButton
    property alias exportPdfButton: exportPdfButton
    property alias importButton: importButton
    property alias problemLine: problemLine
    property alias thisStationButton: thisStationButton
    property alias allStationsButton: allStationsButton

    PageIdentifierText {
        id: heading
        text: qsTr("PROGRAMMED BEACONS LIST")
        anchors.topMargin: 10
        idTooltip.visible: true
        idTooltip.anchors.leftMargin: 15
        idTooltip.text: qsTr("Double click report row or click view report button to see details")
    }

    // Whose beacons the list shows: this station's database or the shared register.
    Row {
        id: scopeRow
        anchors.top: heading.bottom
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.leftMargin: 20
        spacing: 40

        QuorvikRadioButton {
            id: thisStationButton
            objectName: "thisStationButton"
            text: qsTr("This station")
            checked: true
            implicitHeight: 40
            width: implicitWidth + 15
            Accessible.role: Accessible.RadioButton
            Accessible.name: text
        }

        QuorvikRadioButton {
            id: allStationsButton
            objectName: "allStationsButton"
            text: qsTr("All stations")
            checked: false
            implicitHeight: 40
            width: implicitWidth + 15
            Accessible.role: Accessible.RadioButton
            Accessible.name: text
        }
    }

    QvTextField {
        id: searchField
        objectName: "dbSearchField"
        height: 40
        anchors.top: scopeRow.bottom
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        font.pixelSize: 30
        leftPadding: 10
        placeholderText: qsTr("Search...")
        inputMethodHints: Qt.ImhNoPredictiveText
        selectByMouse: true
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Search programmed beacons")
    }

    QvText {
        id: problemLine
        objectName: "dbProblemLine"
        anchors.top: searchField.bottom
        anchors.topMargin: visible ? 10 : 0
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        height: visible ? implicitHeight : 0
        visible: text.length > 0
        color: AldmarStyle.jTextErrorColor
        font.pointSize: AldmarStyle.jFontSizeSmall
        wrapMode: Text.Wrap
        maximumLineCount: 5
        elide: Text.ElideRight
    }

    AldmarTableView {
        id: table
        objectName: "dbTable"
        anchors.top: problemLine.bottom
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: separator.top
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.bottomMargin: 10
        itemLeftMargin: 12
        selectionMode: AldmarTableView.SingleSelection
        Accessible.role: Accessible.Table
        Accessible.name: qsTr("Programmed beacons")
    }

    Rectangle {
        id: separator
        height: 1
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: viewButton.top
        anchors.bottomMargin: 5
        color: AldmarStyle.jTextColor
    }

    QvButton {
        id: viewButton
        objectName: "viewReportButton"
        text: qsTr("View Report")
        height: 32
        anchors.left: parent.left
        anchors.leftMargin: 15
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 5
    }

    QvButton {
        id: exportAllButton
        objectName: "exportAllButton"
        text: qsTr("Export all reports")
        tooltip: qsTr("Export all reports")
        imageOnly: true
        imageOnlySource: QMLProxy.exportIcon
        imageOnlyDisabledSource: QMLProxy.exportIconDisabled
        width: 32
        height: 32
        anchors.right: table.right
        anchors.verticalCenter: viewButton.verticalCenter
    }

    QvButton {
        id: exportPdfButton
        objectName: "exportPdfButton"
        text: qsTr("Export PDF report")
        tooltip: qsTr("Export PDF report")
        imageOnly: true
        imageOnlySource: QMLProxy.exportReportIcon
        imageOnlyDisabledSource: QMLProxy.exportReportIconDisabled
        width: 32
        height: 32
        anchors.right: exportAllButton.left
        anchors.rightMargin: 5
        anchors.verticalCenter: viewButton.verticalCenter
    }

    QvButton {
        id: importButton
        objectName: "importButton"
        text: qsTr("Import reports")
        tooltip: qsTr("Import reports")
        imageOnly: true
        imageOnlySource: "Pictures/android-import.png"
        width: 32
        height: 32
        anchors.right: exportPdfButton.left
        anchors.rightMargin: 5
        anchors.verticalCenter: viewButton.verticalCenter
    }
}
