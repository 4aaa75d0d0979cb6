import QtQml 2.15

// kivIot: the IoT agent back-end.
QtObject {
    property bool systemBackupActive: false
    property int systemBackupProgress: 0
    property bool forcedPackageActive: false
}
