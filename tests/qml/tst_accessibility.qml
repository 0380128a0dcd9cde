import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// What a screen reader or a GUI driver finds: every control a user acts on or reads in the
// window carries a name, and the custom buttons answer the accessible press. And what a
// keyboard alone does: a whole programming run with Tab, Space, arrows and typed text.
SceneTestCase {
    name: "Accessibility"

    function isMouseArea(item) {
        return item.pressAndHoldInterval !== undefined && item.acceptedButtons !== undefined
    }

    function isText(item) {
        return item.text !== undefined && item.font !== undefined && item.horizontalAlignment !== undefined
               && item.wrapMode !== undefined
    }

    function accessibleName(item) {
        const attached = item.Accessible
        return attached && !attached.ignored ? attached.name : ""
    }

    // Items a user could act on or read without a name on themselves or an ancestor.
    function unnamed(item, namedAbove, path, found) {
        if (!item.visible || item.opacity === 0)
            return found
        const name = accessibleName(item)
        const here = path + "/" + (item.objectName || String(item).split("(")[0])
        // An item left out of the tree on purpose (a field whose text another node reads) is no gap.
        const leftOut = item.Accessible && item.Accessible.ignored
        if (!namedAbove && name === "" && !leftOut) {
            if (isMouseArea(item) && item.enabled)
                found.push(here + " (click area)")
            else if (isText(item) && String(item.text).trim() !== "")
                found.push(here + " (text '" + item.text + "')")
        }
        const children = item.children
        for (let i = 0; i < children.length; ++i)
            unnamed(children[i], namedAbove || name !== "", here, found)
        return found
    }

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        TestBeacon.addBeaconToDatabase("10001", "Astrid")
        TestBeacon.clearLog()
        openScene()
    }

    function cleanup() {
        TestBeacon.clearDatabase()
    }

    function test_everyControlOfTheWindowIsNamed() {
        mainView.set("qrc:/screens/ControlGallery.qml")
        waitForPage("ControlGallery")
        menubar.popupMenu.visible = true
        const found = unnamed(scene.contentItem, false, "", [])
        compare(found, [], "unnamed: " + found.join(", "))
        // The frame's own entries are found by name and role.
        compare(item("menuReports").Accessible.name, "Reports")
        compare(item("menuReports").Accessible.role, Accessible.Button)
        compare(item("menuSettings").Accessible.name, "Settings")
    }

    // The inspector: each decoded field and bit row is one named node, nothing left unnamed.
    function test_inspectorNamesEveryField() {
        click("menuDecode")
        const page = waitForPage("MessageDecode")
        typeText("decodeInput", "FFFE2F901D87B475DFEFFA9DF4B861F0FABE")
        typeText("decodeCompareInput", "203B0F68EBBFDFF")
        tryVerify(function() { return findChild(page, "field_hexId") !== null })
        const found = unnamed(scene.contentItem, false, "", [])
        compare(found, [], "unnamed: " + found.join(", "))
        const field = item("field_serial", page)
        compare(field.Accessible.role, Accessible.StaticText)
        compare(field.Accessible.name, "Serial number: 4567")
        compare(item("menuDecode").Accessible.name, "Decode")
    }

    function test_customButtonsAnswerThePressAction() {
        const popup = item("settingsPopup")
        item("menuSettings").Accessible.pressAction()
        verify(popup.visible, "the settings icon opens the pop-up")
        item("popupAbout").Accessible.pressAction()
        verify(!popup.visible)
        verify(TestBeacon.logged("Replacing most items with : About.qml"))
        item("menuReadback").Accessible.pressAction()
        verify(TestBeacon.logged("Replacing most items with : Main_StartRead.qml"))
        compare(item("menuReadback").color, AldmarStyle.jMenuSelectedColor)
    }

    // Keyboard only from here: whether `target` (or an item inside it) has the keyboard.
    function focusedIn(target) {
        for (let it = scene.activeFocusItem; it; it = it.parent) {
            if (it === target)
                return true
        }
        return false
    }

    function frameOf(focused) {
        for (let i = 0; i < focused.children.length; ++i) {
            if (focused.children[i].objectName === "focusFrame")
                return focused.children[i]
        }
        return null
    }

    // Tab until the keyboard is on `target`; every stop on the way shows its focus frame.
    function tabTo(target) {
        scene.requestActivate()
        for (let i = 0; i < 120 && !focusedIn(target); ++i) {
            keyClick(Qt.Key_Tab)
            const focused = scene.activeFocusItem
            verify(focused && focused.visible && focused.enabled,
                   "Tab stops on something a user cannot see or use: " + focused)
            // Where the keyboard is can be seen: a frame in the house colour.
            // (A page's loader, a focus scope, takes one stop of its own on the way into the page.)
            if (!focused.activeFocusOnTab)
                continue
            const frame = frameOf(focused)
            verify(frame && frame.visible, "no focus frame on " + (focused.objectName || focused))
            verify(Qt.colorEqual(frame.border.color, AldmarStyle.jFocusFrameColor)
                   || Qt.colorEqual(frame.border.color, AldmarStyle.jFocusFrameOnDarkColor))
        }
        verify(focusedIn(target), "Tab never reaches " + (target.objectName || target))
        return target
    }

    function typeKeys(text) {
        for (let i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function waitForWizard(name) {
        tryVerify(function () {
            const page = currentWizardPage()
            return page && pageName(page) === name
                   && Math.abs(page.mapToItem(mainView.currentItem, 0, 0).x) < 1
        }, 10000, "expected wizard page " + name + ", showing " + pageName(currentWizardPage()))
        waitForRendering(scene.contentItem)
        return currentWizardPage()
    }

    function keyForward() {
        const arrow = item("navigatorForward", mainView.currentItem)
        tryVerify(function () { return arrow.enabled }, 3000, "the forward arrow stays disabled")
        tabTo(arrow)
        keyClick(Qt.Key_Space)
    }

    function test_keyboardOnlyProgrammingRun() {
        verify(TestBeacon.restart({ serial: "31337" }))
        TestBeacon.clearDatabase()
        waitForPage("Main_StartProg")
        tabTo(item("getStartedButton"))
        keyClick(Qt.Key_Space)
        waitForWizard("Prog_2_Identified")
        keyForward()

        let page = waitForWizard("Prog_5_CountryCode")
        tabTo(item("countrySearch", page))
        typeKeys("Germany")
        const table = item("countryTable", page)
        tryVerify(function () { return table.tableView.rows >= 1 }, 3000, "the search finds Germany")
        compare(String(table.model.data(table.model.index(0, 0))), "211")
        tabTo(table)
        keyClick(Qt.Key_Down)
        tryVerify(function () { return QMLProxy.configPending.countryCode() === 211 }, 3000)
        keyForward()

        page = waitForWizard("Prog_6_SelectProtocol")
        tabTo(item("protocol_" + ConfigTables.E_StdLocationMmsi, page))
        keyClick(Qt.Key_Space)
        compare(QMLProxy.configPending.protocolId(), ConfigTables.E_StdLocationMmsi)
        keyForward()

        page = waitForWizard("Prog_7_ProtocolParticular")
        const mmsi = item("mmsiField", page)
        tabTo(mmsi.idValue)
        typeKeys("123456")
        const beaconNo = item("beaconNoField", page)
        tabTo(beaconNo.idValue)
        keyClick(Qt.Key_End)
        for (let i = 0; i < 4 && beaconNo.text !== ""; ++i)
            keyClick(Qt.Key_Backspace)
        compare(beaconNo.text, "", "Backspace empties the beacon number")
        typeKeys("3")
        compare(QMLProxy.configPending.mmsi(), "123456")
        compare(QMLProxy.configPending.beaconNo(), 3)
        keyForward()

        page = waitForWizard("Prog_8_OwnerInfo")
        tabTo(item("ownerName", page).idValue)
        typeKeys("KARI NORDMANN")
        keyForward()

        waitForWizard("Prog_10_Summary")
        keyForward()

        waitForWizard("Prog_11_Transfer")
        // The technician presses TEST on the beacon itself when the page asks for it.
        if (QMLProxy.app.progStatus === "Waiting for connection...")
            TestBeacon.pressTest()
        tryVerify(function () { return TestBeacon.stats().writesCompleted === 1 }, 30000,
                  "no write: " + QMLProxy.app.progStatus)
        tryCompare(QMLProxy.app, "progStatus", "PLB programmed successfully", 30000)
        const stored = TestBeacon.stored()
        verify(stored, "the beacon's block does not decode")
        compare(stored.beaconSerial(), "31337")
        compare(stored.countryCode(), 211)
        compare(stored.protocolId(), ConfigTables.E_StdLocationMmsi)
        compare(stored.mmsi(), "123456")
        compare(stored.ownerName(), "KARI NORDMANN")
    }

    // The Reports search and a report opened and left again, then an operator setting, by keys alone.
    function test_keyboardOnlyReportsAndSettings() {
        TestBeacon.addBeaconToDatabase("20002", "Bjorn")
        tabTo(item("menuReports"))
        keyClick(Qt.Key_Space)
        let page = waitForPage("BeaconDbDisplay")
        tabTo(item("dbSearchField", page))
        typeKeys("20002")
        const table = item("dbTable", page)
        tryVerify(function () { return table.tableView.rows === 1 }, 3000, "the search leaves one report")
        verify(!item("viewReportButton", page).enabled, "nothing chosen yet")
        tabTo(table)
        keyClick(Qt.Key_Down)
        verify(item("viewReportButton", page).enabled, "Down chooses the report")
        keyClick(Qt.Key_Return)
        page = waitForPage("BeaconDbDisplaySingle")
        tryCompare(item("serialRow", page), "paramText", "20002")
        keyClick(Qt.Key_Escape)
        waitForPage("BeaconDbDisplay")

        const settings = item("menuSettings")
        tabTo(settings)
        keyClick(Qt.Key_Space)
        verify(item("settingsPopup").visible)
        verify(focusedIn(item("popupProtocol")), "the pop-up takes the keyboard")
        keyClick(Qt.Key_Escape)
        verify(!item("settingsPopup").visible, "Escape closes the pop-up")
        verify(focusedIn(settings))
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_Down)
        verify(focusedIn(item("popupOptions")))
        keyClick(Qt.Key_Return)
        page = waitForPage("MiscConfig")
        const operator = tabTo(item("operatorField", page))
        operator.selectAll()
        typeKeys("Ola")
        keyClick(Qt.Key_Tab)
        compare(ConfigTables.operatorName, "Ola")
    }
}
