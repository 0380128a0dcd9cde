import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// Base of the page tests: opens the real main scene and drives it as a user would.
TestCase {
    id: testCase
    when: windowShown

    property var scene: null
    readonly property var mainView: QuorvikContext.mainView
    readonly property var menubar: QuorvikContext.menubar

    Component {
        id: sceneComponent
        QMLScene {}
    }
    Component {
        id: productionComponent
        QMLSceneProduction {}
    }

    // Opens the normal (or the production) window; a scene left open by the last test is closed.
    function openScene(production) {
        TestBeacon.captureLog()
        closeScene()
        scene = (production ? productionComponent : sceneComponent).createObject(null)
        verify(scene, "the main scene was not created")
        scene.requestActivate()
        tryVerify(function() { return scene.active || Qt.platform.pluginName === "offscreen" })
        waitForRendering(scene.contentItem)
        return scene
    }

    function closeScene() {
        if (!scene)
            return
        scene.close()
        scene.destroy()
        scene = null
        wait(0)
    }

    // The type name of a page, i.e. its QML file name without ".qml".
    function pageName(item) {
        if (!item)
            return ""
        const m = String(item).match(/^([A-Za-z0-9_]+?)(_QMLTYPE_\d+)?\(/)
        return m ? m[1] : String(item)
    }

    function currentPage() {
        return pageName(mainView.currentItem)
    }

    function waitForPage(name, timeout) {
        tryVerify(function() { return currentPage() === name }, timeout || 5000,
                  "expected page " + name + ", showing " + currentPage())
        waitForRendering(scene.contentItem)
        return mainView.currentItem
    }

    // Opens the programming wizard at a page file (e.g. "Prog_5_CountryCode.qml") the way a
    // programming run shows it; pages overrides the page list (default QMLProxy.programmingPages()).
    function openWizard(pageFile, pages) {
        const list = pages || QMLProxy.programmingPages()
        const index = list.indexOf(pageFile)
        verify(index >= 0, pageFile + " is not among the wizard pages " + list)
        const properties = { initialPage: index }
        if (pages)
            properties.idPagesModel = pages
        mainView.setWithProperties("ProgrammingSwipeView.qml", properties)
        menubar.menuProgrammingSetup()
        waitForPage("ProgrammingSwipeView")
        tryVerify(function() { return currentWizardPage() !== null }, 5000, "no wizard page")
        return currentWizardPage()
    }

    // The page the wizard shows now (only the current one exists), or null.
    function currentWizardPage() {
        const wizard = mainView.currentItem
        if (!wizard || !wizard.swipeView || !wizard.swipeView.currentItem)
            return null
        return wizard.swipeView.currentItem.item
    }

    function waitForWizardPage(name, timeout) {
        tryVerify(function() { return pageName(currentWizardPage()) === name }, timeout || 5000,
                  "expected wizard page " + name + ", showing " + pageName(currentWizardPage()))
        waitForRendering(scene.contentItem)
        return currentWizardPage()
    }

    // An item of the window by objectName; fails the test when there is none.
    function item(name, root) {
        const found = findChild(root || scene.contentItem, name)
        verify(found, "no item named " + name)
        return found
    }

    // Clicks an item (or the item of that objectName) in its middle, after checking
    // that a user could click it.
    function click(target, root) {
        const it = typeof target === "string" ? item(target, root) : target
        verify(it.visible, (it.objectName || it) + " is not visible")
        verify(it.enabled, (it.objectName || it) + " is not enabled")
        mouseClick(it)
        wait(0)
        return it
    }

    // Types text into an input as key presses (focus moves to it first).
    function typeText(target, text) {
        const it = typeof target === "string" ? item(target) : target
        scene.requestActivate()
        it.forceActiveFocus()
        for (let i = 0; i < text.length; ++i)
            keyClick(text[i])
        return it
    }

    function cleanupTestCase() {
        closeScene()
    }
}
