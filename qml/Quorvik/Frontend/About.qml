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

    // The tabs answer a press from assistive technology as they answer a click.
    Component.onCompleted: {
        for (let i = 0; i < tabBar.count; ++i) {
            const tab = tabBar.itemAt(i)
            tab.Accessible.pressAction.connect(function () { tabBar.currentIndex = tab.TabBar.index })
        }
    }
}
