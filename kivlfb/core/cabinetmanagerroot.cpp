// The composition root: CabinetManager's constructor builds the whole
// controller. It lives in its own file because it is read top to bottom as
// the start-up sequence: identity, layout, components in creation order,
// connections by group, then the machines that apply to this display.

#include "cabinetmanager.h"

#include "core/builtinlayout.h"
#include "core/cabineterrorcontrolhost.h"
#include "core/cabinetholdingexchangehost.h"
#include "core/cabinetnetworkhost.h"
#include "core/cabinetiotservices.h"
#include "core/cabinetmenuimporthost.h"
#include "core/cabinetpantaghost.h"
#include "core/commandline.h"
#include "core/holdingexchange.h"
#include "core/kivdefs.h"
#include "core/kivmetatypes.h"
#include "core/mastersync.h"
#include "core/systemmaintenance.h"
#include "core/tempprobestatemanager.h"
#include "core/traybarsc.h"
#include "core/wiring.h"
#include "core/zonemanager.h"

#include "alarms/alarmssetup.h"
#include "alarms/haccpcontroller.h"
#include "alarms/kiverrorcontrollert.h"
#include "alarms/soundmanager.h"
#include "config/configurationmanager.h"
#include "config/eoltesting.h"
#include "config/fileid.h"
#include "config/nfcpollinfo.h"
#include "iot/kivdbusadapter.h"
#include "iot/kiviotagentadapter.h"
#include "iot/kivriot.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "menus/tavolenproxy.h"
#include "network/dadazodaru.h"
#include "network/platforminfo.h"
#include "network/systemnetworkmanager.h"
#include "network/wifimonitor.h"
#include "network/wifistatsdatalog.h"
#include "nfc/masteriomanager.h"
#include "nfc/masteriosimuilator.h"
#include "nfc/nfcreadersimulator.h"
#include "nfc/nfcmanager.h"
#include "ui/languagemodel.h"
#include "ui/screenresources.h"
#include "ui/translator.h"
#include "ui/virtualkeyinput.h"

#include "canbus/canbusmanager.h"
#include "canbus/canthread.h"
#include "modbus/modbusserialport.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"
#include "platform/kivroot.h"
#include "statemachine/statetracer.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSerialPort>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QUdpSocket>
#include <QWidget>
#include <QtQml>

#include <climits>

// The screens are compiled into the controller's static library; a static
// library's resources must be registered by hand.
static void initScreenResources()
{
    ScreenResources::registerAll();
}

namespace {

constexpr int kWatchdogIntervalMs = 20000;
constexpr int kHoldingSaveDelayMs = 500;
constexpr int kHoldingSavePeriodMs = 300000;
constexpr int kUseMapDelayMs = 30;
constexpr int kSysTimeIntervalMs = 1000;
constexpr int kScreenCleanScanMs = 1000;
constexpr int kHoldingBroadcastMs = 5000;
constexpr int kRemoteTimesMs = 1000;

const char kFirmwareVersion[] = "QZ-7318";
const char kDbusService[] = "com.corvantis.DBus";
const char kDbusPath[] = "/KivApplication";
const char kDbusInterface[] = "com.corvantis.DBus.KivApplication";

// Properties copied from the personality file, in the order they are
// applied: (this object's name, the reader's name).
const char *const kFileProperties[][2] = {
    {"orientationId", "orientationId"},
    {"cabinetConfiguration", "cabinetConfiguration"},
    {"uiRole", "uiRole"},
    {"numberOfZones", "numberOfZones"},
    {"zonesPerRow", "zonesPerRow"},
    {"numberOfRows", "numberOfRows"},
    {"numOfTempProbes", "numOfTempProbes"},
    {"hasMirrorDisplay", "hasMirrorDisplay"},
    {"hasSecondaryDisplay", "hasSecondaryDisplay"},
    {"tempHandling", "tempHandling"},
    {"tempLayout", "tempLayout"},
    {"isIndividualDpSelectable", "isIndividualDpSelectable"},
    {"singleColumnUnit", "singleColumnUnit"},
    {"nfcEnabled", "nfcEnabled"},
    {"iAmMaster", "iAmMaster"},
    {"mirrorDisplay", "mirrorDisplay"},
    {"orientationPortrait", "orientationPortrait"},
    {"pressGoDockPosition", "pressGoDockPosition"},
    {"zones2handle", "zones2handle"},
    {"zones2handleStart", "zones2handleStart"},
    {"powerSourceChoice", "powerSourceChoice"},
    {"hasFan", "hasFan"},
    {"temperatureUnit", "temperatureUnit"},
    {"discardFlash", "discardOption"},
    {"discardText", "discardOptionType"},
    {"shelfNumbersEnable", "shelfNumbersEnable"},
    {"shelfNumberingOrder", "shelfNumberingOrder"},
    {"startingShelfNumber", "startingShelfNumber"},
    {"haccpEnabled", "haccpDataCollection"},
    {"touchBasedTransfer", "touchBasedTransfer"},
    {"productIdDisplayEnable", "productIDDisplayEnable"},
    {"verticalFlip", "verticalFlip"},
    {"traysPerCabinet", "traysPerCabinet"},
    {"zoneViewType", "zoneViewType"},
    {"perBinTemps", "perBinTemps"},
    {"pressGoBannerEnable", "pressGoBannerEnable"},
    {"traysPerZone", "binsPerZone"},
    {"cleaningModeEnable", "cleaningModeEnable"},
    {"advancedZoneOptionsEnable", "advancedZoneOptionsEnable"},
    {"viewZoneTemperatureEnable", "viewZoneTemperatureEnable"},
    {"linkedUseFirst", "linkedUseFirst"},
    {"maxCurrent", "maxCurrent"},
    {"controlBoardType", "controlBoardType"},
    {"numIOBoards", "numIOBoards"},
    {"topTempOffset", "topTempOffset"},
    {"topHeaterResistance", "topHeaterResistance"},
    {"bottomTempOffset", "bottomTempOffset"},
    {"bottomHeaterResistance", "bottomHeaterResistance"},
    {"singleBinZone", "singleBinZone"},
    {"zoneNumberingOrder", "zoneNumberingOrder"},
    {"screenCleanModeEnable", "screenCleanModeEnable"},
    {"timerColorEnable", "timerColorEnable"},
    {"timerDecrementEnable", "timerDecrementEnable"},
    {"preferencesPageLock", "preferencesPageLock"},
    {"customerId", "customerId"},
    {"powerSource", "powerSource"},
};

QString joinNumbers(const QList<int> &list)
{
    QStringList parts;
    for (int v : list)
        parts << QString::number(v);
    return parts.join(QLatin1Char(' '));
}

} // namespace

// Every connection below goes through Wiring: one that cannot be made is
// logged with both of its ends, never passed over.
using Wiring::link;

QObject *CabinetManager::get_configManager() const
{
    return m_configManager;
}

CabinetManager::CabinetManager(int simulationFlags, int idConnector, QWidget *parent)
    : QObject(parent)
    , m_simulationFlags(simulationFlags)
    , m_idConnector(idConnector)
    , m_userInteractionTimer(new QTimer(this))
{
    const CommandLine commandLine = CommandLine::parse(QCoreApplication::arguments());
    // A queued connection to an unregistered argument type is accepted and
    // fails only when its signal fires: the types go in before any component.
    KivMetaTypes::registerAll();

    // 1-2. Member timers exist but run only where started; the watchdog runs
    // from the first turn of the event loop.
    m_userInteractionTimer->setObjectName(QStringLiteral("userInteractionTimer"));
    m_watchdogTimer.setInterval(kWatchdogIntervalMs);
    link(&m_watchdogTimer, SIGNAL(timeout()), this, SLOT(kickWdtTimerTO()));
    m_watchdogTimer.start();

    // 3-5. Who this display is.
    m_fileId = new FileID(this);
    enterApplicationDirectory();
    const int uiId = identifyDisplay();
    setObjectName(QStringLiteral("cabinetManager"));
    qmlRegisterUncreatableType<VirtualKeyInput>("VirtualKB", 1, 0, "Vki",
                                               QStringLiteral("Vki carries enumerations only"));

    // 6-11. The layout it serves.
    applyLayout(uiId);
    buildNfcMap();
    if (commandLine.singleDisplay) {
        set_hasMirrorDisplay(false);
        set_hasSecondaryDisplay(false);
        m_syncNeeded = false;
    }
    set_traysPerCabinet(get_numberOfZones() * get_traysPerZone());
    set_flashDriveMounted(isFlashDriveMounted());
    m_traysOnThisUi = get_numberOfTraysOnThisUI();
    if (commandLine.uiDebug)
        set_uiDebug(true);

    createHoldingRecords();
    createComponents(commandLine);
    wireComponents();
    publishComponents(commandLine);
    startMachines(commandLine);
}

CabinetManager::~CabinetManager()
{
    // A few components live outside the object tree (they were created
    // without a parent). Free them after the children that use them, and
    // take the application object off the bus, so that nothing outlives the
    // cabinet core with a pointer into it. The screens go first: their
    // bindings read the components below and would re-evaluate against
    // half-destroyed objects.
    qDeleteAll(m_stateTracers);
    delete m_nfcSimulatorView;
    delete m_engine;
    m_engine = nullptr;
    // The error worker reads the cabinet and polls through the Modbus
    // master from its own thread: it stops before either goes.
    delete m_errorController;
    m_errorController = nullptr;
    delete m_canbusManager;
    delete m_canThread;
    delete m_modbusMaster;
    delete m_serialPort;
    delete m_screenCleanTimer;
    delete m_platformInfo;
    delete m_iotAgent;
    // The adaptor belongs to the application object and stays with it.
    if (m_dbusAdapter)
        QDBusConnection::systemBus().unregisterObject(QString::fromLatin1(kDbusPath));
}

