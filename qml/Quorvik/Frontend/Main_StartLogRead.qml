import QtQuick

// "Log": reads the beacon's boot log and shows it on the boot-log page.
BeaconReadPage {
    objectName: "Main_StartLogRead"
    logRead: true
}
