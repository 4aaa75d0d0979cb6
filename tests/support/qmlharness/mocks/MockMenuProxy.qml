import QtQml 2.15

// mcp: the menu import and export proxy.
QtObject {
    property QtObject log

    property var dirContent: []
    property int numOfFiles: dirContent.length
    property string mcImportFilename: ""

    signal tavolenDataImported()
    signal invalidFileVersion()
    signal tavolenDataImportFailed()
    signal exportedMenu(string value)
    signal exportMenuFailed()

    function set_mcImportFilename(v) { log.record("mcp.set_mcImportFilename", arguments); mcImportFilename = v }
    function set_importSource(v) { log.record("mcp.set_importSource", arguments) }
    function getMcImportDirList() { log.record("mcp.getMcImportDirList", arguments) }
    function importTavolenFile(name) { log.record("mcp.importTavolenFile", arguments) }
    function importTavolenJsonFile(name) { log.record("mcp.importTavolenJsonFile", arguments) }
    function exportTavolenJsonFile() { log.record("mcp.exportTavolenJsonFile", arguments) }
}
