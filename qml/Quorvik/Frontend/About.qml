import QtQuick
import Quorvik.Backend

AboutForm {
    id: page
    objectName: "About"

    // Every read of the property makes a new model: take one and keep it.
    readonly property var licenses: ConfigTables.ossLicenseList

    licenseBox.model: licenses
    licenseText.text: licenseBox.currentValue !== undefined ? licenseBox.currentValue : ""
    swipeView.onCurrentIndexChanged: tabBar.currentIndex = swipeView.currentIndex
}
