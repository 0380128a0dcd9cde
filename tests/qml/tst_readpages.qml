import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// "Readback" and "Log" against the simulated beacon: what it holds reaches the pages and
// the boot-log export, and a log the program cannot use shows as a failure, never as the last one.
SceneTestCase {
    name: "ReadPages"

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.restart({ serial: "24680", owner: "Readback Owner" })
        TestBeacon.clearLog()
        openScene()
    }

    function cleanup() {
        closeScene()
        TestBeacon.restart()
    }

    // A version-2 boot log as the beacon keeps it, with its CRC, padded to whole blocks.
    function bootLogHex(log) {
        const b = new Array(576).fill(0)
        const put16 = function(at, v) { b[at] = v & 0xff; b[at + 1] = (v >> 8) & 0xff }
        put16(2, log.entries.length)
        put16(4, log.newest)
        for (let i = 0; i < log.counters.length; ++i)
            b[6 + i] = log.counters[i]
        for (let s = 0; s < log.entries.length; ++s) {
            const e = log.entries[s]
            const at = 34 + 12 * e.slot
            b[at] = e.reason
            b[at + 1] = e.mask
            b[at + 2] = e.result
            put16(at + 3, e.minutes)
            b[at + 5] = e.flags
            if (e.reason === 0 || e.reason === 2) {
                put16(at + 8, e.pressure & 0xffff)
                put16(at + 10, e.temperature & 0xffff)
            } else {
                put16(at + 8, e.time & 0xffff)
                put16(at + 10, (e.time >>> 16) & 0xffff)
            }
        }
        b[511] = 2
        // CRC-16, polynomial 0x8005, initial 0, most significant bit first, over bytes 2..511.
        let crc = 0
        for (let i = 2; i < 512; ++i) {
            crc ^= b[i] << 8
            for (let k = 0; k < 8; ++k)
                crc = (crc & 0x8000) ? ((crc << 1) ^ 0x8005) & 0xffff : (crc << 1) & 0xffff
        }
        put16(0, crc)
        let hex = ""
        for (let i = 0; i < b.length; ++i)
            hex += (b[i] < 16 ? "0" : "") + b[i].toString(16)
        return hex
    }

    function cellText(table, row, column) {
        table.tableView.positionViewAtCell(Qt.point(column, row), TableView.Contain)
        table.tableView.forceLayout()
        const cell = table.tableView.itemAtCell(Qt.point(column, row))
        verify(cell, "no cell at row " + row + ", column " + column)
        for (let i = 0; i < cell.children.length; ++i) {
            if (cell.children[i].text !== undefined)
                return cell.children[i].text
        }
        return ""
    }

    // A button of an open message box, found by its text as a user reads it.
    function dialogButton(text) {
        // The box grows into place when it opens; click it where it ends up.
        wait(400)
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

    // On an 800 x 600 window both read pages scroll: the bar and the status stay in view,
    // clear of the footer, and a failed status is red.
    function test_smallWindowKeepsTheStatusInView_data() {
        return [ { tag: "readback", menu: "menuReadback", page: "Main_StartRead" },
                 { tag: "log", menu: "menuLog", page: "Main_StartLogRead" } ]
    }

    function test_smallWindowKeepsTheStatusInView(data) {
        // The beacon falls silent in the middle of its answer: the read fails.
        TestBeacon.restart({ serial: "24680", stallAfter: 40 })
        scene.width = 800
        scene.height = 600
        click(data.menu)
        const page = waitForPage(data.page)
        const footer = item("companyBar")
        const visibleBottom = Math.min(footer.mapToItem(scene.contentItem, 0, 0).y,
                                       mainView.mapToItem(scene.contentItem, 0, mainView.height).y)
        const inView = function(it) {
            const top = it.mapToItem(scene.contentItem, 0, 0).y
            const bottom = it.mapToItem(scene.contentItem, 0, it.height).y
            return top >= mainView.mapToItem(scene.contentItem, 0, 0).y && bottom <= visibleBottom - 10
        }
        const status = item("readStatusText", page)
        tryVerify(function() { return status.text !== "" && inView(status) }, 5000,
                  "the status is hidden behind the footer")
        verify(inView(item("readProgressBar", page)), "the bar is hidden behind the footer")
        // The failure shows in the view, in red.
        TestBeacon.pressTest()
        tryVerify(function() { return QMLProxy.app.progStatusError }, 30000, "the read did not fail")
        tryVerify(function() { return inView(status) })
        verify(Qt.colorEqual(status.color, AldmarStyle.jTextErrorColor), "the failed status is not red")
    }

    function test_readbackShowsTheBeaconAndBackGoesToStart() {
        click("menuReadback")
        waitForPage("Main_StartRead")
        verify(TestBeacon.logged("Main_StartRead component completed"))
        const page = waitForPage("BeaconDbDisplaySingle", 30000)
        verify(TestBeacon.logged("Main_StartRead component destroyed"))
        const beacon = TestBeacon.stored()
        verify(beacon)

        compare(item("serialRow", page).paramText, beacon.beaconSerial())
        compare(item("serialRow", page).paramText, "24680")
        compare(item("protocolRow", page).paramText,
                ConfigTables.protocolName(beacon.protocolId(), beacon.countryCode()))
        compare(item("identityRow", page).leadText, "C/S Serial ID:")
        compare(item("hexIdField", page).text, beacon.epirbHexMsg())
        compare(item("checksumField", page).text, beacon.epirbHexChecksum())
        compare(item("nameRow", page).paramText, "Readback Owner")
        verify(item("nameRow", page).visible)
        verify(!item("addressRow", page).visible)
        compare(item("singleHeading", page).text, TextResource.beaconName(beacon.beaconType))
        verify(TestBeacon.logged("Full HEX msg: " + Datablock.hexMsg))
        // A read-back result is neither in the list nor removable.
        verify(!item("backButton", page).visible)
        verify(!item("removeButton", page).visible)
        verify(item("makeReportButton", page).visible)

        // The report of the beacon just read, then shown on Yes.
        TestBeacon.clearOpenedFiles()
        click("makeReportButton", page)
        const ask = item("reportDialog", page)
        tryVerify(function() { return ask.visible })
        click(dialogButton("Yes"))
        tryCompare(TestBeacon.openedFiles, "length", 1)
        verify(TestBeacon.openedFiles[0].indexOf("24680_" + beacon.epirbHexMsg() + ".pdf") >= 0)

        keyClick(Qt.Key_Escape)
        waitForPage("Main_StartProg")
        compare(mainView.depth, 1)
    }

    // "Readback" then "Log" at once: the read page's stop lands after the log page's start
    // and must not leave the log page waiting on a stopped link.
    function test_quicklyReplacedReadPageKeepsTheLink() {
        click("menuReadback")
        click("menuLog")
        waitForPage("Main_StartLogRead")
        let pressedAt = 0
        tryVerify(function() {
            if (currentPage() === "BeaconLogDbDisplay")
                return true
            if (QMLProxy.app.progStatus === "Waiting for connection..." && Date.now() - pressedAt > 2000) {
                TestBeacon.pressTest()
                pressedAt = Date.now()
            }
            return false
        }, 40000, "the log page never read the beacon: " + QMLProxy.app.progStatus)
    }

    readonly property string documents: TestBeacon.homeFolder + "/Documents"

    // The lines of the export of the log on show, once it is written.
    function exportLines() {
        tryCompare(LogDBModel, "exportState", LogDBModel.Exported)
        return TestBeacon.readTextFile(LogDBModel.exportPath).split("\n").filter(function(l) { return l.length > 0 })
    }

    // "Log", with TEST pressed on the beacon as long as the page waits for it.
    function readLog() {
        click("menuLog")
        waitForPage("Main_StartLogRead")
        let pressedAt = Date.now()
        tryVerify(function() {
            if (currentPage() === "BeaconLogDbDisplay")
                return true
            if (QMLProxy.app.progStatus === "Waiting for connection..." && Date.now() - pressedAt > 2000) {
                TestBeacon.pressTest()
                pressedAt = Date.now()
            }
            return false
        }, 30000, "the log page never read the beacon: " + QMLProxy.app.progStatus)
        return mainView.currentItem
    }

    function test_bootLogFillsBothTablesAndCsv() {
        const log = {
            newest: 2,
            counters: [4, 2, 0, 0, 0, 0, 7, 0, 0, 0, 0, 1, 2, 3, 4, 5],
            entries: [
                { slot: 0, reason: 0, mask: 1, result: 0, minutes: 0, flags: 1, pressure: 10132, temperature: 187 },
                { slot: 1, reason: 6, mask: 2, result: 0, minutes: 30, flags: 0, time: 1700000000 },
                { slot: 2, reason: 2, mask: 0, result: 5, minutes: 0, flags: 3, pressure: 10000, temperature: 235 },
            ]
        }
        TestBeacon.restart({ serial: "24680", owner: "Readback Owner", bootLog: bootLogHex(log) })

        const page = readLog()
        verify(TestBeacon.logged("Main_StartLogRead component destroyed"))
        verify(TestBeacon.logged("Tableview onCompleted"))

        const counters = item("logCounterTable", page)
        const entries = item("logEntryTable", page)
        tryCompare(counters.tableView, "columns", 12)
        compare(counters.tableView.rows, 1)
        compare(entries.tableView.columns, 7)
        compare(entries.tableView.rows, log.entries.length)
        waitForRendering(entries)
        // Counters: one column per reason; the last adds up reasons 11 to 15.
        compare(cellText(counters, 0, 0), "4")
        compare(cellText(counters, 0, 6), "7")
        compare(cellText(counters, 0, 11), "15")
        // Newest first: slot 2, then 1, then 0.
        compare(cellText(entries, 0, 0), "Test aborted")
        compare(cellText(entries, 0, 4), "T=23.5C, P=100.0hPa")
        compare(cellText(entries, 0, 6), "EXCESSIVE_SHUTDOWN_TIME")
        compare(cellText(entries, 1, 0), "Manual")
        compare(cellText(entries, 1, 3), "30 minutes")
        compare(cellText(entries, 1, 6), "UNCLEAN_SHUTDOWN")
        compare(cellText(entries, 2, 0), "STD test")
        compare(cellText(entries, 2, 1), "0x01")
        // Seven columns: the timestamp 240, flags 100, notices 400, the rest 150.
        compare(entries.tableView.columnWidth(0), 150)
        compare(entries.tableView.columnWidth(4), 240)
        compare(entries.tableView.columnWidth(5), 100)
        compare(entries.tableView.columnWidth(6), 400)
        // The log keeps the beacon's order: a header click shows no sort arrow it would not honour.
        mouseClick(item("tableHeader", entries).itemAtCell(Qt.point(0, 0)))
        wait(100)
        const arrow = findChild(item("tableHeader", entries), "sortIndicator")
        verify(!arrow || !arrow.visible, "a sort arrow over a table that does not reorder")
        compare(cellText(entries, 0, 0), "Test aborted")

        // The export names its beacon: model, serial and time of the read in the file name and in
        // the first row, then every column of the table.
        const beacon = TestBeacon.stored()
        const lines = exportLines()
        const name = /^log_SKP5_24680_([0-9]{4}-[0-9]{2}-[0-9]{2})_([0-9]{2})([0-9]{2})([0-9]{2})\.csv$/
            .exec(LogDBModel.exportFileName)
        verify(name, LogDBModel.exportFileName)
        const firstPath = LogDBModel.exportPath
        compare(firstPath, documents + "/" + LogDBModel.exportFileName)
        compare(lines.length, 2 + log.entries.length)
        compare(lines[0], "Model;Skua P5;Serial no;24680;Hex ID;" + beacon.epirbHexMsg() + ";Read at;"
                + name[1] + "T" + name[2] + ":" + name[3] + ":" + name[4] + ";")
        compare(lines[1], "Boot reason;Boot mask;Test result;Duration;Timestamp;Flags;Notices;")
        for (let r = 0; r < log.entries.length; ++r) {
            let expected = ""
            for (let c = 0; c < 7; ++c)
                expected += cellText(entries, r, c) + ";"
            compare(lines[r + 2], expected)
        }
        // The page says whose log it is and where it went.
        compare(item("logBeaconText", page).text, "Beacon / Serial No: Skua P5 / 24680    15 Hex Id: " + beacon.epirbHexMsg())
        compare(item("logExportText", page).text, "Exported to " + firstPath)
        const firstExport = TestBeacon.readTextFile(firstPath)

        // The next beacon on the adapter: a file of its own, the first one kept as it was.
        TestBeacon.restart({ serial: "13579", owner: "Second Owner" })
        const next = readLog()
        tryCompare(LogDBModel, "beaconSerial", "13579")
        const nextLines = exportLines()
        verify(/^log_SKP5_13579_[0-9_-]+\.csv$/.test(LogDBModel.exportFileName), LogDBModel.exportFileName)
        verify(nextLines[0].indexOf("Model;Skua P5;Serial no;13579;Hex ID;" + TestBeacon.stored().epirbHexMsg() + ";") === 0,
               nextLines[0])
        compare(nextLines.length, 2 + LogDBModel.rowCount())
        verify(item("logBeaconText", next).text.indexOf("Skua P5 / 13579") >= 0)
        compare(TestBeacon.readTextFile(firstPath), firstExport)
        // Both files are there, each naming its beacon.
        verify(TestBeacon.filesIn(documents, "log_SKP5_24680_*.csv").indexOf(firstPath.split("/").pop()) >= 0)
        verify(TestBeacon.filesIn(documents, "log_SKP5_13579_*.csv").indexOf(LogDBModel.exportFileName) >= 0)
    }

    // An earlier export of the same name is replaced only on the technician's word.
    function test_earlierExportKeptUnlessReplaced() {
        TestBeacon.restart({ serial: "97531", owner: "Earlier Owner" })
        // Earlier files hold every name the next reads of this beacon could take.
        const now = Date.now()
        const earlier = []
        for (let s = -5; s < 180; ++s) {
            const name = "log_SKP5_97531_" + Qt.formatDateTime(new Date(now + s * 1000), "yyyy-MM-dd_HHmmss") + ".csv"
            verify(TestBeacon.writeTextFile(documents + "/" + name, "earlier export\n"))
            earlier.push(name)
        }

        let page = readLog()
        let ask = item("replaceExportDialog", page)
        tryVerify(function() { return ask.visible }, 5000, "no question before an earlier export is replaced")
        compare(LogDBModel.exportState, LogDBModel.ExportExists)
        let taken = LogDBModel.exportPath
        verify(earlier.indexOf(LogDBModel.exportFileName) >= 0, LogDBModel.exportFileName)
        verify(ask.text.indexOf(LogDBModel.exportFileName) >= 0, ask.text)
        compare(item("logExportText", page).text, "Not exported yet: " + LogDBModel.exportFileName + " exists")
        compare(TestBeacon.readTextFile(taken), "earlier export\n")
        // No: the earlier file stays, this log gets a name of its own beside it.
        click(dialogButton("No"))
        verify(exportLines()[0].indexOf("Model;Skua P5;Serial no;97531;") === 0)
        compare(LogDBModel.exportPath, taken.replace(/\.csv$/, "_2.csv"))
        compare(TestBeacon.readTextFile(taken), "earlier export\n")
        compare(item("logExportText", page).text, "Exported to " + LogDBModel.exportPath)

        // Read again, Yes: the earlier file of that name now holds this log.
        page = readLog()
        ask = item("replaceExportDialog", page)
        tryVerify(function() { return ask.visible }, 5000, "no question before an earlier export is replaced")
        taken = LogDBModel.exportPath
        compare(TestBeacon.readTextFile(taken), "earlier export\n")
        click(dialogButton("Yes"))
        verify(exportLines()[0].indexOf("Model;Skua P5;Serial no;97531;") === 0)
        compare(LogDBModel.exportPath, taken)
        compare(TestBeacon.filesIn(documents, LogDBModel.exportFileName.replace(/\.csv$/, "_*.csv")), [])
    }

    function test_olderBeaconLogFailsWithoutStaleEntries() {
        // A good log first, so that there is something that could go stale.
        click("menuLog")
        waitForPage("BeaconLogDbDisplay", 30000)
        verify(LogDBModel.rowCount() > 0)
        exportLines()
        const csvPath = LogDBModel.exportPath
        const goodCsv = TestBeacon.readTextFile(csvPath)
        verify(goodCsv.length > 0)
        const exportsBefore = TestBeacon.filesIn(documents, "log_*.csv")

        TestBeacon.restart({ serial: "24680", owner: "Readback Owner", sync: "F" })
        click("menuLog")
        const page = waitForPage("Main_StartLogRead")
        tryVerify(function() { return QMLProxy.app.progStatusError }, 30000, "the rejected log was not reported")
        const fill = item("readProgressFill", page)
        verify(Qt.colorEqual(fill.color, AldmarStyle.jProgressBarErrorColor))
        compare(QMLProxy.app.progProgress, 100)
        compare(item("readStatusText", page).text, QMLProxy.app.progStatus)
        verify(item("readRetryTimer", page).running)
        // The page stays and the previous beacon's log is gone.
        wait(500)
        compare(currentPage(), "Main_StartLogRead")
        compare(LogDBModel.rowCount(), 0)
        compare(LogDBModel.beaconSerial, "", "the rejected log passes for the previous beacon's")
        compare(TestBeacon.readTextFile(csvPath), goodCsv)
        compare(TestBeacon.filesIn(documents, "log_*.csv"), exportsBefore)
        // Five seconds on, the bar is green again and the beacon is asked once more.
        TestBeacon.clearLog()
        tryVerify(function() { return TestBeacon.logged("startEpirbLogRead activated from QML") }, 8000)
        tryVerify(function() { return !Qt.colorEqual(fill.color, AldmarStyle.jProgressBarErrorColor) }, 1000)
        TestBeacon.pressTest()
        tryVerify(function() { return QMLProxy.app.progStatusError }, 30000)
        verify(Qt.colorEqual(fill.color, AldmarStyle.jProgressBarErrorColor))
        compare(currentPage(), "Main_StartLogRead")

        // Leaving stops the link.
        TestBeacon.clearLog()
        click("menuProgram")
        waitForPage("Main_StartProg")
        verify(TestBeacon.logged("Main_StartLogRead component destroyed"))
    }
}
