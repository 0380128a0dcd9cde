import QtQuick
import QtQuick.Dialogs
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

    beaconText.text: LogDBModel.beaconModel !== ""
                     ? qsTr("Beacon / Serial No:") + " " + LogDBModel.beaconModel + " / " + LogDBModel.beaconSerial
                       + "    " + qsTr("15 Hex Id:") + " " + LogDBModel.hexId
                     : qsTr("The beacon of this log is not known")
    exportText.text: {
        switch (LogDBModel.exportState) {
        case LogDBModel.Exported: return qsTr("Exported to %1").arg(LogDBModel.exportPath)
        case LogDBModel.ExportExists: return qsTr("Not exported yet: %1 exists").arg(LogDBModel.exportFileName)
        case LogDBModel.ExportFailed: return qsTr("Could not write %1").arg(LogDBModel.exportPath)
        }
        return ""
    }
    exportText.color: LogDBModel.exportState === LogDBModel.ExportFailed ? AldmarStyle.jTextErrorColor
                                                                          : AldmarStyle.jTextColor

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

    // An earlier export holds the name: it is replaced only on the technician's word; any
    // other answer keeps it and this log gets a name of its own.
    MessageDialog {
        id: replaceDialog
        objectName: "replaceExportDialog"
        title: qsTr("Boot log export exists")
        text: qsTr("An earlier boot log export is named %1.<br>Replace it with this log?<br>No keeps it and saves this log under a new name.<br>&nbsp;")
              .arg(LogDBModel.exportFileName)
        buttons: MessageDialogValues.Yes | MessageDialogValues.No
        onButtonClicked: function (button, role) {
            if (button === MessageDialogValues.Yes)
                LogDBModel.replaceExport()
            else
                LogDBModel.exportAsNewFile()
        }
        onRejected: LogDBModel.exportAsNewFile()
    }

    Component.onCompleted: {
        console.log("Tableview onCompleted")
        if (logTable.visible)
            console.log("Tableview visible")
        if (LogDBModel.exportState === LogDBModel.ExportExists)
            replaceDialog.open()
    }
}
