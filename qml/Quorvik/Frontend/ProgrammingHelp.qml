import QtQuick

// How to make the beacon answer the programmer before a read.
Column {
    id: root
    spacing: 50
    // Long lines (German runs a third longer) wrap on a narrow window instead of running off it.
    readonly property real lineWidth: Math.max(200, (parent ? parent.width : 800) - 2 * AldmarStyle.jInputFormMargin
                                                     - noteLabel.implicitWidth - 2)

    Grid {
        anchors.horizontalCenter: parent.horizontalCenter
        columns: 2
        spacing: 2

        QvLabel {
            width: noteLabel.implicitWidth
            horizontalAlignment: Text.AlignRight
            text: "1. "
            font.pointSize: AldmarStyle.jFontSizeNormal
        }
        QvLabel {
            text: qsTr("Align the programmer to the right of the bottom Aldmar logo.")
            width: Math.min(implicitWidth, root.lineWidth)
            wrapMode: Text.WordWrap
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
            width: Math.min(implicitWidth, root.lineWidth)
            wrapMode: Text.WordWrap
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
            width: Math.min(implicitWidth, root.lineWidth)
            wrapMode: Text.WordWrap
            font.pointSize: AldmarStyle.jFontSizeNormal
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }

    Image {
        anchors.horizontalCenter: parent.horizontalCenter
        height: 300
        fillMode: Image.PreserveAspectFit
        source: "Pictures/SKP5_Program.webp"
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("Programmer placed on the beacon")
    }
}
