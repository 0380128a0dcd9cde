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

    readonly property int raw: config.rawCountryCode()
    // Which fields the protocol's identity has, and every check of them, come from the rules.
    readonly property var identityFields: IdentityRules.fields(protocol)
    readonly property string problem: IdentityRules.protocolProblem(config)
    // Second-generation models and the ones without a 121.5 MHz Morse option.
    readonly property var noMorseBeacons: [ConfigTables.E_Skua31A, ConfigTables.E_Skua11A, ConfigTables.E_Skua11RA,
        ConfigTables.E_SkuaP5, ConfigTables.E_SkuaRcap, ConfigTables.E_Skua11R]

    readonly property bool isMmsiGroup: identityFields.indexOf("mmsi") >= 0
    readonly property bool isSerialGroup: identityFields.indexOf("serial") >= 0
    readonly property bool isNationalGroup: identityFields.indexOf("nationalId") >= 0
    readonly property bool hasBeaconNo: identityFields.indexOf("beaconNo") >= 0
    readonly property bool serialOverrideAllowed: overrideAllowed()
    readonly property bool customSerialForced: IdentityRules.isCustomSerialForced(protocol, country)
    readonly property int nationalDataMax: deltaPosition.checked ? 63 : 1048575

    caption.text: ConfigTables.protocolName(protocol, country)
    caption.Accessible.role: Accessible.StaticText
    caption.Accessible.name: caption.text
    protocolProblem.text: problem
    protocolProblem.visible: problem !== ""
    protocolProblem.Accessible.role: Accessible.AlertMessage
    protocolProblem.Accessible.name: protocolProblem.text
    mmsiError.Accessible.role: Accessible.AlertMessage
    mmsiError.Accessible.name: mmsiError.text
    nationalError.Accessible.role: Accessible.AlertMessage
    nationalError.Accessible.name: nationalError.text

    mmsiGroup.visible: isMmsiGroup
    mmsiField.description: IdentityRules.caption("mmsi", protocol, raw)
    mmsiField.idValue.maximumLength: IdentityRules.maxLength("mmsi", protocol, raw)
    mmsiField.idPrefix.visible: true
    mmsiField.idPrefix.enabled: true
    mmsiField.idPrefix.readOnly: true
    mmsiField.idPrefix.width: mmsiField.idPrefix.contentWidth + mmsiField.idPrefix.leftPadding
                              + mmsiField.idPrefix.rightPadding + 4
    mmsiField.idPrefix.text: config.rawCountryCode()
    mmsiField.Accessible.role: Accessible.EditableText
    mmsiField.Accessible.name: mmsiField.description
    beaconNoField.visible: hasBeaconNo
    beaconNoField.description: IdentityRules.caption("beaconNo", protocol, raw)
    beaconNoField.idValue.maximumLength: IdentityRules.maxLength("beaconNo", protocol, raw)
    beaconNoField.Accessible.role: Accessible.EditableText
    beaconNoField.Accessible.name: beaconNoField.description
    morseMmsi.visible: noMorseBeacons.indexOf(beacon) < 0
    morseMmsi.Accessible.role: Accessible.CheckBox
    morseMmsi.Accessible.name: morseMmsi.text

    serialGroup.visible: isSerialGroup
    serialField.description: IdentityRules.caption("serial", protocol, raw)
    serialField.idValue.maximumLength: IdentityRules.maxLength("serial", protocol, raw)
    serialField.enabled: config.isTestProtocol() || customSerialForced
                         || (!useBeaconSerial.checked && serialOverrideAllowed)
    serialField.Accessible.role: Accessible.EditableText
    serialField.Accessible.name: serialField.description
    serialNotice.text: qsTr("<b>NOTICE:</b> The protocol serial number is a wrapped number based on the beacon serial number ")
                       + config.beaconSerial() + "."
    serialNotice.visible: useBeaconSerial.checked
                          && IdentityRules.isSerialWrapped(config.beaconSerial(), fieldSerial(), protocol, country)
    serialNotice.Accessible.role: Accessible.StaticText
    serialNotice.Accessible.name: serialNotice.text
    serialWarning.visible: !serialOverrideAllowed && !customSerialForced
                           && IdentityRules.isCustomSerialInUse(config.beaconSerial(), fieldSerial(), protocol, country)
    serialWarning.Accessible.role: Accessible.AlertMessage
    serialWarning.Accessible.name: serialWarning.text
    useBeaconSerial.Accessible.role: Accessible.CheckBox
    useBeaconSerial.Accessible.name: useBeaconSerial.text
    morseSerial.visible: noMorseBeacons.indexOf(beacon) < 0
    morseSerial.Accessible.role: Accessible.CheckBox
    morseSerial.Accessible.name: morseSerial.text
    tacLabel.Accessible.role: Accessible.StaticText
    tacLabel.Accessible.name: tacLabel.text
    serialError.visible: false
    serialError.Accessible.role: Accessible.AlertMessage
    serialError.Accessible.name: serialError.text

    nationalGroup.visible: isNationalGroup
    nationalIdField.idToolTip.text: "0-262143"
    nationalIdField.idValue.maximumLength: IdentityRules.maxLength("nationalId", protocol, raw)
    nationalIdField.Accessible.role: Accessible.EditableText
    nationalIdField.Accessible.name: nationalIdField.description
    dataUsageLabel.Accessible.role: Accessible.StaticText
    dataUsageLabel.Accessible.name: dataUsageLabel.text
    deltaPosition.Accessible.role: Accessible.RadioButton
    deltaPosition.Accessible.name: deltaPosition.text
    nationalDataChoice.Accessible.role: Accessible.RadioButton
    nationalDataChoice.Accessible.name: nationalDataChoice.text
    nationalDataField.placeholderText: "0-" + nationalDataMax
    nationalDataField.idToolTip.text: qsTr("Value from 0 to %1").arg(nationalDataMax)
    nationalDataField.idValue.maximumLength: IdentityRules.maxLength("nationalData", protocol, raw)
    nationalDataField.Accessible.role: Accessible.EditableText
    nationalDataField.Accessible.name: nationalDataField.description


    // The setting is both a property and an invokable of the same name on the tables.
    function overrideAllowed() {
        const value = ConfigTables.serialOverrideAllowed
        return typeof value === "function" ? value.call(ConfigTables) !== 0 : !!value
    }

    // The serial number the field stands for ("LC1234" is 1234 where a call sign is the identity).
    function fieldSerial() {
        return IdentityRules.protocolInputValidationExprCapture(protocol, country, serialField.text)
    }

    // The TAC the message will carry, as the summary shows it.
    function refreshTac() {
        tacLabel.text = qsTr("C/S TAC No: ") + IdentityRules.writtenTac(config)
    }

    // Shows a field's problem beside it; true when there is none.
    function fieldOk(field, input, text) {
        const why = IdentityRules.check(field, protocol, raw, text, deltaPosition.checked)
        input.idAsterisk.visible = why !== ""
        return why
    }

    function showProblems(label, problems) {
        const shown = problems.filter(function (p) { return p !== "" })
        label.text = shown.length > 0 ? shown[0] : ""
        label.visible = shown.length > 0
        return shown.length === 0
    }

    function controlForward() {
        let valid = problem === "" && identityFields.length > 0
        if (isMmsiGroup) {
            const problems = [fieldOk("mmsi", mmsiField, mmsiField.text)]
            if (hasBeaconNo)
                problems.push(fieldOk("beaconNo", beaconNoField, beaconNoField.text))
            valid = showProblems(mmsiError, problems) && valid
            console.log("MMSI value valid:", valid)
        }
        if (isSerialGroup) {
            // The beacon's own number needs no entry; an entered one is checked.
            const problems = serialField.enabled ? [fieldOk("serial", serialField, serialField.text)] : []
            valid = showProblems(serialError, problems) && valid
            console.log("SerialValid Value: ", valid)
        }
        if (isNationalGroup) {
            const problems = [fieldOk("nationalId", nationalIdField, nationalIdField.text),
                              fieldOk("nationalData", nationalDataField, nationalDataField.text)]
            if (!deltaPosition.checked && !nationalDataChoice.checked)
                problems.push(qsTr("Choose how protected data field 2 is used"))
            valid = showProblems(nationalError, problems) && valid
        }
        pageBrowserNavigationVisible(true, valid, true)
        return valid
    }

    // What was typed is kept as typed; the record takes what it means once the rules accept it.
    function mmsiEdited() {
        const upper = mmsiField.text.toUpperCase()
        if (upper !== mmsiField.text)
            mmsiField.text = upper
        const text = mmsiField.text
        const ok = IdentityRules.check("mmsi", protocol, raw, text) === ""
        const value = ok ? IdentityRules.meaning("mmsi", protocol, raw, text) : text
        if (config.isAssociatedCraft()) {
            config.setMmsi(String(config.countryCode()).substring(1, 3) + value)
        } else {
            config.setMmsi(value)
            console.log("Setting MMSI directly")
        }
        controlForward()
    }

    function beaconNoEdited() {
        const text = beaconNoField.text
        controlForward()
        if (IdentityRules.check("beaconNo", protocol, raw, text) !== "")
            return
        const value = parseInt(text, 10)
        if (protocol === ConfigTables.E_RlsUserMmsiEpirb)
            config.setFirstEpirb(value === 0)
        else
            config.setBeaconNo(value)
    }

    function serialEdited() {
        if (!serialField.enabled)
            return
        const text = serialField.text
        const ok = IdentityRules.check("serial", protocol, raw, text) === ""
        const number = ok ? parseInt(IdentityRules.meaning("serial", protocol, raw, text), 10) : 0
        console.log("Override serial number", text, number)
        config.setCustomSerial(number)
        refreshTac()
        controlForward()
    }

    // Each national field is stored as soon as its own check passes.
    function applyNational() {
        if (!isNationalGroup)
            return
        controlForward()
        config.setAdditionalDataType(deltaPosition.checked)
        if (IdentityRules.check("nationalData", protocol, raw, nationalDataField.text, deltaPosition.checked) === "")
            config.setAdditionalData(parseInt(nationalDataField.text, 10))
    }

    function nationalIdEdited() {
        controlForward()
        if (IdentityRules.check("nationalId", protocol, raw, nationalIdField.text) === "")
            config.setCustomSerial(parseInt(nationalIdField.text, 10))
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
        function onTextEdited() { page.nationalIdEdited() }
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
            serialField.text = IdentityRules.protocolTransformIdentity(protocol, country, config.protocolSerial())
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

        // 2. What a beacon read with a protocol without an MMSI holds there (its serial
        //    number) is no MMSI: it is not offered as one, whatever this protocol.
        if (isMmsiGroup && IdentityRules.fields(QMLProxy.configCurrent.protocolId()).indexOf("mmsi") < 0
                && config.mmsi() === QMLProxy.configCurrent.mmsi())
            config.setMmsi("")

        // Initial values, from the pending configuration.
        // A beacon without an MMSI holds blanks; they would push typed digits past the limit.
        const mmsi = config.mmsi().trim()
        mmsiField.text = config.isAssociatedCraft() ? mmsi.substring(2, 6) : mmsi
        beaconNoField.text = protocol === ConfigTables.E_RlsUserMmsiEpirb ? (config.firstEpirb() ? "0" : "1")
                                                                         : String(config.beaconNo())
        serialField.text = IdentityRules.protocolTransformIdentity(protocol, raw, config.protocolSerial())
        useBeaconSerial.visible = serialOverrideAllowed
        useBeaconSerial.checked = config.customSerial() === 0
        refreshTac()
        // A national ID is typed in: 0 is an ID of its own, never a default.
        nationalIdField.text = config.customSerial() > 0 ? String(config.customSerial()) : ""
        deltaPosition.checked = config.additionalDataType()
        nationalDataChoice.checked = !config.additionalDataType()
        nationalDataField.text = String(config.additionalData())

        // 1. Morse option.
        morseMmsi.checked = config.useMorseCode()
        morseSerial.checked = config.useMorseCode()

        // 3. Focus.
        if (isMmsiGroup)
            mmsiField.idValue.forceActiveFocus()

        // 4. National constraints.
        applyNational()

        // 5. Protocols that always carry their own serial number.
        if (customSerialForced) {
            useBeaconSerial.checked = false
            useBeaconSerial.visible = false
            if (config.customSerial() <= 0)
                serialField.text = ""
        }

        // 6.
        if (isSerialGroup && useBeaconSerial.checked)
            config.setCustomSerial(0)

        // 7. Serial field input: the rules check it, the input method gets the country's hints.
        serialField.valueInputMethodHints = IdentityRules.protocolInputMethodHints(protocol, raw)

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
