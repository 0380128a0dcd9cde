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

    expiryEntryRow.visible: skipReadback
    expiryEntry.Accessible.role: Accessible.EditableText
    expiryEntry.Accessible.name: expiryEntryCaption.text

    // The serial part of "12345-67890" as on the label.
    function typedSerial() {
        const text = serialEntry.text
        const hyphen = text.indexOf("-")
        return hyphen >= 0 ? text.substring(0, hyphen) : text
    }

    // Without a read-out the technician gives serial and battery expiry; the rules say when they will do.
    function checkManualEntry() {
        const serial = typedSerial()
        const serialProblem = IdentityRules.checkBeaconSerial(beacon, serial)
        const expiryProblem = IdentityRules.checkBatteryExpiry(expiryEntry.text)
        QMLProxy.configPending.setSerial(serialProblem === "" ? serial : "")
        if (expiryProblem === "")
            QMLProxy.configPending.batteryExpiry = IdentityRules.batteryExpiryDate(expiryEntry.text)
        if (serialProblem === "" && !QMLProxy.configPending.isSgBeacon()) {
            const tac = ConfigTables.csApproval(beacon, parseInt(serial, 10))
            if (tac !== 0) {
                console.log("Setting TAC: " + tac)
                QMLProxy.configPending.setTacNo(tac)
            }
        }
        const problem = serialProblem !== "" ? serialProblem : expiryProblem
        if (problem !== "")
            warn(problem)
        else
            calm(qsTr("Please verify serial no. with physical label on beacon."))
        page.pageBrowserNavigationVisible(true, problem === "", false)
    }

    function calm(text) {
        infoBox.color = "transparent"
        infoText.color = AldmarStyle.jTextColor
        infoText.text = text
    }

    serialEntry.onTextEdited: checkManualEntry()
    expiryEntry.onTextEdited: checkManualEntry()

    Component.onCompleted: {
        if (skipReadback) {
            // Shown again from the pending record: what was accepted before stays.
            serialEntry.text = QMLProxy.configPending.beaconSerial()
            const expiry = QMLProxy.configPending.batteryExpiry
            if (!isNaN(expiry.getTime()))
                expiryEntry.text = QMLProxy.dateString(expiry, "MM/yyyy", "en_US")
            checkManualEntry()
            return
        }
        const allowed = serialAllowed()
        pageBrowserNavigationVisible(true, allowed, false)
        const protocol = QMLProxy.configPending.protocolId()
        if (!allowed) {
            warn(qsTr("This version of %1 does not handle<br>serial numbers above %2 for this beacon - please update.")
                 .arg(QMLProxy.app.applicationName).arg(ConfigTables.beaconSerialNumberLimit(beacon)))
        } else if (QMLProxy.configPending.isTestProtocol()) {
            console.log("Test protocol", protocol)
            warn(qsTr("This %1 is programmed with a TEST protocol!").arg(QMLProxy.applicationVariant))
        } else if (!ConfigTables.isProtocolValid(protocol) && !skipReadback) {
            console.log("Illegal protocol", protocol)
            warn(qsTr("The protocol programmed in this %1 is currently disabled!<br>Check the protocol settings and enable protocols accordingly.")
                 .arg(QMLProxy.applicationVariant))
        }
    }

    Component.onDestruction: console.log("Prog_2 component destroyed")
}
