import QtQuick
import Quorvik.Frontend

// One beacon's configuration: identity, battery, run-time and programming groups,
// additional information, and the report, labelling and remove buttons.
Item {
    id: root

    property alias scrollView: scrollView
    property alias heading: heading
    property alias detailsGrid: detailsGrid
    property alias firstColumn: firstColumn
    property alias secondColumn: secondColumn

    property alias beaconGroup: beaconGroup
    property alias serialRow: serialRow
    property alias aisRow: aisRow
    property alias batteryGroup: batteryGroup
    property alias batteryExpiryRow: batteryExpiryRow
    property alias batteryTypeRow: batteryTypeRow
    property alias runtimeSpacer: runtimeSpacer
    property alias runtimeGroup: runtimeGroup
    property alias lastTestRow: lastTestRow
    property alias activeTimeRow: activeTimeRow
    property alias selfTestsRow: selfTestsRow
    property alias gnssTestsRow: gnssTestsRow
    property alias programmingGroup: programmingGroup
    property alias progDateRow: progDateRow
    property alias protocolRow: protocolRow
    property alias categoryRow: categoryRow
    property alias countryRow: countryRow
    property alias identityRow: identityRow
    property alias flexibleRow: flexibleRow
    property alias additionalDataRow: additionalDataRow
    property alias nameRow: nameRow
    property alias addressRow: addressRow
    property alias telephoneRow: telephoneRow
    property alias otherRow: otherRow
    property alias duplicateReasonRow: duplicateReasonRow
    property alias hexIdRow: hexIdRow
    property alias hexIdField: hexIdField
    property alias hexIdCopyButton: hexIdCopyButton
    property alias hexIdInspectButton: hexIdInspectButton
    property alias brokenMessageNote: brokenMessageNote
    property alias brokenMessageText: brokenMessageText
    property alias brokenMessageInspect: brokenMessageInspect
    property alias checksumRow: checksumRow
    property alias checksumField: checksumField
    property alias checksumCopyButton: checksumCopyButton
    property alias addInfoArea: addInfoArea

    property alias buttonRow: buttonRow
    property alias backButton: backButton
    property alias reportButton: reportButton
    property alias labelingButton: labelingButton
    property alias deleteButton: deleteButton

    AldmarScrollView {
        id: scrollView
        objectName: "singleScrollView"
        anchors.top: parent.top
        anchors.bottom: separator.top
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.width <= 910 ? root.width - 10 : 900

        PageIdentifierText {
            id: heading
            objectName: "singleHeading"
            Accessible.role: Accessible.Heading
            Accessible.name: heading.text
        }

        Row {
            id: brokenMessageNote
            objectName: "brokenMessageNote"
            anchors.top: heading.bottom
            // Hidden, it takes no room: the details stay 10 below the heading.
            anchors.topMargin: visible ? 10 : 0
            anchors.left: parent.left
            anchors.leftMargin: 10
            spacing: 20
            visible: false
            height: visible ? implicitHeight : 0
            QvText {
                id: brokenMessageText
                objectName: "brokenMessageText"
                text: qsTr("The message stored in this beacon fails its check: reprogram it")
                color: AldmarStyle.jTextErrorColor
                font.pointSize: AldmarStyle.jFontSizeNormal
                font.bold: true
                anchors.verticalCenter: parent.verticalCenter
                Accessible.role: Accessible.AlertMessage
                Accessible.name: brokenMessageText.text
            }
            QvButton {
                id: brokenMessageInspect
                objectName: "brokenMessageInspect"
                text: qsTr("Inspect the message")
                image: "Pictures/inspect.png"
                height: 32
                Accessible.role: Accessible.Button
                Accessible.name: brokenMessageInspect.text
            }
        }

        Grid {
            id: detailsGrid
            anchors.top: brokenMessageNote.bottom
            anchors.topMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            columns: scrollView.width > scrollView.height ? 2 : 1
            columnSpacing: 20
            rowSpacing: 20

            Column {
                id: firstColumn
                width: detailsGrid.columns > 1 ? (detailsGrid.width - detailsGrid.columnSpacing) / 2 : detailsGrid.width

                Column {
                    id: beaconGroup
                    width: parent.width
                    QvText {
                        text: qsTr("BEACON INFO")
                        font.bold: true
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        leftPadding: 10
                        bottomPadding: 5
                        Accessible.role: Accessible.Heading
                        Accessible.name: text
                    }
                    Textandparam { id: serialRow; objectName: "serialRow"; width: parent.width; leadText: qsTr("Serial no:") }
                    Textandparam { id: aisRow; objectName: "aisRow"; width: parent.width; leadText: qsTr("AIS User ID:") }
                }

                QvGroupSpacer { width: parent.width; height: 20 }

                Column {
                    id: batteryGroup
                    width: parent.width
                    Textandparam { id: batteryExpiryRow; objectName: "batteryExpiryRow"; width: parent.width; leadText: qsTr("Battery Expiry:") }
                    Textandparam { id: batteryTypeRow; objectName: "batteryTypeRow"; width: parent.width; leadText: qsTr("Battery Type:") }
                }

                QvGroupSpacer { id: runtimeSpacer; width: parent.width; height: 20 }

                Column {
                    id: runtimeGroup
                    objectName: "runtimeGroup"
                    width: parent.width
                    Textandparam { id: lastTestRow; objectName: "lastTestRow"; width: parent.width; leadText: qsTr("Last Test Result:") }
                    Textandparam { id: activeTimeRow; objectName: "activeTimeRow"; width: parent.width; leadText: qsTr("Time activated:") }
                    Textandparam { id: selfTestsRow; objectName: "selfTestsRow"; width: parent.width; leadText: qsTr("No of Self Tests performed:") }
                    Textandparam { id: gnssTestsRow; objectName: "gnssTestsRow"; width: parent.width; leadText: qsTr("No of Extended<br>Self Tests performed:") }
                }

                QvGroupSpacer { width: parent.width; height: 20 }

                Column {
                    id: programmingGroup
                    width: parent.width
                    QvText {
                        text: qsTr("PROGRAMMING INFO")
                        font.bold: true
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        leftPadding: 10
                        bottomPadding: 5
                        Accessible.role: Accessible.Heading
                        Accessible.name: text
                    }
                    Textandparam { id: progDateRow; objectName: "progDateRow"; width: parent.width; leadText: qsTr("Programmed:") }
                    Textandparam { id: protocolRow; objectName: "protocolRow"; width: parent.width; leadText: qsTr("Protocol:") }
                    Textandparam { id: categoryRow; objectName: "categoryRow"; width: parent.width; leadText: qsTr("Category:") }
                    Textandparam { id: countryRow; objectName: "countryRow"; width: parent.width; leadText: qsTr("Country:") }
                    Textandparam { id: identityRow; objectName: "identityRow"; width: parent.width }
                    Textandparam { id: flexibleRow; objectName: "flexibleRow"; width: parent.width }
                    Textandparam { id: additionalDataRow; objectName: "additionalDataRow"; width: parent.width; leadText: qsTr("Additional data"); visible: false }
                    Textandparam { id: nameRow; objectName: "nameRow"; width: parent.width; leadText: qsTr("Name:"); hideOnEmptyOrNA: true }
                    Textandparam { id: addressRow; objectName: "addressRow"; width: parent.width; leadText: qsTr("Address:"); hideOnEmptyOrNA: true }
                    Textandparam { id: telephoneRow; objectName: "telephoneRow"; width: parent.width; leadText: qsTr("Telephone:"); hideOnEmptyOrNA: true }
                    Textandparam { id: otherRow; objectName: "otherRow"; width: parent.width; leadText: qsTr("Other Info:"); hideOnEmptyOrNA: true }
                    Textandparam { id: duplicateReasonRow; objectName: "duplicateReasonRow"; width: parent.width; leadText: qsTr("Duplicate ID reason:"); hideOnEmptyOrNA: true }

                    Rectangle {
                        id: hexIdRow
                        width: parent.width
                        height: 40
                        QvText {
                            id: hexIdCaption
                            text: qsTr("15 Hex Id:")
                            width: hexIdRow.width * 0.4 - 10
                            x: 10
                            anchors.verticalCenter: parent.verticalCenter
                            font.pointSize: AldmarStyle.jFontSizeNormal
                        }
                        QvTextField {
                            id: hexIdField
                            objectName: "hexIdField"
                            readOnly: true
                            selectByMouse: true
                            height: 26
                            font.pixelSize: 14
                            anchors.left: hexIdCaption.right
                            anchors.right: hexIdInspectButton.left
                            anchors.rightMargin: 5
                            anchors.verticalCenter: parent.verticalCenter
                            Accessible.role: Accessible.EditableText
                            Accessible.name: hexIdCaption.text
                            Accessible.readOnly: true
                        }
                        ToolTipButton {
                            id: hexIdCopyButton
                            objectName: "hexIdCopyButton"
                            backgroundImage: "Pictures/copyToClipboard.png"
                            text: qsTr("Copy to clipboard")
                            width: 26
                            height: 26
                            anchors.right: parent.right
                            anchors.rightMargin: 10
                            anchors.verticalCenter: parent.verticalCenter
                            Accessible.role: Accessible.Button
                            Accessible.name: qsTr("Copy 15 Hex Id to clipboard")
                        }
                        ToolTipButton {
                            id: hexIdInspectButton
                            objectName: "hexIdInspectButton"
                            backgroundImage: "Pictures/inspect.png"
                            text: qsTr("Inspect")
                            width: 26
                            height: 26
                            anchors.right: hexIdCopyButton.left
                            anchors.rightMargin: 5
                            anchors.verticalCenter: parent.verticalCenter
                            Accessible.role: Accessible.Button
                            Accessible.name: qsTr("Inspect the 15 Hex Id")
                        }
                    }

                    Rectangle {
                        id: checksumRow
                        width: parent.width
                        height: 40
                        QvText {
                            id: checksumCaption
                            text: qsTr("Hex Id Checksum:")
                            width: checksumRow.width * 0.4 - 10
                            x: 10
                            anchors.verticalCenter: parent.verticalCenter
                            font.pointSize: AldmarStyle.jFontSizeNormal
                        }
                        QvTextField {
                            id: checksumField
                            objectName: "checksumField"
                            readOnly: true
                            selectByMouse: true
                            height: 26
                            font.pixelSize: 14
                            anchors.left: checksumCaption.right
                            anchors.right: checksumCopyButton.left
                            anchors.rightMargin: 5
                            anchors.verticalCenter: parent.verticalCenter
                            Accessible.role: Accessible.EditableText
                            Accessible.name: checksumCaption.text
                            Accessible.readOnly: true
                        }
                        ToolTipButton {
                            id: checksumCopyButton
                            objectName: "checksumCopyButton"
                            backgroundImage: "Pictures/copyToClipboard.png"
                            text: qsTr("Copy to clipboard")
                            width: 26
                            height: 26
                            anchors.right: parent.right
                            anchors.rightMargin: 10
                            anchors.verticalCenter: parent.verticalCenter
                            Accessible.role: Accessible.Button
                            Accessible.name: qsTr("Copy Hex Id Checksum to clipboard")
                        }
                    }
                }
            }

            Column {
                id: secondColumn
                width: firstColumn.width
                spacing: 10
                QvText {
                    text: qsTr("ADDITIONAL INFO")
                    font.bold: true
                    font.pointSize: AldmarStyle.jFontSizeNormal
                    leftPadding: 10
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                QvTextArea {
                    id: addInfoArea
                    objectName: "addInfoArea"
                    width: parent.width
                    height: 240
                    font.pointSize: AldmarStyle.jFontSizeNormal
                    wrapMode: TextEdit.Wrap
                    Accessible.role: Accessible.EditableText
                    Accessible.name: qsTr("Additional info")
                }
            }
        }
    }

    Rectangle {
        id: separator
        height: 1
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: buttonRow.top
        anchors.bottomMargin: 10
        color: AldmarStyle.jTextColor
    }

    Item {
        id: buttonRow
        height: 32
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10

        QvButton {
            id: backButton
            objectName: "backButton"
            text: qsTr("Back")
            imageOnly: true
            imageOnlySource: "Pictures/symbol-arrow-back2.png"
            height: 32 * 0.8
            width: height
            anchors.left: parent.left
            anchors.leftMargin: 40
            anchors.verticalCenter: parent.verticalCenter
        }
        Row {
            id: actionButtons
            spacing: 20
            anchors.left: backButton.visible ? backButton.right : parent.left
            anchors.leftMargin: 40
            anchors.verticalCenter: parent.verticalCenter
            QvButton {
                id: reportButton
                objectName: "makeReportButton"
                text: qsTr("Make Report")
                image: "Pictures/pdf.png"
                height: 32
            }
            QvButton {
                id: labelingButton
                objectName: "labelingGuideButton"
                text: qsTr("Labeling Guide")
                height: 32
            }
        }
        QvButton {
            id: deleteButton
            objectName: "removeButton"
            text: qsTr("Remove Report")
            tooltip: qsTr("Remove Report")
            imageOnly: true
            imageOnlySource: "Pictures/delete_bin_orange.png"
            width: 32
            height: 32
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
