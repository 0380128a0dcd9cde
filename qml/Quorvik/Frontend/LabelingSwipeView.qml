import QtQuick
import Quorvik.Backend

ProgrammingSwipeView {
    id: guide
    objectName: "LabelingSwipeView"

    // Where to go when the guide is left; empty returns to the page below.
    property string exitPageUrl: ""
    // What the technician typed on the contact and country pages, kept while the
    // pages are swiped away and back.
    property string contactText: ConfigTables.defaultContactInfo
    property string countryName: ConfigTables.countryName(Datablock.countryCodeNumber)

    function leave() {
        if (exitPageUrl.length === 0)
            QuorvikContext.mainView.pop()
        else
            QuorvikContext.mainView.set(exitPageUrl)
    }

    function handleBackPressed() {
        if (swipeView.currentIndex > 0) {
            swipeView.decrementCurrentIndex()
            console.log("Back button handled in labeling view")
            return true
        }
        return false
    }

    idPagesModel: ConfigTables.labelingPages(Datablock.beaconType, Datablock.protocolCode)

    onExitPressed: leave()
    onCompletedPressed: leave()
}
