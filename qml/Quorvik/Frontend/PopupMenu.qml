import QtQuick

// The settings pop-up under the menu bar.
PopupMenuForm {
    id: popup

    Accessible.role: Accessible.PopupMenu
    Accessible.name: qsTr("Settings")

    // Arrows move between the entries, Escape closes the pop-up where it was opened.
    function moveFocus(forward) {
        const focused = popup.Window.activeFocusItem
        const next = focused ? focused.nextItemInFocusChain(forward) : null
        if (next)
            next.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
    }
    Keys.onUpPressed: moveFocus(false)
    Keys.onDownPressed: moveFocus(true)
    Keys.onEscapePressed: {
        popup.visible = false
        QuorvikContext.menubar.settingsIcon.forceActiveFocus(Qt.OtherFocusReason)
    }

    function choose(n) {
        QuorvikContext.menubar.clearMenuBar()
        popup.visible = false
        const pages = ["ProtocolConfig.qml", "MiscConfig.qml", "About.qml"]
        QuorvikContext.mainView.set(pages[n])
    }

    Connections {
        target: popup.protocolButton
        function onClicked() { popup.choose(0) }
    }
    Connections {
        target: popup.optionsButton
        function onClicked() { popup.choose(1) }
    }
    Connections {
        target: popup.aboutButton
        function onClicked() { popup.choose(2) }
    }
}
