import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend
import "LinkOperation.js" as LinkOperation

// Last wizard page: writes the beacon as soon as it is shown and retries every 5 s. A
// hex ID another beacon carries stops the run at a question; Cancel ends it.
Prog_11_TransferForm {
    id: page
    objectName: "Prog_11_Transfer"

    readonly property int beacon: QMLProxy.configPending.beaconSelected()
    property int linkToken: 0

    beaconPicture.source: TextResource.beaconTransferDesktopImage(beacon)
    beaconPicture.Accessible.name: qsTr("Programmer placed on the %1").arg(TextResource.beaconName(beacon))
    progressBar.value: QMLProxy.app.progProgress
    progressBar.statusText: QMLProxy.app.progStatus
    progressBar.error: QMLProxy.app.progStatusError

    // The labelling guide comes with a later page set; without it the run ends on the beacon's page.
    function guideAvailable() {
        const component = Qt.createComponent("LabelingSwipeView.qml", Component.PreferSynchronous)
        const ready = component.status === Component.Ready
        component.destroy()
        return ready
    }

    Timer {
        id: retryTimer
        objectName: "transferRetryTimer"
        interval: 5000
        repeat: false
        onTriggered: {
            page.progressBar.barColor = AldmarStyle.jProgressBarSuccessColor
            if (LinkOperation.owns(page.linkToken))
                QMLProxy.app.startEpirbWrite()
        }
    }

    // The technician chose not to write a duplicate hex ID: no retry, back to the pages.
    property bool duplicateCancelled: false
    readonly property alias duplicateDialog: duplicateDialog

    function failed() {
        if (!LinkOperation.owns(linkToken))
            return
        progressBar.barColor = AldmarStyle.jProgressBarErrorColor
        QMLProxy.app.progProgress = 100
        if (duplicateCancelled) {
            pageBrowserNavigationVisible(true, false, true)
            return
        }
        retryTimer.start()
    }

    DuplicateIdDialog {
        id: duplicateDialog
        onCancelled: page.duplicateCancelled = true
        onProgrammed: page.progressBar.barColor = AldmarStyle.jProgressBarSuccessColor
    }

    function showResult() {
        const pages = ConfigTables.labelingPages(Datablock.beaconType, Datablock.protocolCode)
        if (pages.length > 0 && guideAvailable())
            QuorvikContext.mainView.setWithProperties("LabelingSwipeView.qml", {
                                                          "exitPageUrl": "BeaconDbDisplaySingle.qml",
                                                          "allowBackExit": false
                                                      })
        else
            QuorvikContext.mainView.set("BeaconDbDisplaySingle.qml")
    }

    property bool guideAnswered: false
    readonly property alias storeFailureBox: storeFailedBox

    MessageDialog {
        id: storeFailedBox
        objectName: "storeFailedBox"
        title: qsTr("PLB programmed successfully, but not saved in the database")
        buttons: MessageDialogValues.Yes | MessageDialogValues.No
        onButtonClicked: function (button, role) {
            if (page.guideAnswered)
                return
            page.guideAnswered = true
            if (button === MessageDialogValues.Yes)
                page.showResult()
        }
        // Yes may come as the button or as an acceptance; either is one answer.
        onAccepted: {
            if (page.guideAnswered)
                return
            page.guideAnswered = true
            page.showResult()
        }
    }

    Connections {
        target: QMLProxy.app
        function onReadbackSucceeded() {
            if (!LinkOperation.owns(page.linkToken))
                return
            LinkOperation.release(page.linkToken)
            if (QMLProxy.app.progStatusError) {
                // Programmed, but no record of it in the database: the run stops here and says so.
                page.pageBrowserNavigationVisible(true, false, true)
                page.progressBar.barColor = AldmarStyle.jProgressBarErrorColor
                storeFailedBox.text = qsTr("The PLB is programmed and verified, but it could not be saved in the database:<br><br>%1<br><br>Open the labelling guide now?<br>&nbsp;")
                                      .arg(QMLProxy.app.storeError())
                page.guideAnswered = false
                storeFailedBox.open()
                return
            }
            page.pageBrowserNavigationVisible(true, true, true)
            page.showResult()
        }
        function onDuplicateIdFound() {
            if (!LinkOperation.owns(page.linkToken))
                return
            retryTimer.stop()
            page.progressBar.barColor = AldmarStyle.jProgressBarErrorColor
            duplicateDialog.open()
        }
        function onReadbackFailed(msg) { page.failed() }
        function onWriteFailed(msg) { page.failed() }
    }

    Component.onCompleted: {
        linkToken = LinkOperation.claim()
        QMLProxy.app.startEpirbWrite()
        pageBrowserNavigationVisible(true, false, true)
        console.log("Prog_11 component completed")
    }

    Component.onDestruction: {
        if (LinkOperation.release(linkToken))
            QMLProxy.app.stopEpirbReceive()
        console.log("Prog_11 component destroyed")
    }
}
