import QtQuick

// Wizard navigator: back arrow, one dot per page, forward arrow.
Item {
    id: root
    property bool backwardEnabled: true
    property bool forwardEnabled: true
    property int count: 0
    property int currentIndex: 0
    property int navButtonSize: 64
    property real maxWidth: parent ? parent.width : 0
    signal backwardTapped()
    signal forwardTapped()

    implicitWidth: Math.min(row.implicitWidth, maxWidth > 0 ? maxWidth : row.implicitWidth)
    implicitHeight: navButtonSize

    function tapBackward() {
        if (backwardEnabled)
            backwardTapped()
    }

    function tapForward() {
        if (forwardEnabled)
            forwardTapped()
    }

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 10

        Image {
            id: back
            objectName: "navigatorBack"
            width: root.navButtonSize
            height: root.navButtonSize
            source: "Pictures/swipebkw.png"
            fillMode: Image.PreserveAspectFit
            enabled: root.backwardEnabled
            opacity: enabled ? 1 : 0.6
            activeFocusOnTab: true
            Keys.onSpacePressed: root.tapBackward()
            Keys.onReturnPressed: root.tapBackward()
            Keys.onEnterPressed: root.tapBackward()
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Back")
            Accessible.onPressAction: root.tapBackward()

            FocusFrame {}

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: root.tapBackward()
            }
        }

        Row {
            id: dots
            anchors.verticalCenter: parent.verticalCenter
            Accessible.role: Accessible.StaticText
            Accessible.name: qsTr("Page %1 of %2").arg(root.currentIndex + 1).arg(root.count)

            Repeater {
                model: root.count
                Item {
                    id: dot
                    required property int index
                    width: 30
                    height: 30
                    Rectangle {
                        anchors.centerIn: parent
                        width: 12
                        height: 12
                        radius: 6
                        color: AldmarStyle.jNavigatorIndicatorColor
                        opacity: dot.index <= root.currentIndex ? 1 : 0.2
                    }
                    Rectangle {
                        anchors.centerIn: parent
                        width: 20
                        height: 20
                        radius: 10
                        visible: dot.index === root.currentIndex
                        color: "transparent"
                        border.color: AldmarStyle.jNavigatorIndicatorColor
                    }
                }
            }
        }

        Image {
            id: forward
            objectName: "navigatorForward"
            width: root.navButtonSize
            height: root.navButtonSize
            source: "Pictures/swipefwd.png"
            fillMode: Image.PreserveAspectFit
            enabled: root.forwardEnabled
            opacity: enabled ? 1 : 0.6
            activeFocusOnTab: true
            Keys.onSpacePressed: root.tapForward()
            Keys.onReturnPressed: root.tapForward()
            Keys.onEnterPressed: root.tapForward()
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Forward")
            Accessible.onPressAction: root.tapForward()

            FocusFrame {}

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: root.tapForward()
            }
        }
    }
}
