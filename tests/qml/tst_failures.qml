import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// Failures the technician must see: a report that could not be written, a file no program
// opened, a label with nothing on it, a production run that failed.
SceneTestCase {
    name: "Failures"

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        verify(TestBeacon.addBeaconToDatabase("4242", "Owner 4242"))
        verify(TestBeacon.addBeaconToDatabase("9191", "Owner 9191"))
        TestBeacon.setViewerInstalled(true)
        TestBeacon.clearOpenedFiles()
        TestBeacon.clearLog()
        openScene()
    }

    function cleanup() {
        TestBeacon.setViewerInstalled(true)
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

    // Reports, the beacon searched by its serial and selected.
    function selectInList(serial) {
        click("menuReports")
        const list = waitForPage("BeaconDbDisplay")
        const table = item("dbTable", list)
        typeText("dbSearchField", serial)
        tryCompare(table.tableView, "rows", 1)
        mouseClick(cell(table, 0, 1))
        tryVerify(function() { return item("exportPdfButton", list).enabled })
        return list
    }

    function openRecord(serial) {
        click("viewReportButton", selectInList(serial))
        return waitForPage("BeaconDbDisplaySingle")
    }

    function reportPath() {
        return String(Datablock.getReportFileNameURI()).replace(/^file:\/\//, "")
    }

    // A click while the guide's pages still slide would stop the slide instead of reaching the page.
    function settled(guide, page) {
        tryVerify(function() { return Math.abs(page.mapToItem(guide, 0, 0).x) < 1 }, 3000, "the page does not settle")
        waitForRendering(scene.contentItem)
        return page
    }

    function notice() {
        return item("documentNotice", scene)
    }

    function test_reportNotWrittenIsNotCalledCreated() {
        const single = openRecord("9191")
        // A folder stands where the report is to go: it cannot be written.
        const path = reportPath()
        verify(TestBeacon.writeTextFile(path + "/in-the-way.txt", "x"))
        click("makeReportButton", single)
        tryVerify(function() { return notice().visible })
        compare(notice().title, "File not created")
        verify(notice().text.indexOf(path) >= 0, notice().text)
        verify(!item("reportDialog", single).visible, "\"PDF report created\" for a report not written")
        click(dialogButton("OK"))
        tryVerify(function() { return !notice().visible })
        compare(TestBeacon.openedFiles.length, 0)
        verify(TestBeacon.logged("Document not written: " + path))
    }

    function test_noViewerSaysWhereTheFileIs() {
        TestBeacon.setViewerInstalled(false)
        const single = openRecord("4242")
        const path = reportPath()
        const folder = path.substring(0, path.lastIndexOf("/"))
        click("makeReportButton", single)
        const ask = item("reportDialog", single)
        tryVerify(function() { return ask.visible })
        click(dialogButton("Yes"))
        tryVerify(function() { return notice().visible }, 5000, "Yes did nothing visible without a viewer")
        compare(notice().title, "No program could open the file")
        verify(notice().text.indexOf(path) >= 0, notice().text)
        verify(TestBeacon.pdfText(path).indexOf("4242") >= 0, "the report is where the notice says")
        // Its folder is offered instead: a desktop with a file manager opens it.
        TestBeacon.setViewerInstalled(true)
        click(dialogButton("Open"))
        tryVerify(function() { return !notice().visible })
        compare(TestBeacon.openedFiles.length, 1)
        compare(TestBeacon.openedFiles[0], folder)

        // "Export PDF report" on the list says the same.
        TestBeacon.setViewerInstalled(false)
        TestBeacon.clearOpenedFiles()
        const list = selectInList("4242")
        click("exportPdfButton", list)
        tryVerify(function() { return notice().visible }, 5000, "Export PDF report did nothing visible")
        verify(notice().text.indexOf(path) >= 0, notice().text)
        click(dialogButton("OK"))
        tryVerify(function() { return !notice().visible })
    }

    function test_contactLabelNeedsTextAndKeepsIt() {
        ConfigTables.defaultContactInfo = ""
        const single = openRecord("4242")
        verify(item("labelingGuideButton", single).visible)
        click("labelingGuideButton", single)
        const guide = waitForPage("LabelingSwipeView")
        const pages = ConfigTables.labelingPages(Datablock.beaconType, Datablock.protocolCode)
        const contactIndex = pages.indexOf("LabelingPage_ContactInfo.qml")
        verify(contactIndex > 0, "the guide has a contact page after its first: " + pages)
        for (let i = 0; i < contactIndex; ++i)
            click("navigatorForward", guide)
        let page = null
        tryVerify(function() { page = findChild(guide, "LabelingPage_ContactInfo"); return page !== null })
        settled(guide, page)
        const label = item("contactLabel", page)
        // Nothing to print: the buttons say so instead of doing nothing.
        verify(!item("openPdfButton", label).enabled, "Open PDF enabled for an empty label")
        verify(!item("openLbxButton", label).enabled, "Open LBX enabled for an empty label")
        verify(item("contactEmptyNotice", page).visible)

        typeText(item("contactText", page), "Call 112")
        verify(item("openPdfButton", label).enabled)
        verify(!item("contactEmptyNotice", page).visible)
        // Without a viewer the saved label is said, not only logged.
        TestBeacon.setViewerInstalled(false)
        click("openPdfButton", label)
        tryVerify(function() { return notice().visible }, 5000, "Open PDF did nothing visible")
        verify(notice().text.indexOf("contact_label.pdf") >= 0, notice().text)
        click(dialogButton("OK"))
        tryVerify(function() { return !notice().visible })

        // Swiped away and back, the typed text is still there.
        click("navigatorBack", guide)
        tryVerify(function() { return findChild(guide, "LabelingPage_ContactInfo") === null })
        click("navigatorForward", guide)
        tryVerify(function() { page = findChild(guide, "LabelingPage_ContactInfo"); return page !== null })
        settled(guide, page)
        compare(item("contactText", page).text, "Call 112")
    }

    function test_productionFailureIsRed() {
        closeScene()
        // This edition writes no legacy model: the production run fails at once.
        QMLProxy.configPending.beaconType = ConfigTables.E_SkuaP5
        openScene(true)
        const bar = item("productionProgress")
        tryVerify(function() { return QMLProxy.app.progStatusError }, 10000)
        waitForRendering(scene.contentItem)
        verify(Qt.colorEqual(item("progressStatus", bar).color, AldmarStyle.jTextErrorColor), "the failed status is not red")
        verify(Qt.colorEqual(item("progressFill", bar).color, AldmarStyle.jProgressBarErrorColor), "the bar stays green on failure")
    }
}
