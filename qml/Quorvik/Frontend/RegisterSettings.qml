import QtQuick
import Quorvik.Backend

// The shared register's settings on the Options page. The fields are taken by "Apply";
// the status line follows the register.
RegisterSettingsForm {
    id: section
    objectName: "RegisterSettings"

    readonly property RegisterOutbox outbox: QMLProxy.sharedRegister
    property string applyError: ""

    function apply() {
        const port = portField.text.length > 0 ? parseInt(portField.text, 10) : 0
        applyError = outbox.applySettings(enabledBox.checked, serviceField.text, hostField.text,
                                            isNaN(port) ? -1 : port, databaseField.text, userField.text)
        if (applyError.length === 0 && enabledBox.checked)
            outbox.checkConnection()
    }

    function load() {
        enabledBox.checked = outbox.enabled
        serviceField.text = outbox.service
        hostField.text = outbox.host
        portField.text = outbox.port > 0 ? String(outbox.port) : ""
        databaseField.text = outbox.database
        userField.text = outbox.user
    }

    serviceField.enabled: enabledBox.checked
    hostField.enabled: enabledBox.checked && serviceField.text.length === 0
    portField.enabled: hostField.enabled
    databaseField.enabled: hostField.enabled
    userField.enabled: hostField.enabled
    portField.validator: IntValidator { bottom: 1; top: 65535 }
    serviceField.onAccepted: QMLProxy.hideInputMethod()
    hostField.onAccepted: QMLProxy.hideInputMethod()
    portField.onAccepted: QMLProxy.hideInputMethod()
    databaseField.onAccepted: QMLProxy.hideInputMethod()
    userField.onAccepted: QMLProxy.hideInputMethod()

    applyButton.onClicked: apply()
    sendButton.enabled: outbox.enabled
    sendButton.onClicked: outbox.sendNow()

    statusLine.text: applyError.length > 0 ? applyError : outbox.statusText
    statusLine.color: applyError.length > 0 || outbox.statusError ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    waitingLine.text: outbox.waitingText
    waitingLine.visible: outbox.waitingCount > 0 && statusLine.text !== outbox.waitingText

    Component.onCompleted: load()
}
