import QtQuick

AldmarStackItem {
    id: root

    property alias heading: heading
    property alias modelGrid: modelGrid
    property alias modelRepeater: modelRepeater

    AldmarScrollView {
        id: scrollView
        anchors.fill: parent

        PageIdentifierText {
            id: heading
            text: "SELECT"
        }

        Grid {
            id: modelGrid
            anchors.top: heading.bottom
            anchors.topMargin: 30
            anchors.horizontalCenter: parent.horizontalCenter
            width: root.width > 900 ? 800 : root.width * 0.9
            columns: root.width > root.height ? 2 : 1
            rows: Math.ceil(modelRepeater.count / columns)
            flow: Grid.TopToBottom
            columnSpacing: 50
            rowSpacing: 20

            Repeater {
                id: modelRepeater
            }
        }
    }
}
