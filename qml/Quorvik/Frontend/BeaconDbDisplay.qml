import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend
import Quorvik.Frontend

// "Reports": the database of programmed beacons, searchable and sortable, with the
// report export and import.
BeaconDbDisplayForm {
    id: page
    objectName: "BeaconDbDisplay"

    // Something to export: follows the database as records come and go.
    property bool exportAllowed: false
    readonly property bool rowSelected: table.selectionModel ? table.selectionModel.hasSelection : false
    // "All stations": the shared register's rows, fetched a page at a time.
    readonly property RegisterQueryModel registerRows: QMLProxy.registerRows
    readonly property bool allStations: allStationsButton.checked && registerRows !== null

    table.model: allStations ? registerRows : filterModel
    allStationsButton.enabled: registerRows !== null
    // Two stored beacons with one hex ID: each is tagged beside its serial number.
    table.markRole: "duplicateId"
    table.markColumn: ProgBeaconList.BeaconSerial
    table.markText: qsTr("Duplicate ID")
    viewButton.enabled: rowSelected
    exportPdfButton.enabled: rowSelected
    exportAllButton.enabled: exportAllowed && !allStations
    importButton.enabled: !allStations
    // A change not written (import, delete, a note) before a damaged file found at start.
    problemLine.text: allStations ? registerRows.error
                      : QMLProxy.database.writeProblem.length > 0
                      ? qsTr("Not saved: %1").arg(QMLProxy.database.writeProblem)
                      : QMLProxy.database.noteProblem.length > 0
                      ? QMLProxy.database.noteProblem
                      : QMLProxy.database.loadProblem

    SortFilterProxyModel {
        id: filterModel
        objectName: "dbFilterModel"
        sourceModel: QMLProxy.beaconListModel
        // Typed text is matched as it is, in the serial, the hex ID or any shown column.
        filterSyntax: SortFilterProxyModel.FixedString
        filterKeyColumn: -1
        filterString: page.searchField.text
        // Typing on: the search runs once the keys pause.
        filterDelay: 120
    }

    Connections {
        target: QMLProxy.beaconListModel
        function onModelReset() { page.exportAllowed = QMLProxy.beaconListModel.rowCount() > 0 }
        function onRowsInserted() { page.exportAllowed = QMLProxy.beaconListModel.rowCount() > 0 }
        function onRowsRemoved() { page.exportAllowed = QMLProxy.beaconListModel.rowCount() > 0 }
    }

    // The newest programming first, as the guide describes the list.
    function sortNewestFirst() {
        table.sortColumn = ProgBeaconList.ProgDate
        table.sortOrder = Qt.DescendingOrder
        filterModel.sort(ProgBeaconList.ProgDate, Qt.DescendingOrder)
    }

    // Column widths share the table evenly.
    table.columnWidthProvider: function (column) {
        return table.width / Math.max(1, table.model ? table.model.columnCount() : 1)
    }

    // The register is searched by the start of the hex ID, serial, station or owner name.
    function searchRegister() {
        if (allStations)
            registerRows.search = searchField.text
    }

    onAllStationsChanged: {
        table.clearSelection()
        if (allStations) {
            // Newest recorded first, as the register keeps them.
            table.sortColumn = -1
            registerRows.search = searchField.text
            registerRows.sortBy(RegisterQueryModel.ByRecorded, false)
        } else {
            sortNewestFirst()
        }
        table.positionViewAtRowTop(0)
    }
    // The register gone from the settings: back to this station's list.
    onRegisterRowsChanged: {
        if (registerRows === null)
            thisStationButton.checked = true
    }

    Connections {
        target: page.table.tableView
        function onContentYChanged() {
            const view = page.table.tableView
            if (page.allStations && view.contentY + view.height > view.contentHeight - 2 * view.height)
                page.registerRows.fetchNextPage()
        }
    }

    searchField.onTextChanged: {
        searchRegister()
        // The hint comes back whenever the field is empty again.
        if (searchField.text.length === 0 && searchField.hint !== "")
            searchField.placeholderText = searchField.hint
        if (table.model && table.model.rowCount() > 0)
            table.positionViewAtRowTop(0)
    }
    searchField.onAccepted: QMLProxy.hideInputMethod()

    onVisibleChanged: {
        if (visible)
            searchField.text = ""
    }

    // The source row behind a row of the table, or -1.
    function sourceRow(row) {
        const index = filterModel.mapToSource(filterModel.index(row, 0))
        if (!index.valid) {
            console.error("Invalid model index for filter model row " + row)
            return -1
        }
        return index.row
    }

    function selectedRow() {
        if (!table.selectionModel || !table.selectionModel.hasSelection)
            return -1
        const rows = table.selectionModel.selectedRows(0)
        return rows.length > 0 ? rows[0].row : table.selectionModel.selectedIndexes[0].row
    }

    function openRow(row) {
        if (allStations) {
            if (QMLProxy.showRegisterRow(row))
                QuorvikContext.mainView.push("BeaconDbDisplaySingle.qml")
            return
        }
        const source = sourceRow(row)
        if (source < 0)
            return
        QMLProxy.dbBeacon = source
        QuorvikContext.mainView.push("BeaconDbDisplaySingle.qml")
    }

    function exportPdf() {
        const row = selectedRow()
        if (row < 0)
            return
        if (allStations) {
            if (!QMLProxy.showRegisterRow(row))
                return
        } else {
            const source = sourceRow(row)
            if (source < 0)
                return
            QMLProxy.dbBeacon = source
        }
        // Failures to write or to open are announced by the document notice.
        if (Datablock.createReport())
            Datablock.showReport()
    }

    function showError(title, text) {
        errorDialog.title = title
        errorDialog.text = text
        errorDialog.open()
    }

    function importFrom(url) {
        const code = QMLProxy.app.importReports(url.toString())
        if (code === 0) {
            exportAllowed = QMLProxy.beaconListModel.rowCount() > 0
            if (QMLProxy.database.writeProblem.length > 0) {
                showError(qsTr("Reports imported, but not saved"),
                          qsTr("The imported reports are shown, but the database could not be written:<br>%1<br>It is tried again every few seconds.<br>&nbsp;")
                          .arg(QMLProxy.database.writeProblem))
                return
            }
            // Entries the database refused are not to pass unnoticed.
            const counts = QMLProxy.app.lastImportCounts()
            if (counts.skipped > 0) {
                showError(qsTr("Reports imported"),
                          qsTr("%1 new and %2 updated reports imported.<br>%3 reports could not be imported (see the log).<br>&nbsp;")
                          .arg(counts.imported).arg(counts.replaced).arg(counts.skipped))
            }
            return
        }
        let text
        switch (code) {
        case -1: text = qsTr("Could not open imports file<br>&nbsp;"); break
        case -2: text = qsTr("Invalid imports file<br>&nbsp;"); break
        case -3: text = qsTr("Unsupported imports file version.<br>You might need to update %1.<br>&nbsp;").arg(QMLProxy.app.applicationName); break
        default: text = qsTr("Unknown error<br>&nbsp;")
        }
        showError(qsTr("Failed to import reports<br>&nbsp;"), text)
    }

    function exportTo(url) {
        const code = QMLProxy.app.exportReports(url.toString())
        if (code === 0)
            return
        let text
        switch (code) {
        case -1: text = qsTr("No reports to export"); break
        case -2: text = qsTr("Could not open export file"); break
        case -3: text = qsTr("Could not write to export file"); break
        default: text = qsTr("Unknown error")
        }
        showError(qsTr("Failed to export reports"), text)
    }

    table.onDoubleClicked: function (button, row, column) { page.openRow(row) }
    viewButton.onClicked: {
        const row = selectedRow()
        if (row >= 0)
            openRow(row)
    }
    exportPdfButton.onClicked: exportPdf()
    importButton.onClicked: importDialog.open()
    exportAllButton.onClicked: exportDialog.open()

    FileDialog {
        id: importDialog
        objectName: "importDialog"
        title: qsTr("Import reports from file")
        fileMode: FileDialog.OpenFile
        nameFilters: [qsTr("%1 Reports (*.tlr)").arg(QMLProxy.app.applicationName), qsTr("All files (*.*)")]
        onAccepted: page.importFrom(selectedFile)
    }

    FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        title: qsTr("Export reports to file")
        fileMode: FileDialog.SaveFile
        defaultSuffix: "tlr"
        nameFilters: [qsTr("%1 Reports (*.tlr)").arg(QMLProxy.app.applicationName), qsTr("All files (*.*)")]
        onAccepted: page.exportTo(selectedFile)
    }

    MessageDialog {
        id: errorDialog
        objectName: "dbErrorDialog"
        title: qsTr("Error")
        buttons: MessageDialogValues.Ok
    }

    Component.onCompleted: {
        exportAllowed = QMLProxy.beaconListModel.rowCount() > 0
        searchField.text = ""
        sortNewestFirst()
    }
}
