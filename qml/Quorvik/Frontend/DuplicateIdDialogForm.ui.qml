import QtQuick
import QtQuick.Controls

// The question asked before a hex ID that another beacon carries is written.
Popup {
    id: root

    property alias heading: heading
    property alias intro: intro
    property alias holderRepeater: holderRepeater
    property alias explanation: explanation
    property alias reasonField: reasonField
    property alias cancelButton: cancelButton
    property alias programButton: programButton

    width: 760
    padding: 24
    modal: true
    focus: true
    closePolicy: Popup.NoAutoClose
    anchors.centerIn: Overlay.overlay

    background: Rectangle {
        color: AldmarStyle.jBackgroundColor
        border.color: AldmarStyle.jTextErrorColor
        border.width: 2
        radius: 6
    }

    contentItem: Column {
        spacing: 14
        Accessible.role: Accessible.Dialog
        Accessible.name: heading.text

        QvText {
            id: heading
            objectName: "duplicateHeading"
            width: parent.width
            text: qsTr("Hex ID already in use")
            font.pointSize: AldmarStyle.jFontSizeLarge
            font.bold: true
            color: AldmarStyle.jTextErrorColor
            Accessible.role: Accessible.Heading
        }

        QvText {
            id: intro
            objectName: "duplicateIntro"
            width: parent.width
            wrapMode: Text.Wrap
            font.pointSize: AldmarStyle.jFontSizeNormal
        }

        Column {
            width: parent.width
            spacing: 6

            Repeater {
                id: holderRepeater
                objectName: "duplicateHolders"

                QvText {
                    required property var modelData
                    objectName: "duplicateHolder"
                    width: parent.width
                    leftPadding: 20
                    text: "\u2022 " + modelData.text
                    wrapMode: Text.Wrap
                    font.pointSize: AldmarStyle.jFontSizeNormal
                    font.bold: true
                }
            }
        }

        QvText {
            id: explanation
            objectName: "duplicateExplanation"
            width: parent.width
            wrapMode: Text.Wrap
            font.pointSize: AldmarStyle.jFontSizeSmall
            text: qsTr("Two beacons with one hex ID confuse rescuers and registration authorities. Nothing has been written to the PLB. Program it anyway only for a good reason: the reason is stored with the beacon's record, printed on its programming report and written to the log.")
        }

        QvTextField {
            id: reasonField
            objectName: "duplicateReasonField"
            width: parent.width
            height: 40
            font.pointSize: AldmarStyle.jFontSizeNormal
            leftPadding: 10
            placeholderText: qsTr("Reason for programming this hex ID anyway")
            selectByMouse: true
        }

        Item {
            width: parent.width
            height: cancelButton.height

            QvButton {
                id: cancelButton
                objectName: "duplicateCancelButton"
                text: qsTr("Cancel")
                height: 32
                anchors.left: parent.left
            }

            QvButton {
                id: programButton
                objectName: "duplicateProgramButton"
                text: qsTr("Program anyway")
                height: 32
                anchors.right: parent.right
            }
        }
    }
}
