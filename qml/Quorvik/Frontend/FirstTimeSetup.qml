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
