import QtQuick
import Quorvik.Backend

// Everything that will be written, with the hex ID to copy into a registration form.
Prog_10_SummaryForm {
    id: page
    objectName: "Prog_10_Summary"

    readonly property var config: QMLProxy.configPending
    readonly property int beacon: config.beaconSelected()
    readonly property int country: config.countryCode()
    readonly property int protocol: config.protocolId()

    // What the message that will be written says, decoded from its bits: what rescuers will see.
    readonly property var decoded: IdentityRules.decodeComposed(config)
    readonly property var decodedFields: decoded.valid ? decoded.fields : []

    function describeRow(row) {
        row.Accessible.role = Accessible.StaticText
        row.Accessible.name = Qt.binding(function () { return row.leadText + " " + row.paramText })
    }

    function fillIdentity() {
        const raw = config.rawCountryCode()
        const decodedProtocol = decoded.valid ? decoded.protocol : protocol
        let caption = ""
        let value = ""
        beaconNoRow.visible = false
        if (decodedFields.indexOf("mmsi") >= 0) {
            const mmsi = decoded.mmsi
            if (decodedProtocol === ConfigTables.E_UserRadiocall
                    || decodedProtocol === ConfigTables.E_UserLocationRadioCallsign) {
                caption = qsTr("Radio Call Sign:")
                value = mmsi
            } else if (decodedProtocol === ConfigTables.E_UserMmsi || decodedProtocol === ConfigTables.E_UserLocationMmsi) {
                caption = qsTr("MMSI / Call sign:")
                // A call sign has letters and stands alone.
                value = /^[0-9]*$/.test(mmsi) ? decoded.country + " " + mmsi : mmsi
            } else {
                caption = qsTr("MMSI:")
                value = decoded.country + " " + mmsi
            }
            if (decodedFields.indexOf("beaconNo") >= 0) {
                beaconNoRow.visible = true
                beaconNoRow.paramText = String(decoded.beaconNo)
            }
        } else if (decodedFields.indexOf("nationalId") >= 0) {
            caption = qsTr("National ID:")
            value = String(decoded.nationalId)
            beaconNoRow.visible = true
            beaconNoRow.leadText = qsTr("Additional data:")
            beaconNoRow.paramText = String(decoded.nationalData)
            deltaRow.visible = true
            deltaRow.paramText = decoded.deltaPosition ? qsTr("Yes") : qsTr("No")
        } else if (decodedFields.indexOf("serial") >= 0) {
            caption = qsTr("C/S Serial ID:")
            value = decoded.serial
            beaconNoRow.visible = true
            beaconNoRow.leadText = qsTr("C/S TAC No:")
            beaconNoRow.paramText = String(IdentityRules.writtenTac(config))
        } else {
            caption = qsTr("Identity:")
            value = qsTr("the message does not decode")
            identityRow.idParam.color = AldmarStyle.jTextErrorColor
        }
        const custom = IdentityRules.customProtocolInputDescriptionText(decodedProtocol, raw)
        identityRow.leadText = custom.length > 0 ? custom : caption
        identityRow.paramText = value
    }

    beaconRow.paramText: TextResource.beaconName(beacon) + " / " + config.beaconSerial()
    batteryRow.paramText: QMLProxy.dateString(config.batteryExpiry, "yyyy MMM", "en_US")
    protocolRow.paramText: decoded.valid ? ConfigTables.protocolName(decoded.protocol, decoded.country) : ""
    countryRow.paramText: decoded.valid ? decoded.countryLabel : config.countryLabel()
    nameRow.paramText: config.ownerName()
    addressRow.paramText: config.ownerAddress()
    telephoneRow.paramText: config.ownerTelephone()
    otherRow.paramText: config.ownerOther()
    hexIdField.text: decoded.valid ? decoded.hexId : ""
    checksumField.text: decoded.valid ? decoded.checksum : ""

    hexIdField.Accessible.role: Accessible.EditableText
    hexIdField.Accessible.name: hexIdCaption.text
    hexIdCopy.Accessible.role: Accessible.Button
    hexIdCopy.Accessible.name: qsTr("Copy hex ID to clipboard")
    hexIdInspect.Accessible.role: Accessible.Button
    hexIdInspect.Accessible.name: qsTr("Inspect the hex ID")
    // The whole message that will be written, so the inspector shows its checks too.
    hexIdInspect.onClicked: QuorvikContext.mainView.pushWithProperties("MessageDecode.qml",
        { input: config.epirbAsciiMsg() || config.epirbHexMsg(), recordMessage: config.epirbAsciiMsg() })
    checksumField.Accessible.role: Accessible.EditableText
    checksumField.Accessible.name: checksumCaption.text
    checksumCopy.Accessible.role: Accessible.Button
    checksumCopy.Accessible.name: qsTr("Copy checksum to clipboard")

    hexIdCopy.onPressed: {
        hexIdField.selectAll()
        hexIdField.copy()
    }
    hexIdCopy.onReleased: hexIdField.deselect()
    checksumCopy.onPressed: {
        checksumField.selectAll()
        checksumField.copy()
    }
    checksumCopy.onReleased: checksumField.deselect()

    Component.onCompleted: {
        fillIdentity()
        if (config.isTestProtocol())
            protocolRow.idParam.color = AldmarStyle.jTextErrorColor
        const ais = config.aisUserId()
        aisRow.visible = ais !== 0
        aisRow.paramText = ais
        for (const row of [beaconRow, batteryRow, protocolRow, countryRow, identityRow, deltaRow, beaconNoRow,
                           nameRow, addressRow, telephoneRow, otherRow, aisRow])
            describeRow(row)
        QMLProxy.alternateRowColors(beaconColumn, AldmarStyle.jAlternatingRowColor, AldmarStyle.jBackgroundColor, 1)
        QMLProxy.alternateRowColors(programmingColumn, AldmarStyle.jAlternatingRowColor, AldmarStyle.jBackgroundColor, 1)
        pageBrowserNavigationVisible(true, true, true)
        console.log("Full HEX message: " + config.epirbAsciiMsg())
        console.log("Prog_10_SummaryForm completed")
    }

    Component.onDestruction: console.log("Prog_10_SummaryForm destroyed")
}
