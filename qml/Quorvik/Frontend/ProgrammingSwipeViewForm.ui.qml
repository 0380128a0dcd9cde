import QtQuick
import QtQuick.Controls

AldmarStackItem {
    id: form
    property int navButtonSize: 64
    property alias swipeView: idSwipeView
    property alias pageRepeater: idPageRepeater
    property alias indicator: idIndicator

    SwipeView {
        id: idSwipeView
        objectName: "programmingSwipeView"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: idIndicator.visible ? idIndicator.top : parent.bottom
        clip: true

        Repeater {
            id: idPageRepeater
        }
    }

    AldmarPageIndicator {
        id: idIndicator
        objectName: "pageIndicator"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        visible: count > 1
        count: idSwipeView.count
        currentIndex: idSwipeView.currentIndex
        navButtonSize: form.navButtonSize
    }
}
