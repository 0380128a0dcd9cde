import QtQuick
import Quorvik.Frontend

// A hex ID or message decoded field by field, with a second input to compare against,
// the copy buttons and the bit table.
Item {
    id: root

    property alias scrollView: scrollView
    property alias heading: heading
    property alias backButton: backButton
    property alias inputCaption: inputCaption
    property alias inputField: inputField
    property alias compareCaption: compareCaption
    property alias compareField: compareField
    property alias adapterButton: adapterButton
    property alias recordButton: recordButton
    property alias compareStatus: compareStatus
    property alias errorText: errorText
    property alias verdictText: verdictText
    property alias copyTextButton: copyTextButton
    property alias copyJsonButton: copyJsonButton
    property alias fieldsColumn: fieldsColumn
    property alias fieldRepeater: fieldRepeater
    property alias bitsHeading: bitsHeading
    property alias bitRepeater: bitRepeater

    // Keys of the fields that differ from the compared input.
    property var differingKeys: []
    property string differsText: qsTr("differs")

    AldmarScrollView {
        id: scrollView
        objectName: "decodeScrollView"
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20

        PageIdentifierText {
            id: heading
            objectName: "decodeHeading"
            text: qsTr("DECODE A HEX ID OR MESSAGE")
            Accessible.role: Accessible.Heading
            Accessible.name: heading.text
        }

        QvButton {
            id: backButton
            objectName: "decodeBackButton"
            text: qsTr("Back")
            imageOnly: true
            imageOnlySource: "Pictures/symbol-arrow-back2.png"
            height: 32 * 0.8
            width: height
            anchors.left: parent.left
            anchors.verticalCenter: heading.verticalCenter
            Accessible.role: Accessible.Button
            Accessible.name: backButton.text
        }

        Column {
            id: inputColumn
            anchors.top: heading.bottom
            anchors.topMargin: 20
            anchors.left: parent.left
            anchors.right: parent.right
            spacing: 10

            QvText {
                id: inputCaption
                text: qsTr("Hex ID or message (spaces are ignored):")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }
            QvTextField {
                id: inputField
                objectName: "decodeInput"
                width: parent.width
                height: 40
                font.pixelSize: 22
                leftPadding: AldmarStyle.jInputFieldPadding
                selectByMouse: true
                placeholderText: qsTr("e.g. 9C6F40C0E4003D5")
                inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhPreferUppercase
                Accessible.role: Accessible.EditableText
                Accessible.name: inputCaption.text
            }
            QvText {
                id: errorText
                objectName: "decodeError"
                width: parent.width
                wrapMode: Text.Wrap
                color: AldmarStyle.jTextErrorColor
                font.pointSize: AldmarStyle.jFontSizeNormal
                Accessible.role: Accessible.AlertMessage
                Accessible.name: errorText.text
            }
            QvText {
                id: compareCaption
                text: qsTr("Compare with (another hex ID or message):")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }
            Row {
                id: compareRow
                width: parent.width
                spacing: 10
                QvTextField {
                    id: compareField
                    objectName: "decodeCompareInput"
                    width: compareRow.width - adapterButton.width - recordButton.width - 2 * compareRow.spacing
                    height: 40
                    font.pixelSize: 22
                    leftPadding: AldmarStyle.jInputFieldPadding
                    selectByMouse: true
                    placeholderText: qsTr("the label, the registration or the beacon")
                    inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhPreferUppercase
                    Accessible.role: Accessible.EditableText
                    Accessible.name: compareCaption.text
                }
                QvButton {
                    id: adapterButton
                    objectName: "compareAdapterButton"
                    text: qsTr("Beacon on the adapter")
                    tooltip: qsTr("Read the beacon on the programming adapter and compare with its message")
                    height: 40
                    anchors.verticalCenter: compareField.verticalCenter
                    Accessible.role: Accessible.Button
                    Accessible.name: adapterButton.text
                }
                QvButton {
                    id: recordButton
                    objectName: "compareRecordButton"
                    text: qsTr("This beacon record")
                    tooltip: qsTr("Compare with the message of the beacon this page was opened from")
                    height: 40
                    anchors.verticalCenter: compareField.verticalCenter
                    Accessible.role: Accessible.Button
                    Accessible.name: recordButton.text
                }
            }
            QvText {
                id: compareStatus
                objectName: "compareStatus"
                width: parent.width
                wrapMode: Text.Wrap
                font.pointSize: AldmarStyle.jFontSizeSmall
                Accessible.role: Accessible.StaticText
                Accessible.name: compareStatus.text
            }
            QvText {
                id: verdictText
                objectName: "compareVerdict"
                width: parent.width
                wrapMode: Text.Wrap
                font.pointSize: AldmarStyle.jFontSizeNormal
                font.bold: true
                Accessible.role: Accessible.StaticText
                Accessible.name: verdictText.text
            }
            Row {
                spacing: 20
                QvButton {
                    id: copyTextButton
                    objectName: "copyTextButton"
                    text: qsTr("Copy as text")
                    image: "Pictures/copyToClipboard.png"
                    height: 32
                    Accessible.role: Accessible.Button
                    Accessible.name: copyTextButton.text
                }
                QvButton {
                    id: copyJsonButton
                    objectName: "copyJsonButton"
                    text: qsTr("Copy as JSON")
                    image: "Pictures/copyToClipboard.png"
                    height: 32
                    Accessible.role: Accessible.Button
                    Accessible.name: copyJsonButton.text
                }
            }
        }

        Column {
            id: fieldsColumn
            objectName: "decodeFields"
            anchors.top: inputColumn.bottom
            anchors.topMargin: 20
            anchors.left: parent.left
            anchors.right: parent.right

            Repeater {
                id: fieldRepeater
                delegate: Rectangle {
                    id: fieldRow
                    objectName: "field_" + modelData.key
                    required property var modelData
                    required property int index
                    readonly property string key: modelData.key
                    readonly property string value: modelData.value
                    readonly property bool differs: root.differingKeys.indexOf(modelData.key) >= 0
                    width: fieldsColumn.width
                    height: Math.max(36, fieldValue.implicitHeight + 12)
                    color: index % 2 ? AldmarStyle.jBackgroundColor : AldmarStyle.jAlternatingRowColor
                    border.width: differs ? 2 : 0
                    border.color: AldmarStyle.jInputRequiredColor
                    Accessible.role: Accessible.StaticText
                    Accessible.name: modelData.label + ": " + modelData.value + (differs ? ", " + root.differsText : "")

                    QvText {
                        id: fieldLabel
                        x: 10
                        width: fieldRow.width * 0.35 - 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: fieldRow.modelData.label
                        wrapMode: Text.Wrap
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        Accessible.ignored: true
                    }
                    QvText {
                        id: fieldValue
                        anchors.left: fieldLabel.right
                        anchors.leftMargin: 10
                        anchors.right: differsMark.left
                        anchors.verticalCenter: parent.verticalCenter
                        text: fieldRow.modelData.value
                        wrapMode: Text.WrapAnywhere
                        color: fieldRow.modelData.problem ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        font.bold: fieldRow.differs
                        Accessible.ignored: true
                    }
                    QvText {
                        id: differsMark
                        anchors.right: parent.right
                        anchors.rightMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: fieldRow.differs ? root.differsText : ""
                        color: AldmarStyle.jInputRequiredColor
                        font.pointSize: AldmarStyle.jFontSizeSmall
                        font.bold: true
                        Accessible.ignored: true
                    }
                }
            }

            QvText {
                id: bitsHeading
                text: qsTr("BITS")
                topPadding: 20
                bottomPadding: 5
                leftPadding: 10
                font.bold: true
                font.pointSize: AldmarStyle.jFontSizeNormal
                Accessible.role: Accessible.Heading
                Accessible.name: qsTr("Bits")
            }

            Repeater {
                id: bitRepeater
                delegate: Rectangle {
                    id: bitRow
                    objectName: "bitRow_" + index
                    required property var modelData
                    required property int index
                    width: fieldsColumn.width
                    height: Math.max(28, bitField.implicitHeight + 8)
                    color: index % 2 ? AldmarStyle.jBackgroundColor : AldmarStyle.jAlternatingRowColor
                    Accessible.role: Accessible.StaticText
                    Accessible.name: qsTranslate("MessageDecodeForm.ui", "Bits") + " " + modelData.range + ", " + modelData.field + ": " + modelData.value

                    QvText {
                        id: bitRange
                        x: 10
                        width: 80
                        anchors.verticalCenter: parent.verticalCenter
                        text: bitRow.modelData.range
                        font.pointSize: AldmarStyle.jFontSizeSmall
                        Accessible.ignored: true
                    }
                    QvText {
                        id: bitField
                        anchors.left: bitRange.right
                        width: bitRow.width * 0.45
                        anchors.verticalCenter: parent.verticalCenter
                        text: bitRow.modelData.field
                        wrapMode: Text.Wrap
                        font.pointSize: AldmarStyle.jFontSizeSmall
                        Accessible.ignored: true
                    }
                    QvText {
                        anchors.left: bitField.right
                        anchors.leftMargin: 10
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: bitRow.modelData.value
                        wrapMode: Text.WrapAnywhere
                        font.pointSize: AldmarStyle.jFontSizeSmall
                        Accessible.ignored: true
                    }
                }
            }
        }
    }
}
