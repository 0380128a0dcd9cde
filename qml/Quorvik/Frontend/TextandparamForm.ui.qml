import QtQuick
import QtQuick.Controls
import Quorvik.Backend

Item {
    id: row
    property alias leadText: lead.text
    property alias paramText: param.text
    property alias color: background.color
    property bool hideOnEmptyOrNA: false
    property alias wordModeParam: param.wrapMode
    property alias elideValueText: param.elide
    property alias idLead: lead
    property alias idParam: param

    implicitHeight: Math.max(40, Math.max(lead.height, param.height) + 18)
    implicitWidth: lead.implicitWidth + param.implicitWidth + 20
    // Read as one line: caption, then value.
    Accessible.role: Accessible.StaticText
    Accessible.name: QMLProxy.plainText(lead.text + " " + param.text)

    Rectangle {
        id: background
        anchors.fill: parent
        color: "transparent"
    }

    QvLabel {
        id: lead
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Text")
        font.pointSize: AldmarStyle.jFontSizeNormal
        verticalAlignment: Text.AlignTop
        Accessible.ignored: true
    }

    QvLabel {
        id: param
        anchors.left: lead.right
        anchors.leftMargin: 10
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Param")
        font.pointSize: AldmarStyle.jFontSizeNormal
        verticalAlignment: Text.AlignTop
        Accessible.ignored: true
    }
}
