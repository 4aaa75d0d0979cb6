import QtQuick 2.15

// Stand-in until this screen is built: it carries the identifiers,
// properties and signals that its callers use, and shows nothing.
Item {
    property QtObject selection: null

    anchors.fill: parent
}
