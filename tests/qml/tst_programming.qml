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
        // An item left out of the tree on purpose (a field whose text another node reads) is no gap.
        const leftOut = item.Accessible && item.Accessible.ignored
        if (!namedAbove && name === "" && !leftOut) {
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

    function back() {
        click(item("navigatorBack", mainView.currentItem))
    }

    // What the technician types, on the pages as a user would, for every protocol this PLB
    // offers and several countries; then what the summary shows and what the beacon got,
    // decoded from the bits the simulator stored, must all be what was typed.
    function test_identityAsTyped_data() {
        const P = ConfigTables
        return [
            // The whole MMSI of the country typed into "last 6 digits" is its last six.
            { tag: "Sweden, Std Location MMSI, whole MMSI", search: "265", country: 265,
              protocol: P.E_StdLocationMmsi, mmsi: "265123456", beaconNo: "2",
              identity: "265 123456", expect: { mmsi: "123456", beaconNo: 2 } },
            // Letters and five digits never pass; the beacon's serial is not offered as MMSI.
            { tag: "Germany, RLS MMSI PLB, refused inputs first", search: "Germany", country: 211,
              protocol: P.E_RlsUserMmsiPlb, refused: ["ABC", "12345", "265765432"], mmsi: "211765432",
              identity: "211 765432", expect: { mmsi: "765432" } },
            { tag: "Denmark, RLS MMSI EPIRB, second beacon", search: "219", country: 219,
              protocol: P.E_RlsUserMmsiEpirb, mmsi: "000111", beaconNo: "1",
              identity: "219 000111", expect: { mmsi: "000111", beaconNo: 1 } },
            // The beacon's own serial number, wrapped into the protocol's 14 bits.
            { tag: "Denmark, Std Location serial PLB", search: "219", country: 219,
              protocol: P.E_StdLocationSerialPlb, identity: "14953", expect: { serial: "14953" } },
            // A national ID typed before, then another protocol: the ID is not the serial.
            { tag: "Germany, Std Location serial EPIRB after a national ID", search: "Germany", country: 211,
              via: { protocol: P.E_NationalLocationPlb, nationalId: "4711" },
              protocol: P.E_StdLocationSerialEpirb, identity: "14953", expect: { serial: "14953" } },
            // A stored RLS TAC of 0 goes out as 1: summary and database say what the message says.
            { tag: "Sweden, RLS TAC EPIRB", search: "265", country: 265, protocol: P.E_RlsUserTacEpirb,
              identity: "14953", expect: { serial: "14953", tac: 1001 } },
            { tag: "Norway, call sign", search: "257", country: 257, protocol: P.E_RlsUserTacPlb,
              callSign: "LC1234", identity: "LC1234", expect: { serial: "LC1234", tac: 3001 } },
            // An ID typed while the data field is wrong is stored all the same.
            { tag: "Sweden, national, ID typed while data wrong", search: "265", country: 265,
              protocol: P.E_NationalLocationPlb, nationalId: "4711", badData: "99", nationalData: "42",
              identity: "4711", expect: { nationalId: 4711, nationalData: 42, deltaPosition: true } }
        ]
    }

    function test_identityAsTyped(data) {
        startAndIdentify()
        forward()
        pickCountry(data.search, data.country)
        forward()
        if (data.via) {
            pickProtocol(data.via.protocol)
            forward()
            const first = wizardPage("Prog_7_ProtocolParticular")
            retype(item("nationalIdField", first), data.via.nationalId)
            compare(QMLProxy.configPending.customSerial(), parseInt(data.via.nationalId, 10))
            back()
        }
        pickProtocol(data.protocol)
        forward()

        const page = wizardPage("Prog_7_ProtocolParticular")
        verify(!item("protocolProblem", page).visible, item("protocolProblem", page).text)
        const config = QMLProxy.configPending
        // The TAC the details page shows, as it opens and once the identity is in.
        const tacLabel = item("tacLabel", page)
        const tacShown = [tacLabel.text]
        if (data.mmsi !== undefined) {
            const mmsi = item("mmsiField", page)
            compare(mmsi.text, "", "the beacon's serial number is not offered as an MMSI")
            verify(!forwardAllowed())
            for (const wrong of (data.refused || [])) {
                retype(mmsi, wrong)
                compare(mmsi.text, wrong, "typed text is kept as typed")
                verify(!forwardAllowed(), wrong + " passed as an MMSI")
                verify(item("mmsiError", page).visible && item("mmsiError", page).text !== "")
            }
            retype(mmsi, data.mmsi)
            if (data.beaconNo !== undefined)
                retype(item("beaconNoField", page), data.beaconNo)
        } else if (data.callSign !== undefined) {
            const serial = item("serialField", page)
            retype(serial, "LC0000")
            verify(!forwardAllowed(), "LC0000 stands for no serial number")
            retype(serial, data.callSign)
        } else if (data.nationalId !== undefined) {
            compare(item("nationalIdField", page).text, "", "no national ID is offered")
            verify(!forwardAllowed(), "a national ID has to be typed")
            click(item("deltaPosition", page))
            retype(item("nationalDataField", page), data.badData)
            retype(item("nationalIdField", page), data.nationalId)
            verify(!forwardAllowed())
            retype(item("nationalDataField", page), data.nationalData)
        } else {
            const serial = item("serialField", page)
            verify(!serial.enabled, "the beacon's own serial number")
            compare(serial.text, data.identity)
            compare(config.customSerial(), 0)
        }
        tacShown.push(tacLabel.text)
        const serialGroup = item("serialGroup", page).visible
        forward()
        wizardPage("Prog_8_OwnerInfo")
        forward()

        const summary = wizardPage("Prog_10_Summary")
        const shownIdentity = item("identityRow", summary).paramText
        compare(shownIdentity, data.identity)
        const shownHexId = item("hexIdField", summary).text
        const shownExtra = item("beaconNoRow", summary).visible ? item("beaconNoRow", summary).paramText : ""
        forward()
        transferAndFinish()

        // The beacon's message, decoded: what was typed and what the summary showed.
        const stored = TestBeacon.stored()
        verify(stored, "the beacon's block does not decode")
        const onBeacon = IdentityRules.decodeRecord(stored)
        verify(onBeacon.valid)
        compare(onBeacon.protocol, data.protocol)
        compare(onBeacon.country, data.country)
        compare(onBeacon.hexId, shownHexId)
        for (const key in data.expect)
            compare(onBeacon[key], data.expect[key], key)
        if (data.expect.mmsi !== undefined)
            compare(String(onBeacon.country) + " " + onBeacon.mmsi, shownIdentity)
        if (data.expect.beaconNo !== undefined)
            compare(String(onBeacon.beaconNo), shownExtra)
        if (serialGroup) {
            // Details page, summary and the beacon's message: one TAC.
            compare(shownExtra, String(onBeacon.tac), "the summary's TAC")
            for (const shown of tacShown)
                compare(shown, "C/S TAC No: " + onBeacon.tac, "the details page's TAC")
        }
        if (data.expect.tac !== undefined) {
            compare(String(onBeacon.tac), shownExtra)
            const tac = data.protocol === ConfigTables.E_RlsUserTacPlb ? stored.tacNoRlsPlb() : stored.tacNoRls()
            compare(tac, onBeacon.tac, "the database keeps the TAC the beacon got")
        }
        if (data.expect.nationalData !== undefined)
            compare(String(onBeacon.nationalData), shownExtra)
    }

    // After the identification, the wizard opened at its last page with an identity set
    // directly: for the tests of the transfer itself.
    function openTransfer() {
        startAndIdentify()
        const config = QMLProxy.configPending
        // As the country and protocol pages set them: nothing of the beacon's own identity stays.
        IdentityRules.changeCountry(config, 257)
        IdentityRules.changeProtocol(config, ConfigTables.E_RlsUserTacPlb)
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

    // The database folder cannot be written when the beacon has been programmed: the run
    // stops on that status, says where and why, keeps the record in a pending file and
    // writes it once the database can be written again.
    function test_unwritableDatabaseStopsTheRun() {
        verify(TestBeacon.setDatabaseWritable(false))
        try {
            const page = openTransfer()
            const notSaved = "PLB programmed successfully, but not saved in the database"
            pressTestUntil(function () { return QMLProxy.app.progStatus === notSaved }, 40000,
                           "the run did not end on the store failure: " + QMLProxy.app.progStatus)
            verify(QMLProxy.app.progStatusError)
            const box = page.storeFailureBox
            tryVerify(function () { return box.visible }, 3000, "no message box about the store failure")
            const dbPath = TestBeacon.dataFolder + "/Quorvik.db"
            verify(box.text.indexOf(dbPath + " could not be written") >= 0, box.text)
            verify(box.text.indexOf("Quorvik-pending.db") >= 0, box.text)
            verify(Qt.colorEqual(barColor(page), AldmarStyle.jProgressBarErrorColor), "the bar is not red")
            // The record is not only in memory.
            verify(TestBeacon.readTextFile(TestBeacon.dataFolder + "/Quorvik-pending.db").length > 0)
            verify(TestBeacon.logged("saveDb: could not write " + dbPath))

            // The guide only when asked for: "No" stays on the page with its status.
            wait(400)
            let no = null
            const walk = function (node) {
                for (let i = 0; node && i < node.children.length && !no; ++i) {
                    const child = node.children[i]
                    if (child.visible && child.text === "No" && child.clicked !== undefined)
                        no = child
                    else
                        walk(child)
                }
            }
            walk(scene.contentItem.parent)
            verify(no, "the box offers no \"No\"")
            mouseClick(no)
            tryVerify(function () { return !box.visible }, 3000)
            wait(500)
            verify(findChild(mainView.currentItem, "Prog_11_Transfer"), "the transfer page was left")
            verify(!TestBeacon.logged("Replacing most items with : LabelingSwipeView.qml"))
            compare(QMLProxy.app.progStatus, notSaved)

            // Reports says it too, until the record is written.
            click("menuProgrammingBar")
            waitForPage("Main_StartProg")
            click("menuReports")
            const reports = waitForPage("BeaconDbDisplay")
            const line = item("dbProblemLine", reports)
            verify(line.visible)
            verify(line.text.indexOf("Not saved: " + dbPath + " could not be written") === 0, line.text)

            // Writable again: the waiting record is written without anything being done.
            verify(TestBeacon.setDatabaseWritable(true))
            tryCompare(QMLProxy.database, "writeProblem", "", 15000)
            tryVerify(function () { return !line.visible }, 3000)
            compare(TestBeacon.databaseFileSerials(), [beaconSerial])
            compare(TestBeacon.readTextFile(TestBeacon.dataFolder + "/Quorvik-pending.db"), "")
        } finally {
            TestBeacon.setDatabaseWritable(true)
        }
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
        // As the country and protocol pages set them: nothing of the beacon's own identity stays.
        IdentityRules.changeCountry(config, 257)
        IdentityRules.changeProtocol(config, ConfigTables.E_RlsUserTacPlb)
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
        // What is typed stays as typed; the rules say what is wrong with it.
        retype(mmsi, "12a345")
        compare(mmsi.text, "12A345")
        compare(item("mmsiError", page).text, "The MMSI takes digits only")
        verify(!forwardAllowed())
        retype(mmsi, "12345")
        verify(!forwardAllowed(), "five digits are not an MMSI")
        verify(mmsi.idAsterisk.visible)
        compare(item("mmsiError", page).text, "The MMSI needs 6 digits: its last 6, or all 9")
        typeText(mmsi.idValue, "6")
        verify(forwardAllowed())
        compare(config.mmsi(), "123456")
        typeText(mmsi.idValue, "7")
        verify(!forwardAllowed(), "seven digits are no MMSI")
        retype(mmsi, "265123456")
        compare(item("mmsiError", page).text, "MMSI 265123456 does not start with 211, the MID of the country chosen")
        verify(!forwardAllowed())
        retype(mmsi, "2111234567")
        compare(mmsi.text, "211123456", "typing stops at the nine digits of a whole MMSI")
        verify(forwardAllowed())
        compare(config.mmsi(), "123456", "a whole MMSI of the country means its last six digits")
        const beaconNo = item("beaconNoField", page)
        retype(beaconNo, "99")
        compare(beaconNo.text, "99", "nothing typed is changed into another number")
        compare(item("mmsiError", page).text, "Beacon number must be 0 to 15")
        verify(!forwardAllowed())
        compare(config.beaconNo(), 9, "of \"99\" only the \"9\" that passed is stored")
        retype(beaconNo, "15")
        verify(forwardAllowed())
        compare(config.beaconNo(), 15)

        config.setProtocolId(ConfigTables.E_RlsUserMmsiEpirb)
        config.setFirstEpirb(true)
        page = openWizardAt("Prog_7_ProtocolParticular")
        compare(item("beaconNoField", page).description, "Beacon number (0-1):")
        compare(item("beaconNoField", page).text, "0")
        retype(item("beaconNoField", page), "11")
        compare(item("beaconNoField", page).text, "1", "one digit only")
        verify(!config.firstEpirb(), "1 is the second EPIRB")

        // A protocol this PLB does not offer is refused on the page, not written.
        config.setProtocolId(ConfigTables.E_UserRadiocall)
        page = openWizardAt("Prog_7_ProtocolParticular")
        verify(item("protocolProblem", page).visible)
        compare(item("protocolProblem", page).text,
                "This protocol is not enabled: choose another, or check the protocol settings")
        mmsi = item("mmsiField", page)
        compare(mmsi.description, "Radio Call Sign:")
        retype(mmsi, "LC1")
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
