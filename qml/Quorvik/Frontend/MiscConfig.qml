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

    // Leaving through the menu does not take the focus from a field first.
    function storeFields() {
        ConfigTables.operatorName = operatorField.text
        ConfigTables.progStation = stationField.text
        ConfigTables.dealerNo = dealerField.text
        if (contactRow.visible)
            ConfigTables.defaultContactInfo = contactText.text
    }

    function showInstallFailure(error) {
        installFailedBox.text = qsTr("Failed to install custom country list:<br><br>") + error + "<br>&nbsp;"
        installFailedBox.open()
    }

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
