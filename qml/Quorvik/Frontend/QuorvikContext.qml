pragma Singleton
import QtQuick

// Set once by the main scene; pages navigate through mainView.
QtObject {
    property var mainView: null
    property var menubar: null
}
