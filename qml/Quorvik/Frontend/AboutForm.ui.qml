import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Quorvik.Backend

Item {
    id: root

    property alias swipeView: idSwipe
    property alias tabBar: idTabBar
    property alias applicationTab: idApplicationTab
    property alias legalTab: idLegalTab
    property alias licenseBox: idLicenseBox
    property alias licenseText: idLicenseText

    SwipeView {
        id: idSwipe
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: idTabBar.top
        clip: true
        currentIndex: idTabBar.currentIndex

        Item {
            id: idApplicationPage

            ColumnLayout {
                anchors.top: parent.top
                anchors.topMargin: 50
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(idApplicationPage.width - 40, 800)
                spacing: 10

                QvText {
                    Layout.alignment: Qt.AlignHCenter
                    font.pointSize: AldmarStyle.jFontSizeHeading
                    text: QMLProxy.app.applicationName
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                QvText {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    font.pointSize: AldmarStyle.jFontSizeSmall
                    text: qsTr("Copyright © Aldmar. Programming utility for Aldmar 406 MHz personal locator beacons; for use by authorised service technicians only.")
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                QvText {
                    objectName: "languagesText"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    font.pointSize: AldmarStyle.jFontSizeSmall
                    text: qsTr("Languages: English, Norsk bokmål, Deutsch (Settings → Options → Language).")
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Item {
                    Layout.preferredHeight: 20
                }
                GridLayout {
                    Layout.alignment: Qt.AlignHCenter
                    columns: 2
                    columnSpacing: 10
                    rowSpacing: 5

                    QvText {
                        Layout.alignment: Qt.AlignRight
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        text: qsTr("Application version :")
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    QvText {
                        objectName: "applicationVersion"
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        text: QMLProxy.applicationVersion
                        Accessible.role: Accessible.StaticText
                        Accessible.name: qsTranslate("AboutForm.ui", "Application version :") + " " + text
                    }
                    QvText {
                        Layout.alignment: Qt.AlignRight
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        text: qsTr("Qt build version :")
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    QvText {
                        objectName: "qtBuildVersion"
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        text: QMLProxy.qtBuildVersion
                        Accessible.role: Accessible.StaticText
                        Accessible.name: qsTranslate("AboutForm.ui", "Qt build version :") + " " + text
                    }
                    QvText {
                        Layout.alignment: Qt.AlignRight
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        text: qsTr("Qt runtime version :")
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    QvText {
                        objectName: "qtRuntimeVersion"
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        text: QMLProxy.qtRuntimeVersion
                        Accessible.role: Accessible.StaticText
                        Accessible.name: qsTranslate("AboutForm.ui", "Qt runtime version :") + " " + text
                    }
                }
            }
        }

        Item {
            id: idLegalPage

            ColumnLayout {
                anchors.fill: parent
                anchors.topMargin: 30
                anchors.leftMargin: 20
                anchors.rightMargin: 20
                anchors.bottomMargin: 10
                spacing: 10

                QvText {
                    Layout.alignment: Qt.AlignHCenter
                    font.pointSize: AldmarStyle.jFontSizeHeading
                    text: qsTr("Third-Party Licenses")
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                QvText {
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    textFormat: Text.StyledText
                    font.pointSize: AldmarStyle.jFontSizeSmall
                    text: qsTranslate("AboutForm.ui", "%1 uses open source components as part of the product.").arg(QMLProxy.app.applicationName) + "<br>"
                          + qsTranslate("AboutForm.ui", "To see their respecitve terms and licenses, select the component from the dropdown below.")
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text.replace("<br>", " ")
                }
                QvComboBox {
                    id: idLicenseBox
                    objectName: "licenseBox"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.minimumWidth: idLegalPage.width * 0.8
                    textRole: "modelData"
                    valueRole: "license"
                    Accessible.role: Accessible.ComboBox
                    Accessible.name: qsTr("Third-Party Licenses")
                    Accessible.description: displayText
                }
                AldmarScrollView {
                    id: idLicenseScroll
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    fadeOnHiddenContent: false

                    QvTextArea {
                        id: idLicenseText
                        objectName: "licenseText"
                        width: idLicenseScroll.width - idLicenseScroll.scrollBarWidth
                        readOnly: true
                        wrapMode: TextEdit.Wrap
                        font.pointSize: AldmarStyle.jFontSizeNormal
                        Accessible.role: Accessible.StaticText
                        Accessible.name: idLicenseBox.displayText
                        Accessible.description: text
                    }
                }
            }
        }
    }

    TabBar {
        id: idTabBar
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        background: Rectangle {
            color: AldmarStyle.jBackgroundColor
        }

        TabButton {
            id: idApplicationTab
            objectName: "applicationTab"
            height: 40
            text: qsTr("Application")
            font.family: AldmarStyle.jFont
            font.pointSize: AldmarStyle.jFontSizeNormal
            background: Rectangle {
                color: idApplicationTab.checked ? AldmarStyle.jButtonColor : AldmarStyle.jButtonUnselectedTextColor
            }
            contentItem: Text {
                text: idApplicationTab.text
                font: idApplicationTab.font
                color: AldmarStyle.jButtonTextColor
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            Accessible.role: Accessible.PageTab
            Accessible.name: text

            FocusFrame { gap: -2 }
        }
        TabButton {
            id: idLegalTab
            objectName: "legalTab"
            height: 40
            text: qsTr("Legal")
            font.family: AldmarStyle.jFont
            font.pointSize: AldmarStyle.jFontSizeNormal
            background: Rectangle {
                color: idLegalTab.checked ? AldmarStyle.jButtonColor : AldmarStyle.jButtonUnselectedTextColor
            }
            contentItem: Text {
                text: idLegalTab.text
                font: idLegalTab.font
                color: AldmarStyle.jButtonTextColor
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            Accessible.role: Accessible.PageTab
            Accessible.name: text

            FocusFrame { gap: -2 }
        }
    }
}
