import QtQuick
import QtQuick.Controls

Item {
    id: heading
    property alias text: headingText.text
    property alias color: headingText.color
    property alias fontPointSize: headingText.font.pointSize
    property alias horizontalAlignment: headingText.horizontalAlignment
    property int autoResizeMargin: 0
    property alias idText: headingText
    property alias idTooltip: headingTip

    anchors.top: parent ? parent.top : undefined
    anchors.topMargin: 30
    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    implicitWidth: headingText.implicitWidth + (headingTip.visible ? headingTip.width + 2 : 0)
    implicitHeight: headingText.implicitHeight

    QvLabel {
        id: headingText
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("BEACON IDENTIFY")
        color: AldmarStyle.jColorCorporate
        font.pointSize: AldmarStyle.jFontSizeHeading
        Accessible.role: Accessible.Heading
    }

    ToolTipButton {
        id: headingTip
        visible: false
        anchors.left: headingText.right
        anchors.leftMargin: 2
        anchors.verticalCenter: headingText.verticalCenter
        height: headingText.height / 2
        width: height
        backgroundImage: "Pictures/help.png"
        text: qsTr("This is the default tooltip text")
        subject: headingText.text
    }
}
