import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Quorvik.Backend

ApplicationWindow {
    id: productionWindow
    width: AldmarStyle.jDefaultWidth
    height: AldmarStyle.jDefaultHeight
    minimumWidth: 1024
    minimumHeight: 800
    visible: true
    title: "Quorvik " + QMLProxy.applicationVariant + " Production " + QMLProxy.applicationVersion
    color: AldmarStyle.jBackgroundColor
    font.family: AldmarStyle.jFont

    // Closing the window while a beacon is being written ends after it, as "Close App" does.
    onClosing: function(close) {
        if (QMLProxy.app.finishBeaconInHandBeforeQuit())
            close.accepted = false
    }

    Item {
        id: root
        objectName: "sceneRoot"
        anchors.fill: parent
        focus: true

        Rectangle {
            id: header
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: 40
            color: AldmarStyle.jHeaderColor
        }

        Loader {
            id: page
            objectName: "productionPage"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: header.bottom
            anchors.bottom: companyBar.top
            source: "ProductionTransfer.qml"
            // A loader is a focus scope: the page's buttons take the keyboard only through it.
            focus: true
        }

        CompanyBar {
            id: companyBar
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
        }
    }
}
