import QtQuick

// An optional picture, then text.
Item {
    id: root
    property string displayImage: ""
    property alias text: label.text
    property bool pictureVisible: displayImage !== ""
    property alias font: label.font
    property real spacing: 0
    readonly property real contentWidth: label.contentWidth
    signal pictureEntered()
    signal pictureExited()

    readonly property bool showsPicture: pictureVisible && displayImage !== ""
    readonly property real textMargin: showsPicture ? picture.x + picture.width + 10 : 10

    implicitWidth: label.implicitWidth + textMargin + spacing
    implicitHeight: showsPicture ? picture.implicitHeight + 6 : label.implicitHeight

    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Image {
        id: picture
        visible: root.showsPicture
        source: root.displayImage
        x: 10
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.topMargin: 3
        anchors.bottomMargin: 3
        width: height * 0.6
        fillMode: Image.PreserveAspectFit
        autoTransform: true
        Accessible.ignored: true

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onEntered: root.pictureEntered()
            onExited: root.pictureExited()
        }
    }

    Text {
        id: label
        anchors.left: parent.left
        anchors.leftMargin: root.textMargin
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        rightPadding: root.spacing
        color: root.enabled ? AldmarStyle.jTextColor : AldmarStyle.jTextDisabledColor
        font.family: AldmarStyle.jFont
        Accessible.ignored: true
    }
}
