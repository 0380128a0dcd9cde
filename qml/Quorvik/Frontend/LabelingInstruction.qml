import QtQuick
import Quorvik.Backend

// One numbered line of a labelling page; the numbers of a page share one width.
Row {
    id: root
    spacing: 4

    property string number: ""
    property string text: ""
    property real numberWidth: idNumber.implicitWidth

    QvLabel {
        id: idNumber
        width: root.numberWidth
        horizontalAlignment: Text.AlignRight
        font.pointSize: AldmarStyle.jFontSizeNormal
        textFormat: Text.StyledText
        text: root.number
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvLabel {
        font.pointSize: AldmarStyle.jFontSizeNormal
        textFormat: Text.StyledText
        text: root.text
        Accessible.role: Accessible.StaticText
        Accessible.name: text.replace(/<[^>]*>/g, "")
    }
}
