import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias noticeText: noticeText
    property alias nameField: nameField
    property alias addressField: addressField
    property alias telephoneField: telephoneField
    property alias otherField: otherField
    property alias lengthError: lengthError
    property alias additionalCaption: additionalCaption
    property alias additionalInfo: additionalInfo

    PageIdentifierText {
        id: heading
        text: qsTr("OWNER INFORMATION")
    }

    Grid {
        id: grid
        anchors.top: heading.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width > 900 ? 800 : root.width * 0.9
        columns: root.width > root.height ? 2 : 1
        spacing: 25

        readonly property real cellWidth: (width - (columns - 1) * spacing) / columns

        Column {
            width: grid.cellWidth
            spacing: 25

            QvLabel {
                id: noticeText
                width: parent.width
                wrapMode: Text.WordWrap
                text: qsTr("<b>NOTICE:</b> Owner information is limited to a total of 60 characters")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }

            QuorvikTextInput {
                id: nameField
                objectName: "ownerName"
                width: parent.width
                description: qsTr("Name")
                placeholderText: qsTr("Enter owner name")
                valueInputMethodHints: Qt.ImhUppercaseOnly
            }

            QuorvikTextInput {
                id: addressField
                objectName: "ownerAddress"
                width: parent.width
                description: qsTr("Address")
                valueInputMethodHints: Qt.ImhUppercaseOnly
            }

            QuorvikTextInput {
                id: telephoneField
                objectName: "ownerTelephone"
                width: parent.width
                description: qsTr("Telephone")
                valueInputMethodHints: Qt.ImhUppercaseOnly
            }

            QuorvikTextInput {
                id: otherField
                objectName: "ownerOther"
                width: parent.width
                description: qsTr("Other")
                valueInputMethodHints: Qt.ImhUppercaseOnly
            }

            QvLabel {
                id: lengthError
                objectName: "ownerLengthError"
                width: parent.width
                wrapMode: Text.WordWrap
                text: qsTr("Owner information too long")
                color: AldmarStyle.jTextErrorColor
                font.pointSize: AldmarStyle.jFontSizeLarge
                visible: false
            }
        }

        Column {
            width: grid.cellWidth
            spacing: AldmarStyle.jInputFieldPadding

            QvLabel {
                id: additionalCaption
                width: parent.width
                height: 26
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Additional Report Information")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }

            QvTextArea {
                id: additionalInfo
                objectName: "additionalInfo"
                width: parent.width
                height: 230
                wrapMode: TextEdit.Wrap
                placeholderText: qsTr("Enter additional info")
                font.pointSize: AldmarStyle.jFontSizeSmall
            }
        }
    }
}
