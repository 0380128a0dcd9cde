import QtQuick

// Shows which control the keyboard is on: a frame just outside its parent while the
// parent has the active focus.
Rectangle {
    objectName: "focusFrame"
    property bool onDark: false
    property real gap: 3
    anchors.fill: parent
    anchors.margins: -gap
    visible: parent && parent.activeFocus
    color: "transparent"
    radius: parent && parent.radius !== undefined && parent.radius > 0 ? parent.radius + gap : 2
    border.width: AldmarStyle.jFocusFrameWidth
    border.color: onDark ? AldmarStyle.jFocusFrameOnDarkColor : AldmarStyle.jFocusFrameColor
    Accessible.ignored: true
}
