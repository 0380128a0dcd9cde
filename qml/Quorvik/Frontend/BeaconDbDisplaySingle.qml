import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend
import Quorvik.Frontend

// The configuration the Datablock view shows: just read back, just programmed, or a
// database record (only the last can be removed or has a way back to the list).
BeaconDbDisplaySingleForm {
    id: page
    objectName: "BeaconDbDisplaySingle"
    focus: true

    readonly property bool fromReadback: Datablock.isReadback()
    readonly property bool fromProgramming: Datablock.isProgramming()
    // Another station's programming, from the shared register: shown, not changed.
    readonly property bool fromRegister: Datablock.isRegister()
    readonly property bool fromDatabase: !fromReadback && !fromProgramming && !fromRegister
    readonly property int protocolCode: Datablock.protocolCode
    readonly property var metadata: Datablock.extraMetadata
    // Set once a removal has been confirmed: a second confirmation must not delete or pop again.
    property bool removing: false

    readonly property var serialProtocols: [
        ConfigTables.E_StdLocationSerialEpirb, ConfigTables.E_StdLocationSerialPlb,
        ConfigTables.E_UserSerialEpirb, ConfigTables.E_UserSerialPlb,
        ConfigTables.E_UserLocationSerialEpirb, ConfigTables.E_UserLocationSerialPlb,
        ConfigTables.E_RlsUserTacEpirb, ConfigTables.E_RlsUserTacPlb, ConfigTables.E_StdLocationTest,
        ConfigTables.E_RlsUserTacTest, ConfigTables.E_UserTestEpirb, ConfigTables.E_UserTestPlb,
        ConfigTables.E_UserLocationTestEpirb, ConfigTables.E_UserLocationTestPlb]
    readonly property var categoryProtocols: [
        ConfigTables.E_UserSerialEpirb, ConfigTables.E_UserSerialPlb,
        ConfigTables.E_UserLocationSerialEpirb, ConfigTables.E_UserLocationSerialPlb,
        ConfigTables.E_StdLocationSerialEpirb, ConfigTables.E_StdLocationSerialPlb]
    readonly property bool isUserMmsi: protocolCode === ConfigTables.E_UserMmsi
                                       || protocolCode === ConfigTables.E_UserLocationMmsi
    readonly property bool isNational: protocolCode === ConfigTables.E_NationalLocationPlb
                                       || protocolCode === ConfigTables.E_NationalLocationTest

    function identityCaption() {
        const custom = IdentityRules.customProtocolInputDescriptionText(protocolCode, Datablock.countryCodeNumber)
        if (custom.length > 0)
            return custom
        if (serialProtocols.indexOf(protocolCode) >= 0)
            return qsTr("C/S Serial ID:")
        switch (protocolCode) {
        case ConfigTables.E_UserRadiocall:
        case ConfigTables.E_UserLocationRadioCallsign:
            return qsTr("Radio Call Sign:")
        case ConfigTables.E_UserMmsi:
        case ConfigTables.E_UserLocationMmsi:
            return qsTr("MMSI / Call sign:")
        case ConfigTables.E_StdLocationMmsi:
        case ConfigTables.E_RlsUserMmsiEpirb:
        case ConfigTables.E_RlsUserMmsiTest:
        case ConfigTables.E_RlsUserMmsiPlb:
            return qsTr("MMSI number:")
        case ConfigTables.E_NationalLocationPlb:
        case ConfigTables.E_NationalLocationTest:
            return qsTr("National ID:")
        }
        return qsTr("C/S Serial ID:")
    }

    // A user MMSI protocol may hold a call sign: that is shown without the country prefix.
    function identityValue() {
        const id = Datablock.idValue
        if (isUserMmsi && /^[0-9]+$/.test(id))
            return Datablock.countryCode.substring(0, 3) + " " + id
        return id
    }

    function flexibleCaption() {
        if (serialProtocols.indexOf(protocolCode) >= 0)
            return qsTr("C/S TAC No:")
        if (protocolCode === ConfigTables.E_UserRadiocall || protocolCode === ConfigTables.E_UserLocationRadioCallsign)
            return qsTr("Beacon no:")
        if (isNational)
            return qsTr("Use Delta Position:")
        return qsTr("Beacon No:")
    }

    function flexibleValue() {
        if (serialProtocols.indexOf(protocolCode) >= 0)
            return Datablock.csApproval
        if (isNational)
            return Datablock.additionalDataType ? qsTr("Yes") : qsTr("No")
        if (protocolCode === ConfigTables.E_RlsUserMmsiEpirb)
            return Datablock.firstEpirb ? "0" : "1"
        return Datablock.beaconNo
    }

    function recolour() {
        QMLProxy.alternateRowColors(beaconGroup, AldmarStyle.jAlternatingRowColor, AldmarStyle.jBackgroundColor, 1)
        QMLProxy.alternateRowColors(batteryGroup, AldmarStyle.jAlternatingRowColor, AldmarStyle.jBackgroundColor, 0)
        QMLProxy.alternateRowColors(runtimeGroup, AldmarStyle.jAlternatingRowColor, AldmarStyle.jBackgroundColor, 0)
        QMLProxy.alternateRowColors(programmingGroup, AldmarStyle.jAlternatingRowColor, AldmarStyle.jBackgroundColor, 1)
    }

    function storeNote() {
        if (addInfoArea.text !== Datablock.addInfoNote)
            Datablock.addInfoNote = addInfoArea.text
    }

    function copyField(field) {
        field.selectAll()
        field.copy()
        field.deselect()
    }

    // The inspector decodes the whole stored message, so its checks and position show too.
    function inspect() {
        storeNote()
        const message = Datablock.hexMsg
        QuorvikContext.mainView.pushWithProperties("MessageDecode.qml", { input: message, recordMessage: message })
    }

    function back() {
        if (Datablock.isReadback()) {
            console.log("Back -> isReadback")
            QuorvikContext.mainView.set("Main_StartProg.qml")
        } else if (Datablock.isProgramming()) {
            console.log("Back -> isProgramming")
            QuorvikContext.mainView.set("Main_StartProg.qml")
        } else {
            console.log("Back -> isDatabase")
            QuorvikContext.mainView.pop()
        }
    }

    // The record goes when the removal is confirmed; the fade only shows it, so leaving
    // the page meanwhile neither keeps the record nor pops a page that is not this one.
    function confirmRemove() {
        if (removing)
            return
        removing = true
        QMLProxy.deleteCurrent()
        fadeOut.start()
    }

    heading.text: TextResource.beaconName(Datablock.beaconType)

    serialRow.paramText: Datablock.serialNo
    aisRow.paramText: Datablock.aisUserID
    aisRow.visible: Datablock.aisUserID > 0

    batteryExpiryRow.paramText: Datablock.battExpiry
    batteryTypeRow.paramText: ConfigTables.batteryTypeDisplayString(metadata.batteryType)
    batteryTypeRow.visible: batteryTypeRow.paramText.length > 0 && batteryTypeRow.paramText !== "N/A"

    lastTestRow.paramText: metadata.lastTestError === -1 ? "" : ConfigTables.selfTestErrorMessage(metadata.lastTestError)
    lastTestRow.visible: lastTestRow.paramText.length > 0
    activeTimeRow.paramText: metadata.activeUptime >= 0 ? qsTr("%1 minutes").arg(metadata.activeUptime) : ""
    activeTimeRow.visible: activeTimeRow.paramText.length > 0
    selfTestsRow.paramText: metadata.numSelfTests >= 0 ? String(metadata.numSelfTests) : ""
    selfTestsRow.visible: selfTestsRow.paramText.length > 0
    gnssTestsRow.paramText: metadata.numGnssSelfTests >= 0 ? String(metadata.numGnssSelfTests) : ""
    gnssTestsRow.visible: gnssTestsRow.paramText.length > 0
    runtimeGroup.visible: lastTestRow.visible || activeTimeRow.visible || selfTestsRow.visible || gnssTestsRow.visible
    runtimeSpacer.visible: runtimeGroup.visible

    progDateRow.paramText: Datablock.progDate
    protocolRow.paramText: Datablock.protocol
    protocolRow.idParam.color: ConfigTables.isTestProtocol(protocolCode) ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    categoryRow.paramText: Datablock.category
    categoryRow.visible: categoryProtocols.indexOf(protocolCode) >= 0
    countryRow.paramText: Datablock.countryCode
    identityRow.leadText: identityCaption()
    identityRow.paramText: identityValue()
    flexibleRow.leadText: flexibleCaption()
    flexibleRow.paramText: flexibleValue()
    flexibleRow.visible: protocolCode !== ConfigTables.E_RlsUserMmsiTest && protocolCode !== ConfigTables.E_RlsUserMmsiPlb
    additionalDataRow.leadText: isNational ? qsTr("Additional Data:") : qsTr("Additional data")
    additionalDataRow.paramText: Datablock.additionalData
    additionalDataRow.visible: isNational
    nameRow.paramText: Datablock.ownerName
    addressRow.paramText: Datablock.ownerAddress
    telephoneRow.paramText: Datablock.ownerTelephone
    otherRow.paramText: Datablock.ownerOther
    duplicateReasonRow.paramText: Datablock.duplicateReason
    hexIdField.text: Datablock.hexId
    brokenMessageNote.visible: Datablock.messageFails
    checksumField.text: Datablock.hexChecksum
    addInfoArea.text: Datablock.addInfoNote

    backButton.visible: fromDatabase || fromRegister
    deleteButton.visible: fromDatabase
    deleteButton.enabled: !removing
    reportButton.enabled: !removing
    labelingButton.enabled: !removing
    addInfoArea.readOnly: removing || fromRegister
    labelingButton.visible: ConfigTables.labelingPages(Datablock.beaconType, protocolCode).length > 0

    hexIdCopyButton.onClicked: copyField(hexIdField)
    hexIdInspectButton.onClicked: inspect()
    brokenMessageInspect.onClicked: inspect()
    checksumCopyButton.onClicked: copyField(checksumField)
    addInfoArea.onEditingFinished: storeNote()
    backButton.onClicked: back()
    reportButton.onClicked: {
        storeNote()
        // A report that could not be written is announced by the document notice.
        if (Datablock.createReport())
            reportDialog.open()
    }
    labelingButton.onClicked: QuorvikContext.mainView.push("LabelingSwipeView.qml")
    deleteButton.onClicked: {
        if (!removing)
            removeDialog.open()
    }

    Keys.onEscapePressed: {
        if (fromProgramming) {
            // The run is over: home with the normal menu, as "Exit Programming" does.
            QuorvikContext.menubar.exitProgramming()
        } else if (QuorvikContext.mainView.depth > 1) {
            QuorvikContext.mainView.pop()
        }
    }

    MessageDialog {
        id: reportDialog
        objectName: "reportDialog"
        title: qsTr("PDF report created")
        text: qsTr("Display the created report in external PDF viewer?<br>&nbsp;")
        buttons: MessageDialogValues.Yes | MessageDialogValues.No
        onButtonClicked: function (button, role) {
            if (button === MessageDialogValues.Yes)
                Datablock.showReport()
        }
    }

    MessageDialog {
        id: removeDialog
        objectName: "removeDialog"
        title: qsTr("Remove Beacon")
        text: qsTr("Do you really want to remove this beacon completely?<br>&nbsp;")
        buttons: MessageDialogValues.Yes | MessageDialogValues.No
        // Yes may come as the button or as an acceptance; either is one confirmation.
        onButtonClicked: function (button, role) {
            if (button === MessageDialogValues.Yes)
                page.confirmRemove()
        }
        onAccepted: page.confirmRemove()
    }

    // A note written on a beacon that another program programmed again meanwhile is not saved.
    MessageDialog {
        id: noteRefusedDialog
        objectName: "noteRefusedDialog"
        title: qsTr("Note not saved")
        buttons: MessageDialogValues.Ok
    }

    Connections {
        target: QMLProxy.database
        function onNoteRefused(text) {
            noteRefusedDialog.text = text + "<br>&nbsp;"
            noteRefusedDialog.open()
        }
    }

    NumberAnimation {
        id: fadeOut
        target: page
        property: "opacity"
        to: 0
        duration: 600
        onFinished: {
            if (QuorvikContext.mainView.currentItem === page)
                QuorvikContext.mainView.pop()
        }
    }

    Connections {
        target: Datablock
        function onConfigChanged() { Qt.callLater(page.recolour) }
    }
    onVisibleChanged: Qt.callLater(recolour)

    Component.onCompleted: {
        console.log("Full HEX msg: " + Datablock.hexMsg)
        console.log("BeaconDbDisplaySingle completed")
        recolour()
        forceActiveFocus()
    }
    Component.onDestruction: storeNote()
}
