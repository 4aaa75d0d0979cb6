#include "configurationmanager.h"

#include "property/assignifchanged.h"
#include "property/keyvaluetext.h"

#include "core/kivdefs.h"
#include "core/loghandler.h"
#include "ui/translator.h"

#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "statemachine/statemachinebuilder.h"

#include <QColor>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMetaProperty>
#include <QProcess>
#include <QSettings>
#include <QSignalTransition>
#include <QStandardItemModel>
#include <QTextStream>
#include <QUuid>

#include <memory>

const char ConfigurationManager::kFirmwareVersion[] = "QZ-7318";

namespace {

const char kConfigFile[] = "config.txt";
const char kIdentityFile[] = "serialModelNums.txt";
const char kRiotIotType[] = "DEZ_RIOT";
const char kAwsIotType[] = "DEZ_ORAAWS";
const char kGmAwsIotType[] = "GM_ORAAWS";

// The master I/O board and the registers the store uses.
constexpr quint8 kIoBoard = 1;
constexpr quint16 kRegDetectedConfiguration = 0;
constexpr quint16 kRegSelectedConfiguration = 1;
constexpr quint16 kRegFirmwareVersions = 64;
constexpr quint8 kFirmwareVersionRegs = 10;
constexpr quint16 kRegPowerSource = 101;
constexpr quint16 kRegPowerControl = 117;
constexpr quint8 kPowerControlRegs = 5;
// Sends per request: the presence read gets five, the others two.
constexpr int kPresenceAttempts = 5;
constexpr int kBoardAttempts = 2;

// The CAN sender id of a primary display, and of any other.
constexpr int kPrimaryFrameId = 1;
constexpr int kOtherFrameId = 2;
constexpr int kConfigFileTransferId = 12;

constexpr int kLanguageCount = 15;
constexpr int kLanguageMaskBits = 32;
constexpr int kTimeZoneIdRole = Qt::UserRole + 1;   // 257
constexpr int kTimeZoneNameRole = Qt::UserRole + 2; // 258

// The access codes every customer starts with; one customer keeps them as
// digits, every other as their MD5.
struct AccessCodes {
    const char *level1;
    const char *level2;
    const char *level3;
    const char *level4;
};
constexpr AccessCodes kZuzCodes = {"8603", "527184", "306749", "841926"};
constexpr AccessCodes kStandardCodes = {"9157", "527184", "306749", "841926"};

QString md5Hex(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

// Replaces a file so that a power cut or a full disk leaves either the
// previous file or the new one. Returns false (and leaves the previous file)
// when any step fails; *openFailed tells that the new file could not even be
// created.
bool replaceFile(const QString &path, const QByteArray &content, bool *openFailed)
{
    QString error;
    const DurableFile::Result result = DurableFile::replace(path, content, &error);
    *openFailed = result == DurableFile::OpenFailed;
    if (result != DurableFile::Replaced && !*openFailed)
        qWarning().noquote() << "Could not write" << path + QStringLiteral(".New")
                             << "- the previous file stays:" << error;
    return result == DurableFile::Replaced;
}

// "/bin/sync" runs detached: nobody waits for it.
void startDetachedSync()
{
    const QString sync = ToolRunner::resolve(QStringLiteral("/bin/sync"));
    if (!sync.isEmpty())
        QProcess::startDetached(sync, {});
}

QSettings *openSettings()
{
    // Where the framework keeps an application's settings on the target,
    // moved under the root like every other platform path.
    const QString file = QStringLiteral("/root/.config/%1/%2.conf")
                             .arg(QCoreApplication::organizationName(),
                                  QCoreApplication::applicationName());
    return new QSettings(KivRoot::path(file), QSettings::IniFormat);
}

// A property value as "config.txt" holds it: booleans as 0 or 1, numbers in
// decimal, texts as they are.
QString fileText(const QVariant &value)
{
    if (value.userType() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

} // namespace

const QList<QByteArray> &ConfigurationManager::configFileKeys()
{
    static const QList<QByteArray> keys = {
        "ioBoardFirmwareVersion0", "ioBoardFirmwareVersion1", "ioBoardFirmwareVersion2",
        "ioBoardFirmwareVersion3", "ioBoardFirmwareVersion4", "cabinetConfiguration",
        "screenOrientation", "useFirstEnabled", "splitViewEnabled", "groupDotsEnabled",
        "prodNameLength", "usbPath", "localPath", "labelFontSize", "individualDPEnabled",
        "passwdL1", "languageId", "demoModeFlag", "staticIPEnabled", "tempUnit", "ipAddress",
        "netmask", "gateway", "wifiStaticIp", "wifiIpAddr", "wifiNetmask", "wifiGateway",
        "macAddress", "wifiEnabled", "ethEnabled", "productsEditEnabled", "timeFormatAMPM",
        "dstEnabled", "ntpOn", "timeZoneIndex", "networkMode", "wifiSSID", "wifiPassword",
        "wifiSSIDRestore", "wifiPasswordRestore", "wifiIdentity", "wpaEnabled", "storeNumber",
        "productsHashCode", "soundLevel", "powerSource", "cabinetIndex", "cabinetNameIndex",
        "menuBarColor", "productsHashCodeTs", "importedMenu", "performanceDataInterval",
        "firmwareVersion", "iotType", "productDiscardFlash", "usedLanguages",
        "ecoShelfHeatMode", "ecoShelfHeatTemp", "ecoActivateMode", "ecoActivateTimeout",
        "screenCleanActive", "screenCleanTimeout", "timerColorStatus",
        "advancedZoneOptionsEnable", "panMessagesEnable", "universalPanSoundEnable",
        "discardDurationEnabled", "discardSoundDuration", "menuVersion", "menuDescription",
        "verticalFlip",
    };
    return keys;
}

QString ConfigurationManager::getVersionString(uint version)
{
    return QStringLiteral("%1.%2.%3")
        .arg((version >> 16) & 0xFF)
        .arg((version >> 8) & 0xFF)
        .arg(version & 0xFF);
}

ConfigurationManager::ConfigurationManager(QModbusMaster *modbusMaster,
                                           CanbusManager *canbusManager, bool iAmMaster,
                                           int orientationId, QObject *parent)
    : TarnStateMachine(parent)
    , m_modbusMaster(modbusMaster)
    , m_canbusManager(canbusManager)
    , m_iAmMaster(iAmMaster)
    , m_orientationId(orientationId)
{
    setCustomerDefaults();
    m_verticalFlip = cabinetFact("verticalFlip").toBool();

    m_timeZonesModel = new QStandardItemModel(this);
    loadTimeZonesInfo();

    m_iobfwvInfo = new QModbusPollInfo(kFirmwareVersionRegs, this);
    m_iobfwvInfo->setObjectName(QStringLiteral("iobfwvInfo"));
    m_cabinetConfInfo = new QModbusPollInfo(1, this);
    m_cabinetConfInfo->setObjectName(QStringLiteral("cabinetConfInfo"));
    m_powerSourceInfo = new QModbusPollInfo(1, this);
    m_powerControlInfo = new QModbusPollInfo(kPowerControlRegs, this);
    for (QModbusPollInfo *watched : {m_iobfwvInfo, m_cabinetConfInfo}) {
        connect(watched, SIGNAL(pollRequestIssued()), this, SLOT(countAttempt()));
        connect(watched, SIGNAL(pollReplyError()), this, SLOT(retryAfterReplyError()),
                Qt::QueuedConnection);
    }
    buildMachine();
    connectDisplaySharing();
    createNetworkRefresh();
    moveSplashImage();
}

void ConfigurationManager::setCustomerDefaults()
{
    const int customer = cabinetFact("customerId").toInt();
    const bool dez = customer == KivDefs::CUSTOMER_ID_DEZ;
    const bool zuz = customer == KivDefs::CUSTOMER_ID_ZuZ;

    m_iotType = QLatin1String(dez ? kRiotIotType : kAwsIotType);
    m_individualDPEnabled = dez && cabinetFact("hasSecondaryDisplay").toBool();

    const AccessCodes &codes = zuz ? kZuzCodes : kStandardCodes;
    auto held = [dez](const char *digits) {
        return dez ? QString::fromLatin1(digits) : md5Hex(QString::fromLatin1(digits));
    };
    m_passwdL1 = held(codes.level1);
    m_passwdL2 = held(codes.level2);
    m_passwdL3 = held(codes.level3);
    m_passwdL4 = held(codes.level4);

    m_usedLanguages = customer == KivDefs::CUSTOMER_ID_VADEV ? 3 : 7;
    m_ecoActivateMode = customer == KivDefs::CUSTOMER_ID_RIVEV ? 1 : 0;
    if (zuz) {
        const bool decrement = cabinetFact("timerDecrementEnable").toBool();
        m_timerColorStatus = decrement;
        m_advancedZoneOptionsEnable = decrement;
    } else {
        m_timerColorStatus = false;
        m_advancedZoneOptionsEnable = true;
    }
}

QVariant ConfigurationManager::cabinetFact(const char *name) const
{
    return parent() ? parent()->property(name) : QVariant();
}

bool ConfigurationManager::cabinetIsConfigured() const
{
    bool configured = false;
    if (parent())
        QMetaObject::invokeMethod(parent(), "get_isConfigured", Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, configured));
    return configured;
}

// ---------------------------------------------------------------------------
// The machine

void ConfigurationManager::buildMachine()
{
    StateMachineBuilder b(this);

    QState *disabled = b.state(this, "disabled");
    QState *enabled = b.state(this, "enabled");
    QState *unconfigured = b.state(enabled, "unconfigured");
    QState *configured = b.state(enabled, "configured");
    QState *readConfiguration = b.state(unconfigured, "readConfiguration");
    QState *detectConfiguration = b.state(unconfigured, "detectConfiguration");

    setInitialState(enabled);
    enabled->setInitialState(unconfigured);
    unconfigured->setInitialState(readConfiguration);

    const QString self = QStringLiteral("this");
    const QString conf = QStringLiteral("m_cabinetConfInfo");
    const QString fw = QStringLiteral("m_iobfwvInfo");
    const char *good = SIGNAL(pollReplyGood());
    const char *timedOut = SIGNAL(pollReplyTimedOut());

    // A silent board ends the set-up: the time-outs raise disable(), which
    // takes the whole machine to "disabled".
    auto forwardToDisable = [this](QAbstractTransition *t) {
        connect(t, SIGNAL(triggered()), this, SIGNAL(disable()), Qt::DirectConnection);
        t->setProperty("action", QStringLiteral("signal, this::disable()"));
    };

    b.transition(enabled, disabled, "t_enabled_disabled", self, this, SIGNAL(disable()));
    forwardToDisable(b.transition(unconfigured, nullptr, "t_cabinetConfInfo_reply_timeout", conf,
                                  m_cabinetConfInfo, timedOut));
    b.transition(readConfiguration, detectConfiguration, "t_detect_configuration", conf,
                 m_cabinetConfInfo, good);
    QSignalTransition *set = b.transition(detectConfiguration, nullptr, "t_set_configuration",
                                          conf, m_cabinetConfInfo, good);
    b.action(set, "readIoBoardsFirmwareVersions");
    b.transition(detectConfiguration, configured, "t_configuration_detected", fw, m_iobfwvInfo,
                 good);
    forwardToDisable(b.transition(detectConfiguration, nullptr, "t_iobfwvInfo_reply_timeout", fw,
                                  m_iobfwvInfo, timedOut));
}

void ConfigurationManager::readConfiguration_onEntry()
{
    const QString marker = KivRoot::appFile(QStringLiteral("convert_to_riot.txt"));
    if (QFile::exists(marker)) {
        set_iotType(QLatin1String(kRiotIotType));
        set_wifiSSIDRestore(m_wifiSSID);
        set_wifiPasswordRestore(m_wifiPassword);
        qDebug() << "Convert to RIoT detected !!!!";
        initializeRiotWifiConnection();
        QFile::remove(marker);
        startDetachedSync();
        emit notifyIotTypeChanged(m_iotType);
    }
    readConfigFile();
    readIotConfigFile();
    loadCabinetSerialModelNumbers();

    BoardRequest presence;
    presence.startReg = kRegDetectedConfiguration;
    presence.quantity = 1;
    presence.attempts = kPresenceAttempts;
    queueBoardRequest(m_cabinetConfInfo, presence);
}

void ConfigurationManager::detectConfiguration_onEntry()
{
    // A display that is not primary has no board to ask: it moves on as if
    // the board had answered.
    if (!m_iAmMaster)
        emit m_cabinetConfInfo->pollReplyGood();
    set_cabinetConfiguration(cabinetFact("cabinetConfiguration").toInt());
    m_cabinetConfInfo->values()[0] = quint16(m_cabinetConfiguration);

    BoardRequest write;
    write.write = true;
    write.startReg = kRegSelectedConfiguration;
    write.quantity = 1;
    write.attempts = kBoardAttempts;
    // The layout always goes to the real board, also in simulation.
    write.overrideFakeMode = true;
    queueBoardRequest(m_cabinetConfInfo, write);
}

void ConfigurationManager::configured_onEntry()
{
    const QVector<quint16> &regs = m_iobfwvInfo->values();
    auto version = [&regs](int pair) {
        return getVersionString((uint(regs.value(2 * pair)) << 16) | regs.value(2 * pair + 1));
    };
    set_ioBoardFirmwareVersion0(version(0));
    set_ioBoardFirmwareVersion1(version(1));
    set_ioBoardFirmwareVersion2(version(2));
    set_ioBoardFirmwareVersion3(version(3));
    set_ioBoardFirmwareVersion4(version(4));

    saveConfigFile();
    set_systemConfigured(true);
    if (cabinetFact("hasMirrorDisplay").toBool() || cabinetFact("hasSecondaryDisplay").toBool())
        sendFwInfoViaCanbus();
    sendPowerSource();
    sendPowerControlInfo();
}

void ConfigurationManager::disabled_onEntry()
{
    qDebug() << "Configuration is disabled";
    set_systemConfigured(false);
    set_cabinetConfiguration(KIV_CONF_INVALID);
}

void ConfigurationManager::queueBoardRequest(QModbusPollInfo *info, const BoardRequest &request)
{
    BoardRequest &held = info == m_iobfwvInfo ? m_iobfwvRequest : m_cabinetConfRequest;
    held = request;
    held.sent = 0;
    const quint8 retries = quint8(qMax(0, request.attempts - 1));
    if (request.write)
        m_modbusMaster->holdingRegistersWrite(kIoBoard, request.startReg, request.quantity, retries,
                                              info, request.overrideFakeMode);
    else
        m_modbusMaster->holdingRegistersRead(kIoBoard, request.startReg, request.quantity, retries,
                                             info, request.overrideFakeMode);
}

void ConfigurationManager::countAttempt()
{
    if (sender() == m_iobfwvInfo)
        ++m_iobfwvRequest.sent;
    else if (sender() == m_cabinetConfInfo)
        ++m_cabinetConfRequest.sent;
}

// The master does not repeat a request whose reply failed its checks (bad
// CRC, another slave, an exception). One garbled reply must not leave the
// set-up waiting for the rest of the run: ask again while the request has
// sends left, then give up exactly as after a silent board.
void ConfigurationManager::retryAfterReplyError()
{
    auto *info = qobject_cast<QModbusPollInfo *>(sender());
    if (info != m_iobfwvInfo && info != m_cabinetConfInfo)
        return;
    const BoardRequest &failed = info == m_iobfwvInfo ? m_iobfwvRequest : m_cabinetConfRequest;
    const int left = failed.attempts - failed.sent;
    if (left > 0) {
        qDebug().noquote() << "I/O board reply error on" << info->objectName() << "- asking again";
        BoardRequest again = failed;
        again.attempts = left;
        queueBoardRequest(info, again);
        return;
    }
    info->pollResolved(QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
}

void ConfigurationManager::sendPowerSource()
{
    const int source = cabinetFact("powerSourceChoice").toBool()
        ? m_powerSource
        : cabinetFact("powerSource").toInt();
    m_powerSourceInfo->values()[0] = quint16(source);
    m_modbusMaster->holdingRegistersWrite(kIoBoard, kRegPowerSource, 1, kBoardAttempts - 1,
                                          m_powerSourceInfo);
}

void ConfigurationManager::sendPowerControlInfo()
{
    static const char *const names[kPowerControlRegs] = {
        "maxCurrent", "bottomHeaterResistance", "topHeaterResistance", "bottomTempOffset",
        "topTempOffset"};
    QVector<quint16> &values = m_powerControlInfo->values();
    for (int i = 0; i < kPowerControlRegs; ++i)
        values[i] = quint16(cabinetFact(names[i]).toInt());
    m_modbusMaster->holdingRegistersWrite(kIoBoard, kRegPowerControl, kPowerControlRegs,
                                          kBoardAttempts - 1, m_powerControlInfo);
}

void ConfigurationManager::writeIoBoardConfiguration()
{
    m_cabinetConfInfo->values()[0] = quint16(m_cabinetConfiguration);
    BoardRequest write;
    write.write = true;
    write.startReg = kRegSelectedConfiguration;
    write.quantity = 1;
    write.attempts = kBoardAttempts;
    queueBoardRequest(m_cabinetConfInfo, write);
    sendPowerSource();
    sendPowerControlInfo();
}

void ConfigurationManager::readIoBoardsFirmwareVersions()
{
    BoardRequest read;
    read.startReg = kRegFirmwareVersions;
    read.quantity = kFirmwareVersionRegs;
    read.attempts = kBoardAttempts;
    queueBoardRequest(m_iobfwvInfo, read);
}

// ---------------------------------------------------------------------------
// Sharing with the other displays

void ConfigurationManager::connectDisplaySharing()
{
    QObject *cabinet = parent();
    if (m_iAmMaster) {
        if (!cabinetFact("hasMirrorDisplay").toBool() && !cabinetFact("hasSecondaryDisplay").toBool())
            return;
        connect(this, SIGNAL(readerFirmwareVersion1Changed(QString)), this,
                SLOT(sendFwInfoToSlaves(QString)), Qt::QueuedConnection);
        connect(this, SIGNAL(readerFirmwareVersion2Changed(QString)), this,
                SLOT(sendFwInfoToSlaves(QString)), Qt::QueuedConnection);
        connect(this, SIGNAL(iotSoftwareVersionChanged(QString)), this,
                SLOT(sendFwInfoToSlaves(QString)), Qt::QueuedConnection);
        connect(this, SIGNAL(serialNumberChanged(QString)), this,
                SLOT(sendSerialModelNumbersViaCanbus(QString)), Qt::QueuedConnection);
        connect(this, SIGNAL(modelNumberChanged(QString)), this,
                SLOT(sendSerialModelNumbersViaCanbus(QString)), Qt::QueuedConnection);
        connect(this, SIGNAL(storeNumberChanged(QString,QString)), this,
                SLOT(sendStoreNumberViaCanbus(QString,QString)), Qt::QueuedConnection);
        if (cabinet)
            connect(cabinet, SIGNAL(slaveUiFoundChanged(bool)), this,
                    SLOT(sendSerialModelNumbersToSlave()), Qt::QueuedConnection);
    } else if (cabinet) {
        m_masterFoundConnection = connect(cabinet, SIGNAL(masterUiWasFound()), this,
                                          SLOT(sendFirmwareVersionViaCanbus()),
                                          Qt::QueuedConnection);
    }
}

void ConfigurationManager::sendMultiPacket(int multiId, const QString &text)
{
    if (!m_canbusManager)
        return;
    auto *request = new CanSendRequest;
    request->set_multi(true);
    request->set_frameId(m_iAmMaster ? kPrimaryFrameId : kOtherFrameId);
    request->set_multiId(multiId);
    request->set_data(text.toLocal8Bit());
    m_canbusManager->enqueueSendRequest(request);
}

void ConfigurationManager::sendFwInfoViaCanbus()
{
    QString text;
    for (const QString &version : {m_ioBoardFirmwareVersion0, m_ioBoardFirmwareVersion1,
                                   m_ioBoardFirmwareVersion2, m_ioBoardFirmwareVersion3,
                                   m_ioBoardFirmwareVersion4, m_readerFirmwareVersion1,
                                   m_readerFirmwareVersion2, m_iotSoftwareVersion})
        text += version + QLatin1Char('\n');
    sendMultiPacket(CanbusManager::KIV_MULTI_FW_INFO, text);
}

void ConfigurationManager::sendFwInfoToSlaves(const QString &)
{
    sendFwInfoViaCanbus();
}

void ConfigurationManager::sendSerialModelNumbersViaCanbus(const QString &)
{
    sendMultiPacket(CanbusManager::KIV_MULTI_SERIAL_MODEL_INFO,
                    m_serialNumber + QLatin1Char('\n') + m_modelNumber + QLatin1Char('\n'));
}

void ConfigurationManager::sendStoreNumberViaCanbus(const QString &, const QString &)
{
    sendMultiPacket(CanbusManager::KIV_MULTI_STORE_NUMBER_INFO, m_storeNumber);
}

void ConfigurationManager::sendSerialModelNumbersToSlave()
{
    sendSerialModelNumbersViaCanbus(QString());
}

void ConfigurationManager::sendFirmwareVersionViaCanbus()
{
    sendMultiPacket(CanbusManager::KIV_MULTI_UI_FW_INFO, QLatin1String(kFirmwareVersion));
    // A display announces its version once per run.
    if (m_masterFoundConnection)
        disconnect(m_masterFoundConnection);
}

// ---------------------------------------------------------------------------
// "config.txt"

bool ConfigurationManager::applyProperty(const QString &key, const QString &value)
{
    const QMetaObject *meta = metaObject();
    const int index = meta->indexOfProperty(key.toLatin1().constData());
    if (index < 0 || !meta->property(index).isWritable()
        || !meta->property(index).write(this, value)) {
        qDebug().noquote() << "Unable to set KIV config property: " + clipForLog(key);
        return false;
    }
    return true;
}

// Key=value lines, each applied as the property of that name. A value may
// itself hold "=" (a Wi-Fi password), so only the first one separates.
void ConfigurationManager::applyKeyValueFile(const QByteArray &content)
{
    QTextStream in(content);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const int separator = line.indexOf(QLatin1Char('='));
        if (separator < 0)
            continue;
        applyProperty(line.left(separator), line.mid(separator + 1));
    }
}

void ConfigurationManager::readConfigFile()
{
    QByteArray content;
    const BoundedFile::Result read =
        BoundedFile::read(KivRoot::appFile(QLatin1String(kConfigFile)), BoundedFile::SmallFileLimit, &content);
    if (read != BoundedFile::Read) {
        // A file refused as too large has said so already.
        if (read != BoundedFile::TooLarge)
            qDebug().noquote() << "Unable to Open File !!!" << kConfigFile;
        return;
    }
    applyKeyValueFile(content);
    emit configFileRead();
}

QByteArray ConfigurationManager::configFileContent() const
{
    QString text;
    for (const QByteArray &key : configFileKeys())
        text += QLatin1String(key) + QLatin1Char('=') + fileText(property(key.constData()))
            + QLatin1Char('\n');
    return text.toUtf8();
}

void ConfigurationManager::saveConfigFile()
{
    // An unconfigured cabinet runs on a built-in layout: its settings are
    // not worth keeping.
    if (!cabinetIsConfigured())
        return;
    const QString path = KivRoot::appFile(QLatin1String(kConfigFile));
    const QByteArray content = configFileContent();
    // The store saves often (every time stamp of the menu, every change of
    // the time settings); writing the same bytes again only wears the flash.
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == content)
        return;
    current.close();

    bool openFailed = false;
    if (!replaceFile(path, content, &openFailed)) {
        if (openFailed)
            qDebug() << "Unable to Open File for writing !!! No config saved.";
        return;
    }
    std::unique_ptr<QSettings> settings(openSettings());
    settings->sync();
    startDetachedSync();
}

void ConfigurationManager::setValue(const QString &key, const QVariant &value)
{
    std::unique_ptr<QSettings> settings(openSettings());
    settings->setValue(key, value);
    qDebug().noquote() << QStringLiteral("Set %1 to %2").arg(key, value.toString());
}

QVariant ConfigurationManager::value(const QString &key, const QVariant &defaultValue) const
{
    std::unique_ptr<QSettings> settings(openSettings());
    return settings->value(key, defaultValue);
}

QVariant ConfigurationManager::value(const QString &key) const
{
    return value(key, QVariant());
}

QString ConfigurationManager::getCabinetName() const
{
    switch (m_cabinetNameIndex) {
    case 0:
        return tr("Reserve Cabinet #%1").arg(m_cabinetIndex + 1);
    case 1:
        return tr("Point-of-Use Cabinet #%1").arg(m_cabinetIndex + 1);
    default:
        return tr("Name Not Set");
    }
}

void ConfigurationManager::setCabinetName(const QString &name)
{
    if (assignIfChanged(m_cabinetName, name))
        emit cabinetNameChanged(m_cabinetName);
}

void ConfigurationManager::processTavolenConfigData(Configuration_t data)
{
    switch (data.language) {
    case ConfigurationTag::LanguageSpanish:
        set_languageId(QStringLiteral("spa"));
        break;
    case ConfigurationTag::LanguageFrench:
        set_languageId(QStringLiteral("fra"));
        break;
    default:
        set_languageId(QStringLiteral("eng_USA"));
        break;
    }
    set_useFirstEnabled(data.useFirst != 0);
    set_groupDotsEnabled(data.groupDots != 0);
    set_splitViewEnabled(data.splitView != 0);
    set_individualDPEnabled(data.individualDayParts != 0);
    set_labelFontSize(data.labelFontSize);
    const QByteArray hashBytes(reinterpret_cast<const char *>(data.productsHash.data()), int(data.productsHash.size()));
    const QString hash = QString::fromLatin1(hashBytes.toHex());
    set_productsHashCode(hash);
    qDebug().noquote() << "Menu connect config... products hash code = " + hash;

    saveConfigFile();
    emit newConfigImported();
    emit sendConfigurationFileViaCanbus(KivRoot::appFile(QLatin1String(kConfigFile)),
                                        kConfigFileTransferId);
}

void ConfigurationManager::processImportedMenu(const QString &name, const QString &version,
                                               const QString &description)
{
    if (name == m_importedMenu)
        return;
    set_importedMenu(name);
    set_menuVersion(version);
    set_menuDescription(description);
    saveConfigFile();
}

void ConfigurationManager::saveProductsHashCodeTs(const QString &)
{
    set_productsHashCodeTs(QString::number(KivClock::secsSinceEpoch()));
    saveConfigFile();
}

// ---------------------------------------------------------------------------
// Setters with side effects

QString ConfigurationManager::addressText(const QHostAddress &address)
{
    return address.isNull() ? QString() : address.toString();
}

std::optional<ConfigurationManager::Subnet> ConfigurationManager::activeSubnet() const
{
    if (m_ethEnabled)
        return Subnet{m_ethBroadcast, get_ipAddress()};
    if (m_wifiEnabled)
        return Subnet{m_wifiBroadcast, get_wifiIpAddr()};
    return std::nullopt;
}

bool ConfigurationManager::refusesText(const char *key, const QString &value)
{
    if (isKeyValueText(value))
        return false;
    qWarning().noquote() << "Setting" << key << "refused: its text holds a line break or another control character";
    return true;
}

bool ConfigurationManager::setAddress(QHostAddress &address, const QString &text)
{
    if (addressText(address) == text)
        return false;
    address = QHostAddress(text);
    return true;
}

void ConfigurationManager::set_serialNumber(const QString &value)
{
    if (refusesText("serialNumber", value))
        return;
    if (m_serialNumber == value)
        return;
    m_serialNumber = value;
    emit serialNumberChanged(m_serialNumber);
    std::unique_ptr<QSettings> settings(openSettings());
    settings->setValue(QStringLiteral("sysInfo/serialNumber"), m_serialNumber);
}

void ConfigurationManager::set_storeNumber(const QString &value)
{
    if (refusesText("storeNumber", value))
        return;
    if (m_storeNumber == value)
        return;
    const QString previous = m_storeNumber;
    m_storeNumber = value;
    emit storeNumberChanged(m_storeNumber, previous);
}

void ConfigurationManager::set_uuidNumber(const QString &value)
{
    if (refusesText("uuidNumber", value))
        return;
    m_uuidNumber = value;
}

void ConfigurationManager::set_iotType(const QString &value)
{
    if (refusesText("iotType", value))
        return;
    const bool known = value == QLatin1String(kRiotIotType) || value == QLatin1String(kAwsIotType)
        || value == QLatin1String(kGmAwsIotType);
    m_iotType = known ? value : QLatin1String(kAwsIotType);
    emit iotTypeChanged(m_iotType);
}

void ConfigurationManager::set_screenOrientation(int value)
{
    m_screenOrientation = value;
    emit screenOrientationChanged(value != 0);
}

void ConfigurationManager::set_tempUnit(int value)
{
    if (m_tempUnit == value)
        return;
    m_tempUnit = value != 0 ? 1 : 0;
    emit tempUnitChanged(value);
}

void ConfigurationManager::set_individualDPEnabled(bool value)
{
    if (!cabinetFact("isIndividualDpSelectable").toBool()) {
        m_individualDPEnabled = false;
        return;
    }
    m_individualDPEnabled = value;
    emit individualDPEnabledChanged(m_individualDPEnabled);
}

void ConfigurationManager::set_passwdL1(const QString &value)
{
    if (refusesText("passwdL1", value))
        return;
    m_prevPasswdL1 = m_passwdL1;
    m_passwdL1 = value;
    emit passwdL1Changed(m_passwdL1);
}

void ConfigurationManager::set_languageId(const QString &value)
{
    if (refusesText("languageId", value))
        return;
    if (m_languageId == value)
        return;
    m_prevLanguageId = m_languageId;
    m_languageId = value;
    emit languageIdChanged(m_languageId);
}

void ConfigurationManager::set_demoModeFlag(bool value)
{
    if (m_demoModeFlag == value)
        return;
    m_demoModeFlag = value;
    emit demoModeFlagChanged(m_demoModeFlag);
    if (m_demoModeFlag)
        emit demoModeEnabled();
    else
        emit demoModeDisabled();
}

bool ConfigurationManager::get_productDiscardFlash() const
{
    if (cabinetFact("customerId").toInt() == KivDefs::CUSTOMER_ID_DEZ)
        return false;
    return m_productDiscardFlash;
}

// ---------------------------------------------------------------------------
// Access codes, colours, languages, time zones

QString ConfigurationManager::encryptString(const QString &text) const
{
    return md5Hex(text);
}

void ConfigurationManager::resetPasswdL1()
{
    const int customer = cabinetFact("customerId").toInt();
    const AccessCodes &codes = customer == KivDefs::CUSTOMER_ID_ZuZ ? kZuzCodes : kStandardCodes;
    const QString digits = QString::fromLatin1(codes.level1);
    set_passwdL1(customer == KivDefs::CUSTOMER_ID_DEZ ? digits : md5Hex(digits));
    saveConfigFile();
    emit passcodeChanged(m_passwdL1);
}

double ConfigurationManager::colorGetHueF(const QString &colorName) const
{
    return QColor(colorName).hsvHueF();
}

double ConfigurationManager::colorGetSatF(const QString &colorName) const
{
    return QColor(colorName).hsvSaturationF();
}

double ConfigurationManager::colorGetLumF(const QString &colorName) const
{
    return QColor(colorName).valueF();
}

QString ConfigurationManager::colorFromHsv(double h, double s, double v) const
{
    return QColor::fromHsvF(h, s, v).name();
}

bool ConfigurationManager::getIsLanguageUsed(int id) const
{
    if (id < 0 || id >= kLanguageMaskBits)
        return false;
    return (m_usedLanguages >> id) & 1u;
}

void ConfigurationManager::setLanguageIsUsed(int id, bool used)
{
    if (id < 0 || id >= kLanguageMaskBits)
        return;
    if (used)
        m_usedLanguages |= 1u << id;
    else
        m_usedLanguages &= ~(1u << id);
}

int ConfigurationManager::getNextLanguageId() const
{
    const Translator *translator = parent() ? parent()->findChild<Translator *>() : nullptr;
    if (translator)
        return getNextLanguageId(translator->languageId());
    // Without the translator, start from the language the store holds.
    int current = 0;
    for (int id = 0; id < kLanguageCount; ++id)
        if (Translator::languageCode(id) == m_languageId)
            current = id;
    return getNextLanguageId(current);
}

int ConfigurationManager::getNextLanguageId(int id) const
{
    int next = id;
    for (int step = 0; step < kLanguageCount; ++step) {
        next = ((next + 1) % kLanguageCount + kLanguageCount) % kLanguageCount;
        if (getIsLanguageUsed(next))
            return next;
    }
    return next;
}

void ConfigurationManager::loadTimeZonesInfo()
{
    static const char *const ids[] = {
        "UTC-12:00", "UTC-11:00", "UTC-10:00", "UTC-09:00", "UTC-08:00", "UTC-07:00",
        "UTC-06:00", "UTC-05:00", "UTC-04:30", "UTC-04:00", "UTC-03:30", "UTC-03:00",
        "UTC-02:00", "UTC-01:00", "UTC",       "UTC+01:00", "UTC+02:00", "UTC+03:00",
        "UTC+03:30", "UTC+04:00", "UTC+04:30", "UTC+05:00", "UTC+05:30", "UTC+05:45",
        "UTC+06:00", "UTC+06:30", "UTC+07:00", "UTC+08:00", "UTC+09:00", "UTC+09:30",
        "UTC+10:00", "UTC+11:00", "UTC+12:00", "UTC+13:00",
    };
    m_timeZonesModel->clear();
    m_timeZonesModel->setItemRoleNames({{kTimeZoneIdRole, "timeZoneId"}, {kTimeZoneNameRole, "name"}});
    m_timeZonesModel->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Name")});
    for (const char *id : ids) {
        const QString zoneId = QLatin1String(id);
        QString name = zoneId;
        // The name drops the hour's leading zero: "UTC-09:00" shows as "UTC-9:00".
        if (name.size() == 9 && name.at(4) == QLatin1Char('0'))
            name.remove(4, 1);
        auto *item = new QStandardItem;
        item->setData(zoneId, kTimeZoneIdRole);
        item->setData(name, kTimeZoneNameRole);
        m_timeZonesModel->appendRow(item);
    }
    set_timeZoneIndex(0);
}

QString ConfigurationManager::getTimeZoneName(int index) const
{
    if (index < 0 || index >= m_timeZonesModel->rowCount())
        return QString();
    return m_timeZonesModel->item(index)->data(kTimeZoneNameRole).toString();
}

QString ConfigurationManager::getCurrentTimeZoneId() const
{
    if (m_timeZoneIndex < 0 || m_timeZoneIndex >= m_timeZonesModel->rowCount())
        return QString();
    return m_timeZonesModel->item(m_timeZoneIndex)->data(kTimeZoneIdRole).toString();
}

// ---------------------------------------------------------------------------
// Identity, IoT and update drop files

void ConfigurationManager::saveCabinetSerialModelNumbers()
{
    const QString path = KivRoot::appFile(QLatin1String(kIdentityFile));
    const QString text = QStringLiteral("serialNumber=%1\nmodelNumber=%2\nuuidNumber=%3\ncustomerIdStr=%4\n")
                             .arg(m_serialNumber, m_modelNumber, m_uuidNumber, m_customerIdStr);
    qDebug() << "Saving Serial and Model numbers file.";
    bool openFailed = false;
    if (!replaceFile(path, text.toUtf8(), &openFailed)) {
        if (openFailed)
            qDebug().noquote() << "Unable to Open File for writing:" << kIdentityFile;
        return;
    }
    startDetachedSync();
}

void ConfigurationManager::loadCabinetSerialModelNumbers()
{
    QByteArray content;
    if (BoundedFile::read(KivRoot::appFile(QLatin1String(kIdentityFile)), BoundedFile::SmallFileLimit, &content)
        != BoundedFile::Read) {
        // First start of a new cabinet: it gets its unique id now, and the
        // user is asked for the serial and model numbers.
        qDebug().noquote() << QStringLiteral("Unable to Open File: ") + QLatin1String(kIdentityFile);
        set_uuidNumber(QUuid::createUuid().toString(QUuid::WithoutBraces));
        saveCabinetSerialModelNumbers();
        emit showSerialModelNumbersDialog();
        return;
    }
    applyKeyValueFile(content);
}

void ConfigurationManager::readIotConfigFile()
{
    const QString name = m_iotType == QLatin1String(kRiotIotType) ? QStringLiteral("iotConfig_riot")
                                                                  : QStringLiteral("iotConfig");
    QByteArray content;
    const BoundedFile::Result read = BoundedFile::read(KivRoot::appFile(name), BoundedFile::SmallFileLimit, &content);
    if (read != BoundedFile::Read) {
        if (read != BoundedFile::TooLarge)
            qDebug().noquote() << "Unable to Open File !!!" << name;
        return;
    }
    QTextStream in(content);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const int separator = line.indexOf(QLatin1Char('='));
        if (separator < 0)
            continue;
        const QString key = line.left(separator);
        const QString value = line.mid(separator + 1);
        if (key == QLatin1String("iotSoftwareVersion"))
            set_iotSoftwareVersion(value);
        else if (key == QLatin1String("riotSdkVersion"))
            set_iotSdkVersion(value);
    }
}

