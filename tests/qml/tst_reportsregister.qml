import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// Reports "All stations": the shared register's beacons beside this station's own, against
// a real PostgreSQL server. Offered only once a register is set up; searched, sorted and
// opened as the local list is; another station's record opens read-only.
SceneTestCase {
    name: "ReportsRegister"

    function initTestCase() {
        const why = TestBeacon.startRegister()
        if (why.indexOf("skip:") === 0)
            skip(why)
        compare(why, "", "the test register did not start")
        verify(TestBeacon.sendToRegister("70001", "Harbour One", "North yard"))
        verify(TestBeacon.sendToRegister("70002", "Quay Two", "South yard"))
        verify(TestBeacon.sendToRegister("80003", "Dock Three", "North yard"))
    }

    function cleanupTestCase() {
        closeScene()
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        TestBeacon.stopRegister()
    }

    function cellText(table, row, column) {
        table.tableView.positionViewAtCell(Qt.point(column, row), TableView.Contain)
        table.tableView.forceLayout()
        const c = table.tableView.itemAtCell(Qt.point(column, row))
        verify(c, "no cell at row " + row + ", column " + column)
        for (let i = 0; i < c.children.length; ++i) {
            if (c.children[i].text !== undefined)
                return c.children[i].text
        }
        return ""
    }

    function shownColumn(table, column) {
        waitForRendering(table)
        const out = []
        for (let r = 0; r < table.tableView.rows; ++r)
            out.push(cellText(table, r, column))
        return out
    }

    function test_allStations() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        verify(TestBeacon.addBeaconToDatabase("1234", "Local Owner"))
        openScene()

        click("menuReports")
        let page = waitForPage("BeaconDbDisplay")
        const table = item("dbTable", page)
        const allButton = item("allStationsButton", page)
        const thisButton = item("thisStationButton", page)
        verify(thisButton.checked)
        verify(!allButton.enabled, "\"All stations\" offered with no register set up")
        compare(allButton.Accessible.role, Accessible.RadioButton)
        compare(allButton.Accessible.name, "All stations")

        const place = TestBeacon.registerPlace()
        compare(QMLProxy.sharedRegister.applySettings(true, "", place.host, place.port, place.database, place.user), "")
        tryVerify(function () { return allButton.enabled }, 5000, "\"All stations\" not offered with a register")

        click(allButton)
        tryCompare(table.tableView, "rows", 3)
        compare(table.tableView.columns, 5)
        compare(table.model.headerData(4, Qt.Horizontal), "Station")
        // Newest recorded first.
        compare(shownColumn(table, 1), ["80003", "70002", "70001"])
        compare(shownColumn(table, 4), ["North yard", "South yard", "North yard"])
        compare(item("dbProblemLine", page).visible, false)

        typeText("dbSearchField", "700")
        tryCompare(table.tableView, "rows", 2)
        const header = item("tableHeader", page)
        mouseClick(header.itemAtCell(Qt.point(1, 0)))
        tryVerify(function () { return shownColumn(table, 1).join() === "70001,70002" }, 5000, "not sorted by serial")
        mouseClick(header.itemAtCell(Qt.point(1, 0)))
        tryVerify(function () { return shownColumn(table, 1).join() === "70002,70001" }, 5000, "not sorted back")
        // A station's name is searched by its start too.
        const field = item("dbSearchField", page)
        field.forceActiveFocus()
        field.selectAll()
        typeText(field, "South")
        tryCompare(table.tableView, "rows", 1)
        compare(cellText(table, 0, 1), "70002")

        table.tableView.positionViewAtCell(Qt.point(1, 0), TableView.Contain)
        table.tableView.forceLayout()
        mouseDoubleClickSequence(table.tableView.itemAtCell(Qt.point(1, 0)))
        const single = waitForPage("BeaconDbDisplaySingle")
        compare(item("serialRow", single).paramText, "70002")
        verify(!item("removeButton", single).visible, "another station's record offered for removal")
        verify(item("addInfoArea", single).readOnly, "another station's note is editable")
        compare(TestBeacon.databaseCount(), 1)
        click("backButton", single)

        page = waitForPage("BeaconDbDisplay")
        click(thisButton)
        // The local list (four columns), once its search is cleared too.
        tryCompare(table.tableView, "columns", 4)
        tryCompare(table.tableView, "rows", 1)
        compare(cellText(table, 0, 1), "1234")

        // The register taken out of the settings: back to this station's list.
        click(allButton)
        tryCompare(table.tableView, "rows", 3)
        compare(QMLProxy.sharedRegister.applySettings(false, "", "", 0, "", ""), "")
        tryVerify(function () { return !allButton.enabled && thisButton.checked }, 5000)
        tryCompare(table.tableView, "rows", 1)
    }
}
