import QtQuick
import Quorvik.Backend

ProgrammingPage {
    id: root

    property alias heading: idHeading
    property alias contactText: idContactText
    property alias contactLabel: idLabel
    property alias placementPicture: idPicture
    property alias emptyNotice: idEmptyNotice

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
        text: "NOTE: "
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

            QvText {
                font.pointSize: AldmarStyle.jFontSizeNormal
                font.bold: true
                text: qsTr("Contact information:")
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            QvTextArea {
                id: idContactText
                objectName: "contactText"
                width: idLabel.labelWidth
                height: idLabel.labelHeight / 2
                font.pointSize: AldmarStyle.jFontSizeNormal
                horizontalAlignment: TextEdit.AlignHCenter
                wrapMode: TextEdit.NoWrap
                Accessible.role: Accessible.EditableText
                Accessible.name: qsTr("Contact information:")
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
                objectName: "contactLabel"
                labelHeight: 160
                labelWidth: 400
                source: ""
                Accessible.role: Accessible.Graphic
                Accessible.name: qsTr("Contact label preview")
            }
            QvLabel {
                id: idEmptyNotice
                objectName: "contactEmptyNotice"
                width: idLabel.labelWidth
                wrapMode: Text.WordWrap
                color: AldmarStyle.jTextErrorColor
                font.pointSize: AldmarStyle.jFontSizeSmall
                text: qsTr("Enter the contact information above to make the label.")
                Accessible.role: Accessible.StaticText
            }
        }
        Image {
            id: idPicture
            height: 300
            fillMode: Image.PreserveAspectFit
            source: "Pictures/labeling_placement_back_2.webp"
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTr("Location 2 on the PLB")
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
            number: "<b>NOTE:</b> "
            text: qsTr("Relevant registration authority might supply their own contact label.")
        }
        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "1. "
            text: qsTr("Enter the correct contact information to rescue services above.")
        }
        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "2. "
            text: qsTr("Print the contact information label using a label printer with 18mm height and 44mm width.")
        }
        LabelingInstruction {
            numberWidth: idNumberMetrics.advanceWidth
            number: "3. "
            text: qsTr("Place the contact information label at location 2 on the PLB.")
        }
    }
}
