import QtQuick

// The settings pop-up under the menu bar.
PopupMenuForm {
    id: popup

    Accessible.role: Accessible.PopupMenu
    Accessible.name: qsTr("Settings")

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
