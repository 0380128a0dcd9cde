import QtQuick
import QtQuick.Window
import Quorvik.Backend

ProtocolConfigForm {
    id: page
    objectName: "ProtocolConfig"

    readonly property int columnCount: Window.width > Window.height ? 2 : 1
    readonly property int shownCount: {
        let n = 0
        for (let i = 0; i < ConfigTables.maxNoProtocolsAvailable(); ++i) {
            if (!ConfigTables.isProtocolHidden(i))
                ++n
        }
        return n
    }

    // Filled column by column: the row count decides the columns.
    grid.rows: Math.max(1, Math.ceil(shownCount / columnCount))

    protocolRepeater.model: ConfigTables.maxNoProtocolsAvailable()
    protocolRepeater.delegate: QuorvikCheckButton {
        id: protocolButton
        required property int index
        objectName: "protocol_" + index
        width: (page.grid.width - page.grid.columnSpacing * (page.columnCount - 1)) / page.columnCount
        height: 45
        font.pointSize: AldmarStyle.jFontSizeNormal - 1
        text: ConfigTables.protocolName(index, 0)
        checked: ConfigTables.protocolAvailable(index)
        visible: !ConfigTables.isProtocolHidden(index)
        onClicked: {
            // The last ticked protocol stays: without one the wizard has nothing to offer.
            if (!protocolButton.checked && ConfigTables.shownProtocolsEnabled() <= 1) {
                protocolButton.checked = true
                page.keepOneNotice.visible = true
                return
            }
            page.keepOneNotice.visible = false
            ConfigTables.setProtocolAvailable(protocolButton.index, protocolButton.checked)
        }
        Accessible.role: Accessible.CheckBox
        Accessible.name: protocolButton.text
    }

    Component.onDestruction: ConfigTables.setPersistentData()
}
