import QtQuick
import Quorvik.Backend

// The shared register's settings on the Options page. The fields are taken by "Apply";
// the status line follows the register.
RegisterSettingsForm {
    id: section
    objectName: "RegisterSettings"

    readonly property var register: QMLProxy.sharedRegister
    property string applyError: ""

    function apply() {
        const port = portField.text.length > 0 ? parseInt(portField.text, 10) : 0
        applyError = register.applySettings(enabledBox.checked, serviceField.text, hostField.text,
                                            isNaN(port) ? -1 : port, databaseField.text, userField.text)
        if (applyError.length === 0 && enabledBox.checked)
            register.checkConnection()
    }

    function load() {
        enabledBox.checked = register.enabled
        serviceField.text = register.service
        hostField.text = register.host
        portField.text = register.port > 0 ? String(register.port) : ""
        databaseField.text = register.database
        userField.text = register.user
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
    sendButton.enabled: register.enabled
    sendButton.onClicked: register.sendNow()

    statusLine.text: applyError.length > 0 ? applyError : register.statusText
    statusLine.color: applyError.length > 0 || register.statusError ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
    waitingLine.text: register.waitingText
    waitingLine.visible: register.waitingCount > 0 && statusLine.text !== register.waitingText

    Component.onCompleted: load()
}
