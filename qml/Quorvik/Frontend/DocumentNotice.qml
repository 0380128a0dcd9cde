import QtQuick
import QtQuick.Dialogs
import Quorvik.Backend

// One box for every report and label: a file that could not be written, or a file that
// was saved but that no program on this computer opened, is said, with where it is.
MessageDialog {
    id: notice
    objectName: "documentNotice"

    property string path: ""
    property bool saved: false

    buttons: saved ? (MessageDialogValues.Open | MessageDialogValues.Ok) : MessageDialogValues.Ok

    onButtonClicked: function (button, role) {
        if (button === MessageDialogValues.Open)
            Datablock.openFolderOf(notice.path)
    }

    Connections {
        target: Datablock
        function onDocumentNotOpened(path) {
            notice.path = path
            notice.saved = true
            notice.title = qsTr("No program could open the file")
            notice.text = qsTr("The file was saved to:<br>%1<br><br>No program on this computer opened it. Choose Open to show its folder.<br>&nbsp;").arg(path)
            notice.open()
        }
        function onDocumentNotWritten(path, reason) {
            notice.path = path
            notice.saved = false
            notice.title = qsTr("File not created")
            notice.text = qsTr("Could not write %1:<br>%2<br>&nbsp;").arg(path).arg(reason)
            notice.open()
        }
    }
}