void ConfigurationManager::watchForIotSerialModelNumberFile()
{
    qDebug() << "iotSerialNumberWatcher... install";
    delete m_iotFolderWatcher;
    m_iotFolderWatcher = new QFileSystemWatcher(this);
    m_iotFolderWatcher->addPath(KivRoot::appFile(QStringLiteral("kiv_iot/")));
    connect(m_iotFolderWatcher, SIGNAL(directoryChanged(QString)), this,
            SLOT(processIotSerialModelNumber(QString)));
}

void ConfigurationManager::processIotSerialModelNumber(const QString &dirPath)
{
    qDebug().noquote() << "iotSerialNumber processing :" << dirPath;
    const QString candidate = QDir(dirPath).filePath(QStringLiteral("YourCert/serialModelNums.txt"));
    qDebug().noquote() << "iotSerialNumber looking for :" << candidate;
    if (!QFile::exists(candidate))
        return;

    qDebug().noquote() << "iotSerialNumber found " << candidate;
    const QString target = KivRoot::appFile(QLatin1String(kIdentityFile));
    if (QFile::exists(target)) {
        qDebug() << "previous serialModelNums.txt exists";
        const QDateTime iotTime = QFileInfo(candidate).lastModified();
        const QDateTime previousTime = QFileInfo(target).lastModified();
        const QString format = QStringLiteral("yyyy/MM/dd-hh:mm:ss");
        qDebug().noquote() << QStringLiteral("iot ts: %1 vs. prev sn ts: %2")
                                  .arg(iotTime.toString(format), previousTime.toString(format));
        if (previousTime >= iotTime) {
            qDebug() << "Prev sn date <= iot";
            return;
        }
        qDebug() << "iotSerialNumber found previous file... removing";
        QFile::remove(target);
    }
    if (!QFile::copy(candidate, target))
        return;
    qDebug() << "iotSerialNumber copied serialNums file";
    loadCabinetSerialModelNumbers();
    emit hideSerialModelNumbersDialog();
    emit invokeSimpleDialog(
        QStringLiteral("Serial & Model Numbers configured. \n\nSerial#: %1\nModel#: %2")
            .arg(m_serialNumber, m_modelNumber),
        true);
}

