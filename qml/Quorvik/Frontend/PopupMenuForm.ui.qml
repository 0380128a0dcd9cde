import QtQuick

Rectangle {
    id: popup
    property alias protocolButton: idProtocol
    property alias optionsButton: idOptions
    property alias aboutButton: idAbout

    width: 262
    height: idColumn.height
    color: AldmarStyle.jMenuColor
    radius: 1
    layer.enabled: true

    Column {
        id: idColumn
        width: parent.width

        MenubarButton {
            id: idProtocol
            objectName: "popupProtocol"
            width: parent.width
            height: 60
            text: qsTr("Protocol")
        }
        MenubarButton {
            id: idOptions
            objectName: "popupOptions"
            width: parent.width
            height: 60
            text: qsTr("Options")
        }
        MenubarButton {
            id: idAbout
            objectName: "popupAbout"
            width: parent.width
            height: 60
            text: qsTr("About")
        }
    }
}
