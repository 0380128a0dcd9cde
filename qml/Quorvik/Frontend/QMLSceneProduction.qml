import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Quorvik.Backend

ApplicationWindow {
    id: productionWindow
    width: 1250
    height: Math.min(950, Math.max(900, Screen.desktopAvailableHeight))
    minimumWidth: 1024
    minimumHeight: 800
    visible: true
    title: "Quorvik " + QMLProxy.applicationVariant + " Production " + QMLProxy.applicationVersion
    color: "#edf6ff"

    Rectangle {
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 40
        color: "#002855"
    }
}
