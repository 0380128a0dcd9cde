import QtQuick
import Quorvik.Backend

ProgrammingPage {
    id: root

    property alias heading: idHeading
    property alias countryInput: idCountryInput
    property alias countryLabel: idLabel
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

        Column {
            anchors.verticalCenter: parent.verticalCenter
            spacing: 5

            QuorvikTextInput {
                id: idCountryInput
                objectName: "countryInput"
                width: idLabel.labelWidth
                textInputHeight: 94 - 26 - 10
                description: qsTr("Country name")
                placeholderText: qsTr("Country name")
                Accessible.role: Accessible.EditableText
                Accessible.name: qsTr("Country name")
            }
            Item {
                width: 1
                height: 10
            }
            QvText {
                font.pointSize: AldmarStyle.jFontSizeNormal
                font.bold: true
                text: qsTr("Preview:")
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            QvProductLabel {
                id: idLabel
                objectName: "countryLabel"
                labelHeight: 47
                labelWidth: 358
                source: ""
                Accessible.role: Accessible.Graphic
                Accessible.name: qsTr("Country label preview")
            }
        }
        Image {
            id: idPicture
            height: 300
            fillMode: Image.PreserveAspectFit
            source: "Pictures/labeling_placement_box.webp"
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTr("Country label on the PLB box")
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
            text: qsTr("Print the above country label using a label printer with 9mm height and 65mm width.")
        }
        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "2. "
            text: qsTr("Place the country label as indicated on the PLB box.")
        }
    }
}
