import QtQuick
import Quorvik.Backend

// The production window's page: writes the beacon named on the command line once, or,
// with a plan, each beacon the operator connects until the plan is done.
ProductionTransferForm {
    id: page
    objectName: "ProductionTransfer"

    readonly property var config: QMLProxy.configPending
    readonly property var batch: QMLProxy.app.productionBatch
    readonly property bool batchMode: batch !== null
    readonly property var inHand: batchMode ? batch.beaconInHand : ({})
    readonly property bool holding: batchMode && inHand.serial !== undefined
    // A plan is for the personal locator beacon the line reads.
    readonly property int beacon: batchMode ? ConfigTables.E_SkuaP5 : config.beaconSelected()
    readonly property int country: holding ? inHand.country : config.countryCode()
    readonly property int protocol: holding ? inHand.protocol : config.protocolId()

    function planText() {
        if (!batchMode)
            return ""
        if (batch.problems.length > 0)
            return qsTr("Plan %1 refused, nothing written").arg(batch.planName)
        return qsTr("Plan %1: %2 done, %3 failed, %4 left of %5")
            .arg(batch.planName).arg(batch.done).arg(batch.failed).arg(batch.left).arg(batch.total)
    }

    modelName.text: batchMode && !holding ? (batch.running ? qsTr("Connect the next beacon") : TextResource.beaconName(beacon))
                                          : TextResource.beaconName(beacon)
    modelName.Accessible.role: Accessible.Heading
    modelName.Accessible.name: modelName.text
    planCounts.visible: batchMode
    planCounts.height: batchMode ? 30 : 0
    lastResult.anchors.topMargin: batchMode ? 10 : 0
    // The single-beacon window keeps its layout: no room for a line it never shows.
    lastResult.height: batchMode ? Math.max(24, lastResult.contentHeight) : 0
    planCounts.text: planText()
    planCounts.Accessible.name: planCounts.text
    lastResult.visible: batchMode && lastResult.text !== ""
    lastResult.text: batchMode ? (batch.problems.length > 0 ? batch.problems.join("\n") : batch.lastResult) : ""
    lastResult.color: batchMode && batch.problems.length > 0 ? AldmarStyle.jProgressBarErrorColor : AldmarStyle.jTextColor
    lastResult.Accessible.name: lastResult.text
    serialRow.paramText: batchMode ? (holding ? inHand.serial : "-") : config.beaconSerial()
    tacRow.paramText: batchMode ? (holding ? inHand.tac : "-") : IdentityRules.writtenTac(config)
    countryRow.paramText: batchMode && !holding ? "-" : country
    batteryRow.paramText: batchMode ? (holding ? inHand.battery : "-")
                                    : QMLProxy.dateString(config.batteryExpiry, "MM yyyy", "en_US")
    protocolRow.paramText: batchMode && !holding ? "-" : ConfigTables.protocolName(protocol, country)
    // With a plan the list of its beacons takes the picture's place.
    beaconPicture.visible: !batchMode
    beaconPicture.height: batchMode ? 0 : 350
    beaconPicture.source: TextResource.beaconImage(beacon)
    beaconPicture.Accessible.name: TextResource.beaconName(beacon)
    planTable.visible: batchMode && batch.problems.length === 0
    planTable.model: batchMode ? batch.planModel : null
    planTable.width: planTable.visible ? Math.min(page.width - 2 * AldmarStyle.jInputFormMargin, AldmarStyle.jProductionPlanWidth) : 0
    // The header and five rows: the one in hand and those around it.
    planTable.height: planTable.visible ? AldmarStyle.jTableRowHeight * 6 + 10 : 0
    planTable.columnWidthProvider: function(column) {
        // Serial, state, hex ID and seconds take what they need; the reason the rest.
        const shares = [0.09, 0.11, 0.2, 0.09]
        const width = planTable.width
        if (column < shares.length)
            return Math.round(width * shares[column])
        return width - shares.reduce(function(sum, share) { return sum + Math.round(width * share) }, 0)
    }
    planTable.Accessible.name: qsTr("Production plan")
    progressBar.value: QMLProxy.app.progProgress
    progressBar.statusText: QMLProxy.app.progStatus
    progressBar.error: QMLProxy.app.progStatusError
    progressBar.barColor: QMLProxy.app.progStatusError ? AldmarStyle.jProgressBarErrorColor : AldmarStyle.jProgressBarSuccessColor

    // Set when "Close App" was pressed while a beacon was being written.
    property bool closeAfterBeacon: false

    closeButton.enabled: !closeAfterBeacon
    closeButton.onClicked: {
        // A beacon half written has no identity at all: the batch ends after the one in hand.
        if (QMLProxy.app.finishBeaconInHandBeforeQuit())
            closeAfterBeacon = true
        else
            Qt.quit()
    }

    function showCurrentRow() {
        const row = batchMode ? batch.planModel.currentRow : -1
        if (row >= 0)
            planTable.positionViewAtRowCenter(row)
    }

    Connections {
        target: page.batchMode ? page.batch.planModel : null
        function onCurrentRowChanged() { page.showCurrentRow() }
    }

    Connections {
        target: page.batch
        function onFinished(why) {
            if (page.closeAfterBeacon)
                Qt.quit()
        }
    }

    Component.onCompleted: {
        for (const row of [serialRow, tacRow, countryRow, batteryRow, protocolRow]) {
            row.Accessible.role = Accessible.StaticText
            row.Accessible.name = Qt.binding(function() { return this.leadText + " " + this.paramText }.bind(row))
        }
        if (batchMode) {
            showCurrentRow()
            if (batch.problems.length === 0)
                batch.start()
        } else {
            QMLProxy.app.startProductionEpirbWrite()
        }
        console.log("Production component completed")
    }
}
