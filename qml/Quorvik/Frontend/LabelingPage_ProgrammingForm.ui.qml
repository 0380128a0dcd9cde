import QtQuick
import Quorvik.Backend

ProgrammingPage {
    id: root

    property alias heading: idHeading
    property alias programmingLabel: idLabel
    property alias placementPicture: idPicture

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
        text: "2. "
    }

    Row {
        id: idPictureBlock
        anchors.top: idHeading.bottom
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 50

        QvProductLabel {
            id: idLabel
            objectName: "programmingLabel"
            anchors.verticalCenter: parent.verticalCenter
            labelHeight: 94
            labelWidth: 437
            source: "image://labelmaker/programminglabel.png"
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTr("Programming label preview")
        }
        Image {
            id: idPicture
            height: 300
            fillMode: Image.PreserveAspectFit
            source: "Pictures/labeling_placement_back_1.webp"
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTr("Location 1 on the PLB")
        }
    }

    Column {
        id: idInstructions
        anchors.top: idPictureBlock.bottom
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 5

        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "1. "
            text: qsTr("Print the above programming information label using a label printer with 9mm height and 41 mm width.")
        }
        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: ""
            text: qsTr("<b>NOTICE:</b> Print with high quality and no halftones for best result")
        }
        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "2. "
            text: qsTr("Place the programming information label at location 1 on the PLB.")
        }
    }
}