void CabinetManager::enterApplicationDirectory()
{
    const QString appDir = KivRoot::appDir();
    if (!QDir::setCurrent(appDir))
        qDebug().noquote() << "Unable to enter the application directory" << appDir;
    qDebug().noquote() << "Application Path APP_PATH is:" << "/root/";
    checkNotoSansCjkFont();
}

int CabinetManager::identifyDisplay()
{
    const QDir dir(KivRoot::appDir());
    bool found = false;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &entry : entries) {
        qDebug().noquote() << QStringLiteral("File id : a file name is: %1").arg(entry);
        if (!QDir::match(QStringLiteral("*.hcc"), entry))
            continue;
        qDebug().noquote() << QStringLiteral("File id : file name is: %1").arg(entry);
        // The first personality file decides, good or not: a bad first file
        // is not rescued by a second one.
        found = m_fileId->readFileID(entry)
            && m_fileId->get_importedFileVersion() <= FileID::HighestFileVersion;
        break;
    }
    if (found)
        return UIID_FILE_ID;

    qDebug() << "FileID not found";
    m_isConfigured = false;
    m_idErrorMsg = tr("Invalid ID connector!\n%1").arg(m_idConnector);
    return m_idConnector;
}

void CabinetManager::applyLayout(int uiId)
{
    if (uiId == UIID_FILE_ID) {
        for (const auto &p : kFileProperties) {
            const QVariant value = m_fileId->property(p[1]);
            setProperty(p[0], value);
            qDebug().noquote() << p[0] << value.toString();
        }
        m_syncNeeded = m_fileId->property("syncNeeded").toBool();
        m_iosyscfg = m_fileId->property("iosystemcfg").toInt();
        qDebug().noquote() << "syncNeeded" << m_syncNeeded << "iosyscfg" << m_iosyscfg;
        m_productLocationMap = *m_fileId->get_productLocationMap();
        m_ui2mioZoneMap = *m_fileId->get_ui2mioZoneMap();
        m_ioBoardToZoneMap = *m_fileId->get_ioBoardToZoneMap();
        for (const IoBoardToZone &io : qAsConst(m_ioBoardToZoneMap))
            qDebug().noquote() << "ioBoardToZone" << io.firstZone << io.secondZone;
        m_mio2uitMap = *m_fileId->get_mio2uitMap();
        m_zoneMap = *m_fileId->get_zoneMap();
        m_binTestTemps = *m_fileId->get_binTestTemps();
        return;
    }

    set_orientationId(uiId);
    const BuiltInLayout layout = BuiltInLayout::forUiId(uiId);
    for (const auto &p : layout.properties)
        setProperty(p.first.constData(), p.second);
    if (layout.setsSyncNeeded)
        m_syncNeeded = layout.syncNeeded;
    m_iosyscfg = layout.iosyscfg;
    m_productLocationMap.clear();
    m_mio2uitMap = layout.mio2uitMap;
    m_ui2mioZoneMap = layout.ui2mioZoneMap;
    m_zoneMap = layout.zoneMap;
    if (layout.setsNfcMap)
        m_nfcMap = layout.nfcMap;
    m_binTestTemps = layout.binTestTemps;
    m_ioBoardToZoneMap.clear();
    for (const auto &io : layout.ioBoardToZoneMap) {
        IoBoardToZone entry;
        entry.firstZone = io.first;
        entry.secondZone = io.second;
        m_ioBoardToZoneMap.append(entry);
    }
}

void CabinetManager::buildNfcMap()
{
    if (!get_nfcEnabled())
        return;
    m_fileId->set_nfcEnabled(true);
    // The reader knows the layout only when it came from a file; a display
    // on a built-in layout selects its reader map by its own UI id.
    m_fileId->initNfcMap(get_orientationId());
    m_nfcPollingInfo = m_fileId->get_nfcPollingInfo();

    m_nfcMap.clear();
    if (get_cabinetConfiguration() == 10) {
        int n = get_traysPerCabinet();
        if (get_hasSecondaryDisplay() || get_uiRole() == 2)
            n *= 2;
        for (int i = 0; i < n; ++i)
            m_nfcMap << i;
    } else if (m_nfcPollingInfo) {
        // Poll order by poll order, reader by reader, entries in plan order.
        const NfcPollInfo &plan = *m_nfcPollingInfo;
        for (int order = 0; order < plan.numPollOrders && order < NfcPollInfo::MaxPollOrders; ++order)
            for (int a = 0; a < plan.numAddresses && a < NfcPollInfo::MaxAddresses; ++a) {
                const NfcPollGroup &group = plan.groups[a][order];
                for (int e = 0; e < group.count && e < NfcPollGroup::MaxEntries; ++e)
                    m_nfcMap << group.entries[e].binIndex;
            }
    }
    qDebug().noquote() << "nfcMap" << QStringLiteral("(%1)").arg(joinNumbers(m_nfcMap));
}

void CabinetManager::createHoldingRecords()
{
    m_holdingSaveDelayTimer.setInterval(kHoldingSaveDelayMs);
    m_holdingSavePeriodTimer.setInterval(kHoldingSavePeriodMs);
    m_holdingWriter = new SafeFileWriter(KivRoot::appFile(QStringLiteral("trayBarInfo.json")), this);
    link(m_holdingWriter, SIGNAL(saveFinished(SafeFileWriter::Result)), this,
         SLOT(writeTrayBarHoldingInfoWrapUp(SafeFileWriter::Result)));
    m_useMapTimer.setInterval(kUseMapDelayMs);
    m_useMapTimer.setSingleShot(true);
    link(&m_holdingSaveDelayTimer, SIGNAL(timeout()), this, SLOT(writeTrayBarHoldingInfo()));
    link(&m_holdingSavePeriodTimer, SIGNAL(timeout()), this, SLOT(writeTrayBarHoldingInfo()));
    link(&m_useMapTimer, SIGNAL(timeout()), this, SLOT(updateUseMap2()));

    m_trayInfoList.clear();
    for (int bin = 0; bin < get_traysPerCabinet(); ++bin) {
        trayInfo record;
        record.binNumber = quint8(bin);
        m_trayInfoList.append(record);
    }
    const int tableBins = qMin(get_traysPerCabinet(), int(kBinTableSize));
    m_mismatchPanIds.fill(0, tableBins);
    m_mismatchTexts = QVector<QString>(tableBins);
    m_binMismatch.fill(false, tableBins);
    m_binFlagB.fill(false, tableBins);
    m_trayStates.fill(0, tableBins);

    m_userInteractionTimer->setSingleShot(true);
    m_userInteractionTimer->setInterval(300000);
    link(m_userInteractionTimer, SIGNAL(timeout()), this, SLOT(userInteractionTimerTO()));

    link(&m_restoreActionsTimer, SIGNAL(timeout()), this, SLOT(canRestoreActions()));
    m_sysTimeTimer.setInterval(kSysTimeIntervalMs);
    link(&m_sysTimeTimer, SIGNAL(timeout()), this, SLOT(sysTimeUpdate()));
    m_holdingBroadcastTimer.setInterval(kHoldingBroadcastMs);
    link(&m_holdingBroadcastTimer, SIGNAL(timeout()), this, SLOT(broadCastHodlingInfo()));
    m_remoteTimesTimer.setInterval(kRemoteTimesMs);
    link(&m_remoteTimesTimer, SIGNAL(timeout()), this, SLOT(sendRemainingTimesToRemoteDisplay()));
}

