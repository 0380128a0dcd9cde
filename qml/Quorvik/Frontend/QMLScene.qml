import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Quorvik.Backend

ApplicationWindow {
    id: mainWindow
    width: AldmarStyle.jDefaultWidth
    height: AldmarStyle.jDefaultHeight
    minimumWidth: 800
    minimumHeight: 600
    visible: true
    title: QMLProxy.app.applicationName + " " + QMLProxy.applicationVersion
    color: AldmarStyle.jBackgroundColor
    font.family: AldmarStyle.jFont

    Item {
        id: root
        objectName: "sceneRoot"
        anchors.fill: parent
        focus: true

        MainStackView {
            id: mainView
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: menubar.bottom
            anchors.bottom: companyBar.top
        }

        CompanyBar {
            id: companyBar
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
        }

        // Above the pages so that its pop-up overlaps them.
        Menubar {
            id: menubar
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: 40
            z: 1
        }
    }

    DocumentNotice {}

    Connections {
        target: mainView
        function onViewReset() { menubar.menuStartSetup() }
    }

    Component.onCompleted: {
        QuorvikContext.mainView = mainView
        QuorvikContext.menubar = menubar
        if (ConfigTables.needFirstTimeSetup()) {
            mainView.push("FirstTimeSetup.qml")
            menubar.clearMenuBar()
        } else {
            mainView.push(QMLProxy.initialStackItem())
        }
    }
}
