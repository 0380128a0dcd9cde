import QtQuick
import Quorvik.Backend

// A captioned value field; pages show idAsterisk to mark a required or invalid value.
QuorvikTextInputForm {
    id: input

    // On Return, also when the value is not acceptable yet; the field still sees the key.
    Connections {
        target: input.idValue.Keys
        function onReturnPressed(event) {
            QMLProxy.hideInputMethod()
            event.accepted = false
        }
        function onEnterPressed(event) {
            QMLProxy.hideInputMethod()
            event.accepted = false
        }
    }
}
