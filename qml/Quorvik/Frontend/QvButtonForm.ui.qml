import QtQuick
import QtQuick.Controls

Rectangle {
    id: button
    property string tooltip: ""
    property string image: ""
    property string imageDisabled: ""
    property string imageOnlySource: ""
    property string imageOnlyDisabledSource: ""
    property bool centerText: image === "" && imageOnlySource === ""
    property bool imageOnly: false
    property alias label: idText
    property alias icon: idIcon
    property alias mouseArea: idMouseArea

    readonly property string iconSource: imageOnly && imageOnlySource !== "" ? imageOnlySource : image
    readonly property string iconDisabledSource: imageOnly ? imageOnlyDisabledSource : imageDisabled
    readonly property bool hasIcon: iconSource !== ""

    implicitWidth: visible ? (hasIcon ? idIcon.implicitWidth : 0) + (imageOnly ? 0 : idText.implicitWidth + 40) : 0
    implicitHeight: visible ? (hasIcon ? idIcon.implicitHeight * (imageOnly ? 1 : 2) : idText.implicitHeight + 10) : 0

    radius: 20
    border.color: AldmarStyle.jButtonBorderColor
    border.width: imageOnly ? 0 : 1
    color: imageOnly ? "transparent" : (enabled ? AldmarStyle.jButtonColor : AldmarStyle.jButtonDisabledColor)

    Image {
        id: idIcon
        visible: button.hasIcon
        source: !button.enabled && button.iconDisabledSource !== "" ? button.iconDisabledSource : button.iconSource
        height: button.imageOnly ? button.height : button.height / 2
        width: implicitHeight > 0 ? implicitWidth * height / implicitHeight : 0
        anchors.left: parent.left
        anchors.leftMargin: button.imageOnly ? 0 : 10
        anchors.verticalCenter: parent.verticalCenter
        fillMode: Image.PreserveAspectFit
        Accessible.ignored: true
    }

    Text {
        id: idText
        visible: !button.imageOnly
        anchors.verticalCenter: parent.verticalCenter
        anchors.horizontalCenter: button.centerText ? parent.horizontalCenter : undefined
        anchors.left: button.centerText ? undefined : idIcon.right
        anchors.leftMargin: 10
        font.family: AldmarStyle.jFont
        font.pointSize: AldmarStyle.jFontSizeNormal
        color: button.enabled ? AldmarStyle.jButtonTextColor : AldmarStyle.jButtonDisabledTextColor
        Accessible.ignored: true
    }

    FocusFrame {}

    MouseArea {
        id: idMouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
    }
}
