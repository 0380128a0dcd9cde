import QtQuick
import Quorvik.Backend

LabelingPage_BoxCountryForm {
    id: page
    objectName: "LabelingPage_BoxCountry"

    countryInput.text: ConfigTables.countryName(Datablock.countryCodeNumber)
    countryLabel.source: "image://labelmaker/countrylabel.png?" + encodeURIComponent(countryInput.text)
    countryLabel.onOpenLBXClicked: Datablock.createCountryLabelLBX(countryInput.text)
    countryLabel.onOpenPDFClicked: Datablock.createCountryLabelPDF(countryInput.text)

    Component.onCompleted: console.log("LabelingPage_BoxCountryForm component completed")
}
