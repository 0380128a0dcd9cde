import QtQuick
import QtQuick.Controls

Rectangle {
    id: bar
    property alias normalMenu: idNormalMenu
    property alias programButton: idProgram
    property alias reportsButton: idReports
    property alias readbackButton: idReadback
    property alias logButton: idLog
    property alias decodeButton: idDecode
    property alias settingsIcon: idSettingsIcon
    property alias programmingBar: idProgrammingBar
    property alias programmingArea: idProgrammingArea
    property alias exitButton: idExitProgramming
    property alias helpIcon: idHelpIcon
    property alias popupMenu: idPopupMenu

    implicitHeight: 40
    color: AldmarStyle.jHeaderColor

    Row {
        id: idNormalMenu
        anchors.left: parent.left
        anchors.leftMargin: 20
        height: parent.height

        MenubarButton {
            id: idProgram
            objectName: "menuProgram"
            height: parent.height
            text: qsTr("Program")
            color: AldmarStyle.jMenuSelectedColor
        }
        MenubarButton {
            id: idReports
            objectName: "menuReports"
            height: parent.height
            text: qsTr("Reports")
        }
        MenubarButton {
            id: idReadback
            objectName: "menuReadback"
            height: parent.height
            text: qsTr("Readback")
        }
        MenubarButton {
            id: idLog
            objectName: "menuLog"
            height: parent.height
            text: qsTr("Log")
        }
        MenubarButton {
            id: idDecode
            objectName: "menuDecode"
            height: parent.height
            text: qsTr("Decode")
        }
    }

    MenubarIcon {
        id: idSettingsIcon
        objectName: "menuSettings"
        visible: idNormalMenu.visible
        width: 24
        height: 24
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: idHelpIcon.visible ? 50 : 15
        source: "Pictures/symbol-settinge.png"
        name: qsTr("Settings")
    }

    Item {
        id: idProgrammingBar
        objectName: "menuProgrammingBar"
        anchors.fill: parent
        visible: false

        Image {
            id: idBackArrow
            width: 20
            height: 20
            anchors.left: parent.left
            anchors.leftMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            source: "Pictures/symbol-arrow-back.png"
            fillMode: Image.PreserveAspectFit
        }

        MenubarButton {
            id: idExitProgramming
            objectName: "menuExitProgramming"
            anchors.left: idBackArrow.right
            anchors.leftMargin: 10
            height: parent.height
            text: qsTr("Exit Programming")
            color: AldmarStyle.jMenuSelectedColor
        }

        MouseArea {
            id: idProgrammingArea
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
        }
    }

    MenubarIcon {
        id: idHelpIcon
        objectName: "menuHelp"
        width: 20
        height: 20
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: 15
        source: "Pictures/help_white.png"
        name: qsTr("Help")
    }

    PopupMenu {
        id: idPopupMenu
        objectName: "settingsPopup"
        visible: false
        anchors.top: parent.bottom
        anchors.right: parent.right
        anchors.rightMargin: 15
    }
}
