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
        height: 300
        fillMode: Image.PreserveAspectFit
        source: "Pictures/labeling_block_rls.webp"
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("RLS marker to block")
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
            text: qsTr("Block the indicated RLS marker with the orange circle sticker.")
        }
    }
}
