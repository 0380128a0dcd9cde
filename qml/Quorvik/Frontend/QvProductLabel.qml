import QtQuick

// Label preview (rendered anew for every URL) with its document buttons.
QvProductLabelForm {
    id: label
    signal openLBXClicked()
    signal openPDFClicked()
    signal printClicked()

    Connections {
        target: label.lbxButton
        function onClicked() { label.openLBXClicked() }
    }
    Connections {
        target: label.pdfButton
        function onClicked() { label.openPDFClicked() }
    }
    Connections {
        target: label.printButton
        function onClicked() { label.printClicked() }
    }
}
