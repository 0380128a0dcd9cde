pragma Singleton
import QtQuick
import Quorvik.Backend

// Model names and pictures by beacon type (ConfigTables.e_beaconTypes).
QtObject {
    readonly property var names: ["Skua 11", "Skua 12", "Skua 12X", "Skua 11G", "Skua R-CAP", "Skua 21",
        "Skua 21G", "Skua 31", "Skua 31G", "Skua 11R", "Skua 11A", "Skua 11R A", "Skua 31A", "Skua P5",
        "Undefined"]
    readonly property var images: ["Pictures/SK21.png", "Pictures/SK12.png", "Pictures/SK12X_2.png",
        "Pictures/SK21.png", "Pictures/RCAP.png", "Pictures/SK21.png", "Pictures/SK21.png",
        "Pictures/SK31_SK31G_Manual.png", "Pictures/SK31_SK31G_Manual.png", "Pictures/SK11R.png",
        "Pictures/SK11A.png", "Pictures/SK11R_A.png", "Pictures/SK31A.png", "Pictures/SKP5.webp"]

    function beaconName(n) {
        return n >= 0 && n < names.length ? names[n] : names[names.length - 1]
    }

    function beaconImage(n) {
        return n >= 0 && n < images.length ? images[n] : images[0]
    }

    function beaconTransferDesktopImage(n) {
        switch (n) {
        case ConfigTables.E_Skua11A:
        case ConfigTables.E_Skua11RA:
        case ConfigTables.E_Skua11R:
        case ConfigTables.E_Skua21G:
        case ConfigTables.E_Skua21:
        case ConfigTables.E_Skua11G:
            return "Pictures/SK11_Program.png"
        case ConfigTables.E_Skua31A:
        case ConfigTables.E_Skua31G:
        case ConfigTables.E_Skua31:
            return "Pictures/SK31_SK31G_Program.png"
        case ConfigTables.E_SkuaP5:
            return "Pictures/SKP5_Program.webp"
        default:
            return beaconImage(n)
        }
    }
}
