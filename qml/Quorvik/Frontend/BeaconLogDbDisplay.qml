import QtQuick
import Quorvik.Backend
import Quorvik.Frontend

// Lays out the boot log just read; the models hold it until the next read.
BeaconLogDbDisplayForm {
    id: page
    objectName: "BeaconLogDbDisplay"

    counterTable.model: LogCounterModel
    logTable.model: LogDBModel
    // The log keeps the beacon's own order: the headers offer no sorting.
    counterTable.allowSorting: false
    logTable.allowSorting: false

    // Older logs have five columns: the timestamp takes what the others leave.
    function logColumnWidth(column) {
        const columns = LogDBModel.columnCount()
        if (columns <= 5)
            return column === 4 ? Math.max(200, logTable.width - 800) : 200
        switch (column) {
        case 4: return 240
        case 5: return 100
        case 6: return 400
        }
        return 150
    }

    logTable.columnWidthProvider: function (column) { return page.logColumnWidth(column) }

    logTable.onVisibleChanged: {
        if (logTable.visible)
            console.log("Tableview visible")
    }

    Component.onCompleted: {
        console.log("Tableview onCompleted")
        if (logTable.visible)
            console.log("Tableview visible")
    }
}
