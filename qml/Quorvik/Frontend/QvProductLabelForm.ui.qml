import QtQuick
import QtQuick.Controls

Item {
    id: label
    required property url source
    property real labelHeight: labelImage.implicitHeight
    property real labelWidth: labelImage.implicitHeight > 0
                              ? labelImage.implicitWidth * labelHeight / labelImage.implicitHeight : 0
    property bool showButtons: true
    property bool printAvailable: false
    property alias image: labelImage
    property alias lbxButton: openLbx
    property alias pdfButton: openPdf
    property alias printButton: print

    implicitHeight: labelImage.height + (buttonRow.visible ? buttonRow.height + 1 : 0)
    implicitWidth: Math.max(labelImage.width, buttonRow.visible ? buttonRow.width : 0)

    Image {
        id: labelImage
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        height: label.labelHeight
        width: label.labelWidth
        source: label.source
        mipmap: true
        cache: false
        fillMode: Image.PreserveAspectFit
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("Label preview")
    }

    Rectangle {
        anchors.fill: labelImage
        anchors.margins: -1
        color: "transparent"
        border.color: AldmarStyle.jCheckboxBorderColor
        border.width: 1
    }

    Item {
        id: buttonRow
        visible: label.showButtons
        anchors.top: labelImage.bottom
        anchors.topMargin: 1
        anchors.horizontalCenter: parent.horizontalCenter
        height: openLbx.height + 10
        width: (print.visible ? print.x + print.width : openPdf.x + openPdf.width)

        QvButton {
            id: openLbx
            objectName: "openLbxButton"
            y: 10
            text: qsTr("Open LBX")
            tooltip: qsTr("Open generated label in Brother P-touch Editor LBX format")
        }
        QvButton {
            id: openPdf
            objectName: "openPdfButton"
            y: 10
            anchors.left: openLbx.right
            anchors.leftMargin: 5
            text: qsTr("Open PDF")
            tooltip: qsTr("Open generated label in a PDF viewer")
        }
        QvButton {
            id: print
            objectName: "printButton"
            y: 10
            anchors.left: openPdf.right
            anchors.leftMargin: 5
            visible: label.printAvailable
            text: qsTr("Print")
            tooltip: qsTr("Print the label")
        }
    }
}
