import QtQuick

Item {
    id: root

    property alias heading: heading
    property alias modelName: modelName
    property alias serialRow: serialRow
    property alias tacRow: tacRow
    property alias countryRow: countryRow
    property alias batteryRow: batteryRow
    property alias protocolRow: protocolRow
    property alias beaconPicture: beaconPicture
    property alias progressBar: progressBar
    property alias closeButton: closeButton
    property alias planCounts: planCounts
    property alias lastResult: lastResult
    property alias planTable: planTable

    AldmarScrollView {
        anchors.fill: parent

        PageIdentifierText {
            id: heading
            text: qsTr("PRODUCTION PROGRAMMING")
        }

        QvLabel {
            id: modelName
            objectName: "productionModel"
            anchors.top: heading.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            height: 37
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 20
        }

        QvLabel {
            id: planCounts
            objectName: "productionPlanCounts"
            anchors.top: modelName.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: 700
            height: 0
            visible: false
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: AldmarStyle.jFontSizeNormal
            font.bold: true
        }

        Grid {
            id: detailGrid
            anchors.top: planCounts.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: 700
            columns: 2
            columnSpacing: 0

            Textandparam {
                id: serialRow
                objectName: "productionSerial"
                width: detailGrid.width / 2
                leadText: qsTr("Serial no:")
            }
            Textandparam {
                id: tacRow
                objectName: "productionTac"
                width: detailGrid.width / 2
                leadText: qsTr("TAC no:")
            }
            Textandparam {
                id: countryRow
                objectName: "productionCountry"
                width: detailGrid.width / 2
                leadText: qsTr("Country Code:")
            }
            Textandparam {
                id: batteryRow
                objectName: "productionBattery"
                width: detailGrid.width / 2
                leadText: qsTr("Battery Expiry:")
            }
            Textandparam {
                id: protocolRow
                objectName: "productionProtocol"
                width: detailGrid.width / 2
                elideValueText: Text.ElideRight
                leadText: qsTr("Protocol:")
            }
        }

        Image {
            id: beaconPicture
            anchors.top: detailGrid.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            width: 233
            height: 350
            fillMode: Image.PreserveAspectFit
            Accessible.role: Accessible.Graphic
        }

        // The plan, one row per beacon; shown only for a run from a plan.
        AldmarTableView {
            id: planTable
            objectName: "productionPlanTable"
            anchors.top: beaconPicture.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: 0
            height: 0
            visible: false
            allowSorting: false
            selectionMode: AldmarTableView.NoSelection
            tooltipOnPress: true
        }

        TransferProgressBar {
            id: progressBar
            objectName: "productionProgress"
            anchors.top: planTable.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            trackColor: AldmarStyle.jBackgroundColor
        }

        QvLabel {
            id: lastResult
            objectName: "productionLastResult"
            anchors.top: progressBar.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: 700
            visible: false
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }

        QvButton {
            id: closeButton
            objectName: "closeAppButton"
            anchors.top: lastResult.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Close App")
        }
    }
}
