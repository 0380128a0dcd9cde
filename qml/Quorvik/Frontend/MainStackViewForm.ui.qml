import QtQuick
import QtQuick.Controls

Item {
    id: form
    property alias stack: idStack

    Rectangle {
        id: idBackground
        anchors.fill: parent
        color: AldmarStyle.jBackgroundColor
    }

    StackView {
        id: idStack
        objectName: "mainStack"
        anchors.fill: parent
        // Pages change at once: a technician reads the new page, not an animation.
        pushEnter: null
        pushExit: null
        popEnter: null
        popExit: null
        replaceEnter: null
        replaceExit: null
    }
}
