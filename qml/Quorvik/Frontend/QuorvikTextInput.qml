import QtQuick
import Quorvik.Backend

// A captioned value field; pages show idAsterisk to mark a required or invalid value.
QuorvikTextInputForm {
    id: input

    Connections {
        target: input.idValue
        function onAccepted() { QMLProxy.hideInputMethod() }
    }
}
