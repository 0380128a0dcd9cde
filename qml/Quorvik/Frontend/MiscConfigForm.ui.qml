import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Quorvik.Backend

AldmarScrollView {
    id: root

    property alias heading: idHeading
    property alias portBox: idPortBox
    property alias languageBox: idLanguageBox
    property alias operatorField: idOperator
    property alias stationField: idStation
    property alias dealerField: idDealer
    property alias operatorHint: idOperatorHint
    property alias stationHint: idStationHint
    property alias dealerHint: idDealerHint
    property alias serialOverrideBox: idSerialOverride
    property alias contactCaption: idContactCaption
    property alias contactRow: idContactRow
    property alias contactText: idContactText
    property alias contactPreview: idContactPreview
    property alias countryFileText: idCountryFile
    property alias countryFileMouse: idCountryFileMouse
    property alias countryFileToolTip: idCountryFileToolTip
    property alias removeButton: idRemove
    property alias loadButton: idLoad
    property alias backupBox: idBackupBox
    property alias restoreButton: idRestore
    property alias registerSection: idRegister

    PageIdentifierText {
        id: idHeading
        text: qsTr("OPTIONS")
        idTooltip.visible: true
        idTooltip.text: qsTr("Fill out the proper information in the input fields")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    GridLayout {
        id: idGrid
        anchors.top: idHeading.bottom
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        columns: 2
        columnSpacing: 50
        rowSpacing: 5

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Language:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvComboBox {
            id: idLanguageBox
            objectName: "languageBox"
            Layout.preferredWidth: 200
            Accessible.role: Accessible.ComboBox
            Accessible.name: qsTr("Language:")
            Accessible.description: displayText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Select COM port:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvComboBox {
            id: idPortBox
            objectName: "portBox"
            Layout.preferredWidth: 200
            Accessible.role: Accessible.ComboBox
            Accessible.name: qsTr("Select COM port:")
            Accessible.description: displayText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Operator:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvTextField {
            id: idOperator
            objectName: "operatorField"
            Layout.minimumWidth: idPortBox.width
            Layout.fillWidth: true
            font.pointSize: AldmarStyle.jFontSizeNormal
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Operator:")
        }

        Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
        QvLabel {
            id: idOperatorHint
            objectName: "operatorHint"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Prog Station:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvTextField {
            id: idStation
            objectName: "stationField"
            Layout.minimumWidth: idPortBox.width
            Layout.fillWidth: true
            font.pointSize: AldmarStyle.jFontSizeNormal
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Prog Station:")
        }

        Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
        QvLabel {
            id: idStationHint
            objectName: "stationHint"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Dealer No:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvTextField {
            id: idDealer
            objectName: "dealerField"
            Layout.minimumWidth: idPortBox.width
            Layout.fillWidth: true
            font.pointSize: AldmarStyle.jFontSizeNormal
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Dealer No:")
        }

        Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
        QvLabel {
            id: idDealerHint
            objectName: "dealerHint"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Allow serial override:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        CheckBox {
            id: idSerialOverride
            objectName: "serialOverrideBox"
            padding: 0
            implicitWidth: 24
            implicitHeight: 24
            indicator: Rectangle {
                implicitWidth: 24
                implicitHeight: 24
                color: idSerialOverride.checked ? AldmarStyle.jCheckboxBorderColor : AldmarStyle.jCheckboxBackgroundColor
                border.color: AldmarStyle.jCheckboxBorderColor
                Image {
                    anchors.centerIn: parent
                    width: 24
                    height: 24
                    source: "Pictures/checkmark_24.png"
                    visible: idSerialOverride.checked
                }
            }
            contentItem: Item {}
            Accessible.role: Accessible.CheckBox
            Accessible.name: qsTr("Allow serial override:")

            FocusFrame {}
        }

        QvText {
            id: idContactCaption
            Layout.columnSpan: 2
            Layout.topMargin: 20
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Default contact information:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        RowLayout {
            id: idContactRow
            Layout.columnSpan: 2
            spacing: 20

            QvTextArea {
                id: idContactText
                objectName: "contactText"
                Layout.alignment: Qt.AlignBottom
                Layout.preferredWidth: idContactPreview.labelWidth
                Layout.preferredHeight: idContactPreview.labelHeight
                font.pointSize: AldmarStyle.jFontSizeNormal
                horizontalAlignment: TextEdit.AlignHCenter
                wrapMode: TextEdit.NoWrap
                Accessible.role: Accessible.EditableText
                Accessible.name: qsTr("Default contact information:")
            }
            ColumnLayout {
                spacing: 5
                QvText {
                    font.pointSize: AldmarStyle.jFontSizeNormal
                    font.bold: true
                    text: qsTr("Preview:")
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                QvProductLabel {
                    id: idContactPreview
                    objectName: "contactPreview"
                    labelWidth: 300
                    labelHeight: 120
                    showButtons: false
                    source: ""
                    Accessible.role: Accessible.Graphic
                    Accessible.name: qsTr("Preview:")
                }
            }
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            Layout.topMargin: 20
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Custom country list:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvText {
            id: idCountryFile
            objectName: "countryFileText"
            Layout.topMargin: 20
            Layout.maximumWidth: 400
            Layout.fillWidth: true
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            elide: Text.ElideLeft
            maximumLineCount: 1
            Accessible.role: Accessible.StaticText
            Accessible.name: qsTranslate("MiscConfigForm.ui", "Custom country list:") + " " + text

            MouseArea {
                id: idCountryFileMouse
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
            }
            ToolTip {
                id: idCountryFileToolTip
                text: idCountryFile.text
            }
        }

        Item {
            Layout.preferredWidth: 1
            Layout.preferredHeight: 1
        }
        RowLayout {
            spacing: 10
            QvButton {
                id: idRemove
                objectName: "removeButton"
                text: qsTr("Remove")
                Accessible.role: Accessible.Button
                Accessible.name: text
            }
            QvButton {
                id: idLoad
                objectName: "loadButton"
                text: qsTr("Load country file...")
                Accessible.role: Accessible.Button
                Accessible.name: text
            }
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            Layout.topMargin: 20
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Database backup:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        RowLayout {
            Layout.topMargin: 20
            spacing: 10
            QvComboBox {
                id: idBackupBox
                objectName: "backupBox"
                Layout.preferredWidth: 260
                Accessible.role: Accessible.ComboBox
                Accessible.name: qsTr("Database backup:")
                Accessible.description: displayText
            }
            QvButton {
                id: idRestore
                objectName: "restoreButton"
                text: qsTr("Restore from backup")
                Accessible.role: Accessible.Button
                Accessible.name: text
            }
        }
    }

    RegisterSettings {
        id: idRegister
        anchors.top: idGrid.bottom
        anchors.topMargin: 10
        anchors.left: idGrid.left
    }
}
