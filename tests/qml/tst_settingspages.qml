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

    // Where the item shows dark pixels, sampled on a coarse grid of the window.
    function inkOf(target) {
        const shot = grabImage(scene.contentItem)
        const origin = target.mapToItem(scene.contentItem, 0, 0)
        let ink = ""
        for (let y = 2; y < target.height - 2; y += 4) {
            for (let x = 2; x < target.width - 2; x += 4) {
                const c = shot.pixel(Math.round(origin.x + x), Math.round(origin.y + y))
                ink += (c.r + c.g + c.b < 1.5) ? "#" : "."
            }
        }
        return ink
    }

    // The Quick file dialog keeps its own choice from its list; a test names the file
    // and answers for the dialog.
    function chooseCountryFile(page, path) {
        click("loadButton")
        tryVerify(function() { return page.fileDialog.visible })
        compare(page.fileDialog.nameFilters, ["Country File (Country.txt)"])
        page.fileDialog.selectedFile = "file://" + path
        page.fileDialog.accepted()
        page.fileDialog.close()
    }

    // A button of the open message box, found by its text as a user reads it.
    function dialogButton(text) {
        wait(400) // the box grows into place when it opens
        let found = null
        const walk = function(node) {
            for (let i = 0; node && i < node.children.length && !found; ++i) {
                const child = node.children[i]
                if (child.visible && child.text === text && child.clicked !== undefined)
                    found = child
                else
                    walk(child)
            }
        }
        walk(scene.contentItem.parent)
        verify(found, "no button " + text)
        return found
    }

    // GET STARTED on the start page: the beacon is read and the wizard opens.
    function startWizard() {
        waitForPage("Main_StartProg")
        click("getStartedButton")
        return waitForPage("ProgrammingSwipeView", 30000)
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

        // Each field takes what the beacon's block stores, and says so where it is typed.
        const operator = item("operatorField")
        compare(item("operatorHint").text, "At most 10 characters")
        compare(item("stationHint").text, "At most 16 characters")
        compare(item("dealerHint").text, "Digits only, at most 5")
        replaceText(operator, "Kari Nordmann")
        compare(operator.text, "Kari Nordm", "shown as stored")
        verify(Qt.colorEqual(item("operatorHint").color, AldmarStyle.jTextErrorColor), "the full field is pointed out")
        replaceText(operator, "Kari N")
        verify(!Qt.colorEqual(item("operatorHint").color, AldmarStyle.jTextErrorColor))
        keyClick(Qt.Key_Return)
        compare(ConfigTables.operatorName, "Kari N")
        replaceText(item("stationField"), "Bergen Service Station")
        compare(item("stationField").text, "Bergen Service S")
        replaceText(item("dealerField"), "1a2b3456")
        compare(item("dealerField").text, "12345", "digits only, at most five")
        // Continue straight from a field that is still being edited.
        click("continueButton")
        if (TestBeacon.hasPage("Main_StartProg.qml")) {
            waitForPage("Main_StartProg")
            compare(mainView.depth, 1)
        } else {
            tryVerify(function() { return currentPage() !== "FirstTimeSetup" })
        }
        compare(ConfigTables.progStation, "Bergen Service S")
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
        compare(item("operatorField").text, "Kari N")
        compare(item("stationField").text, "Bergen Service S")
        compare(item("dealerField").text, "12345")
    }

    // Closing the window on the welcome page does not finish set-up; what was typed stays.
    function test_closingTheWelcomePageIsNotFinishingSetup() {
        TestBeacon.resetSettings(true)
        openScene()
        waitForPage("FirstTimeSetup")
        replaceText(item("operatorField"), "Kari")
        closeScene()
        TestBeacon.reloadSettings()
        verify(ConfigTables.needFirstTimeSetup(), "closing the window counted as finishing set-up")
        openScene()
        waitForPage("FirstTimeSetup")
        compare(item("operatorField").text, "Kari")
        click("continueButton")
        tryVerify(function() { return currentPage() !== "FirstTimeSetup" })
        closeScene()
        TestBeacon.reloadSettings()
        verify(!ConfigTables.needFirstTimeSetup())
        compare(ConfigTables.operatorName, "Kari")
    }

    function test_optionsFieldsAndContactPreview() {
        // The port in use is shown, also when the adapter list leaves it out.
        verify(TestBeacon.restart({ serial: "31337" }))
        openScene()
        openFromSettings("popupOptions", "MiscConfig")
        compare(item("portBox").displayText, TestBeacon.devicePath, "the options show another port than the one in use")
        leavePage()
        // A port that is not there is not offered.
        QMLProxy.app.setSerialText("/dev/quorvik-no-such-port")
        openFromSettings("popupOptions", "MiscConfig")
        const ports = item("portBox")
        compare(ports.displayText, "No devices found")
        verify(!ports.enabled, "nothing to choose without an adapter")
        verify(TestBeacon.restart({ serial: "31337" }))

        const operator = item("operatorField")
        replaceText(operator, "ABCDEFGHIJKLMNOPQ")
        compare(operator.text, "ABCDEFGHIJ")
        replaceText(item("stationField"), "123456789012345678901234567")
        compare(item("stationField").text.length, 16)
        replaceText(item("dealerField"), "D42")
        compare(item("dealerField").text, "42", "letters are no dealer number")

        const override = item("serialOverrideBox")
        compare(override.checked, ConfigTables.serialOverrideAllowed)
        click(override)
        verify(ConfigTables.serialOverrideAllowed, "the controller hears the check box")
        click(override)
        verify(!ConfigTables.serialOverrideAllowed)

        const area = item("contactText")
        const preview = item("contactPreview")
        replaceText(area, "Call")
        waitForRendering(scene.contentItem)
        const before = inkOf(preview.image)
        verify(before.indexOf("#") >= 0, "the label shows the text")
        typeText(area, " +47 22 00 00 00 #1")
        tryVerify(function() { return inkOf(preview.image) !== before }, 5000, "the preview follows the text")
        verify(decodeURIComponent(String(preview.source)).endsWith("Call +47 22 00 00 00 #1"))

        // Leaving the page keeps what was typed, even in the field still being edited.
        leavePage()
        TestBeacon.reloadSettings()
        compare(ConfigTables.operatorName, "ABCDEFGHIJ")
        compare(ConfigTables.dealerNo, "42")
        compare(ConfigTables.defaultContactInfo, "Call +47 22 00 00 00 #1")
    }

    // The language chosen in Options takes effect at once on the page shown, Qt's own texts included,
    // and "System" returns to the system's (English here).
    function test_languageChosenInOptions() {
        // A beacon that does not answer keeps the read waiting, its status on the line.
        verify(TestBeacon.restart({ serial: "31337", silent: true }))
        openScene()
        QMLProxy.app.startEpirbReceive(true)
        openFromSettings("popupOptions", "MiscConfig")
        const box = item("languageBox")
        compare(box.currentIndex, UiLanguage.System)
        compare(box.Accessible.name, "Language:")
        // The status line the back end made is said again in the new language.
        const status = QMLProxy.app.progStatus
        compare(status, "Waiting for connection...")
        box.forceActiveFocus()
        for (let i = 0; i < 3; ++i)
            keyClick(Qt.Key_Down)
        compare(UiLanguage.choice, UiLanguage.German)
        compare(UiLanguage.code, "de")
        tryCompare(box, "displayText", "Deutsch")
        compare(box.Accessible.name, "Sprache:", "the page's texts follow without a restart")
        compare(qsTranslate("QPlatformTheme", "Cancel"), "Abbrechen", "Qt's own texts come in German too")
        compare(Qt.locale().name.substring(0, 2), "de", "dates and numbers follow the language")
        compare(QMLProxy.app.progStatus, "Warten auf Verbindung...")
        // Pages made after the change come in the language chosen.
        leavePage()
        openFromSettings("popupOptions", "MiscConfig")
        compare(item("languageBox").Accessible.name, "Sprache:")
        compare(item("languageBox").currentIndex, UiLanguage.German)

        const again = item("languageBox")
        again.forceActiveFocus()
        for (let i = 0; i < 3; ++i)
            keyClick(Qt.Key_Up)
        compare(UiLanguage.choice, UiLanguage.System)
        compare(UiLanguage.code, "en")
        compare(again.Accessible.name, "Language:")
        compare(QMLProxy.app.progStatus, status)
        compare(qsTranslate("QPlatformTheme", "Cancel"), "Cancel")
        QMLProxy.app.stopEpirbReceive()
        leavePage()
    }

    // The shared register's part of the options: off by default, settings refused or taken,
    // a server that is not there said on the status line, and kept for the next visit.
    function test_sharedRegisterSettings() {
        openScene()
        let page = openFromSettings("popupOptions", "MiscConfig")
        page.flickable.contentY = Math.max(0, page.registerSection.y - 40)
        wait(50)
        const box = item("registerEnabledBox")
        verify(!box.checked)
        compare(item("registerStatus").text, "Register: off")
        verify(!item("registerSendButton").enabled, "nothing to send to without a register")
        verify(!item("registerHostField").enabled)

        click(box)
        click("registerApplyButton")
        compare(item("registerStatus").text, "Give a service name, or a host and a database.")
        verify(!QMLProxy.sharedRegister.enabled, "refused settings are not kept")

        typeText("registerHostField", "/nonexistent-quorvik-register")
        typeText("registerDatabaseField", "register")
        typeText("registerUserField", "bench1")
        click("registerApplyButton")
        tryVerify(function() { return item("registerStatus").text.indexOf("Register: cannot reach the server") === 0 },
                  10000, "the status says the server is not there: " + item("registerStatus").text)
        compare(item("registerStatus").color, AldmarStyle.jTextErrorColor)
        verify(item("registerSendButton").enabled)

        leavePage()
        page = openFromSettings("popupOptions", "MiscConfig")
        page.flickable.contentY = Math.max(0, page.registerSection.y - 40)
        wait(50)
        verify(item("registerEnabledBox").checked)
        compare(item("registerHostField").text, "/nonexistent-quorvik-register")
        compare(item("registerUserField").text, "bench1")
        click("registerEnabledBox")
        click("registerApplyButton")
        compare(item("registerStatus").text, "Register: off")
        verify(!QMLProxy.sharedRegister.enabled)
        leavePage()
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
        verify(TestBeacon.writeTextFile(edited, TestBeacon.readTextFile(TestBeacon.sourceFile("data/Country.txt")) + "799 Quorvikland\n"))
        chooseCountryFile(page, edited)
        tryCompare(item("countryFileText"), "text", TestBeacon.dataFolder + "/Country.txt")
        verify(item("removeButton").enabled)
        compare(countryNames().length, standard.length + 1)
        verify(countryNames().indexOf("Quorvikland") >= 0)
        verify(!page.failureBox.visible)

        // A file that is not a country list is refused and the installed list stays.
        const bad = TestBeacon.homeFolder + "/bad/Country.txt"
        verify(TestBeacon.writeTextFile(bad, "Norway\nSweden\n"))
        chooseCountryFile(page, bad)
        tryVerify(function() { return page.failureBox.visible })
        compare(page.failureBox.title, "Failed to install Country.txt")
        compare(page.failureBox.text, "Failed to install custom country list:<br><br>File is not a country code list<br>&nbsp;")
        click(dialogButton("OK"))
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

    // A good copy of the database put back from the Options page after a confirmation;
    // the database it replaces stays aside.
    function test_restoreDatabaseFromBackup() {
        TestBeacon.clearDatabase()
        verify(TestBeacon.addBeaconToDatabase("61001", "Before"))
        const today = QMLProxy.database.backups()[0]
        verify(today.indexOf("/Quorvikbackup-") > 0, today)
        const older = TestBeacon.dataFolder + "/Quorvikbackup-20000101.db"
        verify(TestBeacon.copyFile(today, older))
        try {
            verify(TestBeacon.addBeaconToDatabase("61002", "After"))
            compare(TestBeacon.databaseCount(), 2)

            openScene()
            const page = openFromSettings("popupOptions", "MiscConfig")
            const box = item("backupBox")
            compare(box.count, 2)
            compare(box.textAt(1), "Quorvikbackup-20000101.db")
            box.currentIndex = 1
            // Below the fold of the window: scrolled to, as the user does.
            page.scrollToItem(item("restoreButton"))
            wait(0)
            click("restoreButton")
            tryVerify(function() { return page.restoreConfirmBox.visible })
            verify(page.restoreConfirmBox.text.indexOf(older) >= 0, page.restoreConfirmBox.text)
            click(dialogButton("Yes"))
            tryVerify(function() { return page.restoreResultBox.visible })
            compare(page.restoreResultBox.title, "Database restored")
            compare(TestBeacon.databaseCount(), 1)
            compare(TestBeacon.databaseFileSerials(), ["61001"])
            click(dialogButton("OK"))
            tryVerify(function() { return !page.restoreResultBox.visible })
        } finally {
            TestBeacon.clearDatabase()
        }
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
        // The last one stays, and the page says why.
        verify(!item("keepOneNotice").visible)
        click("protocol_" + keep)
        verify(item("protocol_" + keep).checked, "every protocol could be unticked")
        verify(ConfigTables.protocolAvailable(keep))
        verify(item("keepOneNotice").visible)
        leavePage()
        // Stored when the page was left.
        TestBeacon.reloadSettings()
        verify(!ConfigTables.protocolAvailable(unchecked[0]))
        verify(ConfigTables.protocolAvailable(keep))

        // The next run: GET STARTED, the beacon is read, the wizard opens without the protocol page.
        TestBeacon.restart({ serial: "31337" })
        let wizard = startWizard()
        compare(wizard.idPagesModel, QMLProxy.programmingPages())
        verify(wizard.idPagesModel.indexOf("Prog_6_SelectProtocol.qml") < 0)
        compare(item("programmingSwipeView", wizard).count, 6)
        click("menuProgrammingBar")

        // One more protocol brings the page back.
        openFromSettings("popupProtocol", "ProtocolConfig")
        click("protocol_" + unchecked[0])
        leavePage()
        TestBeacon.restart({ serial: "31337" })
        wizard = startWizard()
        verify(wizard.idPagesModel.indexOf("Prog_6_SelectProtocol.qml") >= 0)
        compare(item("programmingSwipeView", wizard).count, 7)
        click("menuProgrammingBar")
        QMLProxy.app.stopEpirbReceive()

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

    // Controls a user acts on or reads without an accessible name on themselves or above.
    function unnamed(item, namedAbove, path, found) {
        if (!item.visible || item.opacity === 0)
            return found
        const attached = item.Accessible
        const name = attached && !attached.ignored ? attached.name : ""
        const here = path + "/" + (item.objectName || String(item).split("(")[0])
        // An item left out of the tree on purpose (a field whose text another node reads) is no gap.
        const leftOut = item.Accessible && item.Accessible.ignored
        if (!namedAbove && name === "" && !leftOut) {
            const clickable = item.pressAndHoldInterval !== undefined && item.acceptedButtons !== undefined
            const text = item.text !== undefined && item.font !== undefined && item.wrapMode !== undefined
            if (clickable && item.enabled)
                found.push(here + " (click area)")
            else if (text && String(item.text).trim() !== "")
                found.push(here + " (text '" + item.text + "')")
        }
        for (let i = 0; i < item.children.length; ++i)
            unnamed(item.children[i], namedAbove || name !== "", here, found)
        return found
    }

    function test_everyControlIsNamed_data() {
        return [
            { tag: "first start", page: "FirstTimeSetup" },
            { tag: "options", page: "MiscConfig" },
            { tag: "protocols", page: "ProtocolConfig" },
            { tag: "about", page: "About" },
            { tag: "licences", page: "About", legal: true },
            { tag: "country label", page: "LabelingSwipeView", guidePage: 0 },
            { tag: "programming label", page: "LabelingSwipeView", guidePage: 1 },
            { tag: "contact label", page: "LabelingSwipeView", guidePage: 2 },
            { tag: "protection", page: "LabelingSwipeView", guidePage: 3 },
            { tag: "RLS sticker", page: "LabelingSwipeView", guidePage: 4 }
        ]
    }

    function test_everyControlIsNamed(data) {
        TestBeacon.clearDatabase()
        verify(TestBeacon.addBeaconToDatabase("10001", "Astrid"))
        QMLProxy.dbBeacon = 0
        if (data.page === "FirstTimeSetup")
            TestBeacon.resetSettings(true)
        openScene()
        if (data.guidePage !== undefined)
            mainView.setWithProperties("LabelingSwipeView.qml", { initialPage: data.guidePage })
        else if (data.page !== "FirstTimeSetup")
            mainView.set(data.page + ".qml")
        const page = waitForPage(data.page)
        if (data.legal)
            click("legalTab")
        wait(300)
        const found = unnamed(page, false, "", [])
        compare(found, [], "unnamed: " + found.join(", "))
        TestBeacon.clearDatabase()
    }
}
