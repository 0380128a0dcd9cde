import QtQuick
import Quorvik.Backend

FirstTimeSetupForm {
    id: page
    objectName: "FirstTimeSetup"

    // The button takes no focus, so a field still being edited has not reported
    // editingFinished when Continue is clicked or the page goes away.
    function storeFields() {
        if (operatorField.acceptableInput)
            ConfigTables.operatorName = operatorField.text
        if (stationField.acceptableInput)
            ConfigTables.progStation = stationField.text
        if (dealerField.acceptableInput)
            ConfigTables.dealerNo = dealerField.text
    }

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

    operatorField.text: ConfigTables.operatorName
    stationField.text: ConfigTables.progStation
    dealerField.text: ConfigTables.dealerNo

    operatorField.onEditingFinished: if (operatorField.acceptableInput) ConfigTables.operatorName = operatorField.text
    stationField.onEditingFinished: if (stationField.acceptableInput) ConfigTables.progStation = stationField.text
    dealerField.onEditingFinished: if (dealerField.acceptableInput) ConfigTables.dealerNo = dealerField.text
    operatorField.onAccepted: QMLProxy.hideInputMethod()
    stationField.onAccepted: QMLProxy.hideInputMethod()
    dealerField.onAccepted: QMLProxy.hideInputMethod()

    continueButton.onClicked: {
        storeFields()
        ConfigTables.finishFirstTimeSetup()
        QuorvikContext.mainView.home()
    }

    Component.onCompleted: {
        if (QuorvikContext.mainView)
            QuorvikContext.mainView.visible = true
    }
    Component.onDestruction: {
        storeFields()
        ConfigTables.setPersistentData()
    }
}
