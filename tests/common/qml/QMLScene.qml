import QtQuick
import QtQuick.Window

// Stand-in main scene for controller tests (loaded through "qmlpath").
Window {
    width: 320
    height: 200
    visible: true
    title: "test scene"
}
