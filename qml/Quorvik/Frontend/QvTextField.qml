import QtQuick
import QtQuick.Controls
import Quorvik.Backend

TextField {
    id: field
    property bool inputValid: true
    property int borderWidth: 1

    color: enabled ? AldmarStyle.jTextColor : AldmarStyle.jTextDisabledColor
    placeholderTextColor: AldmarStyle.jTextPlaceholderColor
    font.family: AldmarStyle.jFont
    selectedTextColor: AldmarStyle.jTextBrightColor
    selectionColor: AldmarStyle.jColorCorporate

    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 40
        color: AldmarStyle.jTextInputBackgroundColor
        border.color: !field.inputValid ? AldmarStyle.jInputRequiredColor
                                        : (field.enabled ? AldmarStyle.jTextInputBorderColor
                                                         : AldmarStyle.jTextInputDisabledBorderColor)
        border.width: field.inputValid ? field.borderWidth : 2 * field.borderWidth
    }

    // Once a value is there the hint has done its job, even if the value is deleted again.
    // The hint names the field for assistive technology, also after it was cleared.
    property string hint: ""
    Accessible.role: Accessible.EditableText
    Accessible.name: QMLProxy.plainText(hint !== "" ? hint : text)

    FocusFrame {}

    onTextChanged: if (text.length > 0) placeholderText = ""
    onPlaceholderTextChanged: if (placeholderText !== "") hint = placeholderText
    Component.onCompleted: {
        if (placeholderText !== "")
            hint = placeholderText
        if (text.length > 0)
            placeholderText = ""
    }
}