void ConfigurationManager::checkFirmwareUpdateDone()
{
    const QString running = QLatin1String(kFirmwareVersion);
    bool updated;
    if (m_iotType == QLatin1String(kRiotIotType))
        updated = QFile::exists(KivRoot::appFile(QStringLiteral("updates/firmwareUpdateInfo.txt")));
    else
        updated = m_firmwareVersion != running;
    if (updated)
        emit notifyFirmwareUpdateDone(QString::number(KivClock::secsSinceEpoch()), running,
                                      m_firmwareVersion, 0, true);
    set_firmwareVersion(running);
    saveConfigFile();
}

void ConfigurationManager::moveSplashImage()
{
    const QString splash = KivRoot::appFile(QStringLiteral("splash-screen"));
    if (!QFile::exists(splash))
        return;
    ToolRunner::run(QStringLiteral("/bin/mv"), {splash, KivRoot::path(QStringLiteral("/usr/share/images/"))});
    ToolRunner::run(QStringLiteral("/usr/sbin/fw_setenv"), {QStringLiteral("uboot_splash"), QString()});
    ToolRunner::run(QStringLiteral("/bin/sync"), {});
    qDebug() << "Splash screen update is complete !!!!!!!!!";
}

// ---------------------------------------------------------------------------
// Plain setters: store and signal on change ("always" ones store and signal
// on every call, so the screens can re-apply a value).

