import QtQuick

AldmarStackItem {
    id: root

    property alias heading: heading
    property alias instructions: instructions
    property alias progressBar: progressBar

    AldmarScrollView {
        anchors.fill: parent

        PageIdentifierText {
            id: heading
            text: qsTr("BEACON IDENTIFY")
        }

        ProgrammingHelp {
            id: instructions
            anchors.top: heading.bottom
            anchors.topMargin: 50
            anchors.horizontalCenter: parent.horizontalCenter
        }

        TransferProgressBar {
            id: progressBar
            objectName: "identifyProgress"
            anchors.top: instructions.bottom
            anchors.topMargin: 50
            anchors.horizontalCenter: parent.horizontalCenter
        }
    }
}
