import QtQuick
import Quorvik.Backend
import Quorvik.Frontend
import "LinkOperation.js" as LinkOperation

// Reads the beacon (or its boot log) until it answers; a failed read turns the bar
// red and is retried after 5 s. Leaving the page stops the link.
BeaconReadForm {
    id: page

    // false: the configuration (page 0); true: the boot log (page 2).
    property bool logRead: false
    readonly property string pageName: logRead ? "Main_StartLogRead" : "Main_StartRead"
    property bool failed: false
    property int linkToken: 0

    heading.text: logRead ? qsTr("LOG READBACK") : qsTr("BEACON READBACK")
    progress: QMLProxy.app.progProgress
    statusText.text: QMLProxy.app.progStatus
    statusText.color: QMLProxy.app.progStatusError ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    progressFill.color: failed ? AldmarStyle.jProgressBarErrorColor : AldmarStyle.jProgressBarSuccessColor

    // The status is what the technician waits for: on a small screen the page scrolls to its
    // end, where the bar and the status are, clear of the fade at the bottom.
    function showStatus() {
        const flick = scrollView.flickable
        flick.contentY = Math.max(0, flick.contentHeight - flick.height)
    }
    statusText.onTextChanged: Qt.callLater(showStatus)
    Connections {
        target: page.scrollView.flickable
        function onContentHeightChanged() { Qt.callLater(page.showStatus) }
        function onHeightChanged() { Qt.callLater(page.showStatus) }
    }

    function startRead() {
        if (logRead)
            QMLProxy.app.startEpirbLogRead()
        else
            QMLProxy.app.startEpirbRecieve(true)
    }

    Timer {
        id: retryTimer
        objectName: "readRetryTimer"
        interval: 5000
        repeat: false
        onTriggered: {
            page.failed = false
            if (LinkOperation.owns(page.linkToken))
                page.startRead()
        }
    }

    Connections {
        target: QMLProxy.app
        function onReadbackSucceeded() {
            if (!LinkOperation.owns(page.linkToken))
                return
            // The read has ended by itself: nothing left to stop.
            LinkOperation.release(page.linkToken)
            retryTimer.stop()
            QuorvikContext.mainView.set(page.logRead ? "BeaconLogDbDisplay.qml" : "BeaconDbDisplaySingle.qml")
        }
        function onReadbackFailed() {
            if (!LinkOperation.owns(page.linkToken))
                return
            page.failed = true
            QMLProxy.app.progProgress = 100
            retryTimer.restart()
        }
    }

    Component.onCompleted: {
        console.log(pageName + " component completed")
        linkToken = LinkOperation.claim()
        startRead()
    }
    Component.onDestruction: {
        retryTimer.stop()
        // A page that replaced this one may already have started its own operation.
        if (LinkOperation.release(linkToken))
            QMLProxy.app.stopEpirbReceive()
        console.log(pageName + " component destroyed")
    }
}
