import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend

// Home page: starts a programming run.
Main_StartProgForm {
    id: page
    objectName: "Main_StartProg"

    heading.text: qsTr("PROGRAM %1").arg(QMLProxy.applicationVariant)
    betaText.visible: QMLProxy.app.isBetaVersion

    startButton.onClicked: {
        console.log("Startup from main")
        QuorvikContext.menubar.menuProgrammingSetup()
        if (QMLProxy.app.skipReadback())
            QuorvikContext.mainView.set("Prog_1_EpirbSelect.qml")
        else
            QuorvikContext.mainView.set("Prog_1_Identify.qml")
    }

    MessageDialog {
        id: noPortDialog
        objectName: "noPortDialog"
        title: qsTr("Cannot open communication port")
        text: qsTr("Cannot open communication port.<br>Ensure that KAV-12 is connected.<br>Select port in the Settings->Options menu.<br>&nbsp;")
        buttons: MessageDialogValues.Ok
        // Nothing behind it is to be used before the technician has read it.
        modality: Qt.ApplicationModal
    }

    Component.onCompleted: {
        if (!QMLProxy.app.isSerialPortAvailable())
            noPortDialog.open()
    }
}
