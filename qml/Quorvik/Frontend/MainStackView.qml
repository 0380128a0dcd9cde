import QtQuick
import QtQuick.Controls
import Quorvik.Backend

// The page stack: depth 0 is the home page; every navigation goes through these functions,
// and each one leaves a line in the log (the field reads a technician's session from it).
MainStackViewForm {
    id: view
    objectName: "mainView"

    signal viewReset()

    readonly property int depth: stack.depth
    readonly property Item currentItem: stack.currentItem

    function set(url) {
        setWithProperties(url, {})
    }

    function setWithProperties(url, properties) {
        console.log("Replacing most items with :", url, " depth was: ", stack.depth)
        if (stack.depth > 1)
            stack.replace(stack.get(1, StackView.ForceLoad), url, properties)
        else
            stack.push(url, properties)
    }

    function push(url) {
        pushWithProperties(url, {})
    }

    function pushWithProperties(url, properties) {
        console.log("Pushing, current depth,item: ", stack.depth, stack.currentItem)
        stack.push(url, properties)
    }

    function pop() {
        console.log("Poping, current depth,item: ", stack.depth, stack.currentItem)
        stack.pop()
    }

    function home() {
        reset()
    }

    function reset() {
        console.log("Reseting, current depth,item: ", stack.depth, stack.currentItem)
        stack.clear()
        stack.push(QMLProxy.initialStackItem())
        viewReset()
    }
}
