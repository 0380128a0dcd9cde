import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// "Reports": the list of programmed beacons, opened, searched, sorted, removed, exported
// and imported as a user does it; the database file is checked behind the page's back.
SceneTestCase {
    name: "Database"

    readonly property var serials: ["1234", "51234", "777", "12345", "8888"]

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        for (let i = 0; i < serials.length; ++i)
            verify(TestBeacon.addBeaconToDatabase(serials[i], "Owner " + serials[i]))
        TestBeacon.clearLog()
        openScene()
    }

    function cleanup() {
        closeScene()
        TestBeacon.clearDatabase()
    }

    function cell(table, row, column) {
        table.tableView.positionViewAtCell(Qt.point(column, row), TableView.Contain)
        table.tableView.forceLayout()
        const c = table.tableView.itemAtCell(Qt.point(column, row))
        verify(c, "no cell at row " + row + ", column " + column)
        return c
    }

    function cellText(table, row, column) {
        const c = cell(table, row, column)
        for (let i = 0; i < c.children.length; ++i) {
            if (c.children[i].text !== undefined)
                return c.children[i].text
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

    function shownSerials(table) {
        waitForRendering(table)
        const out = []
        for (let r = 0; r < table.tableView.rows; ++r)
            out.push(cellText(table, r, 1))
        return out
    }

    function openList() {
        click("menuReports")
        const page = waitForPage("BeaconDbDisplay")
        const table = item("dbTable", page)
        tryCompare(table.tableView, "rows", TestBeacon.databaseCount())
        return page
    }

    function fileUrl(name) {
        return "file://" + TestBeacon.homeFolder + "/" + name
    }

    // The dialogs as a user works them: the folder, then a file of the list, or a name typed.
    function openDialog(page, dialogName, buttonName) {
        const dialog = item(dialogName, page)
        dialog.currentFolder = "file://" + TestBeacon.homeFolder
        click(buttonName, page)
        tryVerify(function() { return dialog.visible })
        return dialog
    }

    function openFrom(page, name) {
        const dialog = openDialog(page, "importDialog", "importButton")
        const list = findChild(scene.contentItem.parent, "fileDialogListView")
        verify(list, "the file dialog shows no file list")
        let entry = null
        tryVerify(function() {
            for (let i = 0; i < list.count && !entry; ++i) {
                list.positionViewAtIndex(i, ListView.Contain)
                const d = findChild(list, "fileDialogDelegate" + i)
                if (d && String(d.file) === fileUrl(name))
                    entry = d
            }
            return entry !== null
        }, 5000, name + " is not in the file list")
        mouseClick(entry)
        compare(String(dialog.selectedFile), fileUrl(name))
        dialog.accept()
        return dialog
    }

    function saveAs(page, name) {
        const dialog = openDialog(page, "exportDialog", "exportAllButton")
        const field = findChild(scene.contentItem.parent, "fileNameTextField")
        verify(field && field.visible, "the save dialog has no file name field")
        field.forceActiveFocus()
        field.selectAll()
        typeText(field, name)
        dialog.accept()
        return dialog
    }

    function test_searchOpenAndRemove() {
        const page = openList()
        const table = item("dbTable", page)
        compare(table.tableView.rows, serials.length)
        verify(item("exportAllButton", page).enabled)
        verify(!item("viewReportButton", page).enabled)
        verify(!item("exportPdfButton", page).enabled)

        typeText("dbSearchField", "1234")
        const matching = serials.filter(function(s) { return s.indexOf("1234") >= 0 })
        tryCompare(table.tableView, "rows", matching.length)
        compare(shownSerials(table).sort(), matching.slice().sort())
        // Sorted, the narrowed list keeps to its rows, and narrows further.
        mouseClick(item("tableHeader", page).itemAtCell(Qt.point(3, 0)))
        tryCompare(table, "sortColumn", 3)
        compare(shownSerials(table).sort(), matching.slice().sort())
        typeText("dbSearchField", "5")
        tryCompare(table.tableView, "rows", 1)
        compare(shownSerials(table), ["12345"])
        keyClick(Qt.Key_Backspace)
        tryCompare(table.tableView, "rows", matching.length)

        // The last filtered row is not the stored row of that number: its own record opens.
        const row = matching.length - 1
        const wanted = cellText(table, row, 1)
        verify(serials.indexOf(wanted) !== row)
        mouseDoubleClickSequence(cell(table, row, 1))
        const single = waitForPage("BeaconDbDisplaySingle")
        compare(item("serialRow", single).paramText, wanted)
        compare(item("nameRow", single).paramText, "Owner " + wanted)
        verify(item("backButton", single).visible)
        verify(item("removeButton", single).visible)
        compare(mainView.depth, 3)

        // Remove, confirmed twice in a row: one record goes and one page is popped.
        click("removeButton", single)
        const ask = item("removeDialog", single)
        tryVerify(function() { return ask.visible })
        compare(ask.title, "Remove Beacon")
        compare(ask.text, "Do you really want to remove this beacon completely?<br>&nbsp;")
        click(dialogButton("No"))
        tryVerify(function() { return !ask.visible })
        compare(TestBeacon.databaseCount(), serials.length)
        click("removeButton", single)
        tryVerify(function() { return ask.visible })
        click(dialogButton("Yes"))
        ask.open()
        ask.accept()
        verify(!item("removeButton", single).enabled)
        waitForPage("BeaconDbDisplay", 5000)
        wait(800)
        compare(currentPage(), "BeaconDbDisplay")
        compare(mainView.depth, 2)
        compare(TestBeacon.databaseCount(), serials.length - 1)
        // The list shows the database without it, the search cleared on return.
        compare(item("dbSearchField", page).text, "")
        tryCompare(table.tableView, "rows", serials.length - 1)
        verify(shownSerials(table).indexOf(wanted) < 0)
        // ... and so does the file, read back by a second database.
        const onDisk = TestBeacon.databaseFileSerials()
        compare(onDisk.length, serials.length - 1)
        verify(onDisk.indexOf(wanted) < 0)
        verify(TestBeacon.logged("Back -> isDatabase") === false)
    }

    function test_removeTheRecordReplacedMeanwhile() {
        const page = openList()
        const table = item("dbTable", page)
        saveAs(page, "all.tlr")
        const report = JSON.parse(TestBeacon.readTextFile(TestBeacon.homeFolder + "/all.tlr"))
        const newer = report.beacons.filter(function(b) { return b.beaconSerial === "777" })[0]
        newer.progDate = "20991231"
        newer.ownerName = "Newer Owner"
        verify(TestBeacon.writeTextFile(TestBeacon.homeFolder + "/newer.tlr", JSON.stringify({ version: 2, beacons: [newer] })))

        typeText("dbSearchField", "777")
        tryCompare(table.tableView, "rows", 1)
        mouseDoubleClickSequence(cell(table, 0, 1))
        const single = waitForPage("BeaconDbDisplaySingle")
        compare(item("nameRow", single).paramText, "Owner 777")
        // The shown record is replaced while its page is open: the page follows it...
        compare(QMLProxy.app.importReports(fileUrl("newer.tlr")), 0)
        tryCompare(item("nameRow", single), "paramText", "Newer Owner")
        // ... and removing it leaves neither the old nor the new one, in the list or the file.
        click("removeButton", single)
        const ask = item("removeDialog", single)
        tryVerify(function() { return ask.visible })
        click(dialogButton("Yes"))
        waitForPage("BeaconDbDisplay")
        compare(mainView.depth, 2)
        compare(TestBeacon.databaseCount(), serials.length - 1)
        tryCompare(table.tableView, "rows", serials.length - 1)
        verify(shownSerials(table).indexOf("777") < 0)
        const onDisk = TestBeacon.databaseFileSerials()
        compare(onDisk.length, serials.length - 1)
        verify(onDisk.indexOf("777") < 0)
        compare(Datablock.serialNo, "N/A")
    }

    function test_viewReportBackArrowAndSort() {
        const page = openList()
        const table = item("dbTable", page)
        // Serials sort by number, not as text: 777 comes before 1234.
        const header = item("tableHeader", page)
        mouseClick(header.itemAtCell(Qt.point(1, 0)))
        tryCompare(table, "sortColumn", 1)
        const numeric = serials.slice().sort(function(a, b) { return Number(a) - Number(b) })
        compare(shownSerials(table), numeric)
        mouseClick(header.itemAtCell(Qt.point(1, 0)))
        compare(shownSerials(table), numeric.slice().reverse())

        mouseClick(cell(table, 0, 0))
        tryVerify(function() { return item("viewReportButton", page).enabled })
        verify(item("exportPdfButton", page).enabled)
        const chosen = cellText(table, 0, 1)
        click("viewReportButton", page)
        const single = waitForPage("BeaconDbDisplaySingle")
        compare(item("serialRow", single).paramText, chosen)

        // The additional information typed here reaches the record.
        const note = item("addInfoArea", single)
        note.forceActiveFocus()
        typeText(note, "Checked")
        click("serialRow", single)
        note.focus = false
        tryCompare(Datablock, "addInfoNote", "Checked")
        compare(TestBeacon.databaseFileNote(chosen), "Checked")

        TestBeacon.clearLog()
        click("backButton", single)
        waitForPage("BeaconDbDisplay")
        verify(TestBeacon.logged("Back -> isDatabase"))
        compare(mainView.depth, 2)

        // Escape leaves a stored beacon's page as well; the labelling guide opens over it.
        mouseDoubleClickSequence(cell(table, 0, 1))
        let again = waitForPage("BeaconDbDisplaySingle")
        keyClick(Qt.Key_Escape)
        waitForPage("BeaconDbDisplay")
        compare(mainView.depth, 2)
        if (TestBeacon.hasPage("LabelingSwipeView.qml")) {
            mouseDoubleClickSequence(cell(table, 0, 1))
            again = waitForPage("BeaconDbDisplaySingle")
            click("labelingGuideButton", again)
            waitForPage("LabelingSwipeView")
            compare(mainView.depth, 4)
            mainView.pop()
            waitForPage("BeaconDbDisplaySingle")
            click("backButton", again)
            waitForPage("BeaconDbDisplay")
        }

        // Export PDF report: the selected row's report, handed to the viewer.
        TestBeacon.clearOpenedFiles()
        mouseClick(cell(table, 0, 0))
        click("exportPdfButton", page)
        tryCompare(TestBeacon.openedFiles, "length", 1)
        verify(TestBeacon.openedFiles[0].indexOf("/" + chosen + "_") >= 0)
    }

    function test_exportThenImportIntoEmptyDatabase() {
        let page = openList()
        const first = TestBeacon.homeFolder + "/all.tlr"
        const exporter = saveAs(page, "all.tlr")
        compare(exporter.title, "Export reports to file")
        compare(exporter.defaultSuffix, "tlr")
        const exported = TestBeacon.readTextFile(first)
        verify(exported.length > 0, "nothing exported")

        // An empty database offers no export.
        TestBeacon.clearDatabase()
        page = openList()
        compare(item("dbTable", page).tableView.rows, 0)
        verify(!item("exportAllButton", page).enabled)

        const importer = openFrom(page, "all.tlr")
        compare(importer.title, "Import reports from file")
        compare(importer.nameFilters, ["Quorvik PLB Reports (*.tlr)", "All files (*.*)"])
        tryCompare(item("dbTable", page).tableView, "rows", serials.length)
        verify(item("exportAllButton", page).enabled)
        compare(TestBeacon.databaseFileSerials(), serials)

        // The same records: a second export is the first one, byte for byte.
        saveAs(page, "again.tlr")
        compare(TestBeacon.readTextFile(TestBeacon.homeFolder + "/again.tlr"), exported)
    }

    function test_damagedOrPartlyForeignImport() {
        const page = openList()
        const before = TestBeacon.databaseFileSerials()
        verify(TestBeacon.writeTextFile(TestBeacon.homeFolder + "/damaged.tlr",
                                        '{ "version": 2, "beacons": [ { "beaconType": 13, "beaconSerial": "99'))
        openFrom(page, "damaged.tlr")
        const box = item("dbErrorDialog", page)
        tryVerify(function() { return box.visible })
        compare(box.title, "Failed to import reports<br>&nbsp;")
        compare(box.text, "Invalid imports file<br>&nbsp;")
        click(dialogButton("OK"))
        compare(TestBeacon.databaseCount(), serials.length)
        compare(item("dbTable", page).tableView.rows, serials.length)
        compare(TestBeacon.databaseFileSerials(), before)

        // A file from a newer program says so.
        verify(TestBeacon.writeTextFile(TestBeacon.homeFolder + "/newer.tlr", '{ "version": 3, "beacons": [] }'))
        openFrom(page, "newer.tlr")
        tryVerify(function() { return box.visible })
        compare(box.text, "Unsupported imports file version.<br>You might need to update Quorvik PLB.<br>&nbsp;")
        box.accept()
        compare(TestBeacon.databaseCount(), serials.length)

        // A report with an entry of a model this program does not handle: the rest is
        // imported and the user learns about the one left out.
        saveAs(page, "mixed.tlr")
        const report = JSON.parse(TestBeacon.readTextFile(TestBeacon.homeFolder + "/mixed.tlr"))
        const foreign = JSON.parse(JSON.stringify(report.beacons[0]))
        foreign.beaconType = 0
        foreign.beaconSerial = "4444"
        report.beacons.push(foreign)
        report.beacons[1].beaconSerial = "60606"
        verify(TestBeacon.writeTextFile(TestBeacon.homeFolder + "/mixed.tlr", JSON.stringify(report)))
        openFrom(page, "mixed.tlr")
        tryVerify(function() { return box.visible })
        compare(box.text, "1 new and 0 updated reports imported.<br>1 reports could not be imported (see the log).<br>&nbsp;")
        box.accept()
        compare(TestBeacon.databaseCount(), serials.length + 1)
        verify(TestBeacon.databaseFileSerials().indexOf("60606") >= 0)
        verify(TestBeacon.databaseFileSerials().indexOf("4444") < 0)
    }
    // Remove is done when confirmed: leaving while the page fades neither keeps the record
    // nor pops a second page; the page's other buttons wait meanwhile.
    function test_removeThenLeaveAtOnce() {
        const page = openList()
        const table = item("dbTable", page)
        mouseDoubleClickSequence(cell(table, 0, 1))
        let single = waitForPage("BeaconDbDisplaySingle")
        const gone = item("serialRow", single).paramText
        click("removeButton", single)
        tryVerify(function() { return item("removeDialog", single).visible })
        click(dialogButton("Yes"))
        verify(!item("labelingGuideButton", single).enabled, "the guide opens over a record being removed")
        verify(!item("makeReportButton", single).enabled)
        keyClick(Qt.Key_Escape)
        waitForPage("BeaconDbDisplay")
        wait(800)
        compare(currentPage(), "BeaconDbDisplay")
        compare(mainView.depth, 2)
        compare(TestBeacon.databaseCount(), serials.length - 1)
        verify(TestBeacon.databaseFileSerials().indexOf(gone) < 0, "the removal never happened")
        tryCompare(table.tableView, "rows", serials.length - 1)
    }

    // Found by serial or hex ID, newest first as the guide says, the hint back when the
    // field is empty, typed text taken literally, and nothing to export once nothing is left.
    function test_searchByHexNewestFirstAndExportState() {
        let page = openList()
        saveAs(page, "dated.tlr")
        const report = JSON.parse(TestBeacon.readTextFile(TestBeacon.homeFolder + "/dated.tlr"))
        const dates = { "1234": "20210301", "51234": "20240615", "777": "20200101", "12345": "20250102", "8888": "20221111" }
        report.beacons.forEach(function(b) { b.progDate = dates[b.beaconSerial] })
        verify(TestBeacon.writeTextFile(TestBeacon.homeFolder + "/dated.tlr", JSON.stringify(report)))
        TestBeacon.clearDatabase()
        page = openList()
        openFrom(page, "dated.tlr")
        tryCompare(item("dbTable", page).tableView, "rows", serials.length)
        click("menuProgram")
        page = openList()
        const table = item("dbTable", page)
        compare(shownSerials(table), ["12345", "51234", "8888", "1234", "777"], "newest first")

        mouseDoubleClickSequence(cell(table, 4, 1))
        const single = waitForPage("BeaconDbDisplaySingle")
        compare(item("serialRow", single).paramText, "777")
        const hex = item("hexIdField", single).text
        compare(hex.length, 15)
        click("backButton", single)
        waitForPage("BeaconDbDisplay")

        const field = item("dbSearchField", page)
        compare(field.placeholderText, "Search...")
        typeText(field, hex)
        tryCompare(table.tableView, "rows", 1)
        compare(shownSerials(table), ["777"])
        field.selectAll()
        keyClick(Qt.Key_Delete)
        tryCompare(table.tableView, "rows", serials.length)
        compare(field.placeholderText, "Search...", "the hint does not come back")
        typeText(field, "[")
        tryCompare(table.tableView, "rows", 0)
        field.selectAll()
        keyClick(Qt.Key_Delete)
        tryCompare(table.tableView, "rows", serials.length)

        verify(item("exportAllButton", page).enabled)
        TestBeacon.clearDatabase()
        tryCompare(table.tableView, "rows", 0)
        tryVerify(function() { return !item("exportAllButton", page).enabled }, 2000,
                  "Export all reports stays enabled with no records")
    }
}
