import QtQuick
import Quorvik.Backend
import Quorvik.Frontend
import "LinkOperation.js" as LinkOperation

// "Decode": any hex ID or message, field by field, without a network. Opened from the
// menu bar, or from a hex ID shown elsewhere with that beacon's message as input.
MessageDecodeForm {
    id: page
    objectName: "MessageDecode"

    // What to decode when the page opens; the message of the beacon it was opened from.
    property string input: ""
    property string recordMessage: ""
    property bool reading: false
    property bool readFailed: false
    property int linkToken: 0

    readonly property bool hasInput: inputField.text.trim().length > 0
    readonly property var decoded: MessageInspector.decode(inputField.text)
    readonly property bool hasCompare: compareField.text.trim().length > 0
    readonly property var comparedDecode: MessageInspector.decode(compareField.text)

    differingKeys: decoded.ok && hasCompare && comparedDecode.ok ? MessageInspector.compare(inputField.text, compareField.text) : []

    errorText.text: !hasInput ? "" : decoded.ok ? "" : decoded.error
    errorText.visible: errorText.text.length > 0
    fieldRepeater.model: decoded.ok ? decoded.fields : []
    bitRepeater.model: decoded.ok ? decoded.bits : []
    bitsHeading.visible: decoded.ok
    copyTextButton.enabled: decoded.ok
    copyJsonButton.enabled: decoded.ok
    recordButton.visible: recordMessage.length > 0
    adapterButton.enabled: !reading

    verdictText.text: verdict()
    verdictText.visible: verdictText.text.length > 0
    verdictText.color: decoded.ok && comparedDecode.ok && differingKeys.length > 0 ? AldmarStyle.jTextErrorColor
                                                                                   : AldmarStyle.jTextColor
    compareStatus.text: reading || readFailed ? QMLProxy.app.progStatus : ""
    compareStatus.color: readFailed ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    compareStatus.visible: compareStatus.text.length > 0

    function fieldValue(result, key) {
        for (let i = 0; i < result.fields.length; ++i) {
            if (result.fields[i].key === key)
                return result.fields[i].value
        }
        return ""
    }

    function verdict() {
        if (!hasCompare || !decoded.ok)
            return ""
        if (!comparedDecode.ok)
            return qsTr("The compared input cannot be decoded: %1").arg(comparedDecode.error)
        const sameId = fieldValue(decoded, "hexId") === fieldValue(comparedDecode, "hexId")
        if (differingKeys.length === 0)
            return qsTr("Same beacon: every field both show is the same.")
        if (sameId)
            return qsTr("Same 15-hex ID, but %n field(s) differ (marked).", "", differingKeys.length)
        return qsTr("Not the same beacon: %n field(s) differ (marked).", "", differingKeys.length)
    }

    function readAdapter() {
        reading = true
        readFailed = false
        linkToken = LinkOperation.claim()
        QMLProxy.app.startEpirbRecieve(true)
    }

    function stopReading() {
        reading = false
        if (LinkOperation.release(linkToken))
            QMLProxy.app.stopEpirbReceive()
    }

    // Opened over another page (a beacon, the summary): back returns there.
    readonly property bool pushed: QuorvikContext.mainView && QuorvikContext.mainView.depth > 2
    backButton.visible: pushed
    backButton.onClicked: QuorvikContext.mainView.pop()
    Keys.onEscapePressed: {
        if (pushed)
            QuorvikContext.mainView.pop()
    }

    inputField.onAccepted: QMLProxy.hideInputMethod()
    compareField.onAccepted: QMLProxy.hideInputMethod()
    copyTextButton.onClicked: MessageInspector.copyToClipboard(decoded.text)
    copyJsonButton.onClicked: MessageInspector.copyToClipboard(decoded.json)
    recordButton.onClicked: compareField.text = recordMessage
    adapterButton.onClicked: readAdapter()

    Connections {
        target: QMLProxy.app
        enabled: page.reading
        function onReadbackSucceeded() {
            if (!LinkOperation.owns(page.linkToken))
                return
            // The read has ended by itself: nothing left to stop.
            LinkOperation.release(page.linkToken)
            page.reading = false
            page.compareField.text = QMLProxy.configCurrent.epirbAsciiMsg()
        }
        function onReadbackFailed() {
            if (!LinkOperation.owns(page.linkToken))
                return
            page.stopReading()
            page.readFailed = true
        }
    }

    Component.onCompleted: {
        inputField.text = input
        inputField.forceActiveFocus()
        console.log("MessageDecode completed")
    }
    Component.onDestruction: {
        if (reading)
            stopReading()
    }
}
