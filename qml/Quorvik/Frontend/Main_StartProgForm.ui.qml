import QtQuick

AldmarStackItem {
    id: root

    property alias heading: heading
    property alias startButton: startButton
    property alias betaText: betaText

    PageIdentifierText {
        id: heading
        text: "PROGRAM"
    }

    Image {
        id: computerPicture
        anchors.right: syncPicture.left
        anchors.rightMargin: 20
        anchors.verticalCenter: syncPicture.verticalCenter
        width: 250
        height: 250
        fillMode: Image.PreserveAspectFit
        source: "Pictures/computer.png"
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("Computer")
    }

    Image {
        id: syncPicture
        anchors.centerIn: parent
        width: 45
        height: 60
        fillMode: Image.PreserveAspectFit
        source: "Pictures/symbol-sync.png"
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("Connection")
    }

    Image {
        id: devicePicture
        anchors.left: syncPicture.right
        anchors.leftMargin: 20
        anchors.verticalCenter: syncPicture.verticalCenter
        width: 250
        height: 250
        fillMode: Image.PreserveAspectFit
        source: "Pictures/device.webp"
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("Beacon")
    }

    QvButton {
        id: startButton
        objectName: "getStartedButton"
        anchors.top: devicePicture.bottom
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: 188
        height: 41
        text: qsTr("GET STARTED")
    }

    QvLabel {
        id: betaText
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.leftMargin: 10
        anchors.bottomMargin: 10
        visible: false
        text: "BETA"
        color: AldmarStyle.jTextErrorColor
        font.bold: true
        font.pointSize: AldmarStyle.jFontSizeHeading * 2
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
