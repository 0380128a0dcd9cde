import QtQuick
import QtQuick.Controls
import Quorvik.Backend

// The wizard: only the current page exists, created anew each time it is shown.
ProgrammingSwipeViewForm {
    id: wizard
    property bool allowBackExit: true
    property bool userBackEnabled: true
    property bool backwardEnabled: (allowBackExit || swipeView.currentIndex !== 0) && userBackEnabled
    property bool forwardEnabled: true
    property int initialPage: 0
    property var idPagesModel: QMLProxy.programmingPages()
    readonly property real availableHeight: swipeView.height
    signal exitPressed()
    signal completedPressed()

    // No page is created before the first one to show is known.
    property bool started: false

    function pageBrowserForwardEnable(enable) {
        forwardEnabled = enable
        swipeView.interactive = enable
    }

    function pageBrowserBackwardEnable(enable) {
        userBackEnabled = enable
    }

    function pageBrowserNavigationVisible(visible, forward, backward) {
        pageBrowserForwardEnable(forward)
        pageBrowserBackwardEnable(backward)
    }

    function handleBackPressed() {
        if (swipeView.currentIndex > 0) {
            swipeView.decrementCurrentIndex()
            console.log("Back button handled in programming view")
            return true
        }
        return false
    }

    indicator.backwardEnabled: backwardEnabled
    indicator.forwardEnabled: forwardEnabled
    pageRepeater.model: idPagesModel
    pageRepeater.delegate: pageLoader

    Component {
        id: pageLoader
        Loader {
            id: loader
            required property var modelData
            objectName: "Quorvik_dontScrollTo"
            active: wizard.started && SwipeView.isCurrentItem
            // A loader is a focus scope: without focus nothing on its page could take the keyboard.
            focus: SwipeView.isCurrentItem

            function load() {
                if (loader.active)
                    loader.setSource(loader.modelData, { view: wizard })
                else
                    loader.source = ""
            }

            onActiveChanged: load()
        }
    }

    Connections {
        target: wizard.indicator
        function onForwardTapped() {
            if (wizard.swipeView.currentIndex < wizard.swipeView.count - 1)
                wizard.swipeView.incrementCurrentIndex()
            else
                wizard.completedPressed()
        }
        function onBackwardTapped() {
            const back = function() {
                if (wizard.swipeView.currentIndex > 0)
                    wizard.swipeView.decrementCurrentIndex()
                else
                    wizard.exitPressed()
            }
            // A write under way is ended only when the technician agrees.
            if (QuorvikContext.menubar)
                QuorvikContext.menubar.confirmEndWrite(back)
            else
                back()
        }
    }

    Component.onCompleted: {
        swipeView.currentIndex = Math.max(0, Math.min(initialPage, swipeView.count - 1))
        started = true
        console.log("ProgrammingSwipeViewForm completed", swipeView.count)
    }
}
