import QtQuick

// "Readback": reads the beacon's configuration and shows it on the single-beacon page.
BeaconReadPage {
    objectName: "Main_StartRead"
    logRead: false
}