void ConfigurationManager::set_modelNumber(const QString &value)
{
    if (refusesText("modelNumber", value))
        return;
    if (assignIfChanged(m_modelNumber, value))
        emit modelNumberChanged(m_modelNumber);
}

void ConfigurationManager::set_systemConfigured(bool value)
{
    if (assignIfChanged(m_systemConfigured, value))
        emit systemConfiguredChanged(m_systemConfigured);
}

void ConfigurationManager::set_theOtherUiFwVersion(const QString &value)
{
    if (assignIfChanged(m_theOtherUiFwVersion, value))
        emit theOtherUiFwVersionChanged(m_theOtherUiFwVersion);
}

void ConfigurationManager::set_ioBoardFirmwareVersion0(const QString &value)
{
    if (refusesText("ioBoardFirmwareVersion0", value))
        return;
    m_ioBoardFirmwareVersion0 = value;
    emit ioBoardFirmwareVersion0Changed(m_ioBoardFirmwareVersion0);
}

void ConfigurationManager::set_ioBoardFirmwareVersion1(const QString &value)
{
    if (refusesText("ioBoardFirmwareVersion1", value))
        return;
    if (assignIfChanged(m_ioBoardFirmwareVersion1, value))
        emit ioBoardFirmwareVersion1Changed(m_ioBoardFirmwareVersion1);
}

