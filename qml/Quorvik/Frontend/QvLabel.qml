import QtQuick
import QtQuick.Controls
import Quorvik.Backend

Label {
    color: AldmarStyle.jTextColor
    font.family: AldmarStyle.jFont
    Accessible.role: Accessible.StaticText
    Accessible.name: QMLProxy.plainText(text)
}
