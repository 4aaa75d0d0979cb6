import QtQuick 2.15

// Stand-in until this screen is built: it carries the identifiers,
// properties and signals that its callers use, and shows nothing.
Item {
    property bool portrait: false
    property int stemHeight: 0

    signal dayPartSelectedSignal(int aValue)

    width: 430
    height: 300
}
