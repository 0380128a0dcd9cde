import QtQuick
import Quorvik.Backend

ProgrammingPage {
    id: root

    property alias heading: idHeading
    property alias picture: idPicture

    PageIdentifierText {
        id: idHeading
        text: qsTr("LABELING GUIDE")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    TextMetrics {
        id: idNumberMetrics
        font.family: AldmarStyle.jFont
        font.pointSize: AldmarStyle.jFontSizeNormal
        text: "1. "
    }

    Image {
        id: idPicture
        anchors.top: idHeading.bottom
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        height: 450
        fillMode: Image.PreserveAspectFit
        source: "Pictures/labeling_protection.webp"
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("UV protection films over the labels")
    }

    Column {
        id: idInstructions
        anchors.top: idPicture.bottom
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 5

        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "1. "
            text: qsTr("Place the transparent UV protection films over the two labels at the indicated positions.")
        }
    }
}
