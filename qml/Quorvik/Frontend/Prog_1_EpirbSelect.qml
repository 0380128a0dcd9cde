import QtQuick
import Quorvik.Backend

// Model choice when the beacon is not read first.
Prog_1_EpirbSelectForm {
    id: page
    objectName: "Prog_1_EpirbSelect"

    heading.text: qsTr("SELECT %1").arg(QMLProxy.applicationVariant)

    modelRepeater.model: ConfigTables.beaconAvailableNo()
    modelRepeater.delegate: QuorvikRadioButton {
        required property int index
        // Newest model first.
        readonly property int beaconId: ConfigTables.beaconIndexToId(ConfigTables.beaconAvailableNo() - 1 - index)
        objectName: "beaconModel_" + beaconId
        width: (page.modelGrid.width - (page.modelGrid.columns - 1) * page.modelGrid.columnSpacing)
               / page.modelGrid.columns
        height: 65
        text: TextResource.beaconName(beaconId)
        displayImage: TextResource.beaconImage(beaconId)
        pictureVisible: true
        usePicturePopup: true
        checked: QMLProxy.configPending.beaconType === beaconId
        Accessible.role: Accessible.RadioButton
        Accessible.name: text
        onClicked: {
            // A new run: nothing of the previous beacon is offered for this one.
            QMLProxy.app.startManualRun(beaconId)
            QuorvikContext.mainView.push("ProgrammingSwipeView.qml")
        }
    }

    Component.onCompleted: console.log("EpirbSelect component completed")
    Component.onDestruction: console.log("Prog_1_EpirbSelect component destroyed")
}
