import QtQuick
import QtTest
import Quorvik.Backend
import Quorvik.Frontend
import QuorvikTest

// The "Decode" page against quorvik-cli on its own: what the page shows of a hex ID or
// message is what the tool prints, the compare marks what differs, and a beacon whose
// stored message fails its check is flagged on the page, in the report and by the tool.
SceneTestCase {
    id: inspectorTest
    name: "Inspector"

    // Messages built bit by bit from the C/S T.001 layouts (the coding tests' references).
    readonly property var references: [
        { tag: "user serial PLB", hex: "FFFE2F4E37A06072001EAD4EC540" },
        { tag: "std location MMSI", hex: "FFFE2F96E21E24017FDFFFFAF33783E0F66C" },
        { tag: "RLS TAC PLB", hex: "FFFE2F901D87B475DFEFFA9DF4B861F0FABE" },
        { tag: "national PLB", hex: "FFFE2F8E3B00FA1FC0FF06E64DB79F3C54F4" },
        { tag: "user location call sign", hex: "FFFE2FCE8D5F19DC24668A98022FE0FF0146" },
        { tag: "user MMSI", hex: "FFFE2F4D34CA0502AB868CB0C390" }
    ]

    property Component pasteBoard: Component { TextEdit {} }

    function init() {
        TestBeacon.resetSettings(false)
        TestBeacon.clearLog()
        openScene()
    }

    function cleanup() {
        closeScene()
        TestBeacon.restart()
    }

    function encoded(args) {
        const r = CliTool.run(["msg", "encode"].concat(args))
        compare(r.exitCode, 0, r.stderr)
        return r.json
    }

    function flipped(hex, at) {
        const c = parseInt(hex[at], 16) ^ 1
        return hex.substring(0, at) + c.toString(16).toUpperCase() + hex.substring(at + 1)
    }

    function openInspector() {
        click("menuDecode")
        return waitForPage("MessageDecode")
    }

    function enter(page, text) {
        const field = item("decodeInput", page)
        field.selectAll()
        keyClick(Qt.Key_Delete)
        typeText(field, text)
        return field
    }

    // The fields the page shows, by key.
    function shownFields(page) {
        const column = item("decodeFields", page)
        const out = {}
        for (let i = 0; i < column.children.length; ++i) {
            const c = column.children[i]
            if (c.objectName && c.objectName.indexOf("field_") === 0)
                out[c.key] = c
        }
        return out
    }

    function bitRowCount(page) {
        const column = item("decodeFields", page)
        let n = 0
        for (let i = 0; i < column.children.length; ++i)
            n += column.children[i].objectName.indexOf("bitRow_") === 0 ? 1 : 0
        return n
    }

    function clipboardText() {
        const board = createTemporaryObject(pasteBoard, inspectorTest)
        board.paste()
        return board.text
    }

    function test_fieldsEqualTheToolsJson_data() {
        const rows = []
        for (let i = 0; i < references.length; ++i)
            rows.push({ tag: references[i].tag, input: references[i].hex, digits: references[i].hex, bad: "" })
        // One per family the P5 programs that the references leave out.
        const more = [
            { tag: "std location serial PLB", args: ["--protocol", "15", "--country", "257", "--serial", "1234", "--tac", "245"] },
            { tag: "RLS MMSI PLB", args: ["--protocol", "20", "--country", "257", "--identity", "257123456"] },
            { tag: "RLS MMSI EPIRB, second", args: ["--protocol", "9", "--country", "257", "--identity", "257123456", "--first-epirb", "0"] },
            { tag: "user location test PLB", args: ["--protocol", "22", "--country", "257", "--serial", "99", "--tac", "245"] },
            { tag: "national test, national data", args: ["--protocol", "23", "--country", "227", "--serial", "1000",
                                                          "--additional-data-type", "0", "--national-data", "777777"] }
        ]
        for (let i = 0; i < more.length; ++i) {
            const hex = encoded(more[i].args).hexMessage
            rows.push({ tag: more[i].tag, input: hex, digits: hex, bad: "" })
        }
        const rls = references[2].hex
        rows.push({ tag: "without sync, lower case, spaced", input: rls.substring(6, 18).toLowerCase() + " " + rls.substring(18),
                    digits: rls.substring(6), bad: "" })
        rows.push({ tag: "hex ID", input: "9C6F40C0E4003D5", digits: "9C6F40C0E4003D5", bad: "" })
        rows.push({ tag: "hex ID, location protocol", input: "2dc4 3c48 02ff bff", digits: "2DC43C4802FFBFF", bad: "" })
        // Location protocol 0011 (ELT 24-bit address): named, never passed off as one this program codes.
        rows.push({ tag: "hex ID, aircraft address", input: "2DC7578246FFBFF", digits: "2DC7578246FFBFF", bad: "" })
        rows.push({ tag: "hex ID, position bits not defaulted", input: "2024F7252457804", digits: "2024F7252457804", bad: "" })
        rows.push({ tag: "BCH-1 broken", input: flipped(rls, 20), digits: flipped(rls, 20), bad: "bch1" })
        rows.push({ tag: "BCH-2 broken", input: flipped(rls, 35), digits: flipped(rls, 35), bad: "bch2" })
        rows.push({ tag: "short, BCH-1 broken", input: flipped(references[0].hex, 22), digits: flipped(references[0].hex, 22), bad: "bch1" })
        return rows
    }

    function test_fieldsEqualTheToolsJson(data) {
        const page = openInspector()
        enter(page, data.input)
        const cli = CliTool.run(["msg", "decode", data.digits])
        const json = cli.json
        // A broken BCH code or a named problem is a failed decode, printed all the same.
        compare(cli.exitCode, data.bad === "" && json.problems.length === 0 ? 0 : 1, cli.stderr)
        tryVerify(function() { return shownFields(page).hexId !== undefined })
        verify(!item("decodeError", page).visible)
        const fields = shownFields(page)

        for (const key of ["hexId", "checksum", "protocolType", "protocolName", "countryCode"])
            verify(fields[key] !== undefined, "no field " + key)
        if (json.hexMessage !== undefined) {
            for (const key of ["hexMessage", "bch1", "bch2", "position", "format"])
                verify(fields[key] !== undefined, "no field " + key)
        }
        // Every field that shows a member of the tool's JSON shows its value.
        let checked = 0
        for (const key in fields) {
            if (!(key in json))
                continue
            const value = json[key]
            const text = fields[key].value
            ++checked
            if (key === "countryCode")
                verify(text.indexOf(String(value)) === 0, key + ": " + text)
            else if (key === "firstEpirb")
                compare(text, value ? "first" : "second")
            else if (key === "additionalDataType")
                verify(text.indexOf(value ? "position offsets" : "20 bits") === 0, text)
            else if (key === "position")
                compare(text, json.positionText)
            else if (key === "alternativeProtocolType")
                verify(text.indexOf("(protocol number " + value + ")") > 0, text)
            else if (key === "protocolName" && json.protocolType === 24)
                verify(fields[key].modelData.problem, "an unsupported protocol is marked")
            else
                compare(text, String(value), key)
        }
        verify(checked >= 6, "only " + checked + " fields compared")
        if (json.protocolType === 24) {
            compare(fields.protocolCode.value, "location protocol 0011: standard location, ELT 24-bit aircraft address")
            compare(fields.aircraftAddress.value, "ABC123")
        }

        // Both BCH codes: valid, or invalid with the code the tool recomputes.
        if (json.bch1Valid !== undefined) {
            compare(json.bch1Valid, data.bad !== "bch1")
            compare(json.bch2Valid === false, data.bad === "bch2")
            for (const n of [1, 2]) {
                const shown = fields["bch" + n]
                const valid = json["bch" + n + "Valid"]
                if (valid === null) {
                    compare(shown.value, "none (short message)")
                } else if (valid) {
                    verify(shown.value.indexOf("valid") === 0, shown.value)
                    verify(!shown.modelData.problem)
                } else {
                    verify(shown.value.indexOf("invalid") === 0, shown.value)
                    verify(shown.value.indexOf("computed " + json["bch" + n + "Computed"]) > 0, shown.value)
                    verify(shown.modelData.problem)
                }
            }
        }
        verify(bitRowCount(page) >= 5)
        // One accessible node per field, saying what it shows.
        compare(fields.hexId.Accessible.name, fields.hexId.modelData.label + ": " + json.hexId)

        // Copy as JSON gives what the tool prints; copy as text every field.
        click("copyJsonButton", page)
        compare(clipboardText(), cli.stdout)
        click("copyTextButton", page)
        const text = clipboardText()
        for (const key in fields)
            verify(text.indexOf(fields[key].modelData.label + ": " + fields[key].value + "\n") >= 0, key)
        // The sync put in front of a message given without it is marked as added, never as read.
        if (data.digits.length === 22 || data.digits.length === 30)
            verify(text.indexOf("Frame synchronisation (added: not in the input)\t") >= 0, text)
        else
            verify(text.indexOf("(added: not in the input)") < 0)
        // What cannot be read is shown as a problem, each as the tool names it.
        compare(fields.problemList !== undefined, json.problems.length > 0)
        if (json.problems.length > 0) {
            verify(fields.problemList.modelData.problem)
            for (const p of json.problems)
                verify(fields.problemList.value.indexOf(p) >= 0, p)
        }
    }

    function test_otherInputIsRefusedWithTheLengths_data() {
        return [
            { tag: "16 digits", input: "9C6F40C0E4003D50" },
            { tag: "not hex", input: "9C6F40C0E4003DX" },
            { tag: "wrong sync", input: "FFFE304E37A06072001EAD4EC540" },
            { tag: "long flag, short length", input: "FFFE2F901D87B475DFEFFA9DF4B8" }
        ]
    }

    function test_otherInputIsRefusedWithTheLengths(data) {
        const page = openInspector()
        enter(page, "9C6F40C0E4003D5")
        tryVerify(function() { return shownFields(page).hexId !== undefined })
        enter(page, data.input)
        const error = item("decodeError", page)
        tryVerify(function() { return error.visible })
        verify(error.text.indexOf("15-digit hex ID") >= 0, error.text)
        verify(error.text.indexOf("22 or 30") >= 0 && error.text.indexOf("28 or 36") >= 0, error.text)
        // Nothing else is shown.
        compare(Object.keys(shownFields(page)).length, 0)
        compare(bitRowCount(page), 0)
        verify(!item("copyJsonButton", page).enabled)
        verify(!item("copyTextButton", page).enabled)
        compare(CliTool.run(["msg", "decode", data.input]).exitCode, 2)
    }

    function test_compareMarksExactlyTheDifferingFields_data() {
        const serialPlb = references[0].hex
        const locationPlb = encoded(["--protocol", "17", "--country", "227", "--serial", "12345", "--tac", "245"]).hexMessage
        const otherSerial = encoded(["--protocol", "16", "--country", "227", "--serial", "12346", "--tac", "245",
                                     "--manual-only"]).hexMessage
        const otherCountryId = encoded(["--protocol", "16", "--country", "257", "--serial", "12345", "--tac", "245",
                                        "--manual-only"]).hexId
        return [
            { tag: "label matches the beacon", input: locationPlb, other: "9c6f 40c0 e400 3d5", marked: [] },
            { tag: "one serial number apart", input: serialPlb, other: otherSerial,
              marked: ["hexMessage", "serial", "bch1", "hexId", "checksum"] },
            { tag: "two hex IDs, other country", input: "9C6F40C0E4003D5", other: otherCountryId,
              marked: ["countryCode", "hexId", "checksum"] }
        ]
    }

    function test_compareMarksExactlyTheDifferingFields(data) {
        const page = openInspector()
        enter(page, data.input)
        typeText(item("decodeCompareInput", page), data.other)
        const verdict = item("compareVerdict", page)
        tryVerify(function() { return verdict.text !== "" })
        const fields = shownFields(page)
        const marked = []
        for (const key in fields) {
            if (fields[key].differs) {
                marked.push(key)
                verify(fields[key].Accessible.name.indexOf("differs") > 0)
            }
        }
        compare(marked.sort(), data.marked.slice().sort())
        if (data.marked.length === 0)
            compare(verdict.text, "Same beacon: every field both show is the same.")
        else
            verify(verdict.text.indexOf(String(data.marked.length)) >= 0, verdict.text)
    }

    // The stored message with one bit of BCH-1 flipped: the block still decodes into a
    // normal-looking record, but a receiver would reject what the beacon sends.
    function test_readBackOfABrokenMessageIsFlagged_data() {
        return [ { tag: "intact", broken: false }, { tag: "BCH-1 broken", broken: true } ]
    }

    function test_readBackOfABrokenMessageIsFlagged(data) {
        TestBeacon.restart({ serial: "24680", owner: "Broken Owner", tac: 245 })
        let block = TestBeacon.storedBlockHex()
        // The message starts at byte 33; its byte 11 lies inside BCH-1.
        if (data.broken)
            block = flipped(block, 2 * (33 + 11) + 1)
        TestBeacon.restart({ block: block })
        verify(TestBeacon.stored())

        const cli = CliTool.run(["read", "--port", TestBeacon.devicePath, "--wait", "20"])
        compare(cli.exitCode, data.broken ? 1 : 0, cli.stderr)
        compare(cli.json.bch1Valid, !data.broken)
        compare(cli.json.bch2Valid, null)
        compare(cli.json.beaconSerial, "24680")
        verify(cli.json.bch1Computed.length === 6)
        compare(cli.stderr.indexOf("The message stored in this beacon fails its check: reprogram it") >= 0, data.broken)
        // The beacon announces itself again for the window's read.
        TestBeacon.pressTest()

        click("menuReadback")
        const page = waitForPage("BeaconDbDisplaySingle", 30000)
        const note = item("brokenMessageNote", page)
        compare(note.visible, data.broken)
        compare(item("brokenMessageText", page).text, "The message stored in this beacon fails its check: reprogram it")

        // The report says it too.
        click("makeReportButton", page)
        const pdf = Datablock.getReportFileNameURI().replace("file://", "")
        tryVerify(function() { return TestBeacon.pdfText(pdf).indexOf("Programming Report") >= 0 })
        compare(TestBeacon.pdfText(pdf).indexOf("fails its check: reprogram it") >= 0, data.broken)
        item("reportDialog", page).close()

        // The inspector opens on the whole stored message and says which check fails.
        click(data.broken ? "brokenMessageInspect" : "hexIdInspectButton", page)
        const inspector = waitForPage("MessageDecode")
        compare(item("decodeInput", inspector).text, Datablock.hexMsg)
        tryVerify(function() { return shownFields(inspector).bch1 !== undefined })
        const bch1 = shownFields(inspector).bch1.value
        compare(bch1.indexOf("invalid") === 0, data.broken)
        if (data.broken)
            verify(bch1.indexOf("computed " + cli.json.bch1Computed) > 0, bch1)
        // "This beacon record" compares against the message it was opened from.
        click("compareRecordButton", inspector)
        tryCompare(item("compareVerdict", inspector), "text", "Same beacon: every field both show is the same.")
        // "Beacon on the adapter" reads the beacon again and compares with what it holds now.
        const compareInput = item("decodeCompareInput", inspector)
        compareInput.forceActiveFocus()
        compareInput.selectAll()
        keyClick(Qt.Key_Delete)
        compare(compareInput.text, "")
        TestBeacon.pressTest()
        click("compareAdapterButton", inspector)
        tryCompare(item("decodeCompareInput", inspector), "text", Datablock.hexMsg, 30000)
        tryCompare(item("compareVerdict", inspector), "text", "Same beacon: every field both show is the same.")
        verify(item("compareAdapterButton", inspector).enabled)
        keyClick(Qt.Key_Escape)
        waitForPage("BeaconDbDisplaySingle")
    }
}
