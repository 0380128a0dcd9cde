import QtQuick
import QtQuick.Controls
import Quorvik.Backend

Item {
    id: input
    property string placeholderText: qsTr("Enter value")
    property string description: qsTr("Text")
    property alias text: valueField.text
    property int borderWidth: 1
    readonly property bool acceptableInput: valueField.acceptableInput
    property alias valueInputMethodHints: valueField.inputMethodHints
    property int textInputHeight: 50
    property alias idName: captionText
    property alias idValue: valueField
    property alias idToolTip: captionTip
    property alias idAsterisk: asterisk
    property alias idPrefix: prefixField

    implicitWidth: 300
    implicitHeight: captionRow.height + AldmarStyle.jInputFieldPadding + textInputHeight
    // The value field stands for the whole input (caption as its name, help as its description).
    Accessible.ignored: true

    Item {
        id: captionRow
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 26

        QvLabel {
            id: captionText
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            text: input.description
            font.pixelSize: captionRow.height - 2
        }

        QvLabel {
            id: asterisk
            anchors.left: captionText.right
            anchors.leftMargin: 2
            anchors.verticalCenter: parent.verticalCenter
            visible: false
            text: "*"
            color: AldmarStyle.jInputRequiredColor
            font.pointSize: AldmarStyle.jFontSizeNormal
            Accessible.name: qsTr("Required or invalid")
        }

        ToolTipButton {
            id: captionTip
            anchors.right: parent.right
            anchors.rightMargin: 2
            anchors.verticalCenter: parent.verticalCenter
            width: captionRow.height - 2
            height: width
            backgroundImage: "Pictures/help.png"
            visible: text !== ""
            subject: input.description
        }
    }

    QvTextField {
        id: prefixField
        anchors.left: parent.left
        anchors.top: captionRow.bottom
        anchors.topMargin: AldmarStyle.jInputFieldPadding
        height: input.textInputHeight
        visible: false
        enabled: false
        horizontalAlignment: TextInput.AlignRight
        verticalAlignment: TextInput.AlignVCenter
        font: valueField.font
        leftPadding: AldmarStyle.jInputFieldPadding
        rightPadding: AldmarStyle.jInputFieldPadding
        inputValid: !asterisk.visible
        borderWidth: input.borderWidth
        // Fixed leading digits: part of the value field's description, no input of its own.
        Accessible.ignored: true
    }

    QvTextField {
        id: valueField
        anchors.left: prefixField.visible ? prefixField.right : parent.left
        anchors.right: parent.right
        anchors.top: captionRow.bottom
        anchors.topMargin: AldmarStyle.jInputFieldPadding
        height: input.textInputHeight
        placeholderText: input.placeholderText
        verticalAlignment: TextInput.AlignVCenter
        font.pixelSize: height - height / 2.5
        leftPadding: 10
        selectByMouse: true
        inputValid: !asterisk.visible
        borderWidth: input.borderWidth
        Accessible.role: Accessible.EditableText
        Accessible.name: QMLProxy.plainText(input.description)
        Accessible.description: prefixField.visible ? qsTranslate("QuorvikTextInputForm.ui", "Starts with %1").arg(prefixField.text) : ""
    }
}
