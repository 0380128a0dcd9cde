import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias beaconPicture: beaconPicture
    property alias modelRow: modelRow
    property alias serialRow: serialRow
    property alias serialEntryRow: serialEntryRow
    property alias serialEntryCaption: serialEntryCaption
    property alias serialEntry: serialEntry
    property alias expiryEntryRow: expiryEntryRow
    property alias expiryEntry: expiryEntry
    property alias expiryEntryCaption: expiryEntryCaption
    property alias infoBox: infoBox
    property alias infoText: infoText

    PageIdentifierText {
        id: heading
        text: qsTr("BEACON IDENTIFIED")
    }

    Column {
        id: column
        anchors.top: heading.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width <= 410 ? root.width - 10 : 400
        spacing: 5

        Image {
            id: beaconPicture
            anchors.horizontalCenter: parent.horizontalCenter
            width: 233
            height: 350
            fillMode: Image.PreserveAspectFit
            autoTransform: true
            Accessible.role: Accessible.Graphic
        }

        Textandparam {
            id: modelRow
            objectName: "modelRow"
            width: parent.width
            leadText: qsTr("Beacon Model:")
            color: AldmarStyle.jAlternatingRowColor
        }

        Textandparam {
            id: serialRow
            objectName: "serialRow"
            width: parent.width
            leadText: qsTr("Serial No:")
            color: AldmarStyle.jBackgroundColor
        }

        Item {
            id: serialEntryRow
            width: parent.width
            height: 50
            visible: false

            QvLabel {
                id: serialEntryCaption
                anchors.left: parent.left
                anchors.leftMargin: 15
                anchors.top: parent.top
                anchors.topMargin: 10
                width: 150
                height: 40
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Serial No:")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }

            QvTextField {
                id: serialEntry
                objectName: "serialEntry"
                anchors.left: serialEntryCaption.right
                anchors.leftMargin: 15
                anchors.top: parent.top
                anchors.topMargin: 10
                width: 170
                height: 40
                inputMask: "99999-99999;_"
                font.pointSize: AldmarStyle.jFontSizeNormal
            }
        }

        Item {
            id: expiryEntryRow
            width: parent.width
            height: 50
            visible: false

            QvLabel {
                id: expiryEntryCaption
                anchors.left: parent.left
                anchors.leftMargin: 15
                anchors.top: parent.top
                anchors.topMargin: 10
                width: 150
                height: 40
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Battery Expiry:")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }

            QvTextField {
                id: expiryEntry
                objectName: "expiryEntry"
                anchors.left: expiryEntryCaption.right
                anchors.leftMargin: 15
                anchors.top: parent.top
                anchors.topMargin: 10
                width: 170
                height: 40
                inputMask: "99/9999;_"
                placeholderText: qsTr("MM/YYYY")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }
        }

        Rectangle {
            id: infoBox
            objectName: "infoBox"
            anchors.horizontalCenter: parent.horizontalCenter
            width: infoText.implicitWidth + 20
            height: 50
            radius: 10
            color: "transparent"

            QvLabel {
                id: infoText
                objectName: "infoText"
                anchors.centerIn: parent
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Please verify serial no. with physical label on beacon.")
                font.pointSize: AldmarStyle.jFontSizeSmall
            }
        }
    }
}