void CabinetManager::createComponents(const CommandLine &commandLine)
{
    // 13-14. Screens: engine, languages, keyboard.
    initScreenResources();
    m_engine = new QQmlApplicationEngine(this);
    m_engine->rootContext()->setContextProperty(QStringLiteral("uiscalingX"), commandLine.scaleX);
    m_engine->rootContext()->setContextProperty(QStringLiteral("uiscalingY"), commandLine.scaleY);
    m_translator = new Translator(this);
    m_languageModel = new LanguageModel(m_translator);
    m_engine->rootContext()->setContextProperty(QStringLiteral("languagesModelNew"), m_languageModel);
    m_engine->rootContext()->setContextProperty(QStringLiteral("tro"), m_translator);
    m_vki = new VirtualKeyInput(m_engine);
    m_engine->rootContext()->setContextProperty(QStringLiteral("vki"), m_vki);

    // 15. CAN. The thread object only holds the socket; it never runs.
    m_canThread = new CanThread(nullptr);
    m_canbusManager = new CanbusManager(m_canThread, get_orientationId(), this);
    m_canbusManager->setObjectName(QStringLiteral("cbm"));
    m_canbusManager->set_canId(get_iAmMaster() ? 1 : 2);
    // A configured display hears only the displays its personality names;
    // an unconfigured one hears everyone, so that it can still be given its
    // personality.
    if (m_isConfigured) {
        enum CanSender : quint32 { PrimaryDisplay = 1, OtherDisplay = 2, UtilityOrBroadcast = 3 };
        QSet<quint32> peers;
        if (!get_iAmMaster())
            peers = {PrimaryDisplay, UtilityOrBroadcast};
        else if (get_hasSecondaryDisplay() || get_hasMirrorDisplay())
            peers = {OtherDisplay, UtilityOrBroadcast};
        m_canbusManager->acceptSendersOnly(peers);
        // The update utility runs on the primary display and installs that
        // display's files itself; its transfers on the bus (application,
        // personality file, splash screen, install request) are for the
        // other display. A primary display's controller still running while
        // it works would otherwise store them, replacing its own personality
        // file with the other display's, answer the install request in the
        // other display's place and acknowledge records the other display
        // never received. The displays' broadcasts under that id are single
        // packets and are still heard.
        if (get_iAmMaster())
            m_canbusManager->hearOnlySinglePacketsFrom({UtilityOrBroadcast});
    }
    CanbusManager::registerQmlTypes();
    qmlRegisterUncreatableType<TrayBarSc>("TrayBarSc", 1, 0, "TrayBarSchart",
                                         QStringLiteral("TrayBarSchart carries enumerations only"));

    createAlarmAndProbeComponents(commandLine);
    createModbusComponents();

    // 21. Error controller.
    m_errorController = new KivErrorControllerT(m_modbusMaster, this, new CabinetErrorControlHost(this));
    m_errorController->setObjectName(QStringLiteral("kivErrorController"));

    createHaccpController();

    // 23. Configuration store.
    m_configManager = new ConfigurationManager(m_modbusMaster, m_canbusManager, get_iAmMaster(),
                                               get_orientationId(), this);
    m_configManager->setObjectName(QStringLiteral("configManager"));

    // 24. Screen cleaning scan.
    m_screenCleanTimer = new QTimer(nullptr);
    m_screenCleanTimer->setInterval(kScreenCleanScanMs);
    link(m_screenCleanTimer, SIGNAL(timeout()), this, SLOT(autoScreenCleanScan()));
    m_screenCleanCountdown = -1;
    if (get_screenCleanModeEnable())
        m_screenCleanTimer->start();
    else
        m_screenCleanTimer->stop();

    // 25. Wi-Fi monitor.
    m_wifiMonitor = new WifiMonitor(m_configManager, this, std::make_unique<CabinetNetworkHost>(this, m_configManager));
    m_wifiMonitor->setObjectName(QStringLiteral("wifiMon"));

    // 26. Simulation on the primary display.
    enterSimulation();

    // 27. Stored settings.
    loadConfiguration();

    // 28. Network set-up.
    m_systemNetworkManager = new SystemNetworkManager(this, std::make_unique<CabinetNetworkHost>(this, m_configManager));
    m_systemNetworkManager->setObjectName(QStringLiteral("systemNetworkManager"));
    m_systemNetworkManager->set_configManager(m_configManager);
    m_systemNetworkManager->start();

    // 29-30. Menus and day parts.
    m_menuManager = new MenuManager(this);
    m_menuManager->setObjectName(QStringLiteral("menuManager"));
    m_menuManager->menuLoadJsonDocFile();
    m_dayPartManager = new DayPartManager(get_numberOfZones(), get_traysPerZone(), m_menuManager, this);
    m_dayPartManager->setObjectName(QStringLiteral("daypartManager"));
    // The personality file's map where it has one, else the built-in
    // layout's; without either every position keeps its own number.
    if (m_productLocationMap.isEmpty())
        m_productLocationMap = BuiltInLayout::productLocationMap(get_orientationId());
    m_dayPartManager->set_productLocationMap(m_productLocationMap);
    m_dayPartManager->set_singleCol(get_singleColumnUnit());
    m_dayPartManager->set_numOfTrays(get_traysPerCabinet());
    m_dayPartManager->dayPartsLoadJsonDocFile();
    m_dayPartManager->set_nextDayPart(m_dayPartManager->getDayPartToUse(0));

    // 31. Start-up synchronisation between displays.
    m_masterSync = new MasterSync(nullptr);
    m_masterSync->setObjectName(QStringLiteral("syncMgr"));
    m_masterSync->setParent(this);
    m_masterSync->set_syncNeeded(m_syncNeeded);
    m_masterSync->set_iAmMaster(get_iAmMaster());

    // 32-33. The zones this display drives, and their trays.
    for (int i = 0; i < get_zones2handle(); ++i) {
        const int zoneNumber = get_zones2handleStart() + i;
        auto *zone = new ZoneManager(zoneNumber, get_traysPerZone(), m_menuManager, m_dayPartManager,
                                     get_tempHandling(), get_tempLayout(), get_mirrorDisplay(), this);
        zone->setObjectName(QStringLiteral("zone%1").arg(zoneNumber));
        zone->set_tempRangeErrorDisable(get_tempRangeErrorDisable());
        m_zoneList.append(zone);
        m_zonesModelList.append(zone);
        for (TrayBarSc *tray : zone->get_traysList()) {
            tray->setParent(this);
            m_trayList.append(tray);
            m_traysModelList.append(tray);
        }
    }
    emit zonesModelListChanged();
    emit traysModelListChanged();

    // 34. Quiet until the displays are in step.
    muteAlarmsUntilSynchronised();

    // 35-37. Pan tags, cabinet network, I/O board.
    m_nfcManager = new NFCmanager(m_dayPartManager, &m_zoneList, m_menuManager, this);
    m_nfcManager->setObjectName(QStringLiteral("nfcManager"));
    m_nfcManager->set_configManager(m_configManager);
    m_cabinetNetwork = new DADazodaru(m_configManager, this,
                                       std::make_unique<CabinetNetworkHost>(this, m_configManager));
    m_holdingExchange = new HoldingExchange(
        std::make_unique<CabinetHoldingExchangeHost>(this, m_configManager, m_menuManager), this);
    m_holdingExchange->setObjectName(QStringLiteral("holdingExchange"));
    // Other cabinets hear this cabinet's holding only from the primary
    // display, and only when pans can move between cabinets.
    if (get_iAmMaster() && (get_linkedUseFirst() || get_touchBasedTransfer()))
        m_holdingBroadcastTimer.start();
    m_masterIoManager = new MasterIoManager(m_nfcManager, m_modbusMaster, m_canbusManager, get_orientationId(),
                                            &m_zoneList, &m_trayList, get_tempHandling(), this);
    m_masterIoManager->setObjectName(QStringLiteral("masterIoManager"));
    if (!m_tpsmList.isEmpty())
        m_masterIoManager->set_tpsmList(m_tpsmList);
    m_masterIoManager->set_iosyscfg(m_iosyscfg);
    IoBoardLayout ioLayout;
    ioLayout.iAmMaster = get_iAmMaster();
    ioLayout.hasFan = get_hasFan();
    ioLayout.hasMirrorDisplay = get_hasMirrorDisplay();
    ioLayout.hasSecondaryDisplay = get_hasSecondaryDisplay();
    ioLayout.numberOfZones = get_numberOfZones();
    ioLayout.traysPerZone = get_traysPerZone();
    ioLayout.cabinetConfiguration = get_cabinetConfiguration();
    ioLayout.numIOBoards = get_numIOBoards();
    ioLayout.zoneMap = m_zoneMap;
    ioLayout.mio2uitMap = m_mio2uitMap;
    ioLayout.ui2mioZoneMap = m_ui2mioZoneMap;
    ioLayout.binTestTemps = m_binTestTemps;
    ioLayout.zoneNumberingOrder = get_zoneNumberingOrder();
    ioLayout.nfcReadersSimulated = get_iAmMaster() && (m_simulationFlags & 4);
    m_masterIoManager->set_layout(ioLayout);
    // The registry and the reader polling ask the cabinet through one adapter.
    auto *panTagHost = new CabinetPanTagHost(this, m_menuManager, m_configManager);
    m_nfcManager->setHost(panTagHost);
    m_masterIoManager->setNfcHost(panTagHost);

    // 39. System time.
    m_sysTimeTimer.start();

    // 40. NTP, primary display only.
    if (get_iAmMaster()) {
        // Under a test or simulation root the date tool is a stand-in, and a
        // public server's answer would only tell the cabinet that its clock
        // moved by however far a test had set it: no server is asked unless
        // one is named (setNtpServer).
        if (KivRoot::isRerooted())
            m_ntpServerName.clear();
        m_ntpSocket = new QUdpSocket(this);
        link(this, SIGNAL(ntpServerTimeRead()), this, SLOT(ntpServerTimeRequest()), Qt::QueuedConnection);
        if (m_configManager->get_ntpOn())
            m_clockTick.startNtpCycle();
    }

    // 42-43. Menu import, platform, factory test.
    m_menuImport = new TavolenProxy(this);
    m_menuImport->setObjectName(QStringLiteral("mcp"));
    m_menuImport->setHost(std::make_unique<CabinetMenuImportHost>(this, m_configManager, m_menuManager, m_dayPartManager));
    if (get_iAmMaster())
        createPerformanceDataTimer();
    m_platformInfo = new PlatformInfo(nullptr);
    m_eolTesting = new EolTesting(this);
    m_eolTesting->setObjectName(QStringLiteral("eolTest"));

    // 44-45. D-Bus and the cloud back-ends.
    registerOnDbus();
    m_riot = new KivRiot(this);
    CabinetIotServices::Components cloudView;
    cloudView.cabinet = this;
    cloudView.config = m_configManager;
    cloudView.menus = m_menuManager;
    cloudView.dayParts = m_dayPartManager;
    cloudView.nfc = m_nfcManager;
    cloudView.io = m_masterIoManager;
    cloudView.errors = m_errorController;
    cloudView.wifi = m_wifiMonitor;
    cloudView.network = m_cabinetNetwork;
    m_riot->setServices(new CabinetIotServices(cloudView, m_riot));
    m_iotAgent = new KivIotAgentAdapter(nullptr);
    m_riot->checkModelSerialUpdates();
}

void CabinetManager::createPerformanceDataTimer()
{
    m_performanceDataTimer = new QTimer(this);
    m_performanceDataTimer->setObjectName(QStringLiteral("performanceDataTimer"));
    link(m_performanceDataTimer, SIGNAL(timeout()), this, SLOT(performanceData()), Qt::QueuedConnection);
    link(m_configManager, SIGNAL(performanceDataIntervalChanged(int)), this,
         SLOT(setPerformanceDataInterval(int)), Qt::QueuedConnection);
    const int interval = m_configManager->get_performanceDataInterval();
    if (interval > 0) {
        m_performanceDataTimer->setInterval(int(qMin<qint64>(qint64(interval) * 1000, INT_MAX)));
        m_performanceDataTimer->start();
    }
}

