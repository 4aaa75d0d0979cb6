import QtQml 2.15
import QtQml.Models 2.15

// The context objects, each published under its property name.
QtObject {
    property QtObject callLog: CallLog {}
    property QtObject cabinetManager: MockCabinetManager { log: callLog }
    property QtObject configManager: MockConfigManager { log: callLog }
    property QtObject tro: MockTranslator { log: callLog }
    property QtObject vki: MockVirtualKeyInput { log: callLog }
    property QtObject cbm: MockCanbusManager {}
    property QtObject syncMgr: MockSyncManager {}
    property QtObject eolTest: MockEolTest { log: callLog }
    property QtObject masterIOmanager: MockMasterIoManager { log: callLog }
    property QtObject nfcm: MockNfcManager { log: callLog }
    property QtObject daypartManager: MockDayPartManager { log: callLog }
    property QtObject menuManager: MockMenuManager { log: callLog }
    // The menu editor's row models, rows filled by a test when it needs them.
    property QtObject productsEditModel: ListModel {}
    property QtObject groupsEditModel: ListModel {}
    property QtObject kivIot: MockKivIot {}
    property QtObject kivnm: MockCabinetNetwork {}
    property QtObject snm: MockSystemNetworkManager {}
    property QtObject _KivRiot: MockKivRiot {}
    property QtObject wifiMon: MockWifiMonitor { log: callLog }
    property QtObject kivErrorController: MockErrorController { log: callLog }
    property QtObject mcp: MockMenuProxy { log: callLog }
    property QtObject platformInfo: MockPlatformInfo { log: callLog }
    property QtObject languagesModelNew: MockLanguageModel {}
    property QtObject soundManager: MockSoundManager { log: callLog }
    property QtObject haccpController: MockHaccpController { log: callLog }
    property QtObject uiSkin: UiSkinDefaults {}
}
