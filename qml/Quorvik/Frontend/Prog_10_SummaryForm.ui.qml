import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias beaconColumn: beaconColumn
    property alias beaconRow: beaconRow
    property alias batteryRow: batteryRow
    property alias programmingColumn: programmingColumn
    property alias protocolRow: protocolRow
    property alias countryRow: countryRow
    property alias identityRow: identityRow
    property alias deltaRow: deltaRow
    property alias beaconNoRow: beaconNoRow
    property alias nameRow: nameRow
    property alias addressRow: addressRow
    property alias telephoneRow: telephoneRow
    property alias otherRow: otherRow
    property alias aisRow: aisRow
    property alias hexIdRow: hexIdRow
    property alias hexIdCaption: hexIdCaption
    property alias hexIdField: hexIdField
    property alias hexIdCopy: hexIdCopy
    property alias hexIdInspect: hexIdInspect
    property alias checksumRow: checksumRow
    property alias checksumCaption: checksumCaption
    property alias checksumField: checksumField
    property alias checksumCopy: checksumCopy

    readonly property real columnWidth: root.width < 600 ? root.width * 0.95 : 600

    PageIdentifierText {
        id: heading
        text: qsTr("VERIFY PROGRAMMING DATA")
        autoResizeMargin: 2 * root.scrollBarWidth
    }

    Column {
        id: beaconColumn
        objectName: "beaconColumn"
        anchors.top: heading.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.columnWidth

        QvLabel {
            text: qsTr("BEACON INFO")
            font.bold: true
            font.pointSize: AldmarStyle.jFontSizeNormal
            leftPadding: 10
        }
        Textandparam {
            id: beaconRow
            objectName: "beaconRow"
            width: parent.width
            leadText: qsTr("Beacon / Serial No:")
        }
        Textandparam {
            id: batteryRow
            objectName: "batteryRow"
            width: parent.width
            leadText: qsTr("Battery Expiry:")
        }
    }

    Column {
        id: programmingColumn
        objectName: "programmingColumn"
        anchors.top: beaconColumn.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.columnWidth

        QvLabel {
            text: qsTr("PROGRAMMING INFO")
            font.bold: true
            font.pointSize: AldmarStyle.jFontSizeNormal
            leftPadding: 10
            topPadding: 10
        }
        Textandparam {
            id: protocolRow
            objectName: "protocolRow"
            width: parent.width
            leadText: qsTr("Protocol:")
        }
        Textandparam {
            id: countryRow
            objectName: "countryRow"
            width: parent.width
            leadText: qsTr("Country Code:")
        }
        Textandparam {
            id: identityRow
            objectName: "identityRow"
            width: parent.width
        }
        Textandparam {
            id: deltaRow
            objectName: "deltaRow"
            width: parent.width
            leadText: qsTr("Use Delta Position:")
            visible: false
        }
        Textandparam {
            id: beaconNoRow
            objectName: "beaconNoRow"
            width: parent.width
            leadText: qsTr("Beacon No:")
        }
        Textandparam {
            id: nameRow
            objectName: "nameRow"
            width: parent.width
            leadText: qsTr("Name:")
            hideOnEmptyOrNA: true
        }
        Textandparam {
            id: addressRow
            objectName: "addressRow"
            width: parent.width
            leadText: qsTr("Address:")
            hideOnEmptyOrNA: true
        }
        Textandparam {
            id: telephoneRow
            objectName: "telephoneRow"
            width: parent.width
            leadText: qsTr("Telephone:")
            hideOnEmptyOrNA: true
        }
        Textandparam {
            id: otherRow
            objectName: "otherRow"
            width: parent.width
            leadText: qsTr("Other Info:")
            hideOnEmptyOrNA: true
        }
        Textandparam {
            id: aisRow
            objectName: "aisRow"
            width: parent.width
            leadText: qsTr("AIS User ID:")
            visible: false
        }

        Rectangle {
            id: hexIdRow
            width: parent.width
            height: 40

            QvLabel {
                id: hexIdCaption
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("15 Hex Id:")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }
            QvTextField {
                id: hexIdField
                objectName: "hexIdField"
                anchors.left: hexIdCaption.right
                anchors.leftMargin: 10
                anchors.right: hexIdInspect.left
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                height: 26
                readOnly: true
                selectByMouse: true
                font.pixelSize: 14
                topPadding: 2
                bottomPadding: 2
                leftPadding: 5
                rightPadding: 5
            }
            ToolTipButton {
                id: hexIdCopy
                objectName: "hexIdCopy"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                backgroundImage: "Pictures/copyToClipboard.png"
                text: qsTr("Copy to clipboard")
            }
            ToolTipButton {
                id: hexIdInspect
                objectName: "hexIdInspect"
                anchors.right: hexIdCopy.left
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                backgroundImage: "Pictures/inspect.png"
                text: qsTr("Inspect")
            }
        }

        Rectangle {
            id: checksumRow
            width: parent.width
            height: 40

            QvLabel {
                id: checksumCaption
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Hex ID Checksum:")
                font.pointSize: AldmarStyle.jFontSizeNormal
            }
            QvTextField {
                id: checksumField
                objectName: "checksumField"
                anchors.left: checksumCaption.right
                anchors.leftMargin: 10
                anchors.right: checksumCopy.left
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                height: 26
                readOnly: true
                selectByMouse: true
                font.pixelSize: 14
                topPadding: 2
                bottomPadding: 2
                leftPadding: 5
                rightPadding: 5
            }
            ToolTipButton {
                id: checksumCopy
                objectName: "checksumCopy"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                backgroundImage: "Pictures/copyToClipboard.png"
                text: qsTr("Copy to clipboard")
            }
        }
    }
}
