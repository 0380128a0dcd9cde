import QtQuick
import Quorvik.Backend

// The production window's page: writes the beacon named on the command line, once.
ProductionTransferForm {
    id: page
    objectName: "ProductionTransfer"

    readonly property var config: QMLProxy.configPending
    readonly property int beacon: config.beaconSelected()
    readonly property int country: config.countryCode()
    readonly property int protocol: config.protocolId()

    function tacNumber() {
        if (protocol === ConfigTables.E_RlsUserTacTest || protocol === ConfigTables.E_RlsUserTacEpirb)
            return config.tacNoRls()
        if (protocol === ConfigTables.E_RlsUserTacPlb)
            return config.tacNoRlsPlb()
        return config.tacNo()
    }

    modelName.text: TextResource.beaconName(beacon)
    modelName.Accessible.role: Accessible.Heading
    modelName.Accessible.name: modelName.text
    serialRow.paramText: config.beaconSerial()
    tacRow.paramText: tacNumber()
    countryRow.paramText: country
    batteryRow.paramText: QMLProxy.dateString(config.batteryExpiry, "MM yyyy", "en_US")
    protocolRow.paramText: ConfigTables.protocolName(protocol, country)
    beaconPicture.source: TextResource.beaconImage(beacon)
    beaconPicture.Accessible.name: TextResource.beaconName(beacon)
    progressBar.value: QMLProxy.app.progProgress
    progressBar.statusText: QMLProxy.app.progStatus
    progressBar.error: QMLProxy.app.progStatusError
    progressBar.barColor: QMLProxy.app.progStatusError ? AldmarStyle.jProgressBarErrorColor : AldmarStyle.jProgressBarSuccessColor

    closeButton.onClicked: Qt.quit()

    Component.onCompleted: {
        for (const row of [serialRow, tacRow, countryRow, batteryRow, protocolRow]) {
            row.Accessible.role = Accessible.StaticText
            row.Accessible.name = row.leadText + " " + row.paramText
        }
        QMLProxy.app.startProductionEpirbWrite()
        console.log("Production component completed")
    }
}
