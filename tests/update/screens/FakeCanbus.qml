import QtQml 2.15

// The CAN bus manager as the installer reads it.
QtObject {
    property int canFileProgress: 0
}
