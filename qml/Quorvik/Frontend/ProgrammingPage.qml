import QtQuick
import Quorvik.Backend

// Base of every wizard and labelling page.
AldmarScrollView {
    id: page
    property var view: null

    function pageBrowserForwardEnable(enable) {
        if (view)
            view.pageBrowserForwardEnable(enable)
    }

    function pageBrowserBackwardEnable(enable) {
        if (view)
            view.pageBrowserBackwardEnable(enable)
    }

    function pageBrowserNavigationVisible(visible, forward, backward) {
        if (view)
            view.pageBrowserNavigationVisible(visible, forward, backward)
    }

    // An on-screen keyboard must not cover the field being typed into.
    Connections {
        target: Qt.inputMethod
        function onKeyboardRectangleChanged() {
            if (Qt.inputMethod.keyboardRectangle.height <= 0 || !page.Window.window)
                return
            const focused = page.Window.window.activeFocusItem
            if (focused && QMLProxy.getObjectName(focused) !== "Quorvik_dontScrollTo")
                page.scrollToItem(focused)
        }
    }
}
