import QtQuick
import Quorvik.Backend

LabelingPage_BoxCountryForm {
    id: page
    objectName: "LabelingPage_BoxCountry"

    countryInput.text: view && view.countryName !== undefined ? view.countryName : ConfigTables.countryName(Datablock.countryCodeNumber)
    countryInput.onTextChanged: {
        if (view && view.countryName !== undefined && view.countryName !== countryInput.text)
            view.countryName = countryInput.text
    }
    countryLabel.source: "image://labelmaker/countrylabel.png?" + encodeURIComponent(countryInput.text)
    countryLabel.onOpenLBXClicked: Datablock.createCountryLabelLBX(countryInput.text)
    countryLabel.onOpenPDFClicked: Datablock.createCountryLabelPDF(countryInput.text)

    Component.onCompleted: console.log("LabelingPage_BoxCountryForm component completed")
}
