import QtQuick
import QtQuick.Controls

// Vertical scrolling for pages, with fades where content is hidden.
Item {
    id: root
    property bool fadeOnHiddenContent: true
    property real contentBottomMargin: 20
    default property alias content: contentArea.data
    readonly property real scrollBarWidth: verticalBar.width
    property bool interactive: true
    property real availableHeight: height
    property real autoScrollHeadroom: 15
    property alias flickable: flick
    property alias contentArea: contentArea

    function updateContentHeight() {
        if (!interactive) {
            flick.contentHeight = availableHeight
            return
        }
        let bottom = 0
        const children = contentArea.children
        for (let i = 0; i < children.length; ++i) {
            const child = children[i]
            if (child.visible)
                bottom = Math.max(bottom, child.y + child.height)
        }
        if (bottom > flick.height)
            bottom += contentBottomMargin
        flick.contentHeight = bottom
    }

    function scrollToItem(item) {
        if (autoScrollHeadroom < 0 || !item || !item.parent)
            return
        const lower = item.mapToItem(flick, 0, item.height).y
        const upper = lower - item.height
        console.log("Scrolling to ", item, " lower: ", lower, " upper: ", upper)
        console.log("Visible area is now: ", flick.contentY, " - ", flick.contentY + availableHeight)
        if (lower > availableHeight - autoScrollHeadroom) {
            flick.contentY = Math.min(flick.contentHeight - availableHeight,
                                      flick.contentY + (lower - (availableHeight - autoScrollHeadroom)))
            console.log("Scrolled down to ", flick.contentY)
        } else if (upper < 0) {
            flick.contentY = Math.max(0, flick.contentY + upper - autoScrollHeadroom)
            console.log("Scrolled up to ", flick.contentY)
        }
    }

    // Where Tab moves the keyboard, the view follows.
    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            const focused = root.Window.activeFocusItem
            if (!focused || !root.interactive || !root.visible)
                return
            for (let up = focused.parent; up; up = up.parent) {
                if (up === contentArea) {
                    root.scrollToItem(focused)
                    return
                }
            }
        }
    }

    Flickable {
        id: flick
        anchors.fill: parent
        clip: true
        contentWidth: width
        interactive: root.interactive
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: verticalBar

        Item {
            id: contentArea
            width: flick.width
            height: Math.max(flick.contentHeight, flick.height)
            onChildrenRectChanged: Qt.callLater(root.updateContentHeight)
        }
    }

    Rectangle {
        id: topFade
        objectName: "topFade"
        anchors.top: parent.top
        anchors.left: parent.left
        width: parent.width - (verticalBar.visible ? verticalBar.width : 0)
        height: 50
        visible: root.fadeOnHiddenContent && flick.contentY > 0
        gradient: Gradient {
            GradientStop { position: 0; color: AldmarStyle.jBackgroundColor }
            GradientStop {
                position: 1
                color: Qt.rgba(AldmarStyle.jBackgroundColor.r, AldmarStyle.jBackgroundColor.g,
                               AldmarStyle.jBackgroundColor.b, 0)
            }
        }
    }

    Rectangle {
        id: bottomFade
        objectName: "bottomFade"
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        width: topFade.width
        height: 50
        visible: root.fadeOnHiddenContent && flick.contentY + flick.height < flick.contentHeight - 1
        gradient: Gradient {
            GradientStop {
                position: 0
                color: Qt.rgba(AldmarStyle.jBackgroundColor.r, AldmarStyle.jBackgroundColor.g,
                               AldmarStyle.jBackgroundColor.b, 0)
            }
            GradientStop { position: 1; color: AldmarStyle.jBackgroundColor }
        }
    }

    ScrollBar {
        id: verticalBar
        parent: root
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        visible: policy === ScrollBar.AlwaysOn
        Accessible.name: qsTr("Scroll")
    }

    onHeightChanged: Qt.callLater(updateContentHeight)
    onInteractiveChanged: Qt.callLater(updateContentHeight)
    onContentBottomMarginChanged: Qt.callLater(updateContentHeight)
    onAvailableHeightChanged: Qt.callLater(updateContentHeight)
    Component.onCompleted: Qt.callLater(updateContentHeight)
}
