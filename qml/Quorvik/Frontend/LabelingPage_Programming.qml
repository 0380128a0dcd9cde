import QtQuick
import Quorvik.Backend

LabelingPage_ProgrammingForm {
    id: page
    objectName: "LabelingPage_Programming"

    programmingLabel.onOpenLBXClicked: Datablock.createProgrammingLabelLBX()
    programmingLabel.onOpenPDFClicked: Datablock.createProgrammingLabelPDF()

    Component.onCompleted: console.log("LabelingPage_ProgrammingForm component completed")
}
