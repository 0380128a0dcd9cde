import QtQuick
import Quorvik.Backend
import "LinkOperation.js" as LinkOperation

// Reads the beacon before the wizard; a failed read is retried every 5 s.
Prog_1_IdentifyForm {
    id: page
    objectName: "Prog_1_Identify"

    property int linkToken: 0

    progressBar.value: QMLProxy.app.progProgress
    progressBar.statusText: QMLProxy.app.progStatus

    Timer {
        id: retryTimer
        objectName: "identifyRetryTimer"
        interval: 5000
        repeat: false
        onTriggered: {
            page.progressBar.barColor = AldmarStyle.jProgressBarSuccessColor
            if (LinkOperation.owns(page.linkToken))
                QMLProxy.app.startEpirbRecieve(false)
        }
    }

    Connections {
        target: QMLProxy.app
        function onReadbackSucceeded() {
            if (!LinkOperation.owns(page.linkToken))
                return
            // The read has ended by itself: nothing left to stop.
            LinkOperation.release(page.linkToken)
            QuorvikContext.mainView.set("ProgrammingSwipeView.qml")
        }
        function onReadbackFailed(msg) {
            if (!LinkOperation.owns(page.linkToken))
                return
            page.progressBar.barColor = AldmarStyle.jProgressBarErrorColor
            QMLProxy.app.progProgress = 100
            retryTimer.start()
        }
    }

    Component.onCompleted: {
        linkToken = LinkOperation.claim()
        QMLProxy.app.startEpirbRecieve(false)
        console.log("Prog_1 component completed")
    }

    Component.onDestruction: {
        if (LinkOperation.release(linkToken))
            QMLProxy.app.stopEpirbReceive()
        console.log("Prog_1 component destroyed")
    }
}
