import QtQuick

// A stand-in page for the stack tests.
Rectangle {
    objectName: "PageC"
    color: "transparent"
}