void ConfigurationManager::set_ioBoardFirmwareVersion2(const QString &value)
{
    if (refusesText("ioBoardFirmwareVersion2", value))
        return;
    if (assignIfChanged(m_ioBoardFirmwareVersion2, value))
        emit ioBoardFirmwareVersion2Changed(m_ioBoardFirmwareVersion2);
}

void ConfigurationManager::set_ioBoardFirmwareVersion3(const QString &value)
{
    if (refusesText("ioBoardFirmwareVersion3", value))
        return;
    if (assignIfChanged(m_ioBoardFirmwareVersion3, value))
        emit ioBoardFirmwareVersion3Changed(m_ioBoardFirmwareVersion3);
}

void ConfigurationManager::set_ioBoardFirmwareVersion4(const QString &value)
{
    if (refusesText("ioBoardFirmwareVersion4", value))
        return;
    if (assignIfChanged(m_ioBoardFirmwareVersion4, value))
        emit ioBoardFirmwareVersion4Changed(m_ioBoardFirmwareVersion4);
}

void ConfigurationManager::set_readerFirmwareVersion1(const QString &value)
{
    if (assignIfChanged(m_readerFirmwareVersion1, value))
        emit readerFirmwareVersion1Changed(m_readerFirmwareVersion1);
}

void ConfigurationManager::set_readerFirmwareVersion2(const QString &value)
{
    if (assignIfChanged(m_readerFirmwareVersion2, value))
        emit readerFirmwareVersion2Changed(m_readerFirmwareVersion2);
}

