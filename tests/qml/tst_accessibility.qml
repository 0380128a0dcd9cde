import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend

// What a screen reader or a GUI driver finds: every control a user acts on or reads in the
// window carries a name, and the custom buttons answer the accessible press.
SceneTestCase {
    name: "Accessibility"

    function isMouseArea(item) {
        return item.pressAndHoldInterval !== undefined && item.acceptedButtons !== undefined
    }

    function isText(item) {
        return item.text !== undefined && item.font !== undefined && item.horizontalAlignment !== undefined
               && item.wrapMode !== undefined
    }

    function accessibleName(item) {
        const attached = item.Accessible
        return attached && !attached.ignored ? attached.name : ""
    }

    // Items a user could act on or read without a name on themselves or an ancestor.
    function unnamed(item, namedAbove, path, found) {
        if (!item.visible || item.opacity === 0)
            return found
        const name = accessibleName(item)
        const here = path + "/" + (item.objectName || String(item).split("(")[0])
        if (!namedAbove && name === "") {
            if (isMouseArea(item) && item.enabled)
                found.push(here + " (click area)")
            else if (isText(item) && String(item.text).trim() !== "")
                found.push(here + " (text '" + item.text + "')")
        }
        const children = item.children
        for (let i = 0; i < children.length; ++i)
            unnamed(children[i], namedAbove || name !== "", here, found)
        return found
    }

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearDatabase()
        TestBeacon.addBeaconToDatabase("10001", "Astrid")
        TestBeacon.clearLog()
        openScene()
    }

    function cleanup() {
        TestBeacon.clearDatabase()
    }

    function test_everyControlOfTheWindowIsNamed() {
        mainView.set("qrc:/screens/ControlGallery.qml")
        waitForPage("ControlGallery")
        menubar.popupMenu.visible = true
        const found = unnamed(scene.contentItem, false, "", [])
        compare(found, [], "unnamed: " + found.join(", "))
        // The frame's own entries are found by name and role.
        compare(item("menuReports").Accessible.name, "Reports")
        compare(item("menuReports").Accessible.role, Accessible.Button)
        compare(item("menuSettings").Accessible.name, "Settings")
    }

    // The inspector: each decoded field and bit row is one named node, nothing left unnamed.
    function test_inspectorNamesEveryField() {
        click("menuDecode")
        const page = waitForPage("MessageDecode")
        typeText("decodeInput", "FFFE2F901D87B475DFEFFA9DF4B861F0FABE")
        typeText("decodeCompareInput", "203B0F68EBBFDFF")
        tryVerify(function() { return findChild(page, "field_hexId") !== null })
        const found = unnamed(scene.contentItem, false, "", [])
        compare(found, [], "unnamed: " + found.join(", "))
        const field = item("field_serialNumber", page)
        compare(field.Accessible.role, Accessible.StaticText)
        compare(field.Accessible.name, "Serial number: 4567")
        compare(item("menuDecode").Accessible.name, "Decode")
    }

    function test_customButtonsAnswerThePressAction() {
        const popup = item("settingsPopup")
        item("menuSettings").Accessible.pressAction()
        verify(popup.visible, "the settings icon opens the pop-up")
        item("popupAbout").Accessible.pressAction()
        verify(!popup.visible)
        verify(TestBeacon.logged("Replacing most items with : About.qml"))
        item("menuReadback").Accessible.pressAction()
        verify(TestBeacon.logged("Replacing most items with : Main_StartRead.qml"))
        compare(item("menuReadback").color, AldmarStyle.jMenuSelectedColor)
    }
}
