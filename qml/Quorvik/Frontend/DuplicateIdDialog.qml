import QtQuick
import Quorvik.Backend

// Shown when the controller stops a write because another beacon carries the hex ID, or
// because the shared register could not say whether one does:
// Cancel writes nothing; Program anyway needs a reason and goes on with the write.
DuplicateIdDialogForm {
    id: dialog
    objectName: "duplicateIdDialog"

    signal cancelled()
    signal programmed()

    readonly property bool reasonGiven: reasonField.text.trim().length > 0

    heading.text: QMLProxy.app.duplicateUnchecked ? qsTr("Hex ID not checked") : qsTr("Hex ID already in use")
    intro.text: QMLProxy.app.duplicateUnchecked
                ? qsTr("Hex ID %1 could not be checked against the other stations:").arg(QMLProxy.app.duplicateHexId)
                : qsTr("Hex ID %1 is already carried by:").arg(QMLProxy.app.duplicateHexId)
    holderRepeater.model: QMLProxy.app.duplicateHolders
    programButton.enabled: reasonGiven
    programButton.tooltip: reasonGiven ? "" : qsTr("Give a reason first")

    onOpened: {
        reasonField.text = ""
        reasonField.forceActiveFocus()
    }

    // The page hears of the answer before the controller's writeFailed reaches it.
    cancelButton.onClicked: {
        dialog.close()
        dialog.cancelled()
        QMLProxy.app.cancelDuplicateWrite()
    }
    programButton.onClicked: {
        if (!dialog.reasonGiven)
            return
        const reason = reasonField.text
        dialog.close()
        dialog.programmed()
        QMLProxy.app.programAnyway(reason)
    }
    reasonField.onAccepted: programButton.activate()
    Shortcut {
        sequence: "Escape"
        enabled: dialog.opened
        onActivated: dialog.cancelButton.activate()
    }
}
