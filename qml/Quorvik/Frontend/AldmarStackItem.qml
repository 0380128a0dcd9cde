import QtQuick

// Base of pages that handle the back action themselves.
Item {
    function handleBackPressed() {
        return false
    }
}