void CabinetManager::registerOnDbus()
{
    m_dbusAdapter = qApp->findChild<KivDbusAdapter *>(QString(), Qt::FindDirectChildrenOnly);
    if (m_dbusAdapter)
        m_dbusAdapter->setCabinet(this);
    else
        m_dbusAdapter = new KivDbusAdapter(qApp, this);
    m_dbusAdapter->set_firmwareVersion(QString::fromLatin1(kFirmwareVersion));
    m_dbusAdapter->set_iotEventType(KivDbusAdapter::IOTEVENTTYPE_DEZ2);
    // The cabinet works without the bus: failures are logged, never retried.
    QDBusConnection bus = QDBusConnection::systemBus();
    const bool serviceRegistered = bus.registerService(QString::fromLatin1(kDbusService));
    if (!bus.registerObject(QString::fromLatin1(kDbusPath), qApp))
        qDebug() << "************************ Did not register object in DBUS";
    if (!serviceRegistered)
        qDebug() << "************************ Did not connect to DBUS service";
}

void CabinetManager::publishComponents(const CommandLine &commandLine)
{
    // 41. What the screens see, by name.
    QQmlContext *context = m_engine->rootContext();
    m_engine->setObjectName(QStringLiteral("mainQmlView"));
    context->setContextProperty(QStringLiteral("kivErrorController"), m_errorController);
    context->setContextProperty(QStringLiteral("configManager"), m_configManager);
    context->setContextProperty(QStringLiteral("timeZonesModel"), m_configManager->get_timeZonesModel());
    context->setContextProperty(QStringLiteral("snm"), m_systemNetworkManager);
    context->setContextProperty(QStringLiteral("cbm"), m_canbusManager);
    context->setContextProperty(QStringLiteral("cabinetManager"), this);
    context->setContextProperty(QStringLiteral("kivnm"), m_cabinetNetwork);
    context->setContextProperty(QStringLiteral("kivnm_namesModel"), m_cabinetNetwork->get_namesModel());
    context->setContextProperty(QStringLiteral("wifiMon"), m_wifiMonitor);
    context->setContextProperty(QStringLiteral("wifiStatsModel"), m_wifiMonitor->get_wifiStatsDataLog()->get_model());
    context->setContextProperty(QStringLiteral("wifiStatsDataLog"), m_wifiMonitor->get_wifiStatsDataLog());
    for (ZoneManager *zone : qAsConst(m_zoneList))
        context->setContextProperty(zone->objectName(), zone);
    for (TrayBarSc *tray : qAsConst(m_trayList))
        context->setContextProperty(tray->objectName(), tray);
    m_menuManager->publishTo(context);
    context->setContextProperty(QStringLiteral("masterIOmanager"), m_masterIoManager);
    context->setContextProperty(QStringLiteral("daypartManager"), m_dayPartManager);
    if (get_iAmMaster())
        context->setContextProperty(QStringLiteral("nfcm"), m_nfcManager);
    context->setContextProperty(QStringLiteral("mcp"), m_menuImport);
    context->setContextProperty(QStringLiteral("syncMgr"), m_masterSync);
    context->setContextProperty(QStringLiteral("platformInfo"), m_platformInfo);
    context->setContextProperty(QStringLiteral("eolTest"), m_eolTesting);
    context->setContextProperty(QStringLiteral("KivRiot"), m_riot);
    context->setContextProperty(QStringLiteral("kivIot"), m_iotAgent);

    // 46. Tracing: the named machines are found by object name, each gets
    // a tracer whose window stays hidden. Without "-trace" nothing is made.
    qDebug() << "Arguments" << QCoreApplication::arguments();
    if (!commandLine.traceNames.isEmpty()) {
        qDebug() << "objects to trace: " << commandLine.traceNames;
        const QList<QStateMachine *> machines = StateTracer::findMachines(this, commandLine.traceNames);
        for (QStateMachine *machine : machines)
            m_stateTracers.append(StateTracer::traceMachine(machine, StateTracer::Form::Controller));
    }
}

void CabinetManager::startMachines(const CommandLine &commandLine)
{
    const bool primary = get_iAmMaster();

    // 1. The zones this display drives.
    const int first = get_zones2handleStart();
    const int last = first + get_zones2handle() - 1;
    for (ZoneManager *zone : qAsConst(m_zoneList))
        if (zone->get_zoneNumber() >= first && zone->get_zoneNumber() <= last)
            zone->start();
    // 2.
    removeOldBackups();
    // 3. A mirror display's trays only show what the primary display sends.
    if (get_orientationId() != UIID_BAD_ID && !get_mirrorDisplay())
        for (TrayBarSc *tray : qAsConst(m_trayList))
            tray->start();
    // 4.
    if (primary)
        link(m_masterSync, SIGNAL(startNfcSubSystem()), m_masterIoManager, SIGNAL(nfcReadingStart()), Qt::QueuedConnection);
    // 5. An unconfigured display stays off the CAN bus.
    if (m_isConfigured)
        m_canbusManager->start();
    // 6. The hardware authority.
    if (primary) {
        startHardwareMachines();
        m_masterIoManager->start();
        m_wifiMonitor->start();
        m_configManager->start();
        m_errorController->call_startSm();
    }
    // 7.
    if (commandLine.logModbus)
        enableModbusTrace();
    // 8-9.
    m_masterSync->start();
    if (!m_isConfigured || primary)
        m_eolTesting->start();

    // 10-11. The main screen.
    registerQmlTypes();
    KivDefs::registerQmlTypes();
    m_engine->load(QUrl(QStringLiteral("qrc:///qml/main.qml")));
    QObject *root = m_engine->rootObjects().value(0);
    if (root) {
        m_vki->setParent(root);
        root->setProperty("applicationVersion", QString::fromLatin1(kFirmwareVersion));
    } else {
        qDebug() << "The main screen qrc:///qml/main.qml did not load";
    }

    // 12. The NFC simulator screen.
    if (primary && get_nfcEnabled() && (m_simulationFlags & 4))
        showNfcSimulator();

    // 13. Run-time counter.
    int minutes = 0;
    if (primary && SystemMaintenance::readPluggedInMinutes(&minutes))
        set_pluggedInMinutes(minutes);

    // 14.
    checkSystemErrors();
}

void CabinetManager::showNfcSimulator()
{
    m_nfcSimulatorView = new QQmlApplicationEngine(nullptr);
    m_nfcSimulatorView->rootContext()->setContextProperty(QStringLiteral("cabinetManager"), this);
    m_nfcSimulatorView->load(QUrl(QStringLiteral("qrc:///qml/simulation/KivNfcSim.qml")));
}

// ---------------------------------------------------------------------------
// Connections, one function per group. A connection that is not made under
// the conditions of a display does not exist there: that is how one program
// serves primary, secondary and mirror displays.

bool CabinetManager::hasRemoteDisplay() const
{
    return get_hasMirrorDisplay() || get_hasSecondaryDisplay();
}

void CabinetManager::wireComponents()
{
    wireCabinetCore();
    wireCanbus();
    wireModbus();
    wireConfiguration();
    wireLanguages();
    wireErrors();
    wireSynchronisation();
    wireMenus();
    for (ZoneManager *zone : qAsConst(m_zoneList))
        wireZone(zone);
    for (TrayBarSc *tray : qAsConst(m_trayList))
        wireTray(tray);
    wireNfc();
    wireIoBoard();
    wireNetworkAndCloud();
    if (get_iAmMaster() && get_uiRole() == 1 && get_hasMirrorDisplay())
        m_remoteTimesTimer.start();
}

void CabinetManager::wireCabinetCore()
{
    const bool primary = get_iAmMaster();
    const bool role1WithRemote = get_uiRole() == 1 && hasRemoteDisplay();
    if (primary)
        link(this, SIGNAL(processSlaveErrors()), this, SLOT(processSlaveErrorsSlot()), Qt::QueuedConnection);
    link(this, SIGNAL(slaveUIRequestsDayPart(int)), this, SLOT(processSlaveUIDayPartRequest(int)));
    link(this, SIGNAL(stopAmbientTempAlarm()), this, SLOT(stopAmbientTempAlarmSlot()), Qt::QueuedConnection);
    if (role1WithRemote) {
        link(this, SIGNAL(heatersTestEnabledChanged(bool)), this, SLOT(sendHeatersTestEnabled(bool)), Qt::QueuedConnection);
        link(m_masterIoManager, SIGNAL(ambientTemperatureAlarm()), this, SLOT(sendAmbientTempAlarm()), Qt::QueuedConnection);
        link(m_masterIoManager, SIGNAL(ambientTemperatureChanged(int)), this, SLOT(sendAmbientTempValue(int)), Qt::QueuedConnection);
        link(m_masterIoManager, SIGNAL(heaterHighTempAlarm()), this, SLOT(sendHeaterHighTempAlarm()), Qt::QueuedConnection);
    }
    if (get_uiRole() == 1)
        link(this, SIGNAL(activelyHoldingChanged(bool)), this, SLOT(sendActivelyHoldingProperty(bool)), Qt::QueuedConnection);
    // Another cabinet's list, or the use-first setting, changes the use maps
    // like a record change does.
    link(m_holdingExchange, SIGNAL(otherCabinetsChanged()), &m_useMapTimer, SLOT(start()));
    link(m_configManager, SIGNAL(useFirstEnabledChanged(bool)), &m_useMapTimer, SLOT(start()));
    link(m_holdingExchange, SIGNAL(showProductTransferList()), this, SIGNAL(showProductTransferList()));
}

void CabinetManager::wireCanbus()
{
    link(m_canbusManager, SIGNAL(canIdRecErrorChanged(bool)), this, SLOT(canIdConflictDetected(bool)), Qt::QueuedConnection);
    link(m_canbusManager, SIGNAL(receivedMpm(int,QByteArray*)), this, SLOT(processMpm(int,QByteArray*)), Qt::DirectConnection);
    link(m_canbusManager, SIGNAL(receivedFileMpm(int)), this, SLOT(processFileMpm(int)), Qt::DirectConnection);
    link(m_canbusManager, SIGNAL(receivedSinglePacket(QByteArray*)), this, SLOT(processSinglePacket(QByteArray*)), Qt::DirectConnection);
    link(m_canbusManager, SIGNAL(secsSinceLastRcvPktChanged(quint32)), m_masterSync, SLOT(set_canbusSilenceSeconds(quint32)), Qt::QueuedConnection);
}