void ConfigurationManager::set_cabinetConfiguration(int value)
{
    if (assignIfChanged(m_cabinetConfiguration, value))
        emit cabinetConfigurationChanged(m_cabinetConfiguration);
}

void ConfigurationManager::set_iotSoftwareVersion(const QString &value)
{
    if (assignIfChanged(m_iotSoftwareVersion, value))
        emit iotSoftwareVersionChanged(m_iotSoftwareVersion);
}

void ConfigurationManager::set_iotSdkVersion(const QString &value)
{
    if (assignIfChanged(m_iotSdkVersion, value))
        emit iotSdkVersionChanged(m_iotSdkVersion);
}

void ConfigurationManager::set_staticIPEnabled(bool value)
{
    if (assignIfChanged(m_staticIPEnabled, value))
        emit staticIPEnabledChanged(m_staticIPEnabled);
}

void ConfigurationManager::set_networkMode(int value)
{
    if (assignIfChanged(m_networkMode, value))
        emit networkModeChanged(m_networkMode);
}

void ConfigurationManager::set_ipAddress(const QString &value)
{
    if (refusesText("ipAddress", value))
        return;
    if (!setAddress(m_ipAddress, value))
        return;
    emit ipAddressChanged(value);
}

void ConfigurationManager::set_netmask(const QString &value)
{
    if (refusesText("netmask", value))
        return;
    if (!setAddress(m_netmask, value))
        return;
    emit netmaskChanged(value);
}

