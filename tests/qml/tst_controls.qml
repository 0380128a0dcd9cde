import QtQuick
import QtQuick.Controls
import QtQml.Models
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// The shared controls as pages use them: sizes that layouts rely on, clicks, typing,
// table sorting and selection, the wizard container and the scroll arithmetic.
TestCase {
    id: testCase
    name: "Controls"
    when: windowShown
    visible: true
    width: 1000
    height: 800

    function init() {
        TestBeacon.clearLog()
    }

    Component {
        id: buttonComponent
        QvButton { text: "Continue" }
    }

    function test_buttonSizeClicksAndInvisibility() {
        const button = createTemporaryObject(buttonComponent, testCase)
        verify(waitForRendering(button))
        compare(button.implicitWidth, button.label.implicitWidth + 40)
        compare(button.implicitHeight, button.label.implicitHeight + 10)
        verify(button.centerText)
        const clicks = signalSpy.createObject(testCase, { target: button, signalName: "clicked" })
        mouseClick(button)
        compare(clicks.count, 1)
        button.enabled = false
        mouseClick(button)
        compare(clicks.count, 1, "a disabled button does not click")
        button.enabled = true
        button.visible = false
        compare(button.implicitWidth, 0)
        compare(button.implicitHeight, 0)
        compare(button.Accessible.role, Accessible.Button)
        compare(button.Accessible.name, "Continue")
        // An image-only button is named by its tool tip.
        button.text = ""
        button.tooltip = "Export"
        compare(button.Accessible.name, "Export")
        button.Accessible.pressAction()
        compare(clicks.count, 2, "the accessible press clicks like the mouse")
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }

    Component {
        id: comboComponent
        QvComboBox { width: 200 }
    }

    function test_comboTriangleOnlyWithChoice() {
        const box = createTemporaryObject(comboComponent, testCase, { model: ["COM3"] })
        const triangle = findChild(box, "comboIndicator") || box.indicator
        verify(!triangle.visible, "one entry: nothing to choose, no triangle")
        box.model = ["COM3", "COM4"]
        verify(triangle.visible)
        compare(box.Accessible.name, "COM3")
        mouseClick(box)
        tryVerify(function() { return box.popup.opened })
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        compare(box.currentText, "COM4")
    }

    Component {
        id: rowComponent
        Textandparam { width: 400 }
    }

    function test_textandparamHidesEmptyAndNA() {
        const row = createTemporaryObject(rowComponent, testCase,
                                          { leadText: "Serial", paramText: "N/A", hideOnEmptyOrNA: true })
        verify(!row.visible)
        row.paramText = ""
        verify(!row.visible)
        row.paramText = "31337"
        verify(row.visible)
        row.paramText = "N/A"
        row.hideOnEmptyOrNA = false
        verify(row.visible, "without the flag N/A is shown")
        verify(row.implicitHeight >= 40)
        // Pages colour the rows.
        row.color = AldmarStyle.jAlternatingRowColor
        verify(Qt.colorEqual(row.color, AldmarStyle.jAlternatingRowColor))
    }

    Component {
        id: headingComponent
        Item {
            property alias heading: heading
            property string caption: "X"
            width: 300
            height: 100
            PageIdentifierText { id: heading; text: parent.caption }
        }
    }

    function test_headingShrinksToFitButNotBelowNormal() {
        let page = createTemporaryObject(headingComponent, testCase, { caption: "SHORT" })
        compare(page.heading.idText.font.pointSize, AldmarStyle.jFontSizeHeading)
        verify(!TestBeacon.logged("Scaled header down"))
        compare(page.heading.y, 30)

        page = createTemporaryObject(headingComponent, testCase, { caption: "PROTOCOL CONFIGURATION" })
        const size = page.heading.idText.font.pointSize
        verify(size < AldmarStyle.jFontSizeHeading && size >= AldmarStyle.jFontSizeNormal, "size " + size)
        verify(size === AldmarStyle.jFontSizeNormal || page.heading.implicitWidth <= 300)
        verify(TestBeacon.logged("Scaled header down to point size " + size))

        page = createTemporaryObject(headingComponent, testCase,
                                     { caption: "A HEADING FAR TOO LONG FOR ANY PAGE OF THIS WIDTH TO HOLD" })
        compare(page.heading.idText.font.pointSize, AldmarStyle.jFontSizeNormal)
        verify(page.heading.implicitWidth > 300)
    }

    Component {
        id: scrollComponent
        AldmarScrollView {
            width: 400
            height: 200
            Rectangle { objectName: "top"; y: 100; width: 100; height: 50 }
            Rectangle { objectName: "middle"; y: 500; width: 100; height: 50 }
            Rectangle { objectName: "last"; y: 950; width: 100; height: 50 }
        }
    }

    function test_scrollToItemArithmetic() {
        const view = createTemporaryObject(scrollComponent, testCase)
        // Content: the lowest bottom edge plus the bottom margin.
        tryCompare(view.flickable, "contentHeight", 1000 + 20)
        const flick = view.flickable
        compare(flick.contentY, 0)
        verify(!findChild(view, "topFade").visible)
        verify(findChild(view, "bottomFade").visible)

        view.scrollToItem(findChild(view, "middle"))
        // lower 550 is below 200 - 15: scroll by the difference.
        compare(flick.contentY, 550 - (200 - 15))
        verify(TestBeacon.logged("Scrolled down to "))
        verify(findChild(view, "topFade").visible)

        view.scrollToItem(findChild(view, "top"))
        // upper 100 - 365 = -265: up by that and the headroom.
        compare(flick.contentY, 365 - 265 - 15)
        verify(TestBeacon.logged("Scrolled up to "))

        // Without a bottom margin the last item cannot reach the headroom line.
        view.contentBottomMargin = 0
        tryCompare(flick, "contentHeight", 1000)
        view.scrollToItem(findChild(view, "last"))
        compare(flick.contentY, 1000 - 200, "never past the end")
        verify(!findChild(view, "bottomFade").visible)

        view.autoScrollHeadroom = -1
        view.scrollToItem(findChild(view, "top"))
        compare(flick.contentY, 1000 - 200, "a negative headroom turns scrolling off")
        view.autoScrollHeadroom = 15
        view.scrollToItem(null)
        compare(flick.contentY, 1000 - 200)

        view.interactive = false
        tryCompare(flick, "contentHeight", view.availableHeight)
    }

    Component {
        id: wizardComponent
        ProgrammingSwipeView {
            width: 800
            height: 600
        }
    }

    function wizardPages(n) {
        const pages = []
        for (let i = 0; i < n; ++i)
            pages.push(Qt.resolvedUrl("pages/WizardPage.qml"))
        return pages
    }

    function livePages(wizard) {
        let live = 0
        for (let i = 0; i < wizard.swipeView.count; ++i) {
            if (wizard.swipeView.itemAt(i).item)
                ++live
        }
        return live
    }

    function test_wizardNavigation() {
        const wizard = createTemporaryObject(wizardComponent, testCase,
                                             { idPagesModel: wizardPages(3), initialPage: 7 })
        compare(wizard.swipeView.currentIndex, 2, "initialPage beyond the count opens the last page")
        verify(TestBeacon.logged("ProgrammingSwipeViewForm completed 3"))
        compare(livePages(wizard), 1, "only the current page exists")
        const page = wizard.swipeView.itemAt(2).item
        verify(page.view === wizard, "the page knows its wizard")
        compare(wizard.swipeView.itemAt(2).objectName, "Quorvik_dontScrollTo")

        const indicator = findChild(wizard, "pageIndicator")
        verify(indicator.visible)
        compare(indicator.count, 3)
        compare(indicator.currentIndex, 2)
        const completed = signalSpy.createObject(testCase, { target: wizard, signalName: "completedPressed" })
        const exited = signalSpy.createObject(testCase, { target: wizard, signalName: "exitPressed" })
        mouseClick(findChild(wizard, "navigatorForward"))
        compare(completed.count, 1, "forward on the last page completes")

        mouseClick(findChild(wizard, "navigatorBack"))
        compare(wizard.swipeView.currentIndex, 1)
        compare(livePages(wizard), 1)
        verify(wizard.swipeView.itemAt(1).item !== null)

        // A page that stops the user going on also stops swiping.
        wizard.swipeView.itemAt(1).item.pageBrowserForwardEnable(false)
        verify(!wizard.forwardEnabled)
        verify(!wizard.swipeView.interactive)
        mouseClick(findChild(wizard, "navigatorForward"))
        compare(wizard.swipeView.currentIndex, 1, "a disabled arrow does nothing")
        wizard.swipeView.itemAt(1).item.pageBrowserNavigationVisible(false, true, true)
        verify(wizard.forwardEnabled)

        verify(wizard.handleBackPressed())
        compare(wizard.swipeView.currentIndex, 0)
        verify(TestBeacon.logged("Back button handled in programming view"))
        verify(!wizard.handleBackPressed())
        mouseClick(findChild(wizard, "navigatorBack"))
        compare(exited.count, 1, "back on the first page leaves")

        wizard.allowBackExit = false
        verify(!wizard.backwardEnabled)
        mouseClick(findChild(wizard, "navigatorBack"))
        compare(exited.count, 1)
        wizard.swipeView.itemAt(0).item.pageBrowserBackwardEnable(false)
        wizard.swipeView.currentIndex = 1
        verify(!wizard.backwardEnabled, "the page turned back off")
    }

    function test_oneWizardPageHasNoIndicator() {
        const wizard = createTemporaryObject(wizardComponent, testCase, { idPagesModel: wizardPages(1) })
        compare(wizard.swipeView.count, 1)
        verify(!findChild(wizard, "pageIndicator").visible)
        compare(wizard.availableHeight, 600)
    }

    Component {
        id: inputComponent
        QuorvikTextInput { width: 300; description: "Serial number" }
    }

    function test_textInputTypingAndMarking() {
        const input = createTemporaryObject(inputComponent, testCase)
        compare(input.implicitHeight, 26 + AldmarStyle.jInputFieldPadding + 50)
        compare(input.idValue.font.pixelSize, 30)
        compare(input.idValue.placeholderText, "Enter value")
        verify(!input.idToolTip.visible)
        compare(input.idValue.Accessible.name, "Serial number")
        input.idValue.validator = Qt.createQmlObject("import QtQuick; IntValidator { bottom: 1; top: 99999 }", input)
        mouseClick(input.idValue)
        keyClick(Qt.Key_4)
        keyClick(Qt.Key_2)
        compare(input.text, "42")
        verify(input.acceptableInput)
        compare(input.idValue.placeholderText, "", "the hint is gone once there is a value")
        verify(input.idValue.inputValid)
        input.idAsterisk.visible = true
        verify(!input.idValue.inputValid)
        verify(!input.idPrefix.inputValid)
        input.idToolTip.text = "Five digits"
        verify(input.idToolTip.visible)
        // Return still reaches the field (pages act on accepted).
        const accepted = signalSpy.createObject(testCase, { target: input.idValue, signalName: "accepted" })
        keyClick(Qt.Key_Return)
        compare(accepted.count, 1)
    }

    Component {
        id: choiceComponent
        Column {
            // Room on the left: a pop-up that would leave the window is moved back into it.
            x: 200
            width: 400
            property alias radio: radio
            property alias check: check
            QuorvikRadioButton {
                id: radio
                width: 400
                text: "User protocol"
                displayImage: "qrc:/qt/qml/Quorvik/Frontend/Pictures/SKP5.webp"
                pictureVisible: true
                usePicturePopup: true
            }
            QuorvikCheckButton {
                id: check
                width: 400
                text: "Use Morse code"
            }
        }
    }

    function test_radioAndCheckButtons() {
        const column = createTemporaryObject(choiceComponent, testCase)
        const radio = column.radio
        const check = column.check
        verify(radio.checked, "a radio button starts checked")
        verify(!check.checked, "a check button starts unchecked")
        compare(radio.height, 60)
        compare(radio.implicitWidth, radio.contentItem.implicitWidth + 26 + 10)
        verify(!radio.isTextClipping())
        mouseClick(check)
        verify(check.checked)
        mouseClick(check)
        verify(!check.checked)
        compare(check.Accessible.name, "Use Morse code")
        radio.width = 60
        verify(radio.isTextClipping())
        radio.width = 400

        // The picture pop-up opens beside the button while the pointer is on the picture.
        const entered = signalSpy.createObject(testCase, { target: radio, signalName: "pictureEntered" })
        mouseMove(radio, 15, radio.height / 2)
        tryCompare(entered, "count", 1)
        const popup = findChild(radio, "picturePopup")
        verify(popup, "no pop-up")
        tryVerify(function() { return popup.opened })
        compare(popup.width, 150)
        compare(popup.height, 225)
        compare(popup.x, -160)
        mouseMove(radio, 300, radio.height / 2)
        tryVerify(function() { return !popup.opened })
        radio.usePicturePopup = false
        mouseMove(radio, 15, radio.height / 2)
        tryCompare(entered, "count", 2)
        verify(!popup.opened, "without usePicturePopup no pop-up")
    }

    Component {
        id: labelComponent
        QvProductLabel {
            source: "image://labelmaker/contactlabel.png?Harbour Office"
            labelHeight: 94
        }
    }

    function test_productLabelButtons() {
        const label = createTemporaryObject(labelComponent, testCase)
        tryCompare(label.image, "status", Image.Ready)
        compare(label.image.height, 94)
        verify(label.image.width > 0)
        const pdf = findChild(label, "openPdfButton")
        const print = findChild(label, "printButton")
        verify(!print.visible, "no print without a printer")
        compare(label.implicitHeight, 94 + 1 + 10 + pdf.height)
        const lbx = signalSpy.createObject(testCase, { target: label, signalName: "openLBXClicked" })
        const pdfs = signalSpy.createObject(testCase, { target: label, signalName: "openPDFClicked" })
        mouseClick(pdf)
        compare(pdfs.count, 1)
        compare(lbx.count, 0)
        mouseClick(findChild(label, "openLbxButton"))
        compare(lbx.count, 1)
        label.showButtons = false
        compare(label.implicitHeight, 94)
    }

    Component {
        id: tableComponent
        AldmarTableView {
            width: 900
            height: 400
            model: SortFilterProxyModel { sourceModel: QMLProxy.beaconListModel }
        }
    }

    function cellAt(table, row, column) {
        const cell = table.tableView.itemAtCell(Qt.point(column, row))
        verify(cell, "no cell " + row + "," + column)
        return cell
    }

    function serials(table) {
        const result = []
        for (let r = 0; r < table.rowCount(); ++r)
            result.push(table.model.data(table.model.index(r, 1)))
        return result
    }

    function test_tableSortsThroughTheModelAndSelects() {
        TestBeacon.clearDatabase()
        verify(TestBeacon.addBeaconToDatabase("20002", "B"))
        verify(TestBeacon.addBeaconToDatabase("10001", "A"))
        verify(TestBeacon.addBeaconToDatabase("30003", "C"))
        const table = createTemporaryObject(tableComponent, testCase)
        tryCompare(table.tableView, "rows", 3)
        waitForRendering(table)
        compare(table.sortColumn, -1)

        const header = table.header
        const serialHeader = header.itemAtCell(Qt.point(1, 0))
        verify(serialHeader)
        mouseClick(serialHeader)
        compare(table.sortColumn, 1)
        compare(table.sortOrder, Qt.AscendingOrder)
        compare(serials(table), ["10001", "20002", "30003"])
        mouseClick(serialHeader)
        compare(table.sortOrder, Qt.DescendingOrder)
        compare(serials(table), ["30003", "20002", "10001"])
        table.allowSorting = false
        mouseClick(serialHeader)
        compare(table.sortOrder, Qt.DescendingOrder, "sorting switched off")

        // No selection by default.
        mouseClick(cellAt(table, 1, 2))
        verify(!table.selectionModel.hasSelection)

        table.selectionMode = AldmarTableView.SingleSelection
        mouseClick(cellAt(table, 1, 2))
        verify(table.selectionModel.isRowSelected(1))
        verify(Qt.colorEqual(cellAt(table, 1, 0).color, AldmarStyle.jTableRowSelectedColor))
        mouseClick(cellAt(table, 2, 0))
        verify(!table.selectionModel.isRowSelected(1))
        verify(table.selectionModel.isRowSelected(2))

        table.selectionMode = AldmarTableView.MultiSelection
        mouseClick(cellAt(table, 0, 1))
        verify(table.selectionModel.isRowSelected(0))
        verify(table.selectionModel.isRowSelected(2))
        mouseClick(cellAt(table, 1, 1))
        verify(table.selectionModel.isRowSelected(1), "rows add up")
        verify(table.selectionModel.isRowSelected(0))
        verify(table.selectionModel.isRowSelected(2))
        mouseClick(cellAt(table, 2, 1))
        verify(!table.selectionModel.isRowSelected(2), "a second click unselects")
        verify(table.selectionModel.isRowSelected(0) && table.selectionModel.isRowSelected(1))
        table.clearSelection()
        verify(!table.selectionModel.hasSelection)

        const doubles = signalSpy.createObject(testCase, { target: table, signalName: "doubleClicked" })
        mouseDoubleClickSequence(cellAt(table, 1, 3))
        compare(doubles.count, 1)
        compare(doubles.signalArguments[0][0], Qt.LeftButton)
        compare(doubles.signalArguments[0][1], 1)
        compare(doubles.signalArguments[0][2], 3)

        // Fixed widths make room for the sort indicator only where the title would not fit.
        table.adjustHeaderSizeForSortIndicator = true
        table.columnWidthProvider = function(column) { return column === 3 ? -1 : 60 }
        table.tableView.forceLayout()
        const extra = table.sortIndicatorSize + 2 * table.sortIndicatorMargins
        compare(table.tableView.columnWidth(1), 60 + extra, "the sorted column grows")
        compare(table.tableView.columnWidth(0), 60)
        table.columnWidthProvider = function(column) { return 400 }
        table.tableView.forceLayout()
        compare(table.tableView.columnWidth(1), 400, "a wide column keeps its width")

        // A cut-off value shows in full while the cell is held.
        table.adjustHeaderSizeForSortIndicator = false
        table.columnWidthProvider = function(column) { return 40 }
        table.tableView.forceLayout()
        table.tooltipOnPress = true
        waitForRendering(table)
        const held = cellAt(table, 0, 1)
        const tip = findChild(held, "cellToolTip")
        mousePress(held)
        tryVerify(function() { return tip.visible }, 3000, "no tool tip while held")
        compare(tip.text, held.display)
        mouseRelease(held)
        tryVerify(function() { return !tip.visible })
        table.tooltipOnPress = false
        mousePress(held)
        wait(1200)
        verify(!tip.visible, "only when asked for")
        mouseRelease(held)
        TestBeacon.clearDatabase()
    }

    function test_textResource() {
        compare(TextResource.beaconName(ConfigTables.E_SkuaP5), "Skua P5")
        compare(TextResource.beaconName(99), "Undefined")
        compare(TextResource.beaconImage(ConfigTables.E_SkuaP5), "Pictures/SKP5.webp")
        compare(TextResource.beaconImage(99), TextResource.beaconImage(0))
        compare(TextResource.beaconTransferDesktopImage(ConfigTables.E_SkuaP5), "Pictures/SKP5_Program.webp")
        compare(TextResource.beaconTransferDesktopImage(ConfigTables.E_Skua31G), "Pictures/SK31_SK31G_Program.png")
        compare(TextResource.beaconTransferDesktopImage(ConfigTables.E_Skua12),
                TextResource.beaconImage(ConfigTables.E_Skua12))
    }
}
