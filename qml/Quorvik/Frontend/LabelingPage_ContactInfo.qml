import QtQuick
import Quorvik.Backend

LabelingPage_ContactInfoForm {
    id: page
    objectName: "LabelingPage_ContactInfo"

    contactText.text: ConfigTables.defaultContactInfo
    // The provider decodes the query; encoding keeps '#', '?' and line breaks in the text.
    contactLabel.source: "image://labelmaker/contactlabel.png?" + encodeURIComponent(contactText.text)
    contactLabel.onOpenLBXClicked: QMLProxy.createContactLabelLBX(contactText.text)
    contactLabel.onOpenPDFClicked: QMLProxy.createContactLabelPDF(contactText.text)

    Component.onCompleted: console.log("LabelingPage_ContactInfoForm component completed")
}
