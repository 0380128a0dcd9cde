import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend
import QuorvikTest

// A programming run through the real pages, as a technician makes it, against the
// simulated beacon: start page, identification, wizard, transfer, and what the beacon holds.
SceneTestCase {
    name: "Programming"

    readonly property string beaconSerial: "31337"

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        verify(TestBeacon.restart({ serial: beaconSerial }))
        TestBeacon.clearLog()
        openScene()
        waitForPage("Main_StartProg")
    }

    function cleanup() {
        // No run may leave the link busy for the next test.
        closeScene()
        QMLProxy.app.stopEpirbReceive()
        wait(100)
    }

    // Click areas and texts a screen reader would find without a name (as the accessibility test checks).
    function unnamed(item, namedAbove, found) {
        if (!item.visible || item.opacity === 0)
            return found
        const attached = item.Accessible
        const name = attached && !attached.ignored ? attached.name : ""
        if (!namedAbove && name === "") {
            const clickArea = item.pressAndHoldInterval !== undefined && item.acceptedButtons !== undefined
            const text = item.text !== undefined && item.font !== undefined && item.wrapMode !== undefined
            if (clickArea && item.enabled)
                found.push((item.objectName || String(item)) + " (click area)")
            else if (text && String(item.text).trim() !== "")
                found.push((item.objectName || String(item)) + " (text '" + item.text + "')")
        }
        for (let i = 0; i < item.children.length; ++i)
            unnamed(item.children[i], namedAbove || name !== "", found)
        return found
    }

    function verifyNamed(page) {
        const found = unnamed(page, false, [])
        compare(found, [], "unnamed on " + pageName(page) + ": " + found.join(", "))
    }

    // The wizard page on show, by its file name without ".qml".
    function wizardPage(name) {
        let found = null
        tryVerify(function () {
            const view = mainView.currentItem
            if (!view || currentPage() !== "ProgrammingSwipeView")
                return false
            found = findChild(view, name)
            return found !== null && found.visible
        }, 5000, "expected wizard page " + name)
        // A click while the pages still slide would stop the slide instead of reaching the page.
        tryVerify(function () { return Math.abs(found.mapToItem(mainView.currentItem, 0, 0).x) < 1 }, 3000,
                  "page " + name + " does not settle")
        waitForRendering(scene.contentItem)
        verifyNamed(found)
        return found
    }

    function forwardAllowed() { return item("pageIndicator", mainView.currentItem).forwardEnabled }

    function forward() {
        tryVerify(forwardAllowed, 3000, "the forward arrow stays disabled")
        click(item("navigatorForward", mainView.currentItem))
    }

    // GET STARTED, then the identification reads the beacon and opens the wizard.
    function startAndIdentify() {
        verifyNamed(mainView.currentItem)
        click("getStartedButton")
        verifyNamed(waitForPage("Prog_1_Identify"))
        verify(TestBeacon.logged("Startup from main"))
        verify(item("menuProgrammingBar").visible, "programming mode of the menu bar")
        const page = wizardPage("Prog_2_Identified")
        compare(item("serialRow", page).paramText, beaconSerial, "identified page shows the beacon's serial")
        verify(!item("pageIndicator", mainView.currentItem).backwardEnabled, "the first page cannot go back")
        return page
    }

    // Types into the search field and clicks the first row the filter leaves.
    function pickCountry(search, code) {
        const page = wizardPage("Prog_5_CountryCode")
        const field = item("countrySearch", page)
        typeText(field.contentItem ? field : field, search)
        const table = item("countryTable", page)
        tryVerify(function () { return table.tableView.rows >= 1 }, 3000)
        compare(String(table.model.data(table.model.index(0, 0))), String(code))
        waitForRendering(scene.contentItem)
        const cell = table.tableView.itemAtCell(Qt.point(1, 0))
        verify(cell, "no cell in the first row")
        click(cell)
        tryCompare(QMLProxy.configPending, "beaconType", QMLProxy.configPending.beaconType)
        tryVerify(function () { return QMLProxy.configPending.countryCode() === code }, 3000)
        verify(TestBeacon.logged("Country selected: " + code))
    }

    function pickProtocol(protocol) {
        const page = wizardPage("Prog_6_SelectProtocol")
        click(item("protocol_" + protocol, page))
        compare(QMLProxy.configPending.protocolId(), protocol)
    }

    function fillOwner(name) {
        const page = wizardPage("Prog_8_OwnerInfo")
        const field = item("ownerName", page)
        typeText(field.idValue, name)
        compare(field.text, name)
        verify(!item("ownerLengthError", page).visible)
        compare(QMLProxy.configPending.ownerName(), name)
    }

    // The summary's hex ID is the one the command-line tool computes for the same identity.
    function checkSummary(encodeArgs) {
        const page = wizardPage("Prog_10_Summary")
        const shown = item("hexIdField", page).text
        const cli = CliTool.run(["msg", "encode"].concat(encodeArgs))
        compare(cli.exitCode, 0, cli.stderr)
        compare(shown, cli.json.hexId, "hex ID of " + encodeArgs.join(" "))
        compare(item("checksumField", page).text, cli.json.checksum)
        return shown
    }

    // The transfer writes and verifies; the run ends on the labelling guide or the beacon's page.
    function transferAndFinish() {
        const page = wizardPage("Prog_11_Transfer")
        verify(TestBeacon.logged("Prog_11 component completed"))
        if (QMLProxy.app.progStatus === "Waiting for connection...")
            TestBeacon.pressTest()
        runFinished()
    }

    // After a verified write: the labelling guide, or the beacon's page without it.
    function runFinished() {
        const guide = TestBeacon.hasPage("LabelingSwipeView.qml")
        const single = TestBeacon.hasPage("BeaconDbDisplaySingle.qml")
        tryVerify(function () { return TestBeacon.logged("Replacing most items with : "
                                                         + (guide ? "LabelingSwipeView.qml" : "BeaconDbDisplaySingle.qml")) },
                  30000, "the transfer did not finish: " + QMLProxy.app.progStatus)
        compare(QMLProxy.app.progStatus, "PLB programmed successfully")
        if (guide)
            waitForPage("LabelingSwipeView")
        else if (single)
            waitForPage("BeaconDbDisplaySingle")
        compare(TestBeacon.stats().writesCompleted, 1)
        compare(TestBeacon.databaseCount(), 1)
    }

    function test_programmingRun_data() {
        return [
            // Norway allows its RLS call-sign protocol only: a serial-number protocol.
            { tag: "serial protocol, Norway", search: "257", country: 257, protocol: ConfigTables.E_RlsUserTacPlb },
            { tag: "MMSI protocol", search: "Germany", country: 211, protocol: ConfigTables.E_StdLocationMmsi },
            { tag: "national protocol", search: "227", country: 227, protocol: ConfigTables.E_NationalLocationPlb }
        ]
    }

    function test_programmingRun(data) {
        const owner = "ØYVIND HANSEN"
        startAndIdentify()
        // A beacon leaves the factory with its type-approval number; the simulated one is blank.
        QMLProxy.configPending.setTacNumberRlsPlb(3123)
        forward()
        pickCountry(data.search, data.country)
        forward()
        pickProtocol(data.protocol)
        forward()

        const details = wizardPage("Prog_7_ProtocolParticular")
        let encode = ["--protocol", String(data.protocol), "--country", String(data.country)]
        if (data.protocol === ConfigTables.E_StdLocationMmsi) {
            const mmsi = item("mmsiField", details)
            verify(mmsi.visible)
            compare(mmsi.description, "MMSI number (last 6 digits):")
            typeText(mmsi.idValue, "12345")
            verify(!forwardAllowed(), "five digits are not an MMSI")
            typeText(mmsi.idValue, "6")
            const beaconNo = item("beaconNoField", details)
            beaconNo.idValue.selectAll()
            typeText(beaconNo.idValue, "3")
            compare(QMLProxy.configPending.mmsi(), "123456")
            compare(QMLProxy.configPending.beaconNo(), 3)
            encode = encode.concat(["--identity", "123456", "--beacon-no", "3"])
        } else if (data.protocol === ConfigTables.E_RlsUserTacPlb) {
            const serial = item("serialField", details)
            verify(item("tacLabel", details).text.startsWith("C/S TAC No: "))
            compare(serial.description, "Call Sign (LCxxxx):")
            verify(serial.enabled, "the call sign is always entered")
            verify(!item("useBeaconSerial", details).visible)
            serial.idValue.selectAll()
            typeText(serial.idValue, "LC1234")
            compare(QMLProxy.configPending.customSerial(), 1234)
            verify(!item("serialError", details).visible)
            const tac = item("tacLabel", details).text.replace("C/S TAC No: ", "")
            encode = encode.concat(["--serial", "1234", "--tac", tac])
        } else {
            const id = item("nationalIdField", details)
            id.idValue.selectAll()
            typeText(id.idValue, "4711")
            click(item("nationalDataChoice", details))
            const nationalData = item("nationalDataField", details)
            nationalData.idValue.selectAll()
            typeText(nationalData.idValue, "100")
            verify(forwardAllowed(), "100 is national data")
            click(item("deltaPosition", details))
            verify(nationalData.idAsterisk.visible, "100 is too much for a delta position")
            verify(!forwardAllowed())
            nationalData.idValue.selectAll()
            typeText(nationalData.idValue, "42")
            compare(QMLProxy.configPending.customSerial(), 4711)
            compare(QMLProxy.configPending.additionalDataType(), true)
            compare(QMLProxy.configPending.additionalData(), 42)
            encode = encode.concat(["--serial", "4711", "--additional-data-type", "1", "--national-data", "42"])
        }
        forward()
        fillOwner(owner)
        forward()
        const hexId = checkSummary(encode)
        compare(findChild(wizardPage("Prog_10_Summary"), "nameRow").paramText, owner)
        forward()
        transferAndFinish()

        // What the beacon holds is what the pages showed.
        const stored = TestBeacon.stored()
        verify(stored, "the beacon's block does not decode")
        compare(stored.beaconSerial(), beaconSerial)
        compare(stored.ownerName(), owner)
        compare(stored.protocolId(), data.protocol)
        compare(stored.countryCode(), data.country)
        compare(stored.epirbHexMsg(), hexId)
    }

    // After the identification, the wizard opened at its last page with an identity set
    // directly: for the tests of the transfer itself.
    function openTransfer() {
        startAndIdentify()
        const config = QMLProxy.configPending
        config.setCountryCode(257)
        config.setProtocolId(ConfigTables.E_RlsUserTacPlb)
        config.setTacNumberRlsPlb(3123)
        config.setCustomSerial(1234)
        config.setOwnerName("ØYVIND HANSEN")
        config.calculateCsMsg()
        const last = QMLProxy.programmingPages().length - 1
        mainView.setWithProperties("ProgrammingSwipeView.qml", { initialPage: last })
        return wizardPage("Prog_11_Transfer")
    }

    // A technician presses TEST again while the page waits for the beacon.
    function pressTestUntil(done, timeout, message) {
        let pressedAt = 0
        tryVerify(function () {
            if (done())
                return true
            if (QMLProxy.app.progStatus === "Waiting for connection..." && Date.now() - pressedAt > 2000) {
                TestBeacon.pressTest()
                pressedAt = Date.now()
            }
            return false
        }, timeout, message)
    }

    // A button of an open message box, found by its text as a user reads it.
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

    function barColor(page) {
        return item("progressFill", page).color
    }

    function test_refusedWriteIsRetried() {
        // More refusals than the sender takes: the first write fails, a retry goes through.
        verify(TestBeacon.restart({ serial: beaconSerial, nakFirst: 6 }))
        const page = openTransfer()
        const before = TestBeacon.storedBlockHex()
        TestBeacon.pressTest()
        tryVerify(function () { return QMLProxy.app.progStatusError }, 30000, "the refused write is not reported")
        const failedAt = Date.now()
        const failure = QMLProxy.app.progStatus
        verify(failure === "Write failed. Please retry." || failure === "Communication error", failure)
        verify(Qt.colorEqual(barColor(page), AldmarStyle.jProgressBarErrorColor), "the bar turns red")
        compare(QMLProxy.app.progProgress, 100)
        compare(item("progressStatus", page).text, failure)
        compare(TestBeacon.storedBlockHex(), before)
        compare(TestBeacon.databaseCount(), 0)

        // Five seconds later the page starts again by itself.
        const starts = TestBeacon.logLines().filter(function (l) { return l.indexOf("startEpirbWrite activated") >= 0 }).length
        tryVerify(function () { return Qt.colorEqual(barColor(page), AldmarStyle.jProgressBarSuccessColor) }, 10000,
                  "the bar stays red")
        verify(Date.now() - failedAt >= 4500, "retried after " + (Date.now() - failedAt) + " ms")
        compare(TestBeacon.logLines().filter(function (l) { return l.indexOf("startEpirbWrite activated") >= 0 }).length,
                starts + 1, "the write is started again")
        pressTestUntil(function () { return QMLProxy.app.progStatus === "PLB programmed successfully" }, 40000,
                       "no retry succeeded: " + QMLProxy.app.progStatus)
        runFinished()
        compare(TestBeacon.stored().ownerName(), "ØYVIND HANSEN")
        compare(TestBeacon.stored().customSerial(), 1234)
    }

    function test_exitDuringTransferStopsTheLink() {
        // At 2400 baud a write takes long enough to leave in the middle of it.
        verify(TestBeacon.restart({ serial: beaconSerial, baud: 2400 }))
        openTransfer()
        const before = TestBeacon.storedBlockHex()
        TestBeacon.pressTest()
        tryCompare(QMLProxy.app, "progStatus", "Writing data to PLB...", 30000)
        // Leaving in the middle of a write is asked first; "No" keeps the write going.
        const ask = item("endWriteQuestion", menubar)
        click("menuProgrammingBar")
        tryVerify(function() { return ask.visible }, 5000, "the write was ended without asking")
        compare(currentPage(), "ProgrammingSwipeView")
        click(dialogButton("No"))
        tryVerify(function() { return !ask.visible })
        compare(currentPage(), "ProgrammingSwipeView")
        verify(QMLProxy.app.writeInProgress)
        // The transfer page's back arrow asks too; "Yes" ends the write.
        click(item("navigatorBack", mainView.currentItem))
        tryVerify(function() { return ask.visible }, 5000, "the back arrow ended the write without asking")
        click(dialogButton("Yes"))
        tryVerify(function() { return currentPage() !== "ProgrammingSwipeView" || pageName(currentWizardPage()) !== "Prog_11_Transfer" })
        click("menuProgrammingBar")
        waitForPage("Main_StartProg")
        verify(TestBeacon.logged("Prog_11 component destroyed"))
        // What the link had written before it closed reaches the beacon still; then nothing more.
        wait(500)
        const packets = TestBeacon.stats().packetsReceived
        wait(2000)
        compare(TestBeacon.stats().packetsReceived, packets, "the link went on sending")
        compare(TestBeacon.stats().writesCompleted, 0)
        compare(TestBeacon.storedBlockHex(), before)
        compare(TestBeacon.databaseCount(), 0)
        verify(QMLProxy.app.progStatus !== "PLB programmed successfully")
    }

    // The note typed on the beacon's page right after the run is the stored beacon's note, and
    // Escape there ends programming as "Exit Programming" does.
    function test_noteAfterRunIsStoredAndEscapeEndsProgramming() {
        openTransfer()
        pressTestUntil(function () { return QMLProxy.app.progStatus === "PLB programmed successfully" }, 40000,
                       "the run did not succeed: " + QMLProxy.app.progStatus)
        runFinished()
        if (currentPage() === "LabelingSwipeView") {
            const pages = ConfigTables.labelingPages(Datablock.beaconType, Datablock.protocolCode)
            for (let i = 0; i < pages.length; ++i)
                click(item("navigatorForward", mainView.currentItem))
        }
        const single = waitForPage("BeaconDbDisplaySingle")
        verify(single.fromProgramming)
        const note = item("addInfoArea", single)
        typeText(note, "Sold to Hansen")
        keyClick(Qt.Key_Escape)
        waitForPage("Main_StartProg")
        verify(!item("menuProgrammingBar").visible, "the programming bar stays after the run")
        verify(item("menuProgram").visible)
        compare(TestBeacon.databaseFileNote(beaconSerial), "Sold to Hansen")
    }

    // A page replaced by another is destroyed after the new one has started its operation:
    // its stop must not end the new page's operation.
    function test_quicklyReplacedPagesKeepTheLink() {
        click("getStartedButton")
        mainView.set("Prog_1_Identify.qml")
        mainView.set("Prog_1_Identify.qml")
        compare(currentPage(), "Prog_1_Identify")
        compare(QMLProxy.app.progStatus, "Waiting for connection...")
        // A stopped link would leave the page waiting however often TEST is pressed.
        pressTestUntil(function () { return currentPage() === "ProgrammingSwipeView" }, 30000,
                       "the identification never read the beacon: " + QMLProxy.app.progStatus)
        wizardPage("Prog_2_Identified")

        const config = QMLProxy.configPending
        config.setCountryCode(257)
        config.setProtocolId(ConfigTables.E_RlsUserTacPlb)
        config.setTacNumberRlsPlb(3123)
        config.setCustomSerial(1234)
        config.calculateCsMsg()
        const last = QMLProxy.programmingPages().length - 1
        mainView.setWithProperties("ProgrammingSwipeView.qml", { initialPage: last })
        mainView.setWithProperties("ProgrammingSwipeView.qml", { initialPage: last })
        wizardPage("Prog_11_Transfer")
        compare(QMLProxy.app.progStatus, "Waiting for connection...")
        pressTestUntil(function () { return QMLProxy.app.progStatus === "PLB programmed successfully" }, 40000,
                       "the transfer never wrote the beacon: " + QMLProxy.app.progStatus)
        runFinished()
        compare(TestBeacon.stored().customSerial(), 1234)
    }

    function openWizardAt(file) {
        const pages = QMLProxy.programmingPages()
        verify(pages.indexOf(file + ".qml") >= 0, file + " is not a wizard page now")
        mainView.setWithProperties("ProgrammingSwipeView.qml", { initialPage: pages.indexOf(file + ".qml") })
        return wizardPage(file)
    }

    function retype(field, text) {
        field.idValue.selectAll()
        if (text === "") {
            field.idValue.forceActiveFocus()
            keyClick(Qt.Key_Delete)
        }
        typeText(field.idValue, text)
    }

    // The input rules of the identity, beacon-number and owner fields, typed as a user would.
    function test_inputRules() {
        startAndIdentify()
        const config = QMLProxy.configPending
        config.setCountryCode(211)
        config.setProtocolId(ConfigTables.E_StdLocationMmsi)
        config.setBeaconNo(0)
        let page = openWizardAt("Prog_7_ProtocolParticular")
        let mmsi = item("mmsiField", page)
        retype(mmsi, "12a345")
        compare(mmsi.text, "12345", "a letter is removed at once")
        verify(!forwardAllowed(), "five digits are not an MMSI")
        verify(mmsi.idAsterisk.visible)
        typeText(mmsi.idValue, "67")
        compare(mmsi.text, "123456", "a seventh digit is cut")
        verify(forwardAllowed())
        const beaconNo = item("beaconNoField", page)
        retype(beaconNo, "99")
        compare(beaconNo.text, "15", "beacon numbers stop at 15")
        compare(config.beaconNo(), 15)

        config.setProtocolId(ConfigTables.E_RlsUserMmsiEpirb)
        config.setFirstEpirb(true)
        page = openWizardAt("Prog_7_ProtocolParticular")
        compare(item("beaconNoField", page).description, "Beacon number (0-1):")
        compare(item("beaconNoField", page).text, "0")
        retype(item("beaconNoField", page), "11")
        compare(item("beaconNoField", page).text, "1", "one digit only")
        verify(!config.firstEpirb(), "1 is the second EPIRB")

        config.setProtocolId(ConfigTables.E_UserRadiocall)
        page = openWizardAt("Prog_7_ProtocolParticular")
        mmsi = item("mmsiField", page)
        compare(mmsi.description, "Radio Call Sign:")
        retype(mmsi, "lcab")
        compare(mmsi.text, "LCAB", "upper case")
        typeText(mmsi.idValue, "x12")
        compare(mmsi.text, "LCAB12", "only digits after the fourth character")
        compare(config.mmsi(), "LCAB12")
        retype(mmsi, "LC1")
        verify(forwardAllowed(), "three characters make a call sign")
        keyClick(Qt.Key_Backspace)
        verify(!forwardAllowed())

        // 30 + space + 30 bytes fit; one more does not; Ø takes two bytes.
        page = openWizardAt("Prog_8_OwnerInfo")
        const name = item("ownerName", page)
        const address = item("ownerAddress", page)
        retype(item("ownerTelephone", page), "")
        retype(item("ownerOther", page), "")
        retype(name, "A".repeat(30))
        retype(address, "B".repeat(30))
        verify(!item("ownerLengthError", page).visible)
        verify(forwardAllowed())
        compare(config.ownerAddress(), "B".repeat(30))
        typeText(address.idValue, "B")
        verify(item("ownerLengthError", page).visible, "62 bytes are refused")
        verify(!forwardAllowed())
        compare(config.ownerAddress(), "B".repeat(30), "a refused edit is not stored")
        keyClick(Qt.Key_Backspace)
        verify(!item("ownerLengthError", page).visible)
        retype(name, "Ø" + "A".repeat(29))
        verify(item("ownerLengthError", page).visible, "Ø counts twice")
        keyClick(Qt.Key_Backspace)
        verify(!item("ownerLengthError", page).visible)
        compare(config.ownerName(), "Ø" + "A".repeat(28))
    }

    // A protocol the program must not write for that beacon and country: a warning box,
    // and once it is acknowledged the wizard does not go on.
    function test_unsupportedProtocolWarning() {
        startAndIdentify()
        const config = QMLProxy.configPending
        const beacon = config.beaconType
        config.beaconType = ConfigTables.E_Skua11
        config.setCountryCode(366)
        config.setProtocolId(ConfigTables.E_UserSerialEpirb)
        const page = openWizardAt("Prog_7_ProtocolParticular")
        const dialog = findChild(page, "unsupportedProtocolDialog")
        verify(dialog, "no warning box on the page")
        verify(!dialog.visible, "the warning waits until the page is up")
        tryVerify(function () { return dialog.visible }, 3000, "no warning for a USA serial protocol")
        verify(dialog.text.indexOf("Serial protocols for USA cannot be programmed with Quorvik.") >= 0)
        dialog.accept()
        tryVerify(function () { return !dialog.visible })
        verify(!forwardAllowed(), "forward stays closed after the warning")
        verify(item("pageIndicator", mainView.currentItem).backwardEnabled, "back stays open")
        config.beaconType = beacon
    }
}
