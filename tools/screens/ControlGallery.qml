import QtQuick
import QtQuick.Controls
import Quorvik.Backend
import Quorvik.Frontend

// Every shared control in its states, for reviewing the look in one picture.
AldmarScrollView {
    id: gallery

    component Caption: QvLabel {
        font.pointSize: AldmarStyle.jFontSizeSmall
        font.bold: true
        color: AldmarStyle.jColorCorporate_70
    }

    PageIdentifierText {
        text: "CONTROL GALLERY"
        idTooltip.visible: true
        idTooltip.text: "Every shared control, as the pages use them"
    }

    Row {
        id: columns
        y: 90
        x: AldmarStyle.jInputFormMargin
        spacing: 30
        width: gallery.width - 2 * AldmarStyle.jInputFormMargin

        Column {
            width: (columns.width - 2 * columns.spacing) / 3
            spacing: 8

            Caption { text: "QvButton: enabled, disabled, with picture, picture only" }
            Row {
                spacing: 10
                QvButton { text: "Continue" }
                QvButton { text: "Disabled"; enabled: false }
            }
            Row {
                spacing: 10
                QvButton {
                    text: "Export"
                    image: QMLProxy.exportIcon
                    imageDisabled: QMLProxy.exportIconDisabled
                }
                QvButton {
                    text: "Export"
                    enabled: false
                    image: QMLProxy.exportIcon
                    imageDisabled: QMLProxy.exportIconDisabled
                }
                QvButton {
                    text: ""
                    tooltip: "PDF report"
                    imageOnly: true
                    image: QMLProxy.exportReportIcon
                }
            }

            Caption { text: "QvTextField: value, placeholder, disabled, invalid" }
            QvTextField { width: parent.width; text: "Kari Nordmann"; Accessible.name: "Owner name" }
            QvTextField { width: parent.width; placeholderText: "Enter owner name" }
            QvTextField { width: parent.width; text: "Disabled"; enabled: false }
            QvTextField { width: parent.width; text: "12A45"; inputValid: false }

            Caption { text: "QuorvikTextInput: plain, invalid with help, with prefix" }
            QuorvikTextInput {
                width: parent.width
                description: "Serial number"
                text: "31337"
            }
            QuorvikTextInput {
                width: parent.width
                description: "MMSI"
                text: "2571"
                idAsterisk.visible: true
                idToolTip.text: "Nine digits, starting with the country code"
            }
            QuorvikTextInput {
                width: parent.width
                description: "Beacon number"
                text: "12345"
                idPrefix.visible: true
                idPrefix.text: "257"
            }
        }

        Column {
            width: (columns.width - 2 * columns.spacing) / 3
            spacing: 8

            Caption { text: "QvComboBox: choices, one entry, disabled" }
            QvComboBox { width: parent.width; model: ["Norway (257)", "Norway (258)", "Sweden (265)"] }
            QvComboBox { width: parent.width; model: ["/dev/ttyUSB0"] }
            QvComboBox {
                width: parent.width
                model: ["No devices found"]
                enabled: false
                font.pointSize: AldmarStyle.jFontSizeSmall
            }

            Caption { text: "QuorvikRadioButton: checked, unchecked, picture, disabled" }
            Column {
                width: parent.width
                ButtonGroup { id: protocols }
                QuorvikRadioButton {
                    width: parent.width
                    text: "Serial user protocol"
                    ButtonGroup.group: protocols
                }
                QuorvikRadioButton {
                    width: parent.width
                    text: "MMSI user protocol"
                    checked: false
                    ButtonGroup.group: protocols
                }
                QuorvikRadioButton {
                    width: parent.width
                    text: TextResource.beaconName(ConfigTables.E_SkuaP5)
                    checked: false
                    pictureVisible: true
                    displayImage: TextResource.beaconImage(ConfigTables.E_SkuaP5)
                }
                QuorvikRadioButton {
                    width: parent.width
                    text: "Hidden protocol"
                    checked: false
                    enabled: false
                }
            }

            Caption { text: "QuorvikCheckButton: checked, unchecked" }
            QuorvikCheckButton { width: parent.width; text: "Use Morse code"; checked: true }
            QuorvikCheckButton { width: parent.width; text: "Sweep up" }

            Caption { text: "QvTextArea" }
            QvTextArea { width: parent.width; height: 70; text: "Harbour office\n+47 555 01 234" }
        }

        Column {
            id: third
            width: (columns.width - 2 * columns.spacing) / 3
            spacing: 8

            Caption { text: "Textandparam rows, QvGroupSpacer" }
            Column {
                id: rows
                width: parent.width
                Textandparam { width: parent.width; leadText: "Hex ID:"; paramText: "2DCC5E3E8CFFBFF" }
                Textandparam { width: parent.width; leadText: "Serial:"; paramText: "31337" }
                Textandparam { width: parent.width; leadText: "Hidden:"; paramText: "N/A"; hideOnEmptyOrNA: true }
                Textandparam { width: parent.width; leadText: "Owner:"; paramText: "Kari Nordmann" }
                Component.onCompleted: QMLProxy.alternateRowColors(rows, AldmarStyle.jAlternatingRowColor,
                                                                   AldmarStyle.jBackgroundColor)
            }
            QvGroupSpacer { width: parent.width; height: 12 }

            Caption { text: "QvText, QvLabel, QvImageText, ToolTipButton" }
            QvText { text: "QvText in the house font"; font.pointSize: AldmarStyle.jFontSizeNormal }
            QvLabel { text: "QvLabel, large"; font.pointSize: AldmarStyle.jFontSizeLarge }
            Row {
                spacing: 10
                QvImageText {
                    width: 260
                    height: 60
                    text: "Skua P5 with picture"
                    font.pointSize: AldmarStyle.jFontSizeNormal
                    displayImage: TextResource.beaconImage(ConfigTables.E_SkuaP5)
                }
                ToolTipButton { backgroundImage: "Pictures/help.png"; text: "Help text"; subject: "the gallery" }
            }

            Caption { text: "QvProductLabel (contact label)" }
            QvProductLabel {
                source: "image://labelmaker/contactlabel.png?Harbour office\n+47 555 01 234"
                labelHeight: 94
                printAvailable: true
            }

            Caption { text: "AldmarPageIndicator: page 3 of 5, back disabled" }
            AldmarPageIndicator {
                width: parent.width
                count: 5
                currentIndex: 2
                backwardEnabled: false
                navButtonSize: 48
            }
        }
    }

    Column {
        y: columns.y + columns.height + 30
        x: AldmarStyle.jInputFormMargin
        width: gallery.width - 2 * AldmarStyle.jInputFormMargin
        spacing: 8

        Caption { text: "AldmarTableView: sorted by serial, one row selected" }
        AldmarTableView {
            id: table
            width: parent.width
            height: 230
            model: SortFilterProxyModel { sourceModel: QMLProxy.beaconListModel }
            selectionMode: AldmarTableView.SingleSelection
            columnWidthProvider: function(column) { return table.width / 4 }
            Accessible.name: "Stored beacons"
            Component.onCompleted: {
                headerClicked(1)
                if (rowCount() > 1)
                    select(model.index(1, 0), ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows)
            }
        }
    }
}
