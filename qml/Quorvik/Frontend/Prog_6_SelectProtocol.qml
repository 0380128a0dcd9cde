import QtQuick
import Quorvik.Backend

// Coding protocol, from those the country allows and the settings enable.
Prog_6_SelectProtocolForm {
    id: page
    objectName: "Prog_6_SelectProtocol"

    readonly property int country: QMLProxy.configPending.countryCode()
    property int labelPointSize: 16

    protocolRepeater.model: IdentityRules.allowedProtocols(country)
    protocolRepeater.delegate: QuorvikRadioButton {
        required property int protocol
        readonly property int protocolId: protocol
        objectName: "protocol_" + protocolId
        width: page.protocolGrid.width / page.protocolGrid.columns
        text: ConfigTables.protocolName(protocolId, page.country)
        font.pointSize: page.labelPointSize
        pictureVisible: false
        checked: QMLProxy.configPending.protocolId() === protocolId
        Accessible.role: Accessible.RadioButton
        Accessible.name: text
        onClicked: {
            const valid = IdentityRules.isProtocolAllowed(protocolId, page.country)
            // What the previous protocol's fields held goes unless it means the same here.
            if (valid)
                IdentityRules.changeProtocol(QMLProxy.configPending, protocolId)
            page.pageBrowserNavigationVisible(true, valid, true)
        }
    }

    function anyLabelClipped() {
        for (let i = 0; i < protocolRepeater.count; ++i) {
            const button = protocolRepeater.itemAt(i)
            if (button && button.isTextClipping())
                return true
        }
        return false
    }

    // Long protocol names shrink together, never below 12 points.
    function fitLabels() {
        while (labelPointSize > 12 && anyLabelClipped()) {
            labelPointSize -= 1 // every button follows through its binding
            console.log("Resized font to pointSize " + labelPointSize)
        }
    }

    Component.onCompleted: {
        fitLabels()
        const protocol = QMLProxy.configPending.protocolId()
        pageBrowserNavigationVisible(true, IdentityRules.isProtocolAllowed(protocol, country), true)
        console.log("Prog_6 component completed (" + protocol + ")")
    }
}
