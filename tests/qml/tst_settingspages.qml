import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// First-time set-up, the options, protocol and about pages, driven through the real window.
SceneTestCase {
    name: "SettingsPages"

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearLog()
    }

    function openFromSettings(entry, page) {
        click("menuSettings")
        click(entry)
        return waitForPage(page)
    }

    function replaceText(field, text) {
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Delete)
        typeText(field, text)
    }

    function leavePage() {
        click("menuProgram")
        tryVerify(function() { return currentPage() !== "MiscConfig" && currentPage() !== "ProtocolConfig" })
        wait(0)
    }

    function countryNames() {
        const model = QMLProxy.countryModel
        const names = []
        for (let row = 0; row < model.rowCount(); ++row)
            names.push(model.data(model.index(row, 1)))
        return names
    }

    function test_firstStartThenSecondStart() {
        TestBeacon.resetSettings(true)
        verify(ConfigTables.needFirstTimeSetup())
        openScene()
        waitForPage("FirstTimeSetup")
        compare(mainView.depth, 1, "the welcome page is the home page")

        const operator = item("operatorField")
        replaceText(operator, "Kari Nordmann")
        keyClick(Qt.Key_Return)
        compare(ConfigTables.operatorName, "Kari Nordmann")
        replaceText(item("stationField"), "Bergen Service Station")
        replaceText(item("dealerField"), "123456")
        compare(item("dealerField").text, "12345", "at most five characters")
        // Continue straight from a field that is still being edited.
        click("continueButton")
        if (TestBeacon.hasPage("Main_StartProg.qml"))
            waitForPage("Main_StartProg")
        else
            tryVerify(function() { return currentPage() !== "FirstTimeSetup" })
        compare(mainView.depth, 1)
        compare(ConfigTables.progStation, "Bergen Service Station")
        compare(ConfigTables.dealerNo, "12345")
        verify(Qt.colorEqual(item("menuProgram").color, AldmarStyle.jMenuSelectedColor), "normal menu with Program")

        // The program ends and starts again with the same settings folder.
        closeScene()
        TestBeacon.reloadSettings()
        verify(!ConfigTables.needFirstTimeSetup())
        openScene()
        verify(currentPage() !== "FirstTimeSetup")
        if (TestBeacon.hasPage("Main_StartProg.qml"))
            waitForPage("Main_StartProg")
        openFromSettings("popupOptions", "MiscConfig")
        compare(item("operatorField").text, "Kari Nordmann")
        compare(item("stationField").text, "Bergen Service Station")
        compare(item("dealerField").text, "12345")
    }

    function test_optionsFieldsAndContactPreview() {
        openScene()
        openFromSettings("popupOptions", "MiscConfig")
        const ports = item("portBox")
        compare(ports.displayText, "No devices found")
        verify(!ports.enabled, "nothing to choose without an adapter")

        const operator = item("operatorField")
        replaceText(operator, "ABCDEFGHIJKLMNOPQ")
        compare(operator.text, "ABCDEFGHIJKLMNOP")
        replaceText(item("stationField"), "123456789012345678901234567")
        compare(item("stationField").text.length, 26)

        const area = item("contactText")
        const preview = item("contactPreview")
        replaceText(area, "Call")
        waitForRendering(preview)
        const before = grabImage(preview)
        typeText(area, " +47 22 00 00 00 #1")
        tryVerify(function() { return !grabImage(preview).equals(before) }, 5000, "the preview follows the text")
        verify(decodeURIComponent(String(preview.source)).endsWith("Call +47 22 00 00 00 #1"))

        // Leaving the page keeps what was typed, even in the field still being edited.
        leavePage()
        compare(ConfigTables.operatorName, "ABCDEFGHIJKLMNOP")
        compare(ConfigTables.defaultContactInfo, "Call +47 22 00 00 00 #1")
    }

    function test_customCountryList() {
        openScene()
        const page = openFromSettings("popupOptions", "MiscConfig")
        compare(item("countryFileText").text, "N/A")
        verify(!item("removeButton").enabled)
        const standard = countryNames()
        verify(standard.length > 200)
        verify(standard.indexOf("Quorvikland") < 0)

        const edited = TestBeacon.homeFolder + "/edited/Country.txt"
        verify(TestBeacon.writeFile(edited, TestBeacon.readFile(TestBeacon.sourceFile("data/Country.txt")) + "799 Quorvikland\n"))
        click("loadButton")
        tryVerify(function() { return page.fileDialog.visible })
        page.fileDialog.selectedFile = "file://" + edited
        page.fileDialog.accept()
        tryCompare(item("countryFileText"), "text", TestBeacon.dataFolder + "/Country.txt")
        verify(item("removeButton").enabled)
        compare(countryNames().length, standard.length + 1)
        verify(countryNames().indexOf("Quorvikland") >= 0)
        verify(!page.failureBox.visible)

        // A file that is not a country list is refused and the installed list stays.
        const bad = TestBeacon.homeFolder + "/bad/Country.txt"
        verify(TestBeacon.writeFile(bad, "Norway\nSweden\n"))
        click("loadButton")
        page.fileDialog.selectedFile = "file://" + bad
        page.fileDialog.accept()
        tryVerify(function() { return page.failureBox.visible })
        compare(page.failureBox.title, "Failed to install Country.txt")
        compare(page.failureBox.text, "Failed to install custom country list:<br><br>File is not a country code list<br>&nbsp;")
        page.failureBox.accept()
        tryVerify(function() { return !page.failureBox.visible })
        compare(item("countryFileText").text, TestBeacon.dataFolder + "/Country.txt")
        verify(countryNames().indexOf("Quorvikland") >= 0)

        if (TestBeacon.hasPage("Prog_5_CountryCode.qml")) {
            // The wizard's country page lists the installed country.
            mainView.pushWithProperties("ProgrammingSwipeView.qml", { initialPage: 1 })
            waitForPage("ProgrammingSwipeView")
            tryVerify(function() { return findChild(scene.contentItem, "countrySearch") !== null })
            typeText("countrySearch", "Quorvik")
            const table = item("countryTable")
            tryVerify(function() { return table.rowCount() === 1 })
            mainView.pop()
            waitForPage("MiscConfig")
        }

        click("removeButton")
        tryCompare(item("countryFileText"), "text", "N/A")
        verify(!item("removeButton").enabled)
        compare(countryNames(), standard)
    }

    function test_protocolPageDecidesTheWizardPages() {
        openScene()
        openFromSettings("popupProtocol", "ProtocolConfig")
        const shown = []
        for (let i = 0; i < ConfigTables.maxNoProtocolsAvailable(); ++i) {
            const button = findChild(scene.contentItem, "protocol_" + i)
            verify(button, "a button for every protocol")
            if (button.visible)
                shown.push(i)
            compare(button.visible, !ConfigTables.isProtocolHidden(i))
        }
        verify(shown.indexOf(ConfigTables.E_UserMmsi) < 0, "hidden protocols are left out")
        verify(shown.indexOf(ConfigTables.E_StdLocationTest) < 0, "test protocols only when allowed")
        verify(shown.indexOf(ConfigTables.E_UserLocationMmsi) < 0)

        // Keep only E_StdLocationSerialPlb: uncheck every other checked one.
        const keep = ConfigTables.E_StdLocationSerialPlb
        const unchecked = []
        for (let j = 0; j < shown.length; ++j) {
            const button = item("protocol_" + shown[j])
            if (shown[j] !== keep && button.checked) {
                click(button)
                verify(!button.checked)
                unchecked.push(shown[j])
                verify(!ConfigTables.protocolAvailable(shown[j]))
            }
        }
        verify(unchecked.length >= 2)
        verify(ConfigTables.protocolAvailable(keep))
        leavePage()

        // The next run reads the beacon, which rebuilds the protocol list.
        TestBeacon.restart({ serial: "31337" })
        QMLProxy.app.startEpirbRecieve(false)
        let pages = []
        tryVerify(function() { pages = QMLProxy.programmingPages(); return pages.indexOf("Prog_6_SelectProtocol.qml") < 0 }, 20000)
        compare(pages.length, 6)

        // One more protocol brings the page back.
        openFromSettings("popupProtocol", "ProtocolConfig")
        click("protocol_" + unchecked[0])
        leavePage()
        QMLProxy.app.startEpirbRecieve(false)
        tryVerify(function() { return QMLProxy.programmingPages().length === 7 }, 20000)

        for (let k = 0; k < unchecked.length; ++k)
            ConfigTables.setProtocolAvailable(unchecked[k], true)
        ConfigTables.setPersistentData()
    }

    function test_aboutListsEveryLicence() {
        openScene()
        openFromSettings("popupAbout", "About")
        click("legalTab")
        const box = item("licenseBox")
        const text = item("licenseText")
        const names = []
        for (let i = 0; i < box.count; ++i) {
            box.currentIndex = i
            names.push(box.currentText)
            if (i === 0)
                compare(text.text, "")
            else
                verify(text.text.length > 500, box.currentText + " has its text")
        }
        compare(names, ["-- Select License --", "Qt6", "Libarchive", "WebP", "Carlito", "Liberation"])
        box.currentIndex = 5
        verify(text.text.indexOf("SIL OPEN FONT LICENSE") >= 0)
        click("applicationTab")
        compare(item("applicationVersion").text, QMLProxy.applicationVersion)
        compare(item("qtRuntimeVersion").text, QMLProxy.qtRuntimeVersion)
    }
}
