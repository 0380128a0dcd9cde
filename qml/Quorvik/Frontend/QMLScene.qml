import QtQuick
import QtQuick.Controls
import QtQuick.Window

ApplicationWindow {
    id: mainWindow
    width: 1250
    height: Math.min(950, Math.max(900, Screen.desktopAvailableHeight))
    minimumWidth: 800
    minimumHeight: 600
    visible: true
    title: Qt.application.name + " " + Qt.application.version
    color: "#edf6ff"
}