void ConfigurationManager::set_gateway(const QString &value)
{
    if (refusesText("gateway", value))
        return;
    if (!setAddress(m_gateway, value))
        return;
    emit gatewayChanged(value);
}

void ConfigurationManager::set_interfaceName(const QString &value)
{
    if (assignIfChanged(m_interfaceName, value))
        emit interfaceNameChanged(m_interfaceName);
}

void ConfigurationManager::set_macAddress(const QString &value)
{
    if (refusesText("macAddress", value))
        return;
    if (assignIfChanged(m_macAddress, value))
        emit macAddressChanged(m_macAddress);
}

void ConfigurationManager::set_wifiSSID(const QString &value)
{
    if (refusesText("wifiSSID", value))
        return;
    if (assignIfChanged(m_wifiSSID, value))
        emit wifiSSIDChanged(m_wifiSSID);
}

void ConfigurationManager::set_wifiPassword(const QString &value)
{
    if (refusesText("wifiPassword", value))
        return;
    if (assignIfChanged(m_wifiPassword, value))
        emit wifiPasswordChanged(m_wifiPassword);
}

void ConfigurationManager::set_wifiSSIDRestore(const QString &value)
{
    if (refusesText("wifiSSIDRestore", value))
        return;
    if (assignIfChanged(m_wifiSSIDRestore, value))
        emit wifiSSIDRestoreChanged(m_wifiSSIDRestore);
}

void ConfigurationManager::set_wifiPasswordRestore(const QString &value)
{
    if (refusesText("wifiPasswordRestore", value))
        return;
    if (assignIfChanged(m_wifiPasswordRestore, value))
        emit wifiPasswordRestoreChanged(m_wifiPasswordRestore);
}

void ConfigurationManager::set_wifiIdentity(const QString &value)
{
    if (refusesText("wifiIdentity", value))
        return;
    if (assignIfChanged(m_wifiIdentity, value))
        emit wifiIdentityChanged(m_wifiIdentity);
}

void ConfigurationManager::set_wpaEnabled(bool value)
{
    if (assignIfChanged(m_wpaEnabled, value))
        emit wpaEnabledChanged(m_wpaEnabled);
}

void ConfigurationManager::set_wifiStaticIp(bool value)
{
    if (assignIfChanged(m_wifiStaticIp, value))
        emit wifiStaticIpChanged(m_wifiStaticIp);
}

void ConfigurationManager::set_wifiIpAddr(const QString &value)
{
    if (refusesText("wifiIpAddr", value))
        return;
    if (!setAddress(m_wifiIpAddr, value))
        return;
    emit wifiIpAddrChanged(value);
}

void ConfigurationManager::set_wifiNetmask(const QString &value)
{
    if (refusesText("wifiNetmask", value))
        return;
    if (!setAddress(m_wifiNetmask, value))
        return;
    emit wifiNetmaskChanged(value);
}

void ConfigurationManager::set_wifiGateway(const QString &value)
{
    if (refusesText("wifiGateway", value))
        return;
    if (!setAddress(m_wifiGateway, value))
        return;
    emit wifiGatewayChanged(value);
}

void ConfigurationManager::set_wifiInterfaceName(const QString &value)
{
    if (assignIfChanged(m_wifiInterfaceName, value))
        emit wifiInterfaceNameChanged(m_wifiInterfaceName);
}

void ConfigurationManager::set_wifiBroadcast(const QString &value)
{
    if (assignIfChanged(m_wifiBroadcast, value))
        emit wifiBroadcastChanged(m_wifiBroadcast);
}

void ConfigurationManager::set_ethBroadcast(const QString &value)
{
    if (assignIfChanged(m_ethBroadcast, value))
        emit ethBroadcastChanged(m_ethBroadcast);
}

void ConfigurationManager::set_wifiEnabled(bool value)
{
    if (assignIfChanged(m_wifiEnabled, value))
        emit wifiEnabledChanged(m_wifiEnabled);
}

void ConfigurationManager::set_ethEnabled(bool value)
{
    if (assignIfChanged(m_ethEnabled, value))
        emit ethEnabledChanged(m_ethEnabled);
}

void ConfigurationManager::set_productsEditEnabled(bool value)
{
    if (assignIfChanged(m_productsEditEnabled, value))
        emit productsEditEnabledChanged(m_productsEditEnabled);
}

void ConfigurationManager::set_iotConnected(bool value)
{
    if (assignIfChanged(m_iotConnected, value))
        emit iotConnectedChanged(m_iotConnected);
}

void ConfigurationManager::set_useFirstEnabled(bool value)
{
    m_useFirstEnabled = value;
    emit useFirstEnabledChanged(m_useFirstEnabled);
}

void ConfigurationManager::set_splitViewEnabled(bool value)
{
    m_splitViewEnabled = value;
    emit splitViewEnabledChanged(m_splitViewEnabled);
}

void ConfigurationManager::set_groupDotsEnabled(bool value)
{
    m_groupDotsEnabled = value;
    emit groupDotsEnabledChanged(m_groupDotsEnabled);
}

void ConfigurationManager::set_prodNameLength(int value)
{
    m_prodNameLength = value;
    emit prodNameLengthChanged(m_prodNameLength);
}

void ConfigurationManager::set_usbPath(const QString &value)
{
    if (refusesText("usbPath", value))
        return;
    m_usbPath = value;
    emit usbPathChanged(m_usbPath);
}

void ConfigurationManager::set_localPath(const QString &value)
{
    if (refusesText("localPath", value))
        return;
    m_localPath = value;
    emit localPathChanged(m_localPath);
}

void ConfigurationManager::set_labelFontSize(int value)
{
    m_labelFontSize = value;
    emit labelFontSizeChanged(m_labelFontSize);
}

void ConfigurationManager::set_passwdL2(const QString &value)
{
    m_passwdL2 = value;
    emit passwdL2Changed(m_passwdL2);
}

void ConfigurationManager::set_passwdL3(const QString &value)
{
    m_passwdL3 = value;
    emit passwdL3Changed(m_passwdL3);
}

void ConfigurationManager::set_passwdL4(const QString &value)
{
    m_passwdL4 = value;
    emit passwdL4Changed(m_passwdL4);
}

