import QtQuick
import QtQuick.Controls
import Quorvik.Backend

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
    Accessible.name: QMLProxy.plainText(hint !== "" ? hint : text)

    FocusFrame {}

    // Tab moves on, as in every other field; a tab character has no place in these texts.
    Keys.onTabPressed: function (event) {
        const next = area.nextItemInFocusChain(true)
        if (next)
            next.forceActiveFocus(Qt.TabFocusReason)
        event.accepted = true
    }
    Keys.onBacktabPressed: function (event) {
        const previous = area.nextItemInFocusChain(false)
        if (previous)
            previous.forceActiveFocus(Qt.BacktabFocusReason)
        event.accepted = true
    }

    onTextChanged: if (text.length > 0) placeholderText = ""
    onPlaceholderTextChanged: if (placeholderText !== "") hint = placeholderText
    Component.onCompleted: {
        if (placeholderText !== "")
            hint = placeholderText
        if (text.length > 0)
            placeholderText = ""
    }
}
