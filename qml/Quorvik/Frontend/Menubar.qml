import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend

// Two modes: the normal menu (one entry selected, or none) and the programming bar.
MenuBarForm {
    id: menubar
    objectName: "menubar"

    // Entries: 0 Program, 1 Reports, 2 Readback, 3 Log, 4 Decode.
    // Last painted selection; 100 means none and makes the next selection repaint.
    property int selection: 0
    readonly property var entries: [programButton, reportsButton, readbackButton, logButton, decodeButton]

    logButton.visible: QMLProxy.app.isBeaconLogAvailable()
    helpIcon.visible: QMLProxy.isHelpAvailable

    Accessible.role: Accessible.MenuBar
    Accessible.name: qsTr("Menu")

    function menuStartSetup() {
        normalMenu.visible = true
        programmingBar.visible = false
        selection = 100
        menuItemSelected(0)
    }

    function menuProgrammingSetup() {
        normalMenu.visible = false
        programmingBar.visible = true
        popupMenu.visible = false
    }

    function clearMenuBar() {
        for (let i = 0; i < entries.length; ++i)
            entries[i].color = AldmarStyle.jMenuColor
        selection = 100
    }

    function menuItemSelected(n) {
        if (n !== selection) {
            for (let i = 0; i < entries.length; ++i)
                entries[i].color = i === n ? AldmarStyle.jMenuSelectedColor : AldmarStyle.jMenuColor
            selection = n
        }
        popupMenu.visible = false
    }

    function exitProgramming() {
        confirmEndWrite(function() {
            menubar.menuStartSetup()
            QuorvikContext.mainView.home()
        })
    }

    // What to do once the technician agrees to end the write under way.
    property var pendingLeave: null

    // Runs leave at once, or after the technician confirms that a write under way may end.
    function confirmEndWrite(leave) {
        if (!QMLProxy.app.writeInProgress) {
            leave()
            return
        }
        pendingLeave = leave
        endWriteQuestion.open()
    }

    MessageDialog {
        id: endWriteQuestion
        objectName: "endWriteQuestion"
        title: qsTr("Programming in progress")
        text: qsTr("The PLB is being programmed. Stopping now can leave it half programmed.<br>Stop programming?<br>&nbsp;")
        buttons: MessageDialogValues.Yes | MessageDialogValues.No
        onButtonClicked: function (button, role) {
            const leave = menubar.pendingLeave
            menubar.pendingLeave = null
            // The write may have ended meanwhile; leaving is what was asked for either way.
            if (button === MessageDialogValues.Yes && leave)
                leave()
        }
    }

    Connections {
        target: menubar.programButton
        function onClicked() {
            menubar.menuItemSelected(0)
            QuorvikContext.mainView.home()
        }
    }
    Connections {
        target: menubar.reportsButton
        function onClicked() {
            menubar.menuItemSelected(1)
            QuorvikContext.mainView.set("BeaconDbDisplay.qml")
        }
    }
    Connections {
        target: menubar.readbackButton
        function onClicked() {
            menubar.menuItemSelected(2)
            QuorvikContext.mainView.set("Main_StartRead.qml")
        }
    }
    Connections {
        target: menubar.logButton
        function onClicked() {
            menubar.menuItemSelected(3)
            QuorvikContext.mainView.set("Main_StartLogRead.qml")
        }
    }
    Connections {
        target: menubar.decodeButton
        function onClicked() {
            menubar.menuItemSelected(4)
            QuorvikContext.mainView.set("MessageDecode.qml")
        }
    }
    Connections {
        target: menubar.programmingArea
        function onClicked() { menubar.exitProgramming() }
    }
    Connections {
        target: menubar.exitButton
        function onClicked() { menubar.exitProgramming() }
    }
    Connections {
        target: menubar.settingsIcon
        function onClicked() {
            menubar.popupMenu.visible = !menubar.popupMenu.visible
            // From the keyboard the pop-up's entries come next.
            if (menubar.popupMenu.visible && menubar.settingsIcon.activeFocus)
                menubar.popupMenu.protocolButton.forceActiveFocus(Qt.TabFocusReason)
        }
    }
    Connections {
        target: menubar.helpIcon
        function onClicked() { QMLProxy.app.activateHelp() }
    }
}
