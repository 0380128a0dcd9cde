import QtQuick
import QtQuick.Controls
import Quorvik.Backend

CheckBox {
    id: control
    property bool usePicturePopup: false
    property bool pictureVisible: false
    property string displayImage: ""
    signal pictureEntered()
    signal pictureExited()

    function isTextClipping() {
        return contentItem.contentWidth > indicator.x
    }

    checked: false
    tristate: false
    implicitHeight: 60
    implicitWidth: contentItem.implicitWidth + indicator.implicitWidth + 10
    font.family: AldmarStyle.jFont
    font.pointSize: AldmarStyle.jFontSizeNormal
    hoverEnabled: true
    Accessible.name: QMLProxy.plainText(text)

    FocusFrame {}
    leftPadding: 0
    rightPadding: indicator.width + 10

    indicator: Rectangle {
        implicitWidth: 26
        implicitHeight: 26
        x: control.width - width - 10
        y: (control.height - height) / 2
        color: control.checked ? AldmarStyle.jCheckboxBorderColor : "transparent"
        border.color: AldmarStyle.jCheckboxBorderColor
        border.width: 1

        Image {
            anchors.centerIn: parent
            width: 24
            height: 24
            visible: control.checked
            source: "Pictures/checkmark_24.png"
        }
    }

    contentItem: QvImageText {
        text: control.text
        font: control.font
        displayImage: control.displayImage
        pictureVisible: control.pictureVisible
        Accessible.ignored: true
        onPictureEntered: {
            control.pictureEntered()
            if (control.pictureVisible && control.usePicturePopup)
                picturePopup.open()
        }
        onPictureExited: {
            control.pictureExited()
            picturePopup.close()
        }
    }

    background: Rectangle {
        color: AldmarStyle.jCheckboxBackgroundColor
        border.color: AldmarStyle.jCheckboxBorderColor
        border.width: control.checked ? 1 : 0
    }

    PicturePopup {
        id: picturePopup
        source: control.displayImage
    }
}
