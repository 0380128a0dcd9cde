import QtQuick
import Quorvik.Frontend

// A wizard page stand-in that says which page it is.
ProgrammingPage {
    id: page
    objectName: "wizardPage"
    property string pageName: "?"
    Component.onCompleted: console.log("wizard page created with view", view !== null)

    QvLabel {
        objectName: "wizardPageLabel"
        text: "page"
    }
}
