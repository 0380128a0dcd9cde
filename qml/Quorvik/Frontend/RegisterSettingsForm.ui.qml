import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Quorvik.Backend

GridLayout {
    id: root

    property alias caption: idCaption
    property alias enabledBox: idEnabled
    property alias serviceField: idService
    property alias hostField: idHost
    property alias portField: idPort
    property alias databaseField: idDatabase
    property alias userField: idUser
    property alias passwordHint: idPasswordHint
    property alias applyButton: idApply
    property alias sendButton: idSend
    property alias statusLine: idStatus
    property alias waitingLine: idWaiting

    columns: 2
    columnSpacing: 50
    rowSpacing: 5

    QvText {
        id: idCaption
        Layout.columnSpan: 2
        Layout.topMargin: 20
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Shared register")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Use a shared register:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    CheckBox {
        id: idEnabled
        objectName: "registerEnabledBox"
        padding: 0
        implicitWidth: 24
        implicitHeight: 24
        indicator: Rectangle {
            implicitWidth: 24
            implicitHeight: 24
            color: idEnabled.checked ? AldmarStyle.jCheckboxBorderColor : AldmarStyle.jCheckboxBackgroundColor
            border.color: AldmarStyle.jCheckboxBorderColor
            Image {
                anchors.centerIn: parent
                width: 24
                height: 24
                source: "Pictures/checkmark_24.png"
                visible: idEnabled.checked
            }
        }
        contentItem: Item {}
        Accessible.role: Accessible.CheckBox
        Accessible.name: qsTr("Use a shared register:")

        FocusFrame {}
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Service name:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvTextField {
        id: idService
        objectName: "registerServiceField"
        Layout.preferredWidth: 300
        font.pointSize: AldmarStyle.jFontSizeNormal
        placeholderText: qsTr("or the fields below")
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Service name:")
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Host:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvTextField {
        id: idHost
        objectName: "registerHostField"
        Layout.preferredWidth: 300
        font.pointSize: AldmarStyle.jFontSizeNormal
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Host:")
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Port:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvTextField {
        id: idPort
        objectName: "registerPortField"
        Layout.preferredWidth: 120
        font.pointSize: AldmarStyle.jFontSizeNormal
        placeholderText: "5432"
        inputMethodHints: Qt.ImhDigitsOnly
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Port:")
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Database:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvTextField {
        id: idDatabase
        objectName: "registerDatabaseField"
        Layout.preferredWidth: 300
        font.pointSize: AldmarStyle.jFontSizeNormal
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Database:")
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("User:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    QvTextField {
        id: idUser
        objectName: "registerUserField"
        Layout.preferredWidth: 300
        font.pointSize: AldmarStyle.jFontSizeNormal
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("User:")
    }

    Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
    QvLabel {
        id: idPasswordHint
        objectName: "registerPasswordHint"
        Layout.maximumWidth: 420
        wrapMode: Text.WordWrap
        font.pointSize: AldmarStyle.jFontSizeSmall
        text: qsTr("No password here: give it in ~/.pgpass or in the service file (pg_service.conf).")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
    RowLayout {
        spacing: 10
        QvButton {
            id: idApply
            objectName: "registerApplyButton"
            text: qsTr("Apply")
        }
        QvButton {
            id: idSend
            objectName: "registerSendButton"
            text: qsTr("Send now")
        }
    }

    QvText {
        Layout.alignment: Qt.AlignRight | Qt.AlignTop
        font.pointSize: AldmarStyle.jFontSizeNormal
        font.bold: true
        text: qsTr("Status:")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    ColumnLayout {
        spacing: 2
        QvText {
            id: idStatus
            objectName: "registerStatus"
            Layout.maximumWidth: 420
            wrapMode: Text.WordWrap
            font.pointSize: AldmarStyle.jFontSizeNormal
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvText {
            id: idWaiting
            objectName: "registerWaiting"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