void CabinetManager::wireConfiguration()
{
    const bool primary = get_iAmMaster();
    ConfigurationManager *config = m_configManager;
    link(config, SIGNAL(languageIdChanged(QString)), m_translator, SLOT(setLanguageByString(QString)));
    link(m_translator, SIGNAL(languageIdStringChanged(QString)), config, SLOT(set_languageId(QString)));
    link(config, SIGNAL(screenCleanTimeoutChanged(int)), this, SLOT(cancelSuggetCleanMode()), Qt::QueuedConnection);
    link(config, SIGNAL(verticalFlipChanged(bool)), this, SLOT(set_verticalFlip(bool)));
    link(config, SIGNAL(requestNmScanWifi()), m_systemNetworkManager, SLOT(scanWifi()));
    link(config, SIGNAL(requestReconfigureNetworkDevices()), m_systemNetworkManager, SIGNAL(reconfigureNetworkDevicesSignal()), Qt::QueuedConnection);

    SystemNetworkManager *snm = m_systemNetworkManager;
    link(snm, SIGNAL(wifiScanString(QString)), config, SLOT(set_wifiScanString(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiConnectionNameChanged(QString)), config, SLOT(set_wifiSSID(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiPasswordChanged(QString)), config, SLOT(set_wifiPassword(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiDeviceChanged(QString)), config, SLOT(set_wifiInterfaceName(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiIpAddrChanged(QString)), config, SLOT(set_wifiIpAddr(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiNetmaskChanged(QString)), config, SLOT(set_wifiNetmask(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiBroadcastAddrChanged(QString)), config, SLOT(set_wifiBroadcast(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiGatewayChanged(QString)), config, SLOT(set_wifiGateway(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(wifiMacAddrChanged(QString)), this, SLOT(updateMacAddress(QString)), Qt::QueuedConnection);
    link(snm, SIGNAL(refreshNetworkInfo()), this, SLOT(updateBroadcastAddr()), Qt::QueuedConnection);

    link(this, SIGNAL(dateTimeUpdated()), config, SLOT(saveConfigFile()), Qt::QueuedConnection);
    link(this, SIGNAL(timeFormatAMPM(bool)), config, SLOT(set_timeFormatAMPM(bool)), Qt::QueuedConnection);
    link(this, SIGNAL(dstEnabled(bool)), config, SLOT(set_dstEnabled(bool)), Qt::QueuedConnection);
    link(this, SIGNAL(ntpOnChanged(bool)), config, SLOT(set_ntpOn(bool)), Qt::QueuedConnection);
    link(this, SIGNAL(timeZoneIndexChanged(int)), config, SLOT(set_timeZoneIndex(int)), Qt::QueuedConnection);
    if (primary)
        link(config, SIGNAL(ntpOnChanged(bool)), this, SLOT(requestSysTimeUpdate(bool)), Qt::QueuedConnection);
    if (!(primary && !hasRemoteDisplay()))
        link(config, SIGNAL(ntpOnChanged(bool)), this, SLOT(sendNtpOn(bool)), Qt::QueuedConnection);

    link(this, SIGNAL(mcUpdateReloadFiles()), m_menuManager, SLOT(menuLoadJsonDocFile()), Qt::DirectConnection);
    link(this, SIGNAL(mcUpdateReloadFiles()), m_dayPartManager, SLOT(dayPartsLoadJsonDocFile()), Qt::DirectConnection);
    link(this, SIGNAL(mcUpdateReloadFiles()), config, SLOT(readConfigFile()), Qt::DirectConnection);
    link(m_menuManager, SIGNAL(productsMD5(QString)), config, SLOT(set_productsHashCode(QString)), Qt::QueuedConnection);
    link(config, SIGNAL(productsHashCodeChanged(QString)), config, SLOT(saveProductsHashCodeTs(QString)), Qt::DirectConnection);
    if (get_nfcEnabled())
        link(config, SIGNAL(readerFirmwareVersion1Changed(QString)), this, SIGNAL(powerOn()), Qt::QueuedConnection);
    else
        link(config, SIGNAL(ioBoardFirmwareVersion0Changed(QString)), this, SIGNAL(powerOn()), Qt::QueuedConnection);
    if (primary) {
        link(config, SIGNAL(networkInfoRefreshed()), this, SLOT(updateBroadcastAddr()), Qt::DirectConnection);
        link(config, SIGNAL(wifiGatewayChanged(QString)), m_cabinetNetwork, SLOT(set_wifiGateway(QString)), Qt::QueuedConnection);
        link(config, SIGNAL(wifiGatewayChanged(QString)), m_wifiMonitor, SLOT(set_wifiGateway(QString)), Qt::QueuedConnection);
    }
    link(config, SIGNAL(demoModeEnabled()), m_masterIoManager, SIGNAL(ttSendRequestSignal()), Qt::QueuedConnection);
    link(config, SIGNAL(demoModeDisabled()), m_masterIoManager, SLOT(requestExitPreheat()), Qt::QueuedConnection);
    link(config, SIGNAL(demoModeDisabled()), m_masterIoManager, SIGNAL(ttSendRequestSignal()), Qt::QueuedConnection);
}

void CabinetManager::wireLanguages()
{
    link(m_translator, SIGNAL(retranslate()), m_errorController, SLOT(createDefinitionsList()), Qt::QueuedConnection);
    for (ZoneManager *zone : qAsConst(m_zoneList))
        link(m_translator, SIGNAL(retranslate()), zone, SLOT(reEmitErrorFlags()), Qt::QueuedConnection);
    for (TrayBarSc *tray : qAsConst(m_trayList))
        link(m_translator, SIGNAL(languageChanged(int)), tray, SLOT(languageChanged(int)));
}

void CabinetManager::wireErrors()
{
    KivErrorControllerT *errors = m_errorController;
    const char *report = SLOT(errorCodesDataProcess(int,int,int,int));
    const char *clear = SLOT(errorCodesClearDataProcess(int,int,int,int));
    link(m_masterSync, SIGNAL(syncErrorInfo(int,int,int,int)), errors, report, Qt::QueuedConnection);
    link(m_masterSync, SIGNAL(syncErrorClearInfo(int,int,int,int)), errors, clear, Qt::QueuedConnection);
    for (ZoneManager *zone : qAsConst(m_zoneList)) {
        link(zone, SIGNAL(zoneErrorInfo(int,int,int,int)), errors, report, Qt::QueuedConnection);
        link(zone, SIGNAL(zoneErrorClearInfo(int,int,int,int)), errors, clear, Qt::QueuedConnection);
    }
    link(m_masterIoManager, SIGNAL(errorInfo(int,int,int,int)), errors, report, Qt::QueuedConnection);
    link(m_masterIoManager, SIGNAL(errorClearInfo(int,int,int,int)), errors, clear, Qt::QueuedConnection);
    if (get_iAmMaster())
        link(m_cabinetNetwork, SIGNAL(logErrorSignal(int,int,int,int)), errors, report, Qt::QueuedConnection);
    link(m_nfcManager, SIGNAL(logErrorSignal(int,int,int,int)), errors, report, Qt::QueuedConnection);
    link(m_riot, SIGNAL(riotSdkErrorInfo(int,int,int,int)), errors, report, Qt::QueuedConnection);
    for (TempProbeStateManager *probe : qAsConst(m_tpsmList))
        link(errors, SIGNAL(zoneErrorStatusTcUpdate(quint16,quint16)), probe,
             SLOT(processTcErrorState(quint16,quint16)), Qt::QueuedConnection);
}

void CabinetManager::wireSynchronisation()
{
    MasterSync *sync = m_masterSync;
    const bool primary = get_iAmMaster();
    link(sync, SIGNAL(syncMenuFiles()), this, SLOT(sendMenuFilesUpdate()), Qt::QueuedConnection);
    link(sync, SIGNAL(syncMenuFiles()), this, SLOT(sendSystemTimeCanbus()), Qt::QueuedConnection);
    if (!primary)
        link(sync, SIGNAL(syncSlaveErrorsFile()), this, SLOT(sendSlaveErrorsFile()), Qt::QueuedConnection);
    wireSyncSound();
    for (TrayBarSc *tray : qAsConst(m_trayList))
        link(sync, SIGNAL(systemReadyForTrayHoldUpdates()), tray, SLOT(updateTrayInfo()), Qt::QueuedConnection);
    link(sync, SIGNAL(systemReadyForTrayHoldUpdates()), this, SLOT(set_holdRestoreReadyTrue()), Qt::QueuedConnection);
    if (primary && get_nfcEnabled())
        link(sync, SIGNAL(systemReadyForTrayHoldUpdates()), m_masterIoManager, SLOT(initPreviousUIDs()), Qt::QueuedConnection);
    link(sync, SIGNAL(doSlavePostSyncUpdate()), m_masterIoManager, SLOT(slaveEmitBinsTargetTemp()), Qt::QueuedConnection);
    for (ZoneManager *zone : qAsConst(m_zoneList))
        link(sync, SIGNAL(forceDayPartLoad()), zone, SLOT(nextDayPartForced()), Qt::DirectConnection);
    link(sync, SIGNAL(canLinkBrokenChanged(bool)), this, SLOT(notifyZonesOfBrokenCanLinkStatus(bool)), Qt::QueuedConnection);
    link(sync, SIGNAL(doMenuImportSignal()), m_menuImport, SLOT(start()), Qt::QueuedConnection);
    link(sync, SIGNAL(doDefaultDayPartSignal()), m_dayPartManager, SLOT(loadDefaultDayPart()), Qt::QueuedConnection);
    if (primary) {
        if (get_nfcEnabled())
            link(sync, SIGNAL(doHoldRestorationSignal()), m_nfcManager, SLOT(restoreNFC2()), Qt::DirectConnection);
        link(sync, SIGNAL(doHoldRestorationSignal()), this, SLOT(readTrayBarHoldingInfo()), Qt::QueuedConnection);
    }
    link(sync, SIGNAL(doRollCall()), this, SLOT(sendRequestRollCallMsg()), Qt::QueuedConnection);
    link(this, SIGNAL(slaveUiWasFound()), sync, SLOT(set_slaveUIFoundTrue()), Qt::QueuedConnection);
    link(this, SIGNAL(masterUiWasFound()), sync, SIGNAL(masterMsgRcvd()), Qt::QueuedConnection);
    link(this, SIGNAL(resyncSignal()), sync, SIGNAL(resyncSignal()), Qt::QueuedConnection);
    link(sync, SIGNAL(slaveReadyForMasterChanged(bool)), this, SLOT(set_slaveReadyForMaster(bool)), Qt::QueuedConnection);
    link(sync, SIGNAL(requestResyncSignal()), this, SLOT(sendResyncRequest()), Qt::QueuedConnection);
    link(sync, SIGNAL(setRestoreHoldingFlagSig(bool)), this, SLOT(set_restoreHoldingFlag(bool)), Qt::QueuedConnection);
    link(sync, SIGNAL(setHoldRestoreReadySig(bool)), this, SLOT(set_holdRestoreReady(bool)), Qt::QueuedConnection);
    link(sync, SIGNAL(refreshMirror()), this, SLOT(refreshMirror()), Qt::QueuedConnection);
}

void CabinetManager::wireMenus()
{
    DayPartManager *dayParts = m_dayPartManager;
    link(dayParts, SIGNAL(nextDayPartChanged(int)), this, SLOT(processDayPartChange(int)), Qt::QueuedConnection);
    for (ZoneManager *zone : qAsConst(m_zoneList)) {
        link(dayParts, SIGNAL(nextDayPartChanged(int)), zone, SLOT(set_nextDayPart(int)), Qt::QueuedConnection);
        link(dayParts, SIGNAL(newDayPartDefinition(int)), zone, SLOT(processDaypartUpdate(int)), Qt::QueuedConnection);
    }
    link(dayParts, SIGNAL(sendDayPartsFileViaCanbus(QString,int)), this, SLOT(sendFileViaCanbus(QString,int)), Qt::DirectConnection);
    link(m_menuManager, SIGNAL(sendProductsFileViaCanbus(QString,int)), this, SLOT(sendFileViaCanbus(QString,int)), Qt::DirectConnection);

    TavolenProxy *import = m_menuImport;
    link(import, SIGNAL(importedMenu(QString,QString,QString)), m_configManager,
         SLOT(processImportedMenu(QString,QString,QString)), Qt::DirectConnection);
    link(import, SIGNAL(newConfigData(Configuration_t)), m_configManager, SLOT(processTavolenConfigData(Configuration_t)));
    link(import, SIGNAL(newDayPartData(DayPart_t,int)), dayParts, SLOT(processTavolenDayPart(DayPart_t,int)));
    link(import, SIGNAL(saveNewDayPartsToJson()), dayParts, SLOT(saveNewDayPartsToJson()));
    link(import, SIGNAL(newProductsDataList(QList<Product_t>)), m_menuManager, SLOT(processTavolenProductsList(QList<Product_t>)));
    link(import, SIGNAL(newProductsDataJsonDoc(QString)), dayParts, SLOT(processTavolenJsonDayParts(QString)), Qt::QueuedConnection);
    link(import, SIGNAL(newProductsDataJsonDoc(QString)), m_menuManager, SLOT(processTavolenJsonProducts(QString)), Qt::QueuedConnection);
    link(import, SIGNAL(askForSlaveSignal()), this, SLOT(sendRequestRollCallMsg()), Qt::QueuedConnection);
    link(this, SIGNAL(slaveUiFoundChanged(bool)), import, SLOT(processSlaveFoundSignal(bool)), Qt::QueuedConnection);
}

void CabinetManager::wireZone(ZoneManager *zone)
{
    link(this, SIGNAL(zoneRestoreDayPartSignal(int,int)), zone, SLOT(restoreZoneDayPart(int,int)), Qt::QueuedConnection);
    link(zone, SIGNAL(nextDayPartChanged(int)), this, SLOT(writeNewDaypartRestoreInfo()), Qt::QueuedConnection);
    link(zone, SIGNAL(currentDayPartChanged(int)), this, SLOT(sendZoneDaypartChanged(int)), Qt::QueuedConnection);
    if (get_advancedZoneOptionsEnable() && get_iAmMaster())
        link(zone, SIGNAL(nextDayPartChanged(int)), this, SLOT(sendZoneDayPartInfo(int)), Qt::QueuedConnection);
    if (get_uiRole() == 1 && get_hasMirrorDisplay()) {
        link(zone, SIGNAL(zStateChanged(int)), this, SLOT(sendZoneState(int)), Qt::QueuedConnection);
        link(zone, SIGNAL(disabledFlagChanged(bool)), this, SLOT(sendDisabledFlagToRemoteDisplay(bool)), Qt::DirectConnection);
        link(zone, SIGNAL(tempStatusChanged(int)), this, SLOT(sendTempStatusToRemoteDisplay(int)), Qt::DirectConnection);
        link(zone, SIGNAL(tempErrorChanged(bool)), this, SLOT(sendTempErrorToRemoteDisplay(bool)), Qt::DirectConnection);
        link(zone, SIGNAL(errorFlagsChanged(uint)), this, SLOT(sendErrorFlagsToRemoteDisplay(uint)), Qt::DirectConnection);
        link(zone, SIGNAL(currentDayPartChanged(int)), this, SLOT(sendZoneCurrentDayPartToMirror(int)), Qt::DirectConnection);
    }
}

void CabinetManager::wireTray(TrayBarSc *tray)
{
    const bool nfc = get_nfcEnabled();
    link(tray, SIGNAL(productIdChanged(int)), this, SLOT(updateTiListProdId(int)));
    link(tray, SIGNAL(enterPreheat()), this, SLOT(sendZoneEnterPreheatInfo()));
    link(tray, SIGNAL(exitPreheat()), this, SLOT(sendZoneExitPreheatInfo()));
    link(tray, SIGNAL(holdingStopped(QString,QString,QString,int,QString,int)), this,
         SLOT(emitHoldStoppedEvent(QString,QString,QString,int,QString,int)), Qt::DirectConnection);
    link(tray, SIGNAL(requestHoldExpiredEvent(uchar,qulonglong)), this,
         SLOT(sendHoldExpiredEventToDbus(uchar,qulonglong)), Qt::DirectConnection);
    link(this, SIGNAL(userChangedDateTime(qlonglong)), tray, SLOT(adjustForClockChange(qlonglong)),
         Qt::DirectConnection);

    const char *const holdingSignals[] = {SIGNAL(holdingStartedSignal(trayInfo)),
                                          SIGNAL(holdingStoppedSignal(trayInfo)),
                                          SIGNAL(holdingUpdateSignal(trayInfo))};
    switch (get_uiRole()) {
    case 1:
        if (get_hasMirrorDisplay())
            wireTrayToMirror(tray);
        Q_FALLTHROUGH();
    case 0:
        if (nfc) {
            link(tray, SIGNAL(deregisterTag(quint64)), m_nfcManager, SLOT(deregisterTag2(quint64)), Qt::QueuedConnection);
            link(m_nfcManager, SIGNAL(requestingTagInfo(int)), tray, SLOT(disableGroupSelection(int)), Qt::QueuedConnection);
            link(tray, SIGNAL(userRequestsManualTimerStart(quint8)), m_nfcManager,
                 SLOT(userRequestsManualTimerStart(quint8)), Qt::QueuedConnection);
        }
        wireTrayAlarm(tray);
        for (const char *holding : holdingSignals)
            link(tray, holding, this, SLOT(updateTrayBarHoldingInfo(trayInfo)), Qt::QueuedConnection);
        link(this, SIGNAL(restoreTrayInfoSignal(trayInfo)), tray, SLOT(restoreTrayBarHoldingInfo(trayInfo)), Qt::QueuedConnection);
        link(tray, SIGNAL(trayStateChanged(int)), this, SLOT(updateTrayStates(int)), Qt::DirectConnection);
        break;
    case 2:
        if (nfc)
            wireTrayNfcForwarding(tray);
        link(tray, SIGNAL(requestAlarm(int,bool)), this, SLOT(sendRequestAlarm(int,bool)), Qt::QueuedConnection);
        for (const char *holding : holdingSignals)
            link(tray, holding, this, SLOT(sendTrayBarHoldingInfo(trayInfo)), Qt::QueuedConnection);
        break;
    case 3:
        if (nfc)
            wireTrayNfcForwarding(tray);
        link(tray, SIGNAL(mirrorClicked()), this, SLOT(sendMirrorClick()), Qt::DirectConnection);
        link(tray, SIGNAL(mirrorCancelHolding()), this, SLOT(sendMirrorCancelHolding()), Qt::DirectConnection);
        break;
    default:
        break;
    }

    if (get_iAmMaster() && get_haccpEnabled()) {
        link(tray, SIGNAL(holdingStopped(QString,QString,QString,int,QString,int)), this,
             SLOT(logHaccpTimerStopInfo(QString,QString,QString,int,QString,int)), Qt::QueuedConnection);
        link(tray, SIGNAL(holdingStarted(QString,QString,QString,int,QString)), this,
             SLOT(logHaccpTimerStartInfo(QString,QString,QString,int,QString)), Qt::QueuedConnection);
        if (get_hasMirrorDisplay()) {
            link(tray, SIGNAL(holdingStopped(QString,QString,QString,int,QString,int)), this,
                 SLOT(sendHaccpLogToRemoteDisplay(QString,QString,QString,int,QString,int)), Qt::QueuedConnection);
            link(tray, SIGNAL(holdingStarted(QString,QString,QString,int,QString)), this,
                 SLOT(sendHaccpLogToRemoteDisplay(QString,QString,QString,int,QString)), Qt::QueuedConnection);
        }
    } else if (get_uiRole() == 2 && get_haccpEnabled()) {
        // A secondary display keeps no HACCP log of its own: the holds of its
        // bins go into the primary display's log, or they would be missing
        // from the cabinet's record.
        link(tray, SIGNAL(holdingStopped(QString,QString,QString,int,QString,int)), this,
             SLOT(sendHaccpLogToRemoteDisplay(QString,QString,QString,int,QString,int)), Qt::QueuedConnection);
        link(tray, SIGNAL(holdingStarted(QString,QString,QString,int,QString)), this,
             SLOT(sendHaccpLogToRemoteDisplay(QString,QString,QString,int,QString)), Qt::QueuedConnection);
    }
}

void CabinetManager::wireTrayNfcForwarding(TrayBarSc *tray)
{
    link(tray, SIGNAL(deregisterTag(quint64)), this, SLOT(sendDeregisterTag(quint64)), Qt::QueuedConnection);
    link(tray, SIGNAL(userRequestsManualTimerStart(quint8)), this, SLOT(sendUserRequestsManualTimerStart(quint8)), Qt::QueuedConnection);
}

void CabinetManager::wireTrayToMirror(TrayBarSc *tray)
{
    link(tray, SIGNAL(productIdChanged(int)), this, SLOT(sendProductIdToRemoteDisplay(int)), Qt::DirectConnection);
    link(tray, SIGNAL(holdingChanged(bool)), this, SLOT(sendHoldingToRemoteDisplay(bool)), Qt::DirectConnection);
    link(tray, SIGNAL(holdTimeChanged(int)), this, SLOT(sendHoldTimeToRemoteDisplay(int)), Qt::DirectConnection);
    link(tray, SIGNAL(useBinChanged(bool)), this, SLOT(sendUseBinToRemoteDisplay(bool)), Qt::DirectConnection);
    link(tray, SIGNAL(groupIndexChanged(int)), this, SLOT(sendGroupIndexToRemoteDisplay(int)), Qt::DirectConnection);
    link(tray, SIGNAL(groupIDChanged(int)), this, SLOT(sendGroupIdToMirror(int)), Qt::DirectConnection);
    link(tray, SIGNAL(trayStateChanged(int)), this, SLOT(sendTrayStateToRemoteDisplay(int)), Qt::DirectConnection);
    link(tray, SIGNAL(holdTemperatureChanged(int)), this, SLOT(sendHoldTempToRemoteDisplay(int)), Qt::QueuedConnection);
    link(tray, SIGNAL(upperTemperatureChanged(int)), this, SLOT(sendUpperTempToRemoteDisplay(int)), Qt::QueuedConnection);
    link(tray, SIGNAL(lowerTemperatureChanged(int)), this, SLOT(sendLowerTempToRemoteDisplay(int)), Qt::QueuedConnection);
    link(tray, SIGNAL(closeCancelPanel()), this, SLOT(sendCloseCancelPanel()), Qt::DirectConnection);
    link(tray, SIGNAL(sendActionTrayLoadProduct(int,bool)), this, SLOT(sendActionTrayLoadProduct(int,bool)), Qt::DirectConnection);
    link(tray, SIGNAL(targetFanSpeedChanged(int)), this, SLOT(sendTargetFanSpeedRemoteDisplay(int)), Qt::DirectConnection);
    link(tray, SIGNAL(panIdChanged(quint64)), this, SLOT(sendPanIdToRemoteDisplay(quint64)), Qt::DirectConnection);
    link(tray, SIGNAL(holdTimePreSetChanged(int)), this, SLOT(sendHoldTimePreSetToRemoteDisplay(int)), Qt::DirectConnection);
}

void CabinetManager::wireNfc()
{
    const bool primary = get_iAmMaster();
    NFCmanager *nfc = m_nfcManager;
    if (hasRemoteDisplay())
        link(nfc, SIGNAL(requestingTagInfo(int)), this, SLOT(sendDisableGroupSelection(int)), Qt::QueuedConnection);
    if (!primary)
        return;
    link(nfc, SIGNAL(startBinTimer(quint8,qint32,quint64)), this, SLOT(startBinTimer(quint8,qint32,quint64)), Qt::QueuedConnection);
    if (get_nfcEnabled()) {
        link(nfc, SIGNAL(stopBinTimer(quint8)), this, SLOT(stopBinTimer(quint8)), Qt::QueuedConnection);
        link(nfc, SIGNAL(registerTagAtTimerUsingBin(quint64,int)), this, SLOT(registerTagAtTimerUsingBin(quint64,int)), Qt::DirectConnection);
        link(this, SIGNAL(userChangedDateTime(qint64)), nfc, SLOT(adjustTagExpirations(qint64)), Qt::DirectConnection);
    }
    link(nfc, SIGNAL(notifyHoldListUpdateReceived(QString)), m_cabinetNetwork, SLOT(updateHostOnNetwork(QString)), Qt::QueuedConnection);
    // A pan handed to another cabinet ends its hold here: its HACCP record
    // is closed as a stopped hold's is.
    if (get_haccpEnabled())
        link(nfc, SIGNAL(event_transferFrom(QString,QString,QString,int,QString,int,QString,QString)), this,
             SLOT(logHaccpTimerStopInfo(QString,QString,QString,int,QString,int)), Qt::QueuedConnection);
}

void CabinetManager::wireIoBoard()
{
    MasterIoManager *io = m_masterIoManager;
    link(io, SIGNAL(iobGenStatusChanged(int,int)), this, SLOT(processIobStatusChange(int,int)), Qt::QueuedConnection);
    link(this, SIGNAL(heatersTestEnabledChanged(bool)), io, SLOT(set_heatersTestEnabled(bool)), Qt::DirectConnection);
    wireIoBoardAlarms();
    const bool forwards = (get_uiRole() == 1 && hasRemoteDisplay()) || get_uiRole() == 2;
    if (forwards)
        link(io, SIGNAL(binTargetTempChanged(int,int)), this, SLOT(sendBinTargetTemp(int,int)), Qt::DirectConnection);
    if (get_uiRole() == 1 && hasRemoteDisplay() && get_hasFan()) {
        link(io, SIGNAL(binActualFanSpeedChanged(int,int)), this, SLOT(sendBinActualFanSpeed(int,int)), Qt::DirectConnection);
        link(io, SIGNAL(binTargetFanSpeedChanged(int,int)), this, SLOT(sendBinTargetFanSpeed(int,int)), Qt::DirectConnection);
    }
}

void CabinetManager::wireNetworkAndCloud()
{
    // The cabinet network object exists on every display but speaks only
    // for the primary one.
    if (get_iAmMaster()) {
        link(m_cabinetNetwork, SIGNAL(wifiState(int,int)), this, SLOT(processWifiState(int,int)), Qt::QueuedConnection);
        // The holding exchange reaches other cabinets only through the
        // cabinet network: its datagrams and transfer requests go out here.
        DADazodaru *network = m_cabinetNetwork;
        const QMetaObject::Connection broadcast = connect(
            m_holdingExchange, &HoldingExchange::holdingInfoReady, network, [network](QByteArray datagram) {
                network->broadcastMessage(datagram.data(), datagram.size());
            });
        Wiring::check(bool(broadcast), Wiring::describe(m_holdingExchange), QStringLiteral("holdingInfoReady(QByteArray)"),
                      network, QStringLiteral("broadcastMessage(char*,qint64)"));
        link(m_holdingExchange, SIGNAL(transferRequestReady(QByteArray,QHostAddress)), network,
             SLOT(tcpConnectToOtherCabinet(QByteArray,QHostAddress)));
    }
    link(m_dbusAdapter, SIGNAL(screenShotRequested()), this, SLOT(screenShot()));
    link(m_riot, SIGNAL(sendRiotInfo(QString)), m_dbusAdapter, SIGNAL(riotEvent(QString)), Qt::QueuedConnection);
    if (!get_iAmMaster())
        return;

    // The cloud hears cabinet events only from the primary display.
    KivRiot *riot = m_riot;
    if (m_performanceDataTimer)
        link(m_performanceDataTimer, SIGNAL(timeout()), riot, SLOT(handle_event_performanceData()), Qt::QueuedConnection);
    link(this, SIGNAL(powerOn()), riot, SLOT(handle_event_powerOn()), Qt::QueuedConnection);
    link(this, SIGNAL(event_holdStarted(QString,QString,QString,int,QString)), riot,
         SLOT(handle_event_holdStart(QString,QString,QString,int,QString)), Qt::QueuedConnection);
    link(this, SIGNAL(event_holdStopped(QString,QString,QString,int,QString,int)), riot,
         SLOT(handle_event_holdStop(QString,QString,QString,int,QString,int)), Qt::QueuedConnection);
    link(this, SIGNAL(event_holdExpired(QString,QString,QString,int)), riot,
         SLOT(handle_event_holdExpired(QString,QString,QString,int)), Qt::QueuedConnection);
    link(this, SIGNAL(notifyBinMismatchAlert(QString,QString,QString,int,QString)), riot,
         SLOT(handle_event_binMisMatchAlert(QString,QString,QString,int,QString)), Qt::QueuedConnection);
    link(this, SIGNAL(notifyBinMismatchClear(QString,QString,QString,int,QString)), riot,
         SLOT(handle_event_binMisMatchClear(QString,QString,QString,int,QString)), Qt::QueuedConnection);
    link(this, SIGNAL(holdingListChanged(QString)), riot, SLOT(handle_event_holdingListChange(QString)), Qt::QueuedConnection);
    link(this, SIGNAL(zoneDaypartChanged(QString,int,int,int)), riot,
         SLOT(handle_event_daypartChange(QString,int,int,int)), Qt::QueuedConnection);
    link(this, SIGNAL(zonePreheatExited(QString,int,int)), riot, SLOT(handle_event_preheatComplete(QString,int,int)), Qt::QueuedConnection);
    if (get_customerId() == KivDefs::CUSTOMER_ID_DEZ)
        link(this, SIGNAL(zonePreheatEntered(QString,int)), riot, SLOT(handle_event_zonePreheatStart(QString,int)), Qt::QueuedConnection);
    ConfigurationManager *config = m_configManager;
    link(config, SIGNAL(passcodeChanged(QString)), riot, SLOT(handle_event_passcodeChange(QString)), Qt::QueuedConnection);
    link(config, SIGNAL(passcodeEntered(QString,int,bool)), riot, SLOT(handle_event_passcodeEntered(QString,int,bool)), Qt::QueuedConnection);
    link(config, SIGNAL(programModeExited(QString,int)), riot, SLOT(handle_event_programModeExit(QString,int)), Qt::QueuedConnection);
    link(config, SIGNAL(storeNumberChanged(QString,QString)), riot, SLOT(handle_event_restaurantNumberUpdated(QString,QString)), Qt::QueuedConnection);
    link(config, SIGNAL(notifyFirmwareUpdateDone(QString,QString,QString,int,bool)), riot,
         SLOT(handle_event_firmwareUpdated(QString,QString,QString,int,bool)), Qt::QueuedConnection);
    link(config, SIGNAL(performanceDataIntervalChanged(int)), riot, SLOT(handle_event_performanceDataInterval(int)), Qt::QueuedConnection);
    link(config, SIGNAL(notifyIotTypeChanged(QString)), riot, SLOT(handle_event_iotSettings(QString)), Qt::DirectConnection);
    link(m_nfcManager, SIGNAL(panRemoved(qint64,int,quint64,int)), riot, SLOT(handle_event_panRemoved(qint64,int,quint64,int)), Qt::QueuedConnection);
    link(m_nfcManager, SIGNAL(panReturned(qint64,int,quint64,int)), riot, SLOT(handle_event_panReturned(qint64,int,quint64,int)), Qt::QueuedConnection);
    link(m_nfcManager, SIGNAL(panTransfered(qint64,int,quint64,int)), riot, SLOT(handle_event_transfer(qint64,int,quint64,int)), Qt::QueuedConnection);
    link(m_translator, SIGNAL(languageChanged(int)), riot, SLOT(handle_event_languageChange(int)), Qt::QueuedConnection);
    link(m_masterIoManager, SIGNAL(systemEnteredPreheat(QString)), riot, SLOT(handle_event_preheatStart(QString)), Qt::QueuedConnection);
    link(m_menuManager, SIGNAL(notifyMenuUpdated(QString,int,bool)), riot, SLOT(handle_event_menuUpdated(QString,int,bool)), Qt::QueuedConnection);
    link(m_errorController, SIGNAL(notifyError(QString,QString,QString,QString)), riot,
         SLOT(handle_event_error(QString,QString,QString,QString)), Qt::QueuedConnection);

    // Inbound cloud commands and the update utility's announcement.
    QDBusConnection bus = QDBusConnection::systemBus();
    const auto listen = [&bus](const QString &name, QObject *receiver, const char *method) {
        Wiring::check(bus.connect(QString(), QString::fromLatin1(kDbusPath), QString::fromLatin1(kDbusInterface),
                                  name, receiver, method),
                      QStringLiteral("the system bus"),
                      QStringLiteral("%1 %2.%3").arg(QLatin1String(kDbusPath), QLatin1String(kDbusInterface), name),
                      receiver, Wiring::signatureOf(method));
    };
    listen(QStringLiteral("riotCmd"), riot, SLOT(handleReceivedRiotInfo(QString)));
    listen(QStringLiteral("firmwareUpdateStarted"), this, SIGNAL(firmwareUpdateStarted()));
}

// ---------------------------------------------------------------------------
// Hardware: probes, the Modbus line and its simulated boards.

void CabinetManager::createAlarmAndProbeComponents(const CommandLine &commandLine)
{
    // 16. Sounds.
    createSoundManager();

    // 17. One state manager per temperature probe, started at once.
    for (int i = 0; i < get_numOfTempProbes(); ++i) {
        auto *probe = new TempProbeStateManager(nullptr);
        probe->setObjectName(QStringLiteral("tpsm_%1").arg(i));
        probe->set_tpNumber(i);
        probe->setParent(this);
        if (commandLine.ignoreTpErrors)
            probe->set_ignoreErrorsFlag(true);
        probe->start();
        m_tpsmList.append(probe);
    }
}

void CabinetManager::createModbusComponents()
{
    // 18. The RS-485 line is opened only by the hardware authority; a
    // failed open shows later as a broken link.
    m_serialPort = ModbusSerialPort::create();
    if (get_iAmMaster())
        ModbusSerialPort::open(m_serialPort);

    // 19. Simulated boards exist on every display.
    m_ioSimulator = new MasterIOSimuilator(1, 131, this);
    m_ioSimulator->setObjectName(QStringLiteral("MasterIO_simulator"));
    m_ioSimulator->set_perChanelTemps(get_tempHandling() == 1 || get_cabinetConfiguration() == 10);
    m_nfcSimulator1 = new NfcReaderSimulator(2, 70, this);
    m_nfcSimulator1->setObjectName(QStringLiteral("nfcSim1"));
    m_nfcSimulator2 = new NfcReaderSimulator(3, 70, this);
    m_nfcSimulator2->setObjectName(QStringLiteral("nfcSim2"));

    // 20. The master, with the boards' link records.
    m_modbusMaster = new QModbusMaster(m_serialPort, this);
    m_modbusMaster->setObjectName(QStringLiteral("mbm"));
}

void CabinetManager::wireModbus()
{
    QList<ModbusFakeSlave *> simulated = {m_ioSimulator};
    if (get_nfcEnabled())
        simulated << m_nfcSimulator1 << m_nfcSimulator2;
    ModbusSetup::wire(m_modbusMaster, simulated, false, false);
    link(m_modbusMaster, SIGNAL(brokenLinkChanged(bool)), this, SLOT(recordErrorModbusBrokenLink(bool)), Qt::QueuedConnection);
    link(m_modbusMaster, SIGNAL(brokenLinkChanged(bool)), this, SLOT(notifyZonesOfBrokenLinkStatus(bool)), Qt::QueuedConnection);
    if (hasRemoteDisplay())
        link(m_modbusMaster, SIGNAL(brokenLinkChanged(bool)), this, SLOT(sendModbusBrokenLinkProperty(bool)), Qt::QueuedConnection);
    link(m_configManager, SIGNAL(demoModeFlagChanged(bool)), m_modbusMaster, SLOT(set_fakeModeOn(bool)));
}

void CabinetManager::enterSimulation()
{
    // 26. In simulation the primary display talks to the in-process boards.
    if (!get_iAmMaster() || !(m_simulationFlags & 3))
        return;
    m_modbusMaster->set_fakeModeOn(true);
    m_ioSimulator->showView();
}

void CabinetManager::startHardwareMachines()
{
    m_ioSimulator->start();
    if (get_nfcEnabled()) {
        m_nfcSimulator1->start();
        m_nfcSimulator2->start();
    }
    m_modbusMaster->startModbusStateMachine();
}

void CabinetManager::enableModbusTrace()
{
    m_modbusMaster->logDataEnable();
}

void CabinetManager::loadConfiguration()
{
    // 27. Settings: power source first, then the stored files.
    m_configManager->set_powerSource(get_powerSource());
    m_configManager->readConfigFile();
    m_configManager->readIotConfigFile();
    m_configManager->loadCabinetSerialModelNumbers();
    m_translator->setLanguageByString(m_configManager->get_languageId());
    // Only read the interfaces back: the system files stay as they are, and
    // no interface is taken down at every start.
    m_configManager->reLoadNetworkDeviceConfig();
}

// ---------------------------------------------------------------------------
// Sounds and the HACCP log.

void CabinetManager::createSoundManager()
{
    m_soundManager = AlarmsSetup::createSoundManager(this, m_engine->rootContext());
}

void CabinetManager::createHaccpController()
{
    // 22. The purge works in the cabinet's local time.
    m_haccpController = AlarmsSetup::createHaccpController(
        this, m_engine->rootContext(), [this](const QDateTime &t) {
            QDateTime local = t;
            return adjustToLocalDateTime(local);
        });
}

void CabinetManager::muteAlarmsUntilSynchronised()
{
    m_soundManager->muteAllAlarms();
}


void CabinetManager::wireSyncSound()
{
    link(m_masterSync, SIGNAL(systemReadyForTrayHoldUpdates()), m_soundManager, SLOT(delayedUnMute()), Qt::QueuedConnection);
    link(m_masterSync, SIGNAL(syncNotNeeded()), m_soundManager, SLOT(delayedUnMute()), Qt::QueuedConnection);
    link(m_vki, SIGNAL(aKeyWasPressed()), m_soundManager, SLOT(playKeystroke()), Qt::QueuedConnection);
    link(m_configManager, SIGNAL(soundLevelChanged(int)), m_soundManager, SLOT(setAllAlarmsVolume(int)), Qt::QueuedConnection);
}

void CabinetManager::wireTrayAlarm(TrayBarSc *tray)
{
    link(tray, SIGNAL(requestAlarm(int,bool)), m_soundManager, SLOT(processAlarmReq(int,bool)), Qt::QueuedConnection);
}

void CabinetManager::wireIoBoardAlarms()
{
    link(m_masterIoManager, SIGNAL(ambientTemperatureAlarm()), m_soundManager, SLOT(playProductChangeAlarm()), Qt::QueuedConnection);
    link(m_masterIoManager, SIGNAL(heaterHighTempAlarm()), m_soundManager, SLOT(playProductChangeAlarm()), Qt::QueuedConnection);
}
