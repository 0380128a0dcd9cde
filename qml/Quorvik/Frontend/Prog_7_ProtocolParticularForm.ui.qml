import QtQuick

ProgrammingPage {
    id: root

    property alias heading: heading
    property alias caption: caption

    property alias mmsiGroup: mmsiGroup
    property alias mmsiField: mmsiField
    property alias beaconNoField: beaconNoField
    property alias morseMmsi: morseMmsi

    property alias serialGroup: serialGroup
    property alias serialField: serialField
    property alias serialNotice: serialNotice
    property alias serialWarning: serialWarning
    property alias useBeaconSerial: useBeaconSerial
    property alias morseSerial: morseSerial
    property alias tacLabel: tacLabel
    property alias serialError: serialError
    property alias protocolProblem: protocolProblem
    property alias mmsiError: mmsiError
    property alias nationalError: nationalError

    property alias nationalGroup: nationalGroup
    property alias nationalIdField: nationalIdField
    property alias dataUsageLabel: dataUsageLabel
    property alias deltaPosition: deltaPosition
    property alias nationalDataChoice: nationalDataChoice
    property alias nationalDataField: nationalDataField

    readonly property real groupWidth: root.width <= 500 ? root.width * 0.9 : 440

    PageIdentifierText {
        id: heading
        text: qsTr("PROTOCOL DETAILS")
    }

    QvLabel {
        id: caption
        objectName: "protocolCaption"
        anchors.top: heading.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(implicitWidth, root.width - 20)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pointSize: AldmarStyle.jFontSizeLarge
    }

    QvLabel {
        id: protocolProblem
        objectName: "protocolProblem"
        anchors.top: caption.bottom
        anchors.topMargin: visible ? 10 : 0
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.groupWidth
        height: visible ? implicitHeight : 0
        visible: false
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: AldmarStyle.jTextErrorColor
        font.pointSize: AldmarStyle.jFontSizeNormal
    }

    Grid {
        id: mmsiGroup
        objectName: "mmsiGroup"
        anchors.top: protocolProblem.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.groupWidth
        columns: 1
        rowSpacing: 20
        visible: false

        QuorvikTextInput {
            id: mmsiField
            objectName: "mmsiField"
            width: parent.width
            placeholderText: ""
            valueInputMethodHints: Qt.ImhDigitsOnly
        }

        QuorvikTextInput {
            id: beaconNoField
            objectName: "beaconNoField"
            width: parent.width
            placeholderText: ""
            valueInputMethodHints: Qt.ImhDigitsOnly
        }

        QvLabel {
            id: mmsiError
            objectName: "mmsiError"
            width: parent.width
            visible: false
            wrapMode: Text.WordWrap
            color: AldmarStyle.jTextErrorColor
            font.pointSize: AldmarStyle.jFontSizeNormal
        }

        QuorvikCheckButton {
            id: morseMmsi
            objectName: "morseMmsi"
            width: parent.width
            text: qsTr("Morse code on 121.5 MHz")
        }
    }

    Grid {
        id: serialGroup
        objectName: "serialGroup"
        anchors.top: protocolProblem.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.groupWidth
        columns: 1
        rowSpacing: 20
        visible: false

        QuorvikTextInput {
            id: serialField
            objectName: "serialField"
            width: parent.width
            height: 100
            valueInputMethodHints: Qt.ImhDigitsOnly
        }

        QvLabel {
            id: serialNotice
            objectName: "serialNotice"
            width: parent.width
            wrapMode: Text.WordWrap
            font.pointSize: AldmarStyle.jFontSizeSmall
        }

        QvLabel {
            id: serialWarning
            objectName: "serialWarning"
            width: parent.width
            wrapMode: Text.WordWrap
            color: AldmarStyle.jTextErrorColor
            font.pointSize: AldmarStyle.jFontSizeNormal
            text: qsTr("<b>WARNING:</b> Custom protocol serial number is in use but not enabled in options.")
        }

        QuorvikCheckButton {
            id: useBeaconSerial
            objectName: "useBeaconSerial"
            width: parent.width
            height: 50
            text: qsTr("Use Beacon SerialNo")
        }

        QuorvikCheckButton {
            id: morseSerial
            objectName: "morseSerial"
            width: parent.width
            height: 50
            text: qsTr("Morse code on 121.5 MHz")
        }

        QvLabel {
            id: tacLabel
            objectName: "tacLabel"
            width: parent.width
            height: 50
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pointSize: AldmarStyle.jFontSizeNormal
        }

        QvLabel {
            id: serialError
            objectName: "serialError"
            width: parent.width
            wrapMode: Text.WordWrap
            color: AldmarStyle.jTextErrorColor
            font.pointSize: AldmarStyle.jFontSizeNormal
            text: qsTr("ERROR: Serial number input is not valid")
        }
    }

    Grid {
        id: nationalGroup
        objectName: "nationalGroup"
        anchors.top: protocolProblem.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.groupWidth
        columns: 1
        rowSpacing: 20
        visible: false

        QuorvikTextInput {
            id: nationalIdField
            objectName: "nationalIdField"
            width: parent.width
            height: 100
            description: qsTr("National ID Number")
            placeholderText: "0-262143"
            valueInputMethodHints: Qt.ImhDigitsOnly
        }

        QvLabel {
            id: dataUsageLabel
            width: parent.width
            height: 25
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Protected Data Field 2 Usage")
        }

        QuorvikRadioButton {
            id: deltaPosition
            objectName: "deltaPosition"
            width: parent.width
            height: 35
            pictureVisible: false
            text: qsTr("Use delta position")
        }

        QuorvikRadioButton {
            id: nationalDataChoice
            objectName: "nationalDataChoice"
            width: parent.width
            height: 35
            pictureVisible: false
            text: qsTr("Use additional national data")
        }

        QuorvikTextInput {
            id: nationalDataField
            objectName: "nationalDataField"
            width: parent.width
            height: 100
            description: qsTr("National Data")
            valueInputMethodHints: Qt.ImhDigitsOnly
        }

        QvLabel {
            id: nationalError
            objectName: "nationalError"
            width: parent.width
            visible: false
            wrapMode: Text.WordWrap
            color: AldmarStyle.jTextErrorColor
            font.pointSize: AldmarStyle.jFontSizeNormal
        }
    }
}
