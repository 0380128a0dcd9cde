import QtQuick
import QtQuick.Controls

Label {
    color: AldmarStyle.jTextColor
    font.family: AldmarStyle.jFont
    Accessible.name: text
}
