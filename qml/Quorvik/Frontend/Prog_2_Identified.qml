import QtQuick
import Quorvik.Backend

// First wizard page: the beacon that was read (or the serial typed in when read-back is skipped).
Prog_2_IdentifiedForm {
    id: page
    objectName: "Prog_2_Identified"

    readonly property int beacon: QMLProxy.configPending.beaconSelected()
    readonly property bool skipReadback: QMLProxy.app.skipReadback()

    beaconPicture.source: TextResource.beaconImage(beacon)
    beaconPicture.Accessible.name: TextResource.beaconName(beacon)
    modelRow.paramText: TextResource.beaconName(beacon)
    modelRow.Accessible.role: Accessible.StaticText
    modelRow.Accessible.name: modelRow.leadText + " " + modelRow.paramText
    serialRow.visible: !skipReadback
    serialRow.paramText: QMLProxy.configPending.beaconSerial()
    serialRow.Accessible.role: Accessible.StaticText
    serialRow.Accessible.name: serialRow.leadText + " " + serialRow.paramText
    serialEntryRow.visible: skipReadback
    serialEntry.Accessible.role: Accessible.EditableText
    serialEntry.Accessible.name: serialEntryCaption.text
    infoText.Accessible.role: Accessible.StaticText
    infoText.Accessible.name: infoText.text

    function serialAllowed() {
        const limit = ConfigTables.beaconSerialNumberLimit(beacon)
        const serial = QMLProxy.configPending.beaconSerial()
        return limit === -1 || serial.length === 0 || parseInt(serial, 10) <= limit
    }

    function warn(text) {
        infoBox.color = AldmarStyle.jTextErrorColor
        infoText.color = AldmarStyle.jTextBrightColor
        infoText.text = text
    }

    serialEntry.onTextEdited: {
        const text = serialEntry.text
        const longEnough = text.length > 5
        page.pageBrowserNavigationVisible(true, longEnough, false)
        if (!longEnough) {
            QMLProxy.configPending.setSerial("")
            return
        }
        const hyphen = text.indexOf("-")
        const serial = hyphen === 0 ? text.substring(1) : (hyphen > 0 ? text.substring(0, hyphen) : text)
        QMLProxy.configPending.setSerial(serial)
        if (!QMLProxy.configPending.isSgBeacon()) {
            const tac = ConfigTables.csApproval(beacon, parseInt(serial, 10))
            if (tac !== 0) {
                console.log("Setting TAC: " + tac)
                QMLProxy.configPending.setTacNo(tac)
            }
        }
    }

    Component.onCompleted: {
        const allowed = serialAllowed()
        pageBrowserNavigationVisible(true, allowed, false)
        const protocol = QMLProxy.configPending.protocolId()
        if (!allowed) {
            warn("This version of " + QMLProxy.app.applicationName + " does not handle<br>serial numbers above "
                 + ConfigTables.beaconSerialNumberLimit(beacon) + " for this beacon - please update.")
        } else if (QMLProxy.configPending.isTestProtocol()) {
            console.log("Test protocol", protocol)
            warn("This " + QMLProxy.applicationVariant + " is programmed with a TEST protocol!")
        } else if (!ConfigTables.isProtocolValid(protocol) && !skipReadback) {
            console.log("Illegal protocol", protocol)
            warn("The protocol programmed in this " + QMLProxy.applicationVariant
                 + " is currently disabled!<br>Check the protocol settings and enable protocols accordingly.")
        }
    }

    Component.onDestruction: console.log("Prog_2 component destroyed")
}
