import QtQuick
import Quorvik.Frontend

// Layout shared by the two read pages: heading, instructions, progress bar and status.
Item {
    id: root

    property alias heading: heading
    property alias instructions: instructions
    property alias progressBar: progressBar
    property alias progressFill: progressFill
    property alias statusText: statusText
    property real progress: 0
    property alias scrollView: scrollView

    // Scrolls like the identification page: on a small screen the bar and status stay reachable.
    AldmarScrollView {
        id: scrollView
        objectName: "readScrollView"
        anchors.fill: parent

        PageIdentifierText {
            id: heading
            text: qsTr("BEACON READBACK")
        }

        ProgrammingHelp {
            id: instructions
            anchors.top: heading.bottom
            anchors.topMargin: 50
            anchors.horizontalCenter: parent.horizontalCenter
        }

        Rectangle {
            id: progressBar
            objectName: "readProgressBar"
            width: 440
            height: 20
            radius: 10
            anchors.top: instructions.bottom
            anchors.topMargin: 50
            anchors.horizontalCenter: parent.horizontalCenter
            color: AldmarStyle.jProgressBarBackgroundColor
            Accessible.role: Accessible.ProgressBar
            Accessible.name: qsTr("Read progress")

            Rectangle {
                id: progressFill
                objectName: "readProgressFill"
                height: parent.height
                width: parent.width * Math.max(0, Math.min(100, root.progress)) / 100
                radius: 10
                color: AldmarStyle.jProgressBarSuccessColor
            }
        }

        QvText {
            id: statusText
            objectName: "readStatusText"
            anchors.top: progressBar.bottom
            anchors.topMargin: 5
            anchors.horizontalCenter: parent.horizontalCenter
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
