import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend
import QuorvikTest

// One hex ID, one beacon: the transfer page stops before a hex ID that another stored
// beacon carries, says who carries it, and writes only after "Program anyway" with a
// reason, which the record, its report and the log keep.
SceneTestCase {
    name: "DuplicateId"

    readonly property string beaconSerial: "31337"
    readonly property string otherSerial: "40001"

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        verify(TestBeacon.restart({ serial: beaconSerial }))
        TestBeacon.clearLog()
        openScene()
        waitForPage("Main_StartProg")
    }

    function cleanup() {
        closeScene()
        QMLProxy.app.stopEpirbReceive()
        wait(100)
    }

    // Reads the beacon, gives it an identity (RLS call sign LC1234: the hex ID does not
    // depend on the beacon's serial) and, before the transfer page opens, stores the beacon
    // of holderSerial with the same identity.
    function transferWithIdHeldBy(holderSerial) {
        click("getStartedButton")
        waitForPage("Prog_1_Identify")
        tryVerify(function () { return currentWizardPage() !== null
                                && pageName(currentWizardPage()) === "Prog_2_Identified" }, 30000,
                  "the beacon was not identified")
        const config = QMLProxy.configPending
        // As the country and protocol pages set them: nothing of the beacon's own identity stays.
        IdentityRules.changeCountry(config, 257)
        IdentityRules.changeProtocol(config, ConfigTables.E_RlsUserTacPlb)
        config.setTacNumberRlsPlb(3123)
        config.setCustomSerial(1234)
        config.setOwnerName("ØYVIND HANSEN")
        config.calculateCsMsg()
        verify(TestBeacon.storeBeaconWithIdentityOf(holderSerial, config, "Bench 2", "Ola Nordmann"))
        return reopenTransfer()
    }

    function reopenTransfer() {
        const last = QMLProxy.programmingPages().length - 1
        mainView.setWithProperties("ProgrammingSwipeView.qml", { initialPage: last })
        return waitForWizardPage("Prog_11_Transfer")
    }

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

    function writeStarts() {
        return TestBeacon.logLines().filter(function (l) { return l.indexOf("startEpirbWrite activated") >= 0 }).length
    }

    function shownHolders(dialog) {
        const found = []
        const walk = function (node) {
            for (let i = 0; node && i < node.children.length; ++i) {
                const child = node.children[i]
                if (child.objectName === "duplicateHolder")
                    found.push(child)
                walk(child)
            }
        }
        walk(dialog.contentItem)
        return found
    }

    function test_duplicateIsAskedCancelledThenProgrammedWithReason() {
        const blockBefore = TestBeacon.storedBlockHex()
        let page = transferWithIdHeldBy(otherSerial)
        let dialog = page.duplicateDialog
        tryVerify(function () { return dialog.opened }, 5000, "no question for a hex ID another beacon carries")
        const hexId = QMLProxy.app.duplicateHexId
        compare(hexId, QMLProxy.configPending.epirbHexMsg())

        // Who carries it: model, serial, date, station and operator, for the eye and for a reader.
        verify(item("duplicateIntro", dialog.contentItem).text.indexOf(hexId) >= 0)
        const holders = shownHolders(dialog)
        compare(holders.length, 1)
        const today = Qt.formatDate(new Date(), "yyyy-MM-dd")
        for (const part of ["Skua P5", otherSerial, today, "Bench 2",
                            "Ola Nordmann"]) {
            verify(holders[0].text.indexOf(part) >= 0, holders[0].text + " lacks " + part)
            verify(holders[0].Accessible.name.indexOf(part) >= 0, holders[0].Accessible.name + " lacks " + part)
        }
        compare(QMLProxy.app.progStatus, "Not written: hex ID " + hexId
                + " is already carried by another beacon. Cancel, or program anyway with a reason.")
        verify(TestBeacon.logged("is already carried by"))

        // Without a reason there is no going on; blanks are no reason.
        const program = item("duplicateProgramButton", dialog.contentItem)
        const reasonField = item("duplicateReasonField", dialog.contentItem)
        verify(!program.enabled, "Program anyway without a reason")
        typeText(reasonField, "   ")
        verify(!program.enabled, "Program anyway with blanks for a reason")
        compare(program.Accessible.name, "Program anyway")

        // Cancel: nothing written, and the page does not try again by itself.
        const starts = writeStarts()
        click(item("duplicateCancelButton", dialog.contentItem))
        tryVerify(function () { return !dialog.visible }, 3000)
        compare(QMLProxy.app.progStatus, "Write cancelled: hex ID " + hexId
                + " is carried by another beacon. Nothing was written to the PLB.")
        wait(6000) // longer than the page's retry after a failure
        compare(writeStarts(), starts, "the cancelled write was started again")
        compare(TestBeacon.stats().writesCompleted, 0)
        compare(TestBeacon.storedBlockHex(), blockBefore)
        compare(TestBeacon.databaseFileSerials(), [otherSerial])

        // The page again: the same question; with a reason the beacon is written.
        page = reopenTransfer()
        dialog = page.duplicateDialog
        tryVerify(function () { return dialog.opened }, 5000, "the question is not asked again")
        const reason = "Spare PLB for the same life raft, owner's written request"
        typeText(item("duplicateReasonField", dialog.contentItem), reason)
        verify(item("duplicateProgramButton", dialog.contentItem).enabled)
        click(item("duplicateProgramButton", dialog.contentItem))
        tryVerify(function () { return !dialog.visible }, 3000)
        pressTestUntil(function () { return QMLProxy.app.progStatus === "PLB programmed successfully" }, 40000,
                       "the write with a reason did not finish: " + QMLProxy.app.progStatus)
        compare(TestBeacon.stats().writesCompleted, 1)
        compare(TestBeacon.stored().beaconSerial(), beaconSerial)
        compare(TestBeacon.stored().epirbHexMsg(), hexId)
        compare(TestBeacon.databaseFileDuplicateReason(beaconSerial), reason)
        compare(TestBeacon.databaseFileDuplicateReason(otherSerial), "")
        verify(TestBeacon.logged("reason given by"), "the reason is not in the log")
        verify(TestBeacon.logged(reason), "the reason is not in the log")

        // The list marks both beacons; the report of the one written carries the reason.
        closeScene()
        openScene()
        waitForPage("Main_StartProg")
        click("menuReports")
        const list = waitForPage("BeaconDbDisplay")
        const table = item("dbTable", list)
        tryCompare(table.tableView, "rows", 2)
        waitForRendering(scene.contentItem)
        for (let row = 0; row < 2; ++row) {
            const cell = table.tableView.itemAtCell(Qt.point(ProgBeaconList.BeaconSerial, row))
            verify(cell, "no serial cell in row " + row)
            verify(cell.marked, "row " + row + " is not marked")
            verify(item("cellMark", cell).visible)
            // A reader hears it with the row, on whichever cell it lands.
            for (let column = 0; column < 4; ++column) {
                const any = table.tableView.itemAtCell(Qt.point(column, row))
                verify(any.Accessible.description.indexOf("Duplicate ID") >= 0, any.Accessible.description)
            }
        }
        TestBeacon.clearOpenedFiles()
        typeText("dbSearchField", beaconSerial)
        tryCompare(table.tableView, "rows", 1)
        waitForRendering(scene.contentItem)
        mouseClick(table.tableView.itemAtCell(Qt.point(ProgBeaconList.BeaconSerial, 0)))
        click("exportPdfButton", list)
        tryVerify(function () { return TestBeacon.openedFiles.length === 1 }, 5000, "no report opened")
        const text = TestBeacon.pdfText(TestBeacon.openedFiles[0])
        verify(text.indexOf("Reason") >= 0 && text.indexOf("Spare PLB for the same life raft") >= 0, text)
        click("viewReportButton", list)
        const single = waitForPage("BeaconDbDisplaySingle")
        const row = item("duplicateReasonRow", single)
        verify(row.visible)
        compare(row.paramText, reason)
    }

    SignalSpy {
        id: questions
        target: QMLProxy.app
        signalName: "duplicateIdFound"
    }

    // A register set up but not answering has checked nothing: the same question, in its own
    // words, and a reason before the write goes on.
    function test_idTheRegisterCouldNotCheckIsAskedAbout() {
        compare(QMLProxy.sharedRegister.applySettings(true, "", "/nonexistent-quorvik-register", 5432, "register",
                                                      "quorvik"), "")
        try {
            const page = transferWithIdHeldBy(beaconSerial)
            const dialog = page.duplicateDialog
            tryVerify(function () { return dialog.opened }, 15000, "no question for an ID nobody could check")
            compare(item("duplicateHeading", dialog.contentItem).text, "Hex ID not checked")
            const holders = shownHolders(dialog)
            compare(holders.length, 1)
            verify(holders[0].text.indexOf("The shared register cannot be reached: this ID was checked against "
                                           + "this station only") >= 0, holders[0].text)
            compare(TestBeacon.stats().writesCompleted, 0)
            const reason = "Register server down, workshop list checked by hand"
            typeText(item("duplicateReasonField", dialog.contentItem), reason)
            click(item("duplicateProgramButton", dialog.contentItem))
            tryVerify(function () { return !dialog.visible }, 3000)
            pressTestUntil(function () { return QMLProxy.app.progStatus === "PLB programmed successfully" }, 40000,
                           "the write with a reason did not finish: " + QMLProxy.app.progStatus)
            compare(TestBeacon.databaseFileDuplicateReason(beaconSerial), reason)
        } finally {
            QMLProxy.sharedRegister.applySettings(false, "", "", 0, "", "")
        }
    }

    function test_sameBeaconWithItsOwnIdIsNotAsked() {
        questions.clear()
        transferWithIdHeldBy(beaconSerial)
        pressTestUntil(function () { return QMLProxy.app.progStatus === "PLB programmed successfully" }, 40000,
                       "the beacon's own ID did not go through: " + QMLProxy.app.progStatus)
        compare(questions.count, 0)
        verify(!TestBeacon.logged("is already carried by"))
        compare(TestBeacon.stats().writesCompleted, 1)
        compare(TestBeacon.databaseFileSerials(), [beaconSerial])
        compare(TestBeacon.databaseFileDuplicateReason(beaconSerial), "")
    }
}
