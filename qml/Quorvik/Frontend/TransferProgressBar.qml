import QtQuick

// Progress of a link operation: the bar and, 5 below it, the status text.
Item {
    id: root

    property real value: 0
    property color barColor: AldmarStyle.jProgressBarSuccessColor
    property color trackColor: AldmarStyle.jProgressBarBackgroundColor
    property string statusText: ""
    // A failed operation shows its status in the error colour.
    property bool error: false
    readonly property alias statusLabel: status

    implicitWidth: Math.max(track.width, status.implicitWidth)
    implicitHeight: track.height + 5 + status.implicitHeight

    Accessible.role: Accessible.ProgressBar
    Accessible.name: root.statusText
    Accessible.description: Math.round(root.value) + " %"

    Rectangle {
        id: track
        objectName: "progressTrack"
        anchors.horizontalCenter: parent.horizontalCenter
        width: 440
        height: 20
        radius: 10
        color: root.trackColor

        Rectangle {
            id: fill
            objectName: "progressFill"
            width: track.width * Math.max(0, Math.min(100, root.value)) / 100
            height: track.height
            radius: track.radius
            color: root.barColor
        }
    }

    QvLabel {
        id: status
        objectName: "progressStatus"
        anchors.top: track.bottom
        anchors.topMargin: 5
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.statusText
        color: root.error ? AldmarStyle.jTextErrorColor : AldmarStyle.jTextColor
        font.pointSize: AldmarStyle.jFontSizeSmall
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
