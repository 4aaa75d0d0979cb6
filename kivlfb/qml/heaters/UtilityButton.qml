import QtQuick 2.15
import "../widgets"

// A button of the Utilities page.
NumericKeyboardButton {
    reportVki: false
    width: 220
    height: 48
    radius: 6
    labelSize: 18
}
