import QtQuick
import QtQuick.Controls

Item {
    id: footer
    property alias webAddress: idAddress.text

    implicitHeight: 99

    Rectangle {
        id: idSeparator
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 9
        color: AldmarStyle.jFooterSeparatorColor
    }

    Rectangle {
        id: idBand
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: idSeparator.bottom
        anchors.bottom: parent.bottom
        color: AldmarStyle.jFooterColor

        Image {
            id: idLogo
            width: 176
            height: 75
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            source: "Pictures/Aldmar_logo.png"
            fillMode: Image.PreserveAspectFit
            Accessible.role: Accessible.Graphic
            Accessible.name: "Aldmar"
        }
    }

    Rectangle {
        id: idAddressBox
        x: 47
        y: 0
        width: 164
        height: 37
        color: AldmarStyle.jHeaderColor

        Label {
            id: idAddress
            anchors.fill: parent
            anchors.bottomMargin: 2
            text: "www.406registration.com"
            color: AldmarStyle.jHeaderTextColor
            font.family: AldmarStyle.jFont
            font.pointSize: AldmarStyle.jFontSizeNormal
            // A longer address shrinks rather than leaving its box.
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: AldmarStyle.jFontSizeSmall - 4
            leftPadding: 4
            rightPadding: 4
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
