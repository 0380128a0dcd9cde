pragma Singleton
import QtQuick

// Every colour, font and size of the front end.
QtObject {
    objectName: "AldmarStyle"

    readonly property color jColorCorporate: "#002855"
    readonly property color jColorCorporate_30: "#b3becc"
    readonly property color jColorCorporate_50: "#8093aa"
    readonly property color jColorCorporate_70: "#4c6888"
    readonly property color jColorSky: "#c0ddff"
    readonly property color jColorSky_30: "#edf6ff"
    readonly property color jColorSky_50: "#e2e9ff"
    readonly property color jColorSky_70: "#dcedff"
    readonly property color jColorCarbon: "#3b3b3b"
    readonly property color jColorCarbon_30: "#cbcfd2"
    readonly property color jColorCarbon_50: "#a2a8ad"
    readonly property color jColorCarbon_70: "#676e75"
    readonly property color jColorSignal: "#ff5c39"
    readonly property color jColorSignal_30: "#ffded6"
    readonly property color jColorSignal_50: "#ffbcad"
    readonly property color jColorSignal_70: "#fd8164"
    readonly property color jColorSand: "#e4d3c2"
    readonly property color jColorSand_30: "#f8f3ee"
    readonly property color jColorSand_50: "#f1e7dd"
    readonly property color jColorSand_70: "#ede1d4"
    readonly property color jColorLand: "#bfd0bf"
    readonly property color jColorLand_30: "#edf2ed"
    readonly property color jColorLand_50: "#dbe5db"
    readonly property color jColorLand_70: "#d2dfd2"
    readonly property color jColorWhite: "#ffffff"
    readonly property color jColorBlack: "#000000"

    readonly property color jBackgroundColor: jColorSky_30
    readonly property color jHeaderColor: jColorCorporate
    readonly property color jHeaderTextColor: jColorWhite
    readonly property color jTextColor: jColorCorporate
    readonly property color jTextBrightColor: jColorWhite
    readonly property color jTextPlaceholderColor: jColorCarbon_30
    readonly property color jTextDisabledColor: jColorCorporate_50
    readonly property color jTextErrorColor: "red"
    readonly property color jFooterColor: jColorSky_50
    readonly property color jFooterSeparatorColor: jColorSignal
    readonly property color jMenuColor: jColorCorporate
    readonly property color jMenuSelectedColor: jColorCorporate_70
    readonly property color jMenuTextColor: jColorWhite
    readonly property color jButtonBorderColor: jColorSignal
    readonly property color jButtonColor: jColorSignal
    readonly property color jButtonTextColor: jColorWhite
    readonly property color jButtonDisabledColor: jColorSignal_30
    readonly property color jButtonDisabledTextColor: jColorSignal
    readonly property color jButtonUnselectedTextColor: jColorSignal_70
    readonly property color jTableHeaderColor: jColorCorporate_30
    readonly property color jTableHeaderTextColor: jTextColor
    readonly property color jTableRowPrimaryColor: jColorSky_70
    readonly property color jTableRowSecondaryColor: jBackgroundColor
    readonly property color jTableRowSelectedColor: jColorCorporate
    // A row that needs a second look (a hex ID two beacons carry).
    readonly property color jTableMarkColor: jTextErrorColor
    readonly property color jTableMarkTextColor: jColorWhite
    readonly property color jCheckboxBorderColor: jColorCorporate
    readonly property color jCheckboxBackgroundColor: jColorWhite
    readonly property color jComboboxBorderColor: jCheckboxBorderColor
    readonly property color jComboboxBackgroundColor: jCheckboxBackgroundColor
    readonly property color jComboboxDisabledBackgroundColor: jColorCorporate_30
    readonly property color jComboboxSelectedBackgroundColor: jColorCorporate
    readonly property color jComboboxSelectedTextColor: jColorWhite
    readonly property color jRadioButtonBorderColor: jCheckboxBorderColor
    readonly property color jRadioButtonBackgroundColor: jCheckboxBackgroundColor
    readonly property color jTextInputBorderColor: jColorCorporate
    readonly property color jTextInputDisabledBorderColor: jColorCorporate_50
    readonly property color jTextInputBackgroundColor: jColorWhite
    readonly property color jInputRequiredColor: jColorSignal
    readonly property color jNavigatorButtonColor: jColorSignal
    readonly property color jNavigatorIndicatorColor: jColorCorporate
    readonly property color jProgressBarBackgroundColor: jColorSky_50
    readonly property color jProgressBarSuccessColor: "green"
    readonly property color jProgressBarErrorColor: "red"
    readonly property color jAlternatingRowColor: jColorSky_50

    // Resolves to Carlito (same metrics) where Calibri is not installed.
    readonly property string jFont: "Calibri"
    readonly property int jFontSizeHeading: 26
    readonly property int jFontSizeLarge: 22
    readonly property int jFontSizeNormal: 16
    readonly property int jFontSizeSmall: 12
    readonly property int jDefaultWidth: 1250
    readonly property int jDefaultHeight: {
        const screens = Qt.application.screens
        const available = screens.length > 0 ? screens[0].desktopAvailableHeight : 0
        return Math.min(950, Math.max(900, available))
    }
    readonly property int jInputFormMargin: 20
    readonly property int jInputFieldPadding: 10
    readonly property int jTableRowHeight: 40
    readonly property int jProductionPlanWidth: 1100

    // Keyboard focus: a frame around the focused control, on light and on dark ground.
    readonly property color jFocusFrameColor: jColorCorporate
    readonly property color jFocusFrameOnDarkColor: jColorSignal
    readonly property int jFocusFrameWidth: 2
}
