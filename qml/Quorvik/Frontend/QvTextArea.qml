import QtQuick
import QtQuick.Controls

TextArea {
    id: area
    color: enabled ? AldmarStyle.jTextColor : AldmarStyle.jTextDisabledColor
    placeholderTextColor: AldmarStyle.jTextPlaceholderColor
    font.family: AldmarStyle.jFont
    selectedTextColor: AldmarStyle.jTextBrightColor
    selectionColor: AldmarStyle.jColorCorporate
    topPadding: (font.pixelSize > 0 ? font.pixelSize : font.pointSize * 4 / 3) / 2

    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 40
        color: AldmarStyle.jTextInputBackgroundColor
        border.color: area.enabled ? AldmarStyle.jTextInputBorderColor : AldmarStyle.jTextInputDisabledBorderColor
        border.width: 1
    }

    // The hint names the field for assistive technology, also after it was cleared.
    property string hint: ""
    Accessible.role: Accessible.EditableText
    Accessible.name: hint !== "" ? hint : text

    onTextChanged: if (text.length > 0) placeholderText = ""
    onPlaceholderTextChanged: if (placeholderText !== "") hint = placeholderText
    Component.onCompleted: {
        if (placeholderText !== "")
            hint = placeholderText
        if (text.length > 0)
            placeholderText = ""
    }
}
