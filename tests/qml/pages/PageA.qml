import QtQuick

// A stand-in page for the stack tests.
Rectangle {
    objectName: "PageA"
    color: "transparent"
}
