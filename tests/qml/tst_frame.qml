import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// The window frame: page stack, menu bar, settings pop-up, footer and both scenes.
SceneTestCase {
    name: "Frame"

    function pageUrl(name) { return Qt.resolvedUrl("pages/" + name + ".qml") }

    function selectedEntries() {
        const names = ["menuProgram", "menuReports", "menuReadback", "menuLog"]
        const selected = []
        for (let i = 0; i < names.length; ++i) {
            if (Qt.colorEqual(item(names[i]).color, AldmarStyle.jMenuSelectedColor))
                selected.push(i)
        }
        return selected
    }

    // The start page belongs to the wizard; without it a stand-in home page is pushed.
    function ensureHome() {
        if (!mainView.currentItem) {
            mainView.stack.clear()
            mainView.push(pageUrl("PageA"))
        }
        compare(mainView.depth, 1)
        return mainView.stack.get(0)
    }

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearLog()
        openScene()
    }

    function test_sceneSizeTitleAndContext() {
        compare(scene.width, 1250)
        verify(scene.height >= 900 && scene.height <= 950)
        compare(scene.minimumWidth, 800)
        compare(scene.minimumHeight, 600)
        compare(scene.title, "Quorvik PLB " + QMLProxy.applicationVersion)
        verify(QuorvikContext.mainView === item("mainView"))
        verify(QuorvikContext.menubar === item("menubar"))
        const footer = item("companyBar")
        compare(footer.height, 99)
        compare(footer.y + footer.height, scene.contentItem.height)
        compare(item("menubar").height, 40)
        // The pages fill what the bars leave.
        compare(mainView.y, 40)
        compare(mainView.height, scene.contentItem.height - 40 - 99)
        compare(selectedEntries(), [0])
        if (TestBeacon.hasPage("Main_StartProg.qml"))
            waitForPage("Main_StartProg")
        verify(findChild(scene.contentItem, "sceneRoot").activeFocus || scene.activeFocusItem !== null)
    }

    function test_setKeepsHomeAndOnePage() {
        const home = ensureHome()
        mainView.set(pageUrl("PageB"))
        compare(mainView.depth, 2, "set on the home page alone pushes")
        compare(currentPage(), "PageB")
        verify(TestBeacon.logged("Replacing most items with :"))
        verify(TestBeacon.logged("depth was:  1"))

        mainView.push(pageUrl("PageC"))
        mainView.pushWithProperties(pageUrl("PageD"), { objectName: "deep" })
        compare(mainView.depth, 4)
        compare(mainView.currentItem.objectName, "deep")
        verify(TestBeacon.logged("Pushing, current depth,item:"))

        mainView.setWithProperties(pageUrl("PageC"), { objectName: "replaced" })
        compare(mainView.depth, 2, "set on depth 4 leaves the home page and the new page")
        compare(mainView.currentItem.objectName, "replaced")
        verify(mainView.stack.get(0) === home, "the home page stays")

        TestBeacon.clearLog()
        mainView.pop()
        compare(mainView.depth, 1)
        verify(TestBeacon.logged("Poping, current depth,item:"))
    }

    function test_menuSelectionRepaint() {
        const popup = item("settingsPopup")
        popup.visible = true
        menubar.menuItemSelected(2)
        compare(selectedEntries(), [2])
        verify(!popup.visible)

        // The same entry again paints nothing but still closes the pop-up.
        item("menuReadback").color = "yellow"
        popup.visible = true
        menubar.menuItemSelected(2)
        verify(Qt.colorEqual(item("menuReadback").color, "yellow"))
        verify(!popup.visible)

        menubar.clearMenuBar()
        compare(selectedEntries(), [])
        menubar.menuItemSelected(2)
        compare(selectedEntries(), [2])
    }

    function test_menuEntriesNavigate_data() {
        return [
            { tag: "Reports", entry: "menuReports", index: 1, page: "BeaconDbDisplay" },
            { tag: "Readback", entry: "menuReadback", index: 2, page: "Main_StartRead" },
            { tag: "Log", entry: "menuLog", index: 3, page: "Main_StartLogRead" },
        ]
    }

    function test_menuEntriesNavigate(data) {
        ensureHome()
        click(data.entry)
        compare(selectedEntries(), [data.index])
        verify(TestBeacon.logged("Replacing most items with : " + data.page + ".qml"))
        if (TestBeacon.hasPage(data.page + ".qml")) {
            waitForPage(data.page)
            compare(mainView.depth, 2)
        }
        // "Program" goes home and selects itself.
        TestBeacon.clearLog()
        click("menuProgram")
        compare(selectedEntries(), [0])
        verify(TestBeacon.logged("Reseting, current depth,item:"))
    }

    function test_settingsPopupEntries_data() {
        return [
            { tag: "Protocol", entry: "popupProtocol", page: "ProtocolConfig" },
            { tag: "Options", entry: "popupOptions", page: "MiscConfig" },
            { tag: "About", entry: "popupAbout", page: "About" },
        ]
    }

    function test_settingsPopupEntries(data) {
        ensureHome()
        const popup = item("settingsPopup")
        verify(!popup.visible)
        click("menuSettings")
        verify(popup.visible)
        compare(popup.width, 262)
        // It hangs under the bar at the right, over the pages.
        const pos = popup.mapToItem(scene.contentItem, 0, 0)
        compare(pos.y, 40)
        compare(pos.x + popup.width, scene.contentItem.width - 15)
        click(data.entry)
        verify(!popup.visible)
        compare(selectedEntries(), [])
        verify(TestBeacon.logged("Replacing most items with : " + data.page + ".qml"))
        if (TestBeacon.hasPage(data.page + ".qml"))
            waitForPage(data.page)
        // The icon toggles.
        click("menuSettings")
        verify(popup.visible)
        click("menuSettings")
        verify(!popup.visible)
    }

    function test_programmingBarReturnsHome() {
        ensureHome()
        mainView.set(pageUrl("PageB"))
        menubar.menuProgrammingSetup()
        verify(!item("menuProgram").visible)
        verify(!item("menuSettings").visible)
        const bar = item("menuProgrammingBar")
        verify(bar.visible)
        TestBeacon.clearLog()
        mouseClick(bar, bar.width / 2, bar.height / 2)
        verify(!bar.visible)
        verify(item("menuProgram").visible)
        compare(selectedEntries(), [0])
        verify(TestBeacon.logged("Reseting, current depth,item:"))
        if (TestBeacon.hasPage("Main_StartProg.qml")) {
            compare(mainView.depth, 1)
            waitForPage("Main_StartProg")
        }
    }

    function test_wizardInTheWindowAndExitBar() {
        ensureHome()
        const pages = [pageUrl("PageA"), Qt.resolvedUrl("pages/WizardPage.qml"), pageUrl("PageB")]
        const page = openWizard(pages[1], pages)
        compare(pageName(page), "WizardPage")
        verify(page.view === mainView.currentItem)
        verify(item("menuProgrammingBar").visible)
        // Forward through the real arrow; the pages in between are created as they come.
        click("navigatorForward")
        waitForWizardPage("PageB")
        click("navigatorBack")
        waitForWizardPage("WizardPage")
        click("menuExitProgramming")
        verify(!item("menuProgrammingBar").visible)
        compare(selectedEntries(), [0])
        verify(TestBeacon.logged("Reseting, current depth,item:"))
    }

    function test_firstStartShowsSetupAndHomeRestoresMenu() {
        closeScene()
        TestBeacon.resetSettings(true)
        openScene()
        compare(selectedEntries(), [], "no entry is selected on the set-up page")
        if (TestBeacon.hasPage("FirstTimeSetup.qml"))
            waitForPage("FirstTimeSetup")
        mainView.home()
        compare(selectedEntries(), [0])
        verify(item("menuProgram").visible)
        if (TestBeacon.hasPage("Main_StartProg.qml")) {
            compare(mainView.depth, 1)
            waitForPage("Main_StartProg")
        }
    }

    function test_productionScene() {
        openScene(true)
        compare(scene.title, "Quorvik PLB Production " + QMLProxy.applicationVersion)
        compare(scene.minimumWidth, 1024)
        compare(scene.minimumHeight, 800)
        verify(!findChild(scene.contentItem, "menubar"), "the production window has no menu")
        const footer = item("companyBar")
        compare(footer.y + footer.height, scene.contentItem.height)
        const page = item("productionPage")
        compare(page.y, 40)
        compare(page.height, scene.contentItem.height - 40 - 99)
    }
}
