import QtQuick
import QtQuick.Controls
import QtQuick.Shapes

ComboBox {
    id: box
    font.family: AldmarStyle.jFont
    font.pointSize: AldmarStyle.jFontSizeNormal
    implicitHeight: implicitContentHeight
    topInset: 0
    bottomInset: 0
    topPadding: 0
    bottomPadding: 0
    leftPadding: 12
    rightPadding: indicator.width + spacing

    Accessible.name: displayText
    Accessible.onPressAction: if (enabled) popup.open()

    FocusFrame {}

    contentItem: Text {
        text: box.displayText
        font: box.font
        color: box.enabled ? AldmarStyle.jTextColor : AldmarStyle.jTextDisabledColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        topPadding: 8
        bottomPadding: 8
        Accessible.ignored: true
    }

    background: Rectangle {
        implicitWidth: 120
        color: box.enabled ? AldmarStyle.jComboboxBackgroundColor : AldmarStyle.jComboboxDisabledBackgroundColor
        border.color: AldmarStyle.jComboboxBorderColor
        border.width: 1
    }

    indicator: Item {
        objectName: "comboIndicator"
        visible: box.count > 1
        width: box.height / 2
        height: width
        x: box.width - width - 2
        y: (box.height - height) / 2

        Shape {
            anchors.fill: parent
            ShapePath {
                strokeWidth: 0
                strokeColor: "transparent"
                fillColor: box.enabled ? AldmarStyle.jTableHeaderTextColor : AldmarStyle.jTextInputDisabledBorderColor
                startX: 0
                startY: 0
                PathLine { x: box.indicator.width; y: 0 }
                PathLine { x: box.indicator.width / 2; y: box.indicator.height }
                PathLine { x: 0; y: 0 }
            }
        }
    }

    delegate: ItemDelegate {
        id: entry
        required property int index
        required property var modelData
        required property var model
        width: box.width
        highlighted: box.highlightedIndex === entry.index
        text: box.textRole ? (Array.isArray(box.model) ? entry.modelData[box.textRole] : entry.model[box.textRole])
                            : entry.modelData
        font: box.font
        contentItem: Text {
            text: entry.text
            font: entry.font
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            color: entry.highlighted ? AldmarStyle.jComboboxSelectedTextColor : AldmarStyle.jTextColor
        }
        background: Rectangle {
            color: entry.highlighted ? AldmarStyle.jComboboxSelectedBackgroundColor : AldmarStyle.jComboboxBackgroundColor
            border.color: AldmarStyle.jComboboxBorderColor
            border.width: 1
        }
    }
}
