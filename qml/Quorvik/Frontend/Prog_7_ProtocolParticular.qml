import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend

// Identity of the beacon for the chosen protocol: MMSI or call sign, serial number, or national ID.
Prog_7_ProtocolParticularForm {
    id: page
    objectName: "Prog_7_ProtocolParticular"

    readonly property var config: QMLProxy.configPending
    readonly property int beacon: config.beaconSelected()
    readonly property int country: config.countryCode()
    readonly property int protocol: config.protocolId()

    readonly property var mmsiProtocols: [ConfigTables.E_UserMmsi, ConfigTables.E_UserRadiocall,
        ConfigTables.E_UserLocationMmsi, ConfigTables.E_UserLocationRadioCallsign, ConfigTables.E_StdLocationMmsi,
        ConfigTables.E_RlsUserMmsiEpirb, ConfigTables.E_RlsUserMmsiPlb, ConfigTables.E_RlsUserMmsiTest,
        ConfigTables.E_UserTestEpirb, ConfigTables.E_UserTestPlb]
    readonly property var serialProtocols: [ConfigTables.E_UserSerialEpirb, ConfigTables.E_UserLocationSerialEpirb,
        ConfigTables.E_UserSerialPlb, ConfigTables.E_UserLocationSerialPlb, ConfigTables.E_StdLocationSerialEpirb,
        ConfigTables.E_StdLocationSerialPlb, ConfigTables.E_RlsUserTacEpirb, ConfigTables.E_RlsUserTacPlb,
        ConfigTables.E_RlsUserTacTest, ConfigTables.E_StdLocationTest, ConfigTables.E_UserLocationTestEpirb,
        ConfigTables.E_UserLocationTestPlb]
    readonly property var nationalProtocols: [ConfigTables.E_NationalLocationPlb, ConfigTables.E_NationalLocationTest]
    // Second-generation models and the ones without a 121.5 MHz Morse option.
    readonly property var noMorseBeacons: [ConfigTables.E_Skua31A, ConfigTables.E_Skua11A, ConfigTables.E_Skua11RA,
        ConfigTables.E_SkuaP5, ConfigTables.E_SkuaRcap, ConfigTables.E_Skua11R]

    readonly property bool isMmsiGroup: mmsiProtocols.indexOf(protocol) >= 0
    readonly property bool isSerialGroup: serialProtocols.indexOf(protocol) >= 0
    readonly property bool isNationalGroup: nationalProtocols.indexOf(protocol) >= 0
    readonly property bool isRadioCall: protocol === ConfigTables.E_UserRadiocall
                                        || protocol === ConfigTables.E_UserLocationRadioCallsign
    // These take exactly six digits of the MMSI.
    readonly property bool isStrictMmsi: protocol === ConfigTables.E_StdLocationMmsi
                                         || protocol === ConfigTables.E_RlsUserMmsiEpirb
                                         || protocol === ConfigTables.E_RlsUserMmsiTest
    readonly property int identityLimit: isRadioCall ? 8 : 7
    readonly property int beaconMax: protocol === ConfigTables.E_StdLocationMmsi ? 16
                                     : (protocol === ConfigTables.E_RlsUserMmsiEpirb ? 2 : 36)
    readonly property int beaconFieldLength: Math.floor(Math.log10(beaconMax)) + 1
    readonly property bool serialOverrideAllowed: overrideAllowed()
    readonly property bool customSerialForced: ConfigTables.isCustomSerialForced(protocol, country)
    readonly property int nationalDataMax: deltaPosition.checked ? 63 : 1048575

    caption.text: ConfigTables.protocolName(protocol, country)
    caption.Accessible.role: Accessible.StaticText
    caption.Accessible.name: caption.text

    mmsiGroup.visible: isMmsiGroup
    mmsiField.description: identityCaption()
    mmsiField.idPrefix.visible: true
    mmsiField.idPrefix.enabled: true
    mmsiField.idPrefix.readOnly: true
    mmsiField.idPrefix.width: mmsiField.idPrefix.contentWidth + mmsiField.idPrefix.leftPadding
                              + mmsiField.idPrefix.rightPadding + 4
    mmsiField.idPrefix.text: config.rawCountryCode()
    mmsiField.Accessible.role: Accessible.EditableText
    mmsiField.Accessible.name: mmsiField.description
    beaconNoField.visible: protocol !== ConfigTables.E_RlsUserMmsiTest && protocol !== ConfigTables.E_RlsUserMmsiPlb
    beaconNoField.description: protocol === ConfigTables.E_StdLocationMmsi ? qsTr("Beacon number (0-15):")
                               : (protocol === ConfigTables.E_RlsUserMmsiEpirb ? qsTr("Beacon number (0-1):")
                                                                              : qsTr("Beacon number (0-35):"))
    beaconNoField.Accessible.role: Accessible.EditableText
    beaconNoField.Accessible.name: beaconNoField.description
    morseMmsi.visible: noMorseBeacons.indexOf(beacon) < 0
    morseMmsi.Accessible.role: Accessible.CheckBox
    morseMmsi.Accessible.name: morseMmsi.text

    serialGroup.visible: isSerialGroup
    serialField.description: identityCaption()
    serialField.enabled: config.isTestProtocol() || customSerialForced
                         || (!useBeaconSerial.checked && serialOverrideAllowed)
    serialField.Accessible.role: Accessible.EditableText
    serialField.Accessible.name: serialField.description
    serialNotice.text: qsTr("<b>NOTICE:</b> The protocol serial number is a wrapped number based on the beacon serial number ")
                       + config.beaconSerial() + "."
    serialNotice.visible: useBeaconSerial.checked
                          && ConfigTables.isSerialWrapped(config.beaconSerial(), fieldSerial(), protocol, country)
    serialNotice.Accessible.role: Accessible.StaticText
    serialNotice.Accessible.name: serialNotice.text
    serialWarning.visible: !serialOverrideAllowed && !customSerialForced
                           && ConfigTables.isCustomSerialInUse(config.beaconSerial(), fieldSerial(), protocol, country)
    serialWarning.Accessible.role: Accessible.AlertMessage
    serialWarning.Accessible.name: serialWarning.text
    useBeaconSerial.Accessible.role: Accessible.CheckBox
    useBeaconSerial.Accessible.name: useBeaconSerial.text
    morseSerial.visible: noMorseBeacons.indexOf(beacon) < 0
    morseSerial.Accessible.role: Accessible.CheckBox
    morseSerial.Accessible.name: morseSerial.text
    tacLabel.Accessible.role: Accessible.StaticText
    tacLabel.Accessible.name: tacLabel.text
    serialError.visible: !serialField.idValue.acceptableInput
    serialError.Accessible.role: Accessible.AlertMessage
    serialError.Accessible.name: serialError.text

    nationalGroup.visible: isNationalGroup
    nationalIdField.idToolTip.text: "0-262143"
    nationalIdField.idAsterisk.visible: !nationalIdField.idValue.acceptableInput
    nationalIdField.Accessible.role: Accessible.EditableText
    nationalIdField.Accessible.name: nationalIdField.description
    dataUsageLabel.Accessible.role: Accessible.StaticText
    dataUsageLabel.Accessible.name: dataUsageLabel.text
    deltaPosition.Accessible.role: Accessible.RadioButton
    deltaPosition.Accessible.name: deltaPosition.text
    nationalDataChoice.Accessible.role: Accessible.RadioButton
    nationalDataChoice.Accessible.name: nationalDataChoice.text
    nationalDataField.placeholderText: "0-" + nationalDataMax
    nationalDataField.idToolTip.text: qsTr("Value from 0 to ") + nationalDataMax
    nationalDataField.idAsterisk.visible: !nationalDataField.idValue.acceptableInput
    nationalDataField.Accessible.role: Accessible.EditableText
    nationalDataField.Accessible.name: nationalDataField.description

    RegularExpressionValidator { id: serialExprValidator }
    IntValidator { id: serialIntValidator; bottom: 1; locale: "C" }
    IntValidator { id: nationalIdValidator; bottom: 0; top: 262143; locale: "C" }
    IntValidator { id: nationalDataValidator; bottom: 0; top: page.nationalDataMax; locale: "C" }

    // The setting is both a property and an invokable of the same name on the tables.
    function overrideAllowed() {
        const value = ConfigTables.serialOverrideAllowed
        return typeof value === "function" ? value.call(ConfigTables) !== 0 : !!value
    }

    function identityCaption() {
        const custom = ConfigTables.customProtocolInputDescriptionText(protocol, country)
        if (custom.length > 0)
            return custom
        const digits = config.isAssociatedCraft() ? 4 : 6
        switch (protocol) {
        case ConfigTables.E_UserMmsi:
        case ConfigTables.E_UserLocationMmsi:
            return qsTr("MMSI (last %1 digits) / Call sign:").arg(digits)
        case ConfigTables.E_UserRadiocall:
        case ConfigTables.E_UserLocationRadioCallsign:
            return qsTr("Radio Call Sign:")
        case ConfigTables.E_StdLocationMmsi:
        case ConfigTables.E_RlsUserMmsiEpirb:
        case ConfigTables.E_RlsUserMmsiPlb:
        case ConfigTables.E_RlsUserMmsiTest:
            return qsTr("MMSI number (last %1 digits):").arg(digits)
        default:
            return qsTr("Serial number:")
        }
    }

    // The serial number the field stands for ("LC1234" is 1234 where a call sign is the identity).
    function fieldSerial() {
        return ConfigTables.protocolInputValidationExprCapture(protocol, country, serialField.text)
    }

    function tacNumber() {
        if (protocol === ConfigTables.E_RlsUserTacTest || protocol === ConfigTables.E_RlsUserTacEpirb)
            return config.tacNoRls()
        if (protocol === ConfigTables.E_RlsUserTacPlb)
            return config.tacNoRlsPlb()
        return config.tacNo()
    }

    function refreshTac() {
        tacLabel.text = qsTr("C/S TAC No: ") + tacNumber()
    }

    function controlForward() {
        const beaconValue = parseInt(beaconNoField.text, 10)
        const beaconValid = !isNaN(beaconValue) && beaconValue < beaconMax
        beaconNoField.idAsterisk.visible = !beaconValid

        let mmsiValid = false
        if (isMmsiGroup) {
            const text = mmsiField.text
            if (isStrictMmsi) {
                mmsiValid = text.length === identityLimit - 1 && QMLProxy.regexTest("^[0-9]+$", text)
                console.log("Standard Location MMSI value:,", mmsiValid)
            } else {
                mmsiValid = text.length > 2
                console.log("User MMSI value: ", mmsiValid)
            }
            mmsiField.idAsterisk.visible = !mmsiValid
        }

        let serialValid = false
        if (isSerialGroup) {
            serialValid = serialField.text.length > 0
                          && (serialField.idValue.validator === null || serialField.idValue.acceptableInput)
            console.log("SerialValid Value: ", serialValid)
        }

        let nationalValid = false
        if (isNationalGroup)
            nationalValid = nationalIdField.idValue.acceptableInput && nationalDataField.idValue.acceptableInput
                            && (deltaPosition.checked || nationalDataChoice.checked)

        const allValid = (beaconValid && mmsiValid) || serialValid || nationalValid
        pageBrowserNavigationVisible(true, allValid, true)
        return allValid
    }

    function lastCharacterAllowed(text) {
        const last = text.charAt(text.length - 1)
        if (isStrictMmsi)
            return /[0-9]/.test(last)
        if (protocol === ConfigTables.E_UserMmsi || protocol === ConfigTables.E_UserLocationMmsi)
            return /[0-9A-Z]/.test(last)
        if (isRadioCall)
            return text.length <= 4 ? /[0-9A-Z]/.test(last) : /[0-9]/.test(last)
        return true
    }

    function mmsiEdited() {
        let text = mmsiField.text
        if (text.length < identityLimit) {
            text = text.toUpperCase()
            if (text.length > 0 && !lastCharacterAllowed(text))
                text = text.substring(0, text.length - 1)
        } else {
            text = text.substring(0, identityLimit - 1)
        }
        if (text !== mmsiField.text)
            mmsiField.text = text
        if (config.isAssociatedCraft()) {
            config.setMmsi(String(config.countryCode()).substring(1, 3) + text)
        } else {
            config.setMmsi(text)
            console.log("Setting MMSI directly")
        }
        controlForward()
    }

    function beaconNoEdited() {
        let text = beaconNoField.text
        if (text.length <= beaconFieldLength) {
            if (text.length > 0 && !/[0-9]/.test(text.charAt(text.length - 1)))
                text = text.substring(0, text.length - 1)
        } else {
            text = text.substring(0, beaconFieldLength)
        }
        let value = parseInt(text, 10)
        if (!isNaN(value) && value >= beaconMax) {
            value = beaconMax - 1
            text = String(value)
        }
        if (text !== beaconNoField.text)
            beaconNoField.text = text
        controlForward()
        if (isNaN(value))
            return
        if (protocol === ConfigTables.E_RlsUserMmsiEpirb)
            config.setFirstEpirb(value === 0)
        else
            config.setBeaconNo(value)
    }

    function serialEdited() {
        if (!serialField.enabled)
            return
        const text = serialField.text
        const number = parseInt(ConfigTables.protocolInputValidationExprCapture(protocol, country, text), 10)
        console.log("Override serial number", text, number)
        config.setCustomSerial(isNaN(number) ? 0 : number)
        controlForward()
    }

    // The data field's range depends on the usage chosen for protected data field 2.
    function applyNational() {
        if (!isNationalGroup)
            return
        if (controlForward()) {
            config.setAdditionalDataType(deltaPosition.checked)
            config.setAdditionalData(parseInt(nationalDataField.text, 10))
        }
    }

    Connections {
        target: page.mmsiField.idValue
        function onTextEdited() { page.mmsiEdited() }
    }
    Connections {
        target: page.beaconNoField.idValue
        function onTextEdited() { page.beaconNoEdited() }
    }
    Connections {
        target: page.serialField.idValue
        function onTextEdited() { page.serialEdited() }
    }
    Connections {
        target: page.nationalIdField.idValue
        function onTextEdited() {
            if (page.controlForward())
                page.config.setCustomSerial(parseInt(page.nationalIdField.text, 10))
        }
    }
    Connections {
        target: page.nationalDataField.idValue
        function onTextEdited() { page.applyNational() }
    }

    morseMmsi.onClicked: config.setUseMorseCode(morseMmsi.checked)
    morseSerial.onClicked: config.setUseMorseCode(morseSerial.checked)
    deltaPosition.onClicked: applyNational()
    nationalDataChoice.onClicked: applyNational()
    useBeaconSerial.onClicked: {
        if (useBeaconSerial.checked) {
            config.setCustomSerial(0)
            serialField.text = ConfigTables.protocolTransformIdentity(protocol, country, config.protocolSerial())
            refreshTac()
        }
        controlForward()
    }

    Timer {
        id: supportCheck
        interval: 500
        onTriggered: {
            if (!QMLProxy.app.isProtocolSupported(page.beacon, page.country, page.protocol))
                unsupportedDialog.open()
        }
    }

    MessageDialog {
        id: unsupportedDialog
        objectName: "unsupportedProtocolDialog"
        text: qsTr("Warning<br><br>Serial protocols for USA cannot be programmed with Quorvik.<br><br>In this situation,use the LX-30 program to complete the programming.<br>&nbsp;")
        buttons: MessageDialogValues.Ok
        onAccepted: page.pageBrowserNavigationVisible(true, false, true)
        onRejected: page.pageBrowserNavigationVisible(true, false, true)
    }

    Component.onCompleted: {
        console.log("Prog_7 with protocol", protocol)

        // Initial values, from the pending configuration.
        // A beacon without an MMSI holds blanks; they would push typed digits past the limit.
        const mmsi = config.mmsi().trim()
        mmsiField.text = config.isAssociatedCraft() ? mmsi.substring(2, 6) : mmsi
        beaconNoField.text = protocol === ConfigTables.E_RlsUserMmsiEpirb ? (config.firstEpirb() ? "0" : "1")
                                                                         : String(config.beaconNo())
        serialField.text = ConfigTables.protocolTransformIdentity(protocol, country, config.protocolSerial())
        useBeaconSerial.visible = serialOverrideAllowed
        useBeaconSerial.checked = config.customSerial() === 0
        refreshTac()
        nationalIdField.idValue.validator = nationalIdValidator
        nationalDataField.idValue.validator = nationalDataValidator
        nationalIdField.text = String(config.customSerial())
        deltaPosition.checked = config.additionalDataType()
        nationalDataChoice.checked = !config.additionalDataType()
        nationalDataField.text = String(config.additionalData())

        // 1. Morse option.
        morseMmsi.checked = config.useMorseCode()
        morseSerial.checked = config.useMorseCode()

        // 2. A serial number read from the beacon is not offered as an MMSI.
        const mmsiOnly = [ConfigTables.E_StdLocationMmsi, ConfigTables.E_UserMmsi, ConfigTables.E_UserLocationMmsi,
                          ConfigTables.E_RlsUserMmsiEpirb, ConfigTables.E_RlsUserMmsiTest]
        if (mmsiOnly.indexOf(protocol) >= 0 && mmsiOnly.indexOf(QMLProxy.configCurrent.protocolId()) < 0
                && config.mmsi().padStart(6, "0") === config.beaconSerial().padStart(6, "0"))
            mmsiField.text = ""

        // 3. Focus.
        if (isMmsiGroup)
            mmsiField.idValue.forceActiveFocus()

        // 4. National constraints.
        applyNational()

        // 5. Protocols that always carry their own serial number.
        if (customSerialForced) {
            useBeaconSerial.checked = false
            useBeaconSerial.visible = false
            if (!ConfigTables.isCustomSerialInUse(config.beaconSerial(), String(config.protocolSerial()), protocol,
                                                  country))
                serialField.text = ""
        }

        // 6.
        if (useBeaconSerial.checked)
            config.setCustomSerial(0)

        // 7. Serial field input rules.
        const expr = ConfigTables.protocolInputValidationExpr(protocol, country)
        const maximum = ConfigTables.protocolInputValidationInt(protocol, country)
        if (expr.length > 0) {
            serialExprValidator.regularExpression = new RegExp(expr)
            serialField.idValue.validator = serialExprValidator
        } else if (maximum !== 0) {
            serialIntValidator.top = maximum
            serialField.idValue.validator = serialIntValidator
        } else {
            serialField.idValue.validator = null
        }
        serialField.valueInputMethodHints = ConfigTables.protocolInputMethodHints(protocol, country)

        // 8.
        controlForward()
        console.log("Prog_7 component created")

        // 9.
        supportCheck.start()
    }

    Component.onDestruction: {
        console.log("Prog_7 component destroyed")
        QMLProxy.configPending.calculateCsMsg()
    }
}
