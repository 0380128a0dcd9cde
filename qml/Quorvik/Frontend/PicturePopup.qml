import QtQuick
import QtQuick.Controls
import Quorvik.Backend

// The enlarged picture beside a radio or check button.
Popup {
    id: popup
    property string source: ""
    objectName: "picturePopup"

    width: 150
    height: 225
    x: -(width + 10)
    y: parent ? (parent.height - height) / 2 : 0
    modal: false
    focus: false
    padding: 0
    closePolicy: QMLProxy.bitOr(Popup.CloseOnEscape, Popup.CloseOnPressOutsideParent)

    background: Rectangle {
        color: AldmarStyle.jColorWhite
        border.color: AldmarStyle.jCheckboxBorderColor
    }

    contentItem: Image {
        source: popup.source
        fillMode: Image.PreserveAspectFit
        autoTransform: true
        mipmap: true
    }
}
