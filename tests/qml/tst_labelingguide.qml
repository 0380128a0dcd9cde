import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// The labelling guide after a programming run against the simulated beacon, and from the
// single-beacon page.
SceneTestCase {
    name: "LabelingGuide"

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearLog()
        TestBeacon.clearOpenedFiles()
        verify(TestBeacon.restart({ serial: "31337" }))
    }

    function guide() {
        return waitForPage("LabelingSwipeView", 30000)
    }

    function currentLabelingPage() {
        const swipe = item("programmingSwipeView", mainView.currentItem)
        const loader = swipe.currentItem
        return loader && loader.item ? pageName(loader.item) : ""
    }

    // The labelling page on show once it has stopped sliding: a click while it slides
    // only stops the slide.
    function labelingPage(name) {
        tryVerify(function() { return currentLabelingPage() === name }, 5000,
                  "expected " + name + ", showing " + currentLabelingPage())
        const page = item("programmingSwipeView", mainView.currentItem).currentItem.item
        tryVerify(function () { return Math.abs(page.mapToItem(mainView.currentItem, 0, 0).x) < 1 }, 3000,
                  name + " does not settle")
        waitForRendering(scene.contentItem)
        return page
    }

    function forward() {
        click("navigatorForward", mainView.currentItem)
    }

    function backward() {
        click("navigatorBack", mainView.currentItem)
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

    function openedFile(ending) {
        const files = TestBeacon.openedFiles
        for (let i = 0; i < files.length; ++i) {
            if (files[i].endsWith(ending))
                return files[i]
        }
        return ""
    }

    // A run through the real start, identification and transfer pages; the identity is
    // set directly once the beacon has been read.
    function programBeacon(country, protocol) {
        openScene()
        waitForPage("Main_StartProg")
        click("getStartedButton")
        waitForPage("ProgrammingSwipeView", 30000)
        compare(QMLProxy.configPending.beaconSerial(), "31337")
        const config = QMLProxy.configPending
        // As the country and protocol pages set them: nothing of the beacon's own identity stays.
        IdentityRules.changeCountry(config, country)
        IdentityRules.changeProtocol(config, protocol)
        if (protocol === ConfigTables.E_RlsUserTacPlb) {
            config.setTacNumberRlsPlb(3123)
            config.setCustomSerial(1234)
        }
        config.calculateCsMsg()
        mainView.setWithProperties("ProgrammingSwipeView.qml", { initialPage: QMLProxy.programmingPages().length - 1 })
        // The technician presses TEST again while the page waits for the beacon.
        let pressedAt = 0
        tryVerify(function () {
            if (TestBeacon.stats().writesCompleted === 1)
                return true
            if (QMLProxy.app.progStatus === "Waiting for connection..." && Date.now() - pressedAt > 2000) {
                TestBeacon.pressTest()
                pressedAt = Date.now()
            }
            return false
        }, 30000, "the beacon was not written: " + QMLProxy.app.progStatus)
    }

    function cleanup() {
        closeScene()
        QMLProxy.app.stopEpirbReceive()
        wait(100)
    }

    function test_guideAfterProgramming() {
        if (!TestBeacon.hasPage("Prog_11_Transfer.qml") || !TestBeacon.hasPage("BeaconDbDisplaySingle.qml"))
            skip("the wizard and the single-beacon page are not in this module")
        programBeacon(232, ConfigTables.E_StdLocationSerialPlb)
        const view = guide()
        compare(mainView.depth, 2, "the guide takes the wizard's place")
        compare(view.exitPageUrl, "BeaconDbDisplaySingle.qml")
        const pages = ConfigTables.labelingPages(Datablock.beaconType, Datablock.protocolCode)
        compare(Datablock.protocolCode, ConfigTables.E_StdLocationSerialPlb)
        compare(pages.length, 5, "a protocol without RLS adds the RLS sticker page")
        compare(item("programmingSwipeView", view).count, pages.length)

        // Box label: the country of the programmed beacon, back arrow closed.
        labelingPage("LabelingPage_BoxCountry")
        verify(TestBeacon.logged("LabelingPage_BoxCountryForm component completed"))
        compare(Datablock.countryCodeNumber, 232)
        compare(item("countryInput").text, ConfigTables.countryName(232))
        verify(item("countryInput").text.length > 0)
        click("openPdfButton")
        const country = openedFile("_country_label_232.pdf")
        verify(country.indexOf("31337_" + Datablock.hexId) >= 0, country)
        verify(TestBeacon.pdfText(country).indexOf(ConfigTables.countryName(232) + " (232)") >= 0)
        verify(!item("pageIndicator", view).backwardEnabled, "no way back into the finished run")
        // The back arrow is disabled (for assistive technology too); a click on it does nothing.
        const back = item("navigatorBack", mainView.currentItem)
        verify(!back.enabled)
        mouseClick(back)
        compare(currentPage(), "LabelingSwipeView")
        compare(currentLabelingPage(), "LabelingPage_BoxCountry")

        forward()
        labelingPage("LabelingPage_Programming")
        click("openPdfButton")
        // The programming label is a bitmap of glyphs: its serial shows in the name only.
        const pdf = openedFile("31337_" + Datablock.hexId + "_label.pdf")
        verify(pdf !== "", "named by serial and hex ID: " + TestBeacon.openedFiles)
        verify(TestBeacon.readTextFile(pdf).startsWith("%PDF"))

        forward()
        labelingPage("LabelingPage_ContactInfo")
        const area = item("contactText")
        const preview = item("contactLabel")
        const before = inkOf(preview.image)
        area.forceActiveFocus()
        area.selectAll()
        typeText(area, "Rescue: +47 99 88 77 66")
        tryVerify(function() { return inkOf(preview.image) !== before }, 5000, "the preview follows the text")
        click("openPdfButton")
        const contact = openedFile("contact_label.pdf")
        verify(contact !== "")
        verify(TestBeacon.pdfText(contact).indexOf("+47 99 88 77 66") >= 0)

        // Back goes one page back inside the guide.
        backward()
        labelingPage("LabelingPage_Programming")
        forward()
        forward()
        labelingPage("LabelingPage_Protection")
        forward()
        labelingPage("LabelingPage_BlockRLS")
        verify(TestBeacon.logged("LabelingPage_ProtectionForm component completed"))

        // Forward on the last page leaves for the beacon just programmed.
        forward()
        waitForPage("BeaconDbDisplaySingle")
        compare(mainView.depth, 2)

        // From there the guide is pushed and returns with a pop.
        click("labelingGuideButton")
        const again = guide()
        compare(mainView.depth, 3)
        compare(again.exitPageUrl, "")
        verify(item("pageIndicator", again).backwardEnabled)
        backward()
        waitForPage("BeaconDbDisplaySingle")
        compare(mainView.depth, 2)
    }

    function test_rlsProtocolHasNoStickerPage() {
        if (!TestBeacon.hasPage("Prog_11_Transfer.qml") || !TestBeacon.hasPage("BeaconDbDisplaySingle.qml"))
            skip("the wizard and the single-beacon page are not in this module")
        programBeacon(257, ConfigTables.E_RlsUserTacPlb)
        const view = guide()
        compare(item("programmingSwipeView", view).count, 4)
        for (let i = 0; i < 3; ++i)
            forward()
        labelingPage("LabelingPage_Protection")
        forward()
        waitForPage("BeaconDbDisplaySingle")
    }
}
