import QtQuick

// How to make the beacon answer the programmer before a write.
Grid {
    id: root
    columns: 2
    spacing: 2

    QvLabel {
        width: noteLabel.implicitWidth
        horizontalAlignment: Text.AlignRight
        text: "1. "
        font.pointSize: AldmarStyle.jFontSizeNormal
    }
    QvLabel {
        text: qsTr("Align the programmer with the markings on the beacon.")
        font.pointSize: AldmarStyle.jFontSizeNormal
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvLabel {
        width: noteLabel.implicitWidth
        horizontalAlignment: Text.AlignRight
        text: "2. "
        font.pointSize: AldmarStyle.jFontSizeNormal
    }
    QvLabel {
        text: qsTr("Press the TEST button on beacon once.")
        font.pointSize: AldmarStyle.jFontSizeNormal
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvLabel {
        id: noteLabel
        horizontalAlignment: Text.AlignRight
        text: qsTr("NOTE: ")
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
    }
    QvLabel {
        text: qsTr("Avoid direct sunlight when using the IR programmer for best results.")
        font.pointSize: AldmarStyle.jFontSizeNormal
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
