import QtQuick
import Quorvik.Backend
import Quorvik.Frontend

// Brings a scene to the state an entry of ScreenPages asks for.
QtObject {
    function runScript(code, scene) {
        const view = QuorvikContext.mainView
        const runner = Qt.createQmlObject(
            "import QtQuick; import Quorvik.Backend; import Quorvik.Frontend; QtObject { "
            + "function run(scene, view, page) { " + code + "\n} }", this, "ScreenPages")
        runner.run(scene, view, view ? view.currentItem : null)
        runner.destroy()
    }

    function show(entry, scene) {
        const view = QuorvikContext.mainView
        const menubar = QuorvikContext.menubar
        if (entry.before)
            runScript(entry.before, scene)
        if (view && entry.wizardPage) {
            const pages = QMLProxy.programmingPages()
            const index = pages.indexOf(entry.wizardPage)
            if (index < 0)
                console.warn("quorvik-screens: " + entry.wizardPage + " is not a wizard page now")
            view.setWithProperties("ProgrammingSwipeView.qml", { initialPage: Math.max(0, index) })
            if (menubar)
                menubar.menuProgrammingSetup()
        } else if (view && entry.page) {
            if (entry.push)
                view.pushWithProperties(entry.page, entry.properties || {})
            else
                view.setWithProperties(entry.page, entry.properties || {})
        }
        if (menubar && entry.menu !== undefined)
            menubar.menuItemSelected(entry.menu)
        if (menubar && entry.popup)
            menubar.popupMenu.visible = true
    }

    // What went wrong in showing the entry, or "" when the page is there.
    function problem(entry) {
        const view = QuorvikContext.mainView
        if (!view)
            return ""
        if (!view.currentItem)
            return entry.page || entry.wizardPage ? "no page is shown" : ""
        // `shows`: the wizard page a page leads to by itself (the identification, once it has read).
        const wizardWanted = entry.wizardPage || entry.shows
        if (wizardWanted) {
            const loader = view.currentItem.swipeView ? view.currentItem.swipeView.currentItem : null
            const wanted = wizardWanted.replace(/\.qml$/, "")
            if (!loader || !loader.item || String(loader.item).indexOf(wanted) !== 0)
                return "the wizard does not show " + wizardWanted
        } else if (entry.page && !entry.push) {
            const wanted = entry.page.replace(/^.*\//, "").replace(/\.qml$/, "")
            if (String(view.currentItem).indexOf(wanted) !== 0)
                return entry.page + " is not shown"
        }
        return ""
    }

    // After the page has settled.
    function finish(entry, scene) {
        if (entry.run)
            runScript(entry.run, scene)
    }
}
