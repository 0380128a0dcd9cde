import QtQuick
import Quorvik.Backend

LabelingPage_ContactInfoForm {
    id: page
    objectName: "LabelingPage_ContactInfo"

    readonly property bool hasText: contactText.text.trim().length > 0

    // The guide keeps the text while its pages come and go; on its own the page starts
    // from the default contact information.
    contactText.text: view && view.contactText !== undefined ? view.contactText : ConfigTables.defaultContactInfo
    contactText.onTextChanged: {
        if (view && view.contactText !== undefined && view.contactText !== contactText.text)
            view.contactText = contactText.text
    }
    // An empty label is not made: the buttons wait for a text, and the page says so.
    contactLabel.lbxButton.enabled: hasText
    contactLabel.pdfButton.enabled: hasText
    emptyNotice.visible: !hasText
    // The provider decodes the query; encoding keeps '#', '?' and line breaks in the text.
    contactLabel.source: "image://labelmaker/contactlabel.png?" + encodeURIComponent(contactText.text)
    contactLabel.onOpenLBXClicked: QMLProxy.createContactLabelLBX(contactText.text)
    contactLabel.onOpenPDFClicked: QMLProxy.createContactLabelPDF(contactText.text)

    Component.onCompleted: console.log("LabelingPage_ContactInfoForm component completed")
}
