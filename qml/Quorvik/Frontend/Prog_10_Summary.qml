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

    function tacNumber() {
        if (protocol === ConfigTables.E_RlsUserTacTest || protocol === ConfigTables.E_RlsUserTacEpirb)
            return config.tacNoRls()
        if (protocol === ConfigTables.E_RlsUserTacPlb)
            return config.tacNoRlsPlb()
        return config.tacNo()
    }

    function describeRow(row) {
        row.Accessible.role = Accessible.StaticText
        row.Accessible.name = Qt.binding(function () { return row.leadText + " " + row.paramText })
    }

    function fillIdentity() {
        const mmsi = config.mmsi()
        const raw = config.rawCountryCode()
        let caption = ""
        let value = ""
        switch (protocol) {
        case ConfigTables.E_UserMmsi:
        case ConfigTables.E_UserLocationMmsi:
            caption = qsTr("MMSI / Call sign:")
            // A call sign has letters and stands alone.
            value = /^[0-9]*$/.test(mmsi) ? raw + " " + mmsi : mmsi
            break
        case ConfigTables.E_StdLocationMmsi:
        case ConfigTables.E_RlsUserMmsiEpirb:
        case ConfigTables.E_RlsUserMmsiPlb:
        case ConfigTables.E_RlsUserMmsiTest:
            caption = qsTr("MMSI:")
            value = raw + " " + mmsi
            beaconNoRow.visible = protocol !== ConfigTables.E_RlsUserMmsiTest
                                  && protocol !== ConfigTables.E_RlsUserMmsiPlb
            break
        case ConfigTables.E_UserRadiocall:
        case ConfigTables.E_UserLocationRadioCallsign:
            caption = qsTr("Radio Call Sign:")
            value = mmsi
            break
        case ConfigTables.E_NationalLocationPlb:
        case ConfigTables.E_NationalLocationTest:
            caption = qsTr("National ID:")
            value = ConfigTables.protocolTransformIdentity(protocol, country, config.customSerial())
            beaconNoRow.leadText = qsTr("Additional data:")
            beaconNoRow.paramText = config.additionalData()
            deltaRow.visible = true
            deltaRow.paramText = config.additionalDataType() ? qsTr("Yes") : qsTr("No")
            break
        default:
            caption = qsTr("C/S Serial ID:")
            value = ConfigTables.protocolTransformIdentity(protocol, country, config.protocolSerial())
            beaconNoRow.leadText = qsTr("C/S TAC No:")
            beaconNoRow.paramText = tacNumber()
            break
        }
        const custom = ConfigTables.customProtocolInputDescriptionText(protocol, country)
        identityRow.leadText = custom.length > 0 ? custom : caption
        identityRow.paramText = value
    }

    beaconRow.paramText: TextResource.beaconName(beacon) + " / " + config.beaconSerial()
    batteryRow.paramText: QMLProxy.dateString(config.batteryExpiry, "yyyy MMM", "en_US")
    protocolRow.paramText: ConfigTables.protocolName(protocol, country)
    countryRow.paramText: config.countryLabel()
    nameRow.paramText: config.ownerName()
    addressRow.paramText: config.ownerAddress()
    telephoneRow.paramText: config.ownerTelephone()
    otherRow.paramText: config.ownerOther()
    hexIdField.text: config.epirbHexMsg()
    checksumField.text: config.epirbHexChecksum()

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
        beaconNoRow.paramText = protocol === ConfigTables.E_RlsUserMmsiEpirb ? (config.firstEpirb() ? "0" : "1")
                                                                           : String(config.beaconNo())
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
