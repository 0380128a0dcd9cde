import QtQuick

// A main scene that is no window: start-up must fail instead of waiting for a frame.
Item {
    width: 100
    height: 100
}
