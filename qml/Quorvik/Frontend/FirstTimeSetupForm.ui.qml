import QtQuick
import QtQuick.Layouts
import Quorvik.Backend

AldmarScrollView {
    id: root

    property alias heading: idHeading
    property alias operatorField: idOperator
    property alias stationField: idStation
    property alias dealerField: idDealer
    property alias operatorHint: idOperatorHint
    property alias stationHint: idStationHint
    property alias dealerHint: idDealerHint
    property alias continueButton: idContinue

    QvText {
        id: idHeading
        anchors.top: parent.top
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        font.pointSize: AldmarStyle.jFontSizeHeading
        text: qsTranslate("FirstTimeSetupForm.ui", "Welcome to %1").arg(QMLProxy.app.applicationName)
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    GridLayout {
        id: idGrid
        anchors.top: idHeading.bottom
        anchors.topMargin: 50
        anchors.horizontalCenter: parent.horizontalCenter
        columns: 2
        columnSpacing: 50
        rowSpacing: 5

        QvText {
            Layout.columnSpan: 2
            font.pointSize: AldmarStyle.jFontSizeNormal
            textFormat: Text.StyledText
            text: qsTranslate("FirstTimeSetupForm.ui", "Please fill in information about your self below.") + "<br>"
                  + qsTranslate("FirstTimeSetupForm.ui", "This will be printed on programming reports.")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        Item {
            Layout.columnSpan: 2
            Layout.preferredHeight: 75
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Operator Name:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvTextField {
            id: idOperator
            objectName: "operatorField"
            Layout.preferredWidth: 200
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Operator Name:")
        }

        Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
        QvLabel {
            id: idOperatorHint
            objectName: "operatorHint"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Prog Station:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvTextField {
            id: idStation
            objectName: "stationField"
            Layout.preferredWidth: 200
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Prog Station:")
        }

        Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
        QvLabel {
            id: idStationHint
            objectName: "stationHint"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
        }

        QvText {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            text: qsTr("Dealer No:")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        QvTextField {
            id: idDealer
            objectName: "dealerField"
            Layout.preferredWidth: 200
            font.pointSize: AldmarStyle.jFontSizeNormal
            font.bold: true
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Dealer No:")
        }

        Item { Layout.preferredWidth: 1; Layout.preferredHeight: 1 }
        QvLabel {
            id: idDealerHint
            objectName: "dealerHint"
            font.pointSize: AldmarStyle.jFontSizeSmall
            Accessible.role: Accessible.StaticText
        }

        Item {
            Layout.columnSpan: 2
            Layout.preferredHeight: 125
        }

        QvText {
            Layout.columnSpan: 2
            font.pointSize: AldmarStyle.jFontSizeNormal
            text: qsTr("These settings can be changed from the options screen later.")
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        Item {
            Layout.columnSpan: 2
            Layout.preferredHeight: 50
        }

        QvButton {
            id: idContinue
            objectName: "continueButton"
            Layout.columnSpan: 2
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Continue")
            Accessible.role: Accessible.Button
            Accessible.name: text
        }
    }
}