void ConfigurationManager::set_timeFormatAMPM(bool value)
{
    if (assignIfChanged(m_timeFormatAMPM, value))
        emit timeFormatAMPMChanged(m_timeFormatAMPM);
}

void ConfigurationManager::set_dstEnabled(bool value)
{
    if (assignIfChanged(m_dstEnabled, value))
        emit dstEnabledChanged(m_dstEnabled);
}

void ConfigurationManager::set_ntpOn(bool value)
{
    if (assignIfChanged(m_ntpOn, value))
        emit ntpOnChanged(m_ntpOn);
}

void ConfigurationManager::set_timeZoneIndex(int value)
{
    if (assignIfChanged(m_timeZoneIndex, value))
        emit timeZoneIndexChanged(m_timeZoneIndex);
}

void ConfigurationManager::set_wifiScanString(const QString &value)
{
    if (assignIfChanged(m_wifiScanString, value))
        emit wifiScanStringChanged(m_wifiScanString);
}

void ConfigurationManager::setCabinetIndex(int value)
{
    if (assignIfChanged(m_cabinetIndex, value))
        emit cabinetIndexChanged(m_cabinetIndex);
}

void ConfigurationManager::setCabinetNameIndex(int value)
{
    if (assignIfChanged(m_cabinetNameIndex, value))
        emit cabinetNameIndexChanged(m_cabinetNameIndex);
}

void ConfigurationManager::set_productsHashCode(const QString &value)
{
    if (refusesText("productsHashCode", value))
        return;
    if (assignIfChanged(m_productsHashCode, value))
        emit productsHashCodeChanged(m_productsHashCode);
}

void ConfigurationManager::set_productsHashCodeTs(const QString &value)
{
    if (refusesText("productsHashCodeTs", value))
        return;
    if (assignIfChanged(m_productsHashCodeTs, value))
        emit productsHashCodeTsChanged(m_productsHashCodeTs);
}

void ConfigurationManager::set_importedMenu(const QString &value)
{
    if (refusesText("importedMenu", value))
        return;
    if (assignIfChanged(m_importedMenu, value))
        emit importedMenuChanged(m_importedMenu);
}

void ConfigurationManager::set_soundLevel(int value)
{
    if (assignIfChanged(m_soundLevel, value))
        emit soundLevelChanged(m_soundLevel);
}

void ConfigurationManager::set_powerSource(int value)
{
    if (assignIfChanged(m_powerSource, value))
        emit powerSourceChanged(m_powerSource);
}

void ConfigurationManager::set_menuBarColor(const QString &value)
{
    if (refusesText("menuBarColor", value))
        return;
    if (assignIfChanged(m_menuBarColor, value))
        emit menuBarColorChanged(m_menuBarColor);
}

void ConfigurationManager::set_performanceDataInterval(int value)
{
    if (assignIfChanged(m_performanceDataInterval, value))
        emit performanceDataIntervalChanged(m_performanceDataInterval);
}

void ConfigurationManager::set_firmwareVersion(const QString &value)
{
    if (refusesText("firmwareVersion", value))
        return;
    if (assignIfChanged(m_firmwareVersion, value))
        emit firmwareVersionChanged(m_firmwareVersion);
}

void ConfigurationManager::set_productDiscardFlash(bool value)
{
    if (assignIfChanged(m_productDiscardFlash, value))
        emit productDiscardFlashChanged(m_productDiscardFlash);
}

void ConfigurationManager::set_usedLanguages(uint value)
{
    if (assignIfChanged(m_usedLanguages, value))
        emit usedLanguagesChanged(m_usedLanguages);
}

void ConfigurationManager::set_ecoShelfHeatMode(int value)
{
    if (assignIfChanged(m_ecoShelfHeatMode, value))
        emit ecoShelfHeatModeChanged(m_ecoShelfHeatMode);
}

void ConfigurationManager::set_ecoShelfHeatTemp(int value)
{
    if (assignIfChanged(m_ecoShelfHeatTemp, value))
        emit ecoShelfHeatTempChanged(m_ecoShelfHeatTemp);
}

void ConfigurationManager::set_ecoActivateMode(int value)
{
    if (assignIfChanged(m_ecoActivateMode, value))
        emit ecoActivateModeChanged(m_ecoActivateMode);
}

void ConfigurationManager::set_ecoActivateTimeout(int value)
{
    if (assignIfChanged(m_ecoActivateTimeout, value))
        emit ecoActivateTimeoutChanged(m_ecoActivateTimeout);
}

void ConfigurationManager::set_screenCleanActive(int value)
{
    if (assignIfChanged(m_screenCleanActive, value))
        emit screenCleanActiveChanged(m_screenCleanActive);
}

void ConfigurationManager::set_screenCleanTimeout(int value)
{
    if (assignIfChanged(m_screenCleanTimeout, value))
        emit screenCleanTimeoutChanged(m_screenCleanTimeout);
}

void ConfigurationManager::set_timerColorStatus(bool value)
{
    if (assignIfChanged(m_timerColorStatus, value))
        emit timerColorStatusChanged(m_timerColorStatus);
}

void ConfigurationManager::set_advancedZoneOptionsEnable(bool value)
{
    if (assignIfChanged(m_advancedZoneOptionsEnable, value))
        emit advancedZoneOptionsEnableChanged(m_advancedZoneOptionsEnable);
}

void ConfigurationManager::set_networkSettingsUpdated(bool value)
{
    if (assignIfChanged(m_networkSettingsUpdated, value))
        emit networkSettingsUpdatedChanged(m_networkSettingsUpdated);
}

void ConfigurationManager::set_panMessagesEnable(bool value)
{
    if (assignIfChanged(m_panMessagesEnable, value))
        emit panMessagesEnableChanged(m_panMessagesEnable);
}

void ConfigurationManager::set_universalPanSoundEnable(bool value)
{
    if (assignIfChanged(m_universalPanSoundEnable, value))
        emit universalPanSoundEnableChanged(m_universalPanSoundEnable);
}

void ConfigurationManager::set_customerIdStr(const QString &value)
{
    if (refusesText("customerIdStr", value))
        return;
    if (assignIfChanged(m_customerIdStr, value))
        emit customerIdStrChanged(m_customerIdStr);
}

void ConfigurationManager::set_selectedCustomConfig(const QString &value)
{
    if (assignIfChanged(m_selectedCustomConfig, value))
        emit selectedCustomConfigChanged(m_selectedCustomConfig);
}

void ConfigurationManager::set_discardDurationEnabled(int value)
{
    if (assignIfChanged(m_discardDurationEnabled, value))
        emit discardDurationEnabledChanged(m_discardDurationEnabled);
}

void ConfigurationManager::set_discardSoundDuration(int value)
{
    if (assignIfChanged(m_discardSoundDuration, value))
        emit discardSoundDurationChanged(m_discardSoundDuration);
}

void ConfigurationManager::set_menuVersion(const QString &value)
{
    if (refusesText("menuVersion", value))
        return;
    if (assignIfChanged(m_menuVersion, value))
        emit menuVersionChanged(m_menuVersion);
}

void ConfigurationManager::set_menuDescription(const QString &value)
{
    if (refusesText("menuDescription", value))
        return;
    if (assignIfChanged(m_menuDescription, value))
        emit menuDescriptionChanged(m_menuDescription);
}

void ConfigurationManager::set_verticalFlip(bool value)
{
    if (assignIfChanged(m_verticalFlip, value))
        emit verticalFlipChanged(m_verticalFlip);
}
