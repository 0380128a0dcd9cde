import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Quorvik.Backend

ApplicationWindow {
    id: mainWindow
    width: 1250
    height: Math.min(950, Math.max(900, Screen.desktopAvailableHeight))
    minimumWidth: 800
    minimumHeight: 600
    visible: true
    title: QMLProxy.app.applicationName + " " + QMLProxy.applicationVersion
    color: "#edf6ff"
}
