import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend

MiscConfigForm {
    id: page
    objectName: "MiscConfig"

    readonly property var ports: QMLProxy.app.serialPorts()
    property string customCountryFile: QMLProxy.app.currentCustomCountryList()
    property bool completed: false
    readonly property alias fileDialog: countryFileDialog
    readonly property alias failureBox: installFailedBox
    readonly property alias restoreConfirmBox: restoreConfirm
    readonly property alias restoreResultBox: restoreResult
    property var backupFiles: QMLProxy.database.backups()

    // Leaving through the menu does not take the focus from a field first.
    function storeFields() {
        ConfigTables.operatorName = operatorField.text
        ConfigTables.progStation = stationField.text
        ConfigTables.dealerNo = dealerField.text
        if (contactRow.visible)
            ConfigTables.defaultContactInfo = contactText.text
    }

    function showInstallFailure(error) {
        installFailedBox.text = qsTr("Failed to install custom country list:<br><br>%1<br>&nbsp;").arg(error)
        installFailedBox.open()
    }

    // Applied at once; the page's own texts follow through the engine.
    languageBox.model: UiLanguage.choiceNames
    languageBox.currentIndex: UiLanguage.choice
    languageBox.onActivated: function (index) { UiLanguage.choice = index }

    portBox.model: ports.length > 0 ? ports : [qsTr("No devices found")]
    portBox.enabled: ports.length > 0
    portBox.font.pointSize: ports.length > 0 ? AldmarStyle.jFontSizeNormal : AldmarStyle.jFontSizeSmall
    portBox.onCurrentTextChanged: {
        if (completed && ports.length > 0)
            QMLProxy.app.setSerialText(portBox.currentText)
    }

    operatorField.text: ConfigTables.operatorName
    stationField.text: ConfigTables.progStation
    dealerField.text: ConfigTables.dealerNo

    // The block keeps only so much of each setting: the fields take no more, and say so.
    operatorField.maximumLength: ConfigTables.operatorNameMaxLength
    stationField.maximumLength: ConfigTables.progStationMaxLength
    dealerField.maximumLength: ConfigTables.dealerNoMaxLength
    operatorField.validator: RegularExpressionValidator { regularExpression: new RegExp(ConfigTables.blockTextPattern) }
    stationField.validator: RegularExpressionValidator { regularExpression: new RegExp(ConfigTables.blockTextPattern) }
    dealerField.validator: RegularExpressionValidator { regularExpression: new RegExp(ConfigTables.dealerNoPattern) }
    dealerField.inputMethodHints: Qt.ImhDigitsOnly
    operatorHint.text: qsTr("At most %1 characters").arg(ConfigTables.operatorNameMaxLength)
    stationHint.text: qsTr("At most %1 characters").arg(ConfigTables.progStationMaxLength)
    dealerHint.text: qsTr("Digits only, at most %1").arg(ConfigTables.dealerNoMaxLength)
    operatorHint.color: operatorField.length >= operatorField.maximumLength ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    stationHint.color: stationField.length >= stationField.maximumLength ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    dealerHint.color: dealerField.length >= dealerField.maximumLength ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    operatorField.onEditingFinished: ConfigTables.operatorName = operatorField.text
    stationField.onEditingFinished: ConfigTables.progStation = stationField.text
    dealerField.onEditingFinished: ConfigTables.dealerNo = dealerField.text
    operatorField.onAccepted: QMLProxy.hideInputMethod()
    stationField.onAccepted: QMLProxy.hideInputMethod()
    dealerField.onAccepted: QMLProxy.hideInputMethod()

    serialOverrideBox.checked: ConfigTables.serialOverrideAllowed
    serialOverrideBox.onToggled: QMLProxy.app.setSerialOverrideAllowed(serialOverrideBox.checked)

    contactCaption.visible: QMLProxy.wantContactInfoConfig
    contactRow.visible: QMLProxy.wantContactInfoConfig
    contactText.text: ConfigTables.defaultContactInfo
    contactText.onEditingFinished: ConfigTables.defaultContactInfo = contactText.text
    // The query is decoded by the provider; encoding keeps '#', '?' and newlines in the text.
    contactPreview.source: "image://labelmaker/contactlabel.png?" + encodeURIComponent(contactText.text)

    countryFileText.text: customCountryFile.length > 0 ? customCountryFile : qsTr("N/A")
    countryFileToolTip.visible: countryFileMouse.containsMouse && countryFileText.truncated
    removeButton.enabled: customCountryFile.length > 0
    removeButton.onClicked: QMLProxy.app.removeCustomCountryFile()
    loadButton.onClicked: countryFileDialog.open()

    // Shown by file name, newest first; the full path goes to the database.
    backupBox.model: backupFiles.length > 0 ? backupFiles.map(function (path) { return path.replace(/^.*[\\/]/, "") })
                                            : [qsTr("No backups")]
    backupBox.enabled: backupFiles.length > 0
    restoreButton.enabled: backupFiles.length > 0
    restoreButton.onClicked: {
        restoreConfirm.text = qsTr("Replace the database of programmed beacons by the copy %1?<br><br>The database in use now is kept aside, not deleted.<br>&nbsp;")
                              .arg(backupFiles[backupBox.currentIndex])
        restoreAnswered = false
        restoreConfirm.open()
    }

    property bool restoreAnswered: false

    function restoreChosen() {
        if (restoreAnswered)
            return
        restoreAnswered = true
        const path = backupFiles[backupBox.currentIndex]
        const error = QMLProxy.database.restoreBackup(path)
        restoreResult.title = error.length === 0 ? qsTr("Database restored") : qsTr("Database not restored")
        restoreResult.text = (error.length === 0
                              ? qsTr("The programmed beacons are now those of %1 (%2 beacons).").arg(path)
                                .arg(QMLProxy.beaconListModel.rowCount())
                              : error) + "<br>&nbsp;"
        restoreResult.open()
        backupFiles = QMLProxy.database.backups()
    }

    MessageDialog {
        id: restoreConfirm
        objectName: "restoreConfirmBox"
        title: qsTr("Restore from backup")
        buttons: MessageDialogValues.Yes | MessageDialogValues.No
        onButtonClicked: function (button, role) {
            if (button === MessageDialogValues.Yes)
                page.restoreChosen()
        }
        // Yes may come as the button or as an acceptance; either is one answer.
        onAccepted: page.restoreChosen()
    }

    MessageDialog {
        id: restoreResult
        objectName: "restoreResultBox"
        buttons: MessageDialogValues.Ok
    }

    FileDialog {
        id: countryFileDialog
        objectName: "countryFileDialog"
        title: qsTr("Load country file...")
        nameFilters: [qsTr("Country File (Country.txt)")]
        onAccepted: QMLProxy.app.installCountryFile(selectedFile)
    }

    MessageDialog {
        id: installFailedBox
        objectName: "installFailedBox"
        title: qsTr("Failed to install Country.txt")
        buttons: MessageDialogValues.Ok
    }

    // The list's texts are remade with the language; the choice shown stays the one in force.
    Connections {
        target: UiLanguage
        function onChoiceChanged() { Qt.callLater(function () { page.languageBox.currentIndex = UiLanguage.choice }) }
    }

    Connections {
        target: QMLProxy.app
        function onCustomCountryInstallFailed(error) {
            page.showInstallFailure(error)
        }
        function onCustomCountryListChanged(newFile) {
            page.customCountryFile = newFile
        }
    }

    Component.onCompleted: {
        portBox.currentIndex = ports.length > 0 ? QMLProxy.app.serialPortIndex() : 0
        completed = true
    }
    Component.onDestruction: {
        storeFields()
        ConfigTables.setPersistentData()
    }
}
