import QtQuick
import Quorvik.Backend

// Owner fields; together they must fit the 61 bytes the beacon keeps.
Prog_8_OwnerInfoForm {
    id: page
    objectName: "Prog_8_OwnerInfo"

    readonly property int maxOwnerBytes: 61

    noticeText.Accessible.role: Accessible.StaticText
    noticeText.Accessible.name: noticeText.text
    nameField.Accessible.role: Accessible.EditableText
    nameField.Accessible.name: nameField.description
    addressField.Accessible.role: Accessible.EditableText
    addressField.Accessible.name: addressField.description
    telephoneField.Accessible.role: Accessible.EditableText
    telephoneField.Accessible.name: telephoneField.description
    otherField.Accessible.role: Accessible.EditableText
    otherField.Accessible.name: otherField.description
    lengthError.Accessible.role: Accessible.AlertMessage
    lengthError.Accessible.name: lengthError.text
    additionalInfo.Accessible.role: Accessible.EditableText
    additionalInfo.Accessible.name: additionalCaption.text

    // Trailing empty fields add no separator; an empty field between two filled ones does.
    function joinedOwnerText() {
        const parts = [nameField.text, addressField.text, telephoneField.text, otherField.text]
        while (parts.length > 0 && parts[parts.length - 1].length === 0)
            parts.pop()
        return parts.join(" ")
    }

    function checkLength() {
        const fits = QMLProxy.utf8ByteLength(joinedOwnerText()) <= maxOwnerBytes
        lengthError.visible = !fits
        pageBrowserNavigationVisible(true, fits, true)
        return fits
    }

    // A field refused while the total was too long is kept once another edit makes room,
    // so every field is stored when the check passes: the record never lags behind the page.
    function ownerEdited() {
        if (!checkLength())
            return
        const config = QMLProxy.configPending
        config.setOwnerName(nameField.text)
        config.setOwnerAddress(addressField.text)
        config.setOwnerTelephone(telephoneField.text)
        config.setOwnerOther(otherField.text)
    }

    Connections {
        target: page.nameField.idValue
        function onTextEdited() { page.ownerEdited() }
    }
    Connections {
        target: page.addressField.idValue
        function onTextEdited() { page.ownerEdited() }
    }
    Connections {
        target: page.telephoneField.idValue
        function onTextEdited() { page.ownerEdited() }
    }
    Connections {
        target: page.otherField.idValue
        function onTextEdited() { page.ownerEdited() }
    }

    additionalInfo.onEditingFinished: QMLProxy.configPending.setAdditionalInfo(additionalInfo.text)

    Component.onCompleted: {
        const config = QMLProxy.configPending
        nameField.text = config.ownerName()
        addressField.text = config.ownerAddress()
        telephoneField.text = config.ownerTelephone()
        otherField.text = config.ownerOther()
        additionalInfo.text = config.additionalInfo()
        for (const field of [nameField, addressField, telephoneField, otherField])
            field.idValue.maximumLength = 60
        checkLength()
    }

    Component.onDestruction: QMLProxy.configPending.setAdditionalInfo(additionalInfo.text)
}
