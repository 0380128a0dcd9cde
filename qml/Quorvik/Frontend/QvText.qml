import QtQuick
import Quorvik.Backend

// Plain text in the house colour and font; named for assistive technology by its text.
Text {
    color: AldmarStyle.jTextColor
    font.family: AldmarStyle.jFont
    Accessible.role: Accessible.StaticText
    Accessible.name: QMLProxy.plainText(text)
}
