import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias instructions: instructions
    property alias beaconPicture: beaconPicture
    property alias progressBar: progressBar

    PageIdentifierText {
        id: heading
        text: qsTr("TRANSFER DATA")
    }

    TransferDesktopHelp {
        id: instructions
        anchors.top: heading.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
    }

    Image {
        id: beaconPicture
        anchors.top: instructions.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        height: 350
        fillMode: Image.PreserveAspectFit
        Accessible.role: Accessible.Graphic
    }

    TransferProgressBar {
        id: progressBar
        objectName: "transferProgress"
        anchors.top: beaconPicture.bottom
        anchors.topMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
    }
}
