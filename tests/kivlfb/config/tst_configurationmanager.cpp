#include "config/configurationmanager.h"
#include "core/kivdefs.h"

#include "canbus/canbusmanager.h"
#include "modbus/modbusfakeslave.h"
#include "modbus/modbusserialport.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "platform/kivclock.h"

#include "cantestnode.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "ptypair.h"
#include "scriptedslave.h"
#include "temproot.h"

#include <QAbstractTransition>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QMetaProperty>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// The cabinet facts the store reads from its parent, set by each test.
class FakeCabinet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int customerId MEMBER customerId)
    Q_PROPERTY(bool hasSecondaryDisplay MEMBER hasSecondaryDisplay)
    Q_PROPERTY(bool hasMirrorDisplay MEMBER hasMirrorDisplay)
    Q_PROPERTY(bool verticalFlip MEMBER verticalFlip)
    Q_PROPERTY(bool timerDecrementEnable MEMBER timerDecrementEnable)
    Q_PROPERTY(bool isIndividualDpSelectable MEMBER isIndividualDpSelectable)
    Q_PROPERTY(int cabinetConfiguration MEMBER cabinetConfiguration)
    Q_PROPERTY(bool powerSourceChoice MEMBER powerSourceChoice)
    Q_PROPERTY(int powerSource MEMBER powerSource)
    Q_PROPERTY(int maxCurrent MEMBER maxCurrent)
    Q_PROPERTY(int bottomHeaterResistance MEMBER bottomHeaterResistance)
    Q_PROPERTY(int topHeaterResistance MEMBER topHeaterResistance)
    Q_PROPERTY(int bottomTempOffset MEMBER bottomTempOffset)
    Q_PROPERTY(int topTempOffset MEMBER topTempOffset)

public:
    int customerId = KivDefs::CUSTOMER_ID_GM;
    bool hasSecondaryDisplay = false;
    bool hasMirrorDisplay = false;
    bool verticalFlip = false;
    bool timerDecrementEnable = false;
    bool isIndividualDpSelectable = true;
    int cabinetConfiguration = ConfigurationManager::KIV_CONF_2X4;
    bool powerSourceChoice = false;
    int powerSource = 208;
    int maxCurrent = 30;
    int bottomHeaterResistance = 40;
    int topHeaterResistance = 50;
    int bottomTempOffset = -3;
    int topTempOffset = 4;
    bool configured = true;

public slots:
    bool get_isConfigured() const { return configured; }

signals:
    void masterUiWasFound();
    void slaveUiFoundChanged(bool found);
};

QString md5(const char *digits)
{
    return QString::fromLatin1(QCryptographicHash::hash(digits, QCryptographicHash::Md5).toHex());
}

QStringList keysOf(const QByteArray &file)
{
    QStringList keys;
    for (const QByteArray &line : file.split('\n'))
        if (!line.isEmpty())
            keys << QString::fromUtf8(line.left(line.indexOf('=')));
    return keys;
}

QByteArray frame(const char *hex)
{
    return ScriptedSlave::withCrc(QByteArray::fromHex(hex));
}

// A value for every saved key that differs from its default and survives
// the setter's own rules.
QVariant nonDefaultValue(const QByteArray &key, const QVariant &current)
{
    static const QHash<QByteArray, QVariant> special = {
        {"iotType", QStringLiteral("GM_ORAAWS")},
        {"tempUnit", 1},
        {"ipAddress", QStringLiteral("192.168.7.20")},
        {"netmask", QStringLiteral("255.255.255.0")},
        {"gateway", QStringLiteral("192.168.7.1")},
        {"wifiIpAddr", QStringLiteral("10.0.0.9")},
        {"wifiNetmask", QStringLiteral("255.0.0.0")},
        {"wifiGateway", QStringLiteral("10.0.0.1")},
        {"wifiPassword", QStringLiteral("pa=ss==word=")},
        {"passwdL1", QStringLiteral("1234")},
        {"menuDescription", QStringLiteral("Frühstück, Mittag")},
    };
    if (special.contains(key))
        return special.value(key);
    switch (current.userType()) {
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::Int:
        return current.toInt() + 7;
    case QMetaType::UInt:
        return current.toUInt() + 8;
    default:
        return QString::fromLatin1(key) + QStringLiteral("-value");
    }
}

} // namespace

class TestConfigurationManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<FakeCabinet> m_cabinet;

    // A store for the cabinet of the test, with no line and no CAN.
    std::unique_ptr<ConfigurationManager> makeStore(bool primary = true,
                                                    QModbusMaster *master = nullptr,
                                                    CanbusManager *can = nullptr)
    {
        return std::make_unique<ConfigurationManager>(master, can, primary, 0, m_cabinet.get());
    }

    QByteArray configFile() const { return m_root->readFile("/root/config.txt"); }

private slots:
    void initTestCase()
    {
        qputenv("KIV_CAN", "virtual");
    }

    void init()
    {
        m_root = std::make_unique<TempRoot>();
        QVERIFY(m_root->isValid());
        QVERIFY(QDir().mkpath(m_root->filePath("/root")));
        qputenv("KIV_VCAN_DIR", m_root->filePath("/run/vcan/can0").toLocal8Bit());
        m_cabinet = std::make_unique<FakeCabinet>();
    }

    void cleanup()
    {
        m_cabinet.reset();
        m_root.reset();
        KivClock::useSystemClock();
    }

    // ------------------------------------------------------------------
    // "config.txt"

    // The file of a fresh store pins the format: the keys in their order,
    // booleans as 0/1, empty addresses as nothing, the level-1 code as held.
    void defaultsAreSavedAsTheFileFormat()
    {
        auto store = makeStore();
        store->saveConfigFile();
        const QByteArray expected =
            "ioBoardFirmwareVersion0=?.?.?\nioBoardFirmwareVersion1=?.?.?\n"
            "ioBoardFirmwareVersion2=?.?.?\nioBoardFirmwareVersion3=?.?.?\n"
            "ioBoardFirmwareVersion4=?.?.?\ncabinetConfiguration=-1\nscreenOrientation=0\n"
            "useFirstEnabled=1\nsplitViewEnabled=0\ngroupDotsEnabled=1\nprodNameLength=8\n"
            "usbPath=/media/\nlocalPath=/root/fwupdate/\nlabelFontSize=24\nindividualDPEnabled=0\n"
            "passwdL1=d6428eecbe0f7dff83fc607c5044b2b9\nlanguageId=eng_USA\ndemoModeFlag=0\n"
            "staticIPEnabled=1\ntempUnit=0\nipAddress=\nnetmask=\ngateway=\nwifiStaticIp=0\n"
            "wifiIpAddr=\nwifiNetmask=\nwifiGateway=\nmacAddress=\nwifiEnabled=1\nethEnabled=0\n"
            "productsEditEnabled=0\ntimeFormatAMPM=1\ndstEnabled=1\nntpOn=1\ntimeZoneIndex=0\n"
            "networkMode=1\nwifiSSID=\nwifiPassword=\nwifiSSIDRestore=\nwifiPasswordRestore=\n"
            "wifiIdentity=\nwpaEnabled=0\nstoreNumber=N.A.\nproductsHashCode=\nsoundLevel=100\n"
            "powerSource=240\ncabinetIndex=0\ncabinetNameIndex=0\nmenuBarColor=#003673\n"
            "productsHashCodeTs=\nimportedMenu=\nperformanceDataInterval=120\nfirmwareVersion=\n"
            "iotType=DEZ_ORAAWS\nproductDiscardFlash=0\nusedLanguages=7\necoShelfHeatMode=0\n"
            "ecoShelfHeatTemp=125\necoActivateMode=0\necoActivateTimeout=60\nscreenCleanActive=0\n"
            "screenCleanTimeout=30\ntimerColorStatus=0\nadvancedZoneOptionsEnable=1\n"
            "panMessagesEnable=1\nuniversalPanSoundEnable=0\ndiscardDurationEnabled=1\n"
            "discardSoundDuration=10\nmenuVersion=\nmenuDescription=\nverticalFlip=0\n";
        QCOMPARE(configFile(), expected);
        QCOMPARE(keysOf(expected).size(), 71);
        QVERIFY(!QFile::exists(m_root->filePath("/root/config.txt.New")));
    }

    // Every saved value comes back through a file, a password with "=" in
    // it included.
    void everySavedValueRoundTrips()
    {
        auto writer = makeStore();
        QHash<QByteArray, QVariant> written;
        for (const QByteArray &key : ConfigurationManager::configFileKeys()) {
            const QVariant value = nonDefaultValue(key, writer->property(key.constData()));
            QVERIFY2(writer->setProperty(key.constData(), value), key.constData());
            written.insert(key, writer->property(key.constData()));
            QVERIFY2(written.value(key) != makeStore()->property(key.constData()), key.constData());
        }
        writer->saveConfigFile();

        auto reader = makeStore();
        QSignalSpy read(reader.get(), SIGNAL(configFileRead()));
        reader->readConfigFile();
        QCOMPARE(read.size(), 1);
        for (const QByteArray &key : ConfigurationManager::configFileKeys())
            QVERIFY2(reader->property(key.constData()) == written.value(key), key.constData());
        QCOMPARE(reader->get_wifiPassword(), QStringLiteral("pa=ss==word="));
    }

    // No text setting of either key=value file takes a line break or any
    // other control character: each is refused with a log line and the
    // setting keeps its value, so both files keep their lines.
    void controlCharactersNeverReachAFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("line feed and a setting") << QStringLiteral("Store 12\npasswdL1=1111");
        QTest::newRow("carriage return") << QStringLiteral("Store 12\rpasswdL1=1111");
        QTest::newRow("zero") << QStringLiteral("Store") + QChar(0) + QStringLiteral(" 12");
        QTest::newRow("tab") << QStringLiteral("Store\t12");
        QTest::newRow("next line") << QStringLiteral("Store") + QChar(0x85) + QStringLiteral("passwdL1=1111");
    }

    void controlCharactersNeverReachAFile()
    {
        QFETCH(QString, text);
        auto store = makeStore();
        QList<QByteArray> keys = ConfigurationManager::configFileKeys();
        keys << "serialNumber" << "modelNumber" << "uuidNumber" << "customerIdStr";
        for (const QByteArray &key : qAsConst(keys)) {
            const QVariant before = store->property(key.constData());
            if (before.userType() != QMetaType::QString)
                continue;
            MessageCatcher log;
            store->setProperty(key.constData(), text);
            QVERIFY2(store->property(key.constData()) == before, key.constData());
            QCOMPARE(log.warnings(), QStringList(QStringLiteral("Setting %1 refused: its text holds a line break "
                                                                "or another control character").arg(QString::fromLatin1(key))));
        }
        store->saveConfigFile();
        store->saveCabinetSerialModelNumbers();
        QStringList configKeys;
        for (const QByteArray &key : ConfigurationManager::configFileKeys())
            configKeys << QString::fromLatin1(key);
        QCOMPARE(keysOf(configFile()), configKeys);
        QCOMPARE(keysOf(m_root->readFile("/root/serialModelNums.txt")),
                 QStringList({"serialNumber", "modelNumber", "uuidNumber", "customerIdStr"}));

        // A good text is still taken.
        store->set_storeNumber(QStringLiteral("Store 12"));
        QCOMPARE(store->get_storeNumber(), QStringLiteral("Store 12"));
    }

    // Bad lines are logged and skipped; the good ones around them apply.
    void readingSkipsWhatItCannotApply()
    {
        m_root->writeFile("/root/config.txt",
                          "soundLevel=55\n"
                          "noSuchSetting=1\n"
                          "prodNameLength=twelve\n"
                          "just a line\n"
                          "iotType=SOMETHING_ELSE\n"
                          "wifiPassword=a=b\n"
                          "serialNumber=SN-0042\n"
                          "labelFontSize=30\n");
        auto store = makeStore();
        store->set_iotType(QStringLiteral("GM_ORAAWS"));
        QSignalSpy serial(store.get(), SIGNAL(serialNumberChanged(QString)));
        store->readConfigFile();

        QCOMPARE(store->get_soundLevel(), 55);
        QCOMPARE(store->get_prodNameLength(), 8);
        QCOMPARE(store->get_iotType(), QStringLiteral("DEZ_ORAAWS"));
        QCOMPARE(store->get_wifiPassword(), QStringLiteral("a=b"));
        QCOMPARE(store->get_labelFontSize(), 30);
        // A key the save never writes still runs its setter's side effects.
        QCOMPARE(serial.size(), 1);
        QCOMPARE(store->value("sysInfo/serialNumber").toString(), QStringLiteral("SN-0042"));
        QVERIFY(!store->dynamicPropertyNames().contains("noSuchSetting"));
    }

    void readingLogsBadKeys()
    {
        // The catcher sees warnings; the store logs at debug level, so the
        // log lines are taken from a handler of our own.
        static QStringList lines;
        lines.clear();
        QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &msg) { lines << msg; });
        m_root->writeFile("/root/config.txt", "noSuchSetting=1\nprodNameLength=twelve\n");
        auto store = makeStore();
        store->readConfigFile();
        QFile::remove(m_root->filePath("/root/config.txt"));
        QSignalSpy read(store.get(), SIGNAL(configFileRead()));
        store->readConfigFile();
        qInstallMessageHandler(previous);

        QVERIFY(lines.contains("Unable to set KIV config property: noSuchSetting"));
        QVERIFY(lines.contains("Unable to set KIV config property: prodNameLength"));
        QVERIFY(lines.contains("Unable to Open File !!! config.txt"));
        QCOMPARE(read.size(), 0);
    }

    void unconfiguredCabinetLeavesTheFileAlone()
    {
        const QByteArray old = "soundLevel=12\n";
        m_root->writeFile("/root/config.txt", old);
        m_cabinet->configured = false;
        auto store = makeStore();
        store->set_soundLevel(80);
        store->saveConfigFile();
        QCOMPARE(configFile(), old);
        QVERIFY(!QFile::exists(m_root->filePath("/root/config.txt.New")));
    }

    // Saving the same content again does not touch the file: the rename
    // that replaces it would give it a new inode.
    void unchangedContentIsNotRewritten()
    {
        auto store = makeStore();
        store->saveConfigFile();
        struct stat first {};
        QCOMPARE(::stat(QFile::encodeName(m_root->filePath("/root/config.txt")).constData(), &first), 0);
        store->saveConfigFile();
        struct stat second {};
        QCOMPARE(::stat(QFile::encodeName(m_root->filePath("/root/config.txt")).constData(), &second), 0);
        QCOMPARE(second.st_ino, first.st_ino);

        store->set_soundLevel(42);
        store->saveConfigFile();
        QVERIFY(configFile().contains("\nsoundLevel=42\n"));
    }

    // A store killed at any moment while it saves leaves a complete file:
    // the one before or the one after, never a torn one.
    void killedWhileSavingLeavesACompleteFile()
    {
        const QString program = QCoreApplication::applicationFilePath();
        // Each save starts "/bin/sync": a harmless stand-in keeps the loop
        // from flushing this machine's disks thousands of times.
        QVERIFY(QDir().mkpath(m_root->filePath("/bin")));
        QVERIFY(QFile::link(QStringLiteral("/bin/true"), m_root->filePath("/bin/sync")));
        QStringList complete;
        for (const char *password : {"first-password", "second-password"}) {
            auto store = makeStore();
            store->set_wifiPassword(QString::fromLatin1(password).repeated(40));
            store->saveConfigFile();
            complete << QString::fromUtf8(configFile());
        }
        QVERIFY(complete.at(0) != complete.at(1));

        for (int round = 0; round < 20; ++round) {
            QProcess saver;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("KIV_ROOT"), m_root->path());
            env.insert(QStringLiteral("KIV_CONFIG_SAVE_LOOP"), QStringLiteral("1"));
            saver.setProcessEnvironment(env);
            saver.start(program, QStringList());
            QVERIFY(saver.waitForReadyRead(5000)); // the loop has begun
            QTest::qWait(int(QRandomGenerator::global()->bounded(5, 40)));
            saver.kill();
            QVERIFY(saver.waitForFinished(5000));
            const QString onDisk = QString::fromUtf8(configFile());
            QVERIFY2(complete.contains(onDisk), qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }

    // ------------------------------------------------------------------
    // Defaults and setters

    void customerDefaults_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<bool>("secondary");
        QTest::addColumn<bool>("decrement");
        QTest::addColumn<QString>("iotType");
        QTest::addColumn<uint>("usedLanguages");
        QTest::addColumn<int>("ecoActivateMode");
        QTest::addColumn<bool>("individualDP");
        QTest::addColumn<bool>("timerColor");
        QTest::addColumn<bool>("advancedZone");
        QTest::addColumn<QStringList>("codes");

        const QStringList standard = {md5("9157"), md5("527184"), md5("306749"), md5("841926")};
        const QStringList zuz = {md5("8603"), md5("527184"), md5("306749"), md5("841926")};
        const QStringList digits = {"9157", "527184", "306749", "841926"};
        const QString aws = QStringLiteral("DEZ_ORAAWS");
        using K = KivDefs;
        QTest::newRow("GM") << int(K::CUSTOMER_ID_GM) << false << false << aws << 7u << 0 << false << false << true << standard;
        QTest::newRow("ZuZ, timers count down") << int(K::CUSTOMER_ID_ZuZ) << false << true << aws << 7u << 0 << false << true << true << zuz;
        QTest::newRow("ZuZ, timers do not") << int(K::CUSTOMER_ID_ZuZ) << false << false << aws << 7u << 0 << false << false << false << zuz;
        QTest::newRow("RIVEV") << int(K::CUSTOMER_ID_RIVEV) << false << false << aws << 7u << 1 << false << false << true << standard;
        QTest::newRow("DEZ, one display") << int(K::CUSTOMER_ID_DEZ) << false << false << "DEZ_RIOT" << 7u << 0 << false << false << true << digits;
        QTest::newRow("DEZ, two displays") << int(K::CUSTOMER_ID_DEZ) << true << false << "DEZ_RIOT" << 7u << 0 << true << false << true << digits;
        QTest::newRow("X") << int(K::CUSTOMER_ID_X) << true << true << aws << 7u << 0 << false << false << true << standard;
        QTest::newRow("VADEV") << int(K::CUSTOMER_ID_VADEV) << false << false << aws << 3u << 0 << false << false << true << standard;
    }

    void customerDefaults()
    {
        QFETCH(int, customer);
        QFETCH(bool, secondary);
        QFETCH(bool, decrement);
        QFETCH(QStringList, codes);
        m_cabinet->customerId = customer;
        m_cabinet->hasSecondaryDisplay = secondary;
        m_cabinet->timerDecrementEnable = decrement;
        m_cabinet->verticalFlip = true;
        auto store = makeStore();
        QTEST(store->get_iotType(), "iotType");
        QTEST(store->get_usedLanguages(), "usedLanguages");
        QTEST(store->get_ecoActivateMode(), "ecoActivateMode");
        QTEST(store->get_individualDPEnabled(), "individualDP");
        QTEST(store->get_timerColorStatus(), "timerColor");
        QTEST(store->get_advancedZoneOptionsEnable(), "advancedZone");
        QCOMPARE((QStringList{store->get_passwdL1(), store->get_passwdL2(), store->get_passwdL3(),
                              store->get_passwdL4()}),
                 codes);
        QVERIFY(store->get_verticalFlip());

        // A changed manager's PIN goes back to this customer's default,
        // saved and reported.
        store->set_passwdL1(store->encryptString(QStringLiteral("1111")));
        QSignalSpy changed(store.get(), SIGNAL(passcodeChanged(QString)));
        store->resetPasswdL1();
        QCOMPARE(store->get_passwdL1(), codes.first());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), codes.first());
        QVERIFY(configFile().contains("\npasswdL1=" + codes.first().toUtf8() + "\n"));
    }

    void settersFollowTheirRules()
    {
        auto store = makeStore();

        QSignalSpy unit(store.get(), SIGNAL(tempUnitChanged(int)));
        store->set_tempUnit(5);
        QCOMPARE(store->get_tempUnit(), 1);
        QCOMPARE(unit.takeFirst().at(0).toInt(), 5);
        store->set_tempUnit(1);
        QCOMPARE(unit.size(), 0);

        QSignalSpy store_(store.get(), SIGNAL(storeNumberChanged(QString,QString)));
        store->set_storeNumber(QStringLiteral("0815"));
        store->set_storeNumber(QStringLiteral("0815"));
        QCOMPARE(store_.size(), 1);
        QCOMPARE(store_.first(), (QList<QVariant>{QStringLiteral("0815"), QStringLiteral("N.A.")}));

        QSignalSpy code(store.get(), SIGNAL(passwdL1Changed(QString)));
        const QString first = store->get_passwdL1();
        store->set_passwdL1(QStringLiteral("x"));
        store->set_passwdL1(QStringLiteral("x"));
        QCOMPARE(code.size(), 2);
        QCOMPARE(store->get_prevPasswdL1(), QStringLiteral("x"));
        store->set_passwdL1(first);
        QCOMPARE(store->get_prevPasswdL1(), QStringLiteral("x"));

        store->set_languageId(QStringLiteral("spa"));
        store->set_languageId(QStringLiteral("spa"));
        QCOMPARE(store->get_prevLanguageId(), QStringLiteral("eng_USA"));

        QSignalSpy always(store.get(), SIGNAL(labelFontSizeChanged(int)));
        store->set_labelFontSize(24);
        QCOMPARE(always.size(), 1);

        QSignalSpy rotated(store.get(), SIGNAL(screenOrientationChanged(bool)));
        store->set_screenOrientation(2);
        store->set_screenOrientation(0);
        QCOMPARE(rotated.size(), 2);
        QCOMPARE(rotated.at(0).at(0).toBool(), true);
        QCOMPARE(rotated.at(1).at(0).toBool(), false);

        QSignalSpy iot(store.get(), SIGNAL(iotTypeChanged(QString)));
        store->set_iotType(QStringLiteral("GM_ORAAWS"));
        store->set_iotType(QStringLiteral("cloud9"));
        QCOMPARE(store->get_iotType(), QStringLiteral("DEZ_ORAAWS"));
        QCOMPARE(iot.size(), 2);

        QSignalSpy on(store.get(), SIGNAL(demoModeEnabled()));
        QSignalSpy off(store.get(), SIGNAL(demoModeDisabled()));
        store->set_demoModeFlag(true);
        store->set_demoModeFlag(true);
        store->set_demoModeFlag(false);
        QCOMPARE(on.size(), 1);
        QCOMPARE(off.size(), 1);

        QSignalSpy address(store.get(), SIGNAL(ipAddressChanged(QString)));
        store->set_ipAddress(QStringLiteral("10.1.2.3"));
        store->set_ipAddress(QStringLiteral("10.1.2.3"));
        QCOMPARE(address.size(), 1);
        QCOMPARE(store->get_ipAddress(), QStringLiteral("10.1.2.3"));
        store->set_ipAddress(QStringLiteral("not an address"));
        QCOMPARE(store->get_ipAddress(), QString());
    }

    void individualDayPartsNeedASelectableCabinet()
    {
        m_cabinet->isIndividualDpSelectable = false;
        auto store = makeStore();
        QSignalSpy changed(store.get(), SIGNAL(individualDPEnabledChanged(bool)));
        store->set_individualDPEnabled(true);
        QVERIFY(!store->get_individualDPEnabled());
        QCOMPARE(changed.size(), 0);

        m_cabinet->isIndividualDpSelectable = true;
        store->set_individualDPEnabled(false);
        QCOMPARE(changed.size(), 1);
    }

    void discardFlashIsOffForOneCustomer()
    {
        m_cabinet->customerId = KivDefs::CUSTOMER_ID_DEZ;
        auto store = makeStore();
        store->set_productDiscardFlash(true);
        QVERIFY(!store->get_productDiscardFlash());
        store->saveConfigFile();
        QVERIFY(configFile().contains("\nproductDiscardFlash=0\n"));
        m_cabinet->customerId = KivDefs::CUSTOMER_ID_GM;
        QVERIFY(store->get_productDiscardFlash());
    }

    void cabinetNames()
    {
        auto store = makeStore();
        store->setCabinetNameIndex(1);
        QCOMPARE(store->getCabinetName(), QStringLiteral("Point-of-Use Cabinet #1"));
        store->setCabinetIndex(2);
        store->setCabinetNameIndex(0);
        QCOMPARE(store->getCabinetName(), QStringLiteral("Reserve Cabinet #3"));
        store->setCabinetNameIndex(5);
        store->setCabinetName(QStringLiteral("Front"));
        QCOMPARE(store->getCabinetName(), QStringLiteral("Name Not Set"));
    }

    // ------------------------------------------------------------------
    // Menu import

    void menuConfigurationBlockIsApplied()
    {
        auto store = makeStore();
        ConfigurationTag block;
        block.language = ConfigurationTag::LanguageFrench;
        block.useFirst = 0;
        block.groupDots = 0;
        block.splitView = 1;
        block.individualDayParts = 9;
        block.labelFontSize = 30;
        for (int i = 0; i < ConfigurationTag::HashSize; ++i)
            block.productsHash[i] = quint8(0xA0 + i);
        QSignalSpy send(store.get(), SIGNAL(sendConfigurationFileViaCanbus(QString,int)));
        QSignalSpy imported(store.get(), SIGNAL(newConfigImported()));
        store->processTavolenConfigData(block);

        QCOMPARE(store->get_languageId(), QStringLiteral("fra"));
        QVERIFY(!store->get_useFirstEnabled());
        QVERIFY(!store->get_groupDotsEnabled());
        QVERIFY(store->get_splitViewEnabled());
        QVERIFY(store->get_individualDPEnabled());
        QCOMPARE(store->get_labelFontSize(), 30);
        QCOMPARE(store->get_productsHashCode(), QStringLiteral("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf"));
        QVERIFY(configFile().contains("\nlanguageId=fra\n"));
        QCOMPARE(imported.size(), 1);
        QCOMPARE(send.size(), 1);
        QCOMPARE(send.first().at(0).toString(), m_root->filePath("/root/config.txt"));
        QCOMPARE(send.first().at(1).toInt(), 12);
    }

    void importedMenuAndHashTimeStamp()
    {
        auto store = makeStore();
        store->processImportedMenu("menu-a", "3", "Lunch");
        QVERIFY(configFile().contains("\nimportedMenu=menu-a\n"));
        QVERIFY(configFile().contains("\nmenuVersion=3\nmenuDescription=Lunch\n"));
        store->processImportedMenu("menu-a", "4", "Dinner");
        QCOMPARE(store->get_menuVersion(), QStringLiteral("3"));

        KivClock::freezeAt(1700000000123);
        store->saveProductsHashCodeTs(QStringLiteral("ignored"));
        QCOMPARE(store->get_productsHashCodeTs(), QStringLiteral("1700000000"));
        QVERIFY(configFile().contains("\nproductsHashCodeTs=1700000000\n"));
    }

    // ------------------------------------------------------------------
    // Access codes, colours, languages, time zones

    void codesAndColours()
    {
        auto store = makeStore();
        QCOMPARE(store->encryptString(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
        QCOMPARE(store->encryptString(QStringLiteral("9157")), md5("9157"));
        QCOMPARE(store->colorFromHsv(0, 1, 1), QStringLiteral("#ff0000"));
        QCOMPARE(store->colorGetHueF(QStringLiteral("#808080")), -1.0);
        QCOMPARE(store->colorGetSatF(QStringLiteral("#ff0000")), 1.0);
        QCOMPARE(store->colorGetLumF(QStringLiteral("#000000")), 0.0);
        const QString menuBar = QStringLiteral("#003673");
        QCOMPARE(store->colorFromHsv(store->colorGetHueF(menuBar), store->colorGetSatF(menuBar),
                                     store->colorGetLumF(menuBar)),
                 menuBar);
    }

    void nextLanguage_data()
    {
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        QTest::newRow("none offered") << 0u << 4 << 4;
        QTest::newRow("wraps to 0") << 7u << 2 << 0;
        QTest::newRow("next in mask") << 7u << 0 << 1;
        QTest::newRow("skips gaps") << ((1u << 3) | (1u << 14)) << 3 << 14;
        QTest::newRow("after 14 comes 0") << ((1u << 0) | (1u << 14)) << 14 << 0;
        QTest::newRow("only itself") << (1u << 6) << 6 << 6;
        QTest::newRow("no language yet") << 6u << -1 << 1;
    }

    void nextLanguage()
    {
        QFETCH(uint, mask);
        QFETCH(int, from);
        auto store = makeStore();
        store->set_usedLanguages(mask);
        QTEST(store->getNextLanguageId(from), "next");
    }

    void languageMaskBits()
    {
        auto store = makeStore();
        QSignalSpy changed(store.get(), SIGNAL(usedLanguagesChanged(uint)));
        store->setLanguageIsUsed(9, true);
        store->setLanguageIsUsed(1, false);
        QCOMPARE(store->get_usedLanguages(), (1u << 9) | 5u);
        QVERIFY(store->getIsLanguageUsed(9));
        QVERIFY(!store->getIsLanguageUsed(1));
        QVERIFY(!store->getIsLanguageUsed(40));
        store->setLanguageIsUsed(40, true);
        QCOMPARE(changed.size(), 0);
    }

    void timeZones()
    {
        auto store = makeStore();
        QStandardItemModel *model = store->get_timeZonesModel();
        QCOMPARE(model->rowCount(), 34);
        QCOMPARE(model->roleNames().value(257), QByteArray("timeZoneId"));
        QCOMPARE(model->roleNames().value(258), QByteArray("name"));
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model->index(3, 0).data(257).toString(), QStringLiteral("UTC-09:00"));
        QCOMPARE(store->getTimeZoneName(3), QStringLiteral("UTC-9:00"));
        QCOMPARE(store->getTimeZoneName(14), QStringLiteral("UTC"));
        QCOMPARE(store->getTimeZoneName(23), QStringLiteral("UTC+5:45"));
        QCOMPARE(store->getTimeZoneName(30), QStringLiteral("UTC+10:00"));
        QCOMPARE(store->getTimeZoneName(34), QString());
        QCOMPARE(store->getTimeZoneName(-1), QString());
        QCOMPARE(store->getCurrentTimeZoneId(), QStringLiteral("UTC-12:00"));
        store->set_timeZoneIndex(33);
        QCOMPARE(store->getCurrentTimeZoneId(), QStringLiteral("UTC+13:00"));
        store->set_timeZoneIndex(34);
        QCOMPARE(store->getCurrentTimeZoneId(), QString());
    }

    // ------------------------------------------------------------------
    // Identity, IoT and update files

    void missingIdentityFileIsCreated()
    {
        auto store = makeStore();
        QSignalSpy dialog(store.get(), SIGNAL(showSerialModelNumbersDialog()));
        store->loadCabinetSerialModelNumbers();
        QCOMPARE(dialog.size(), 1);
        const QString uuid = store->get_uuidNumber();
        QCOMPARE(uuid.size(), 36);
        QVERIFY(!QUuid::fromString(uuid).isNull());
        QCOMPARE(m_root->readFile("/root/serialModelNums.txt"),
                 "serialNumber=\nmodelNumber=\nuuidNumber=" + uuid.toLatin1() + "\ncustomerIdStr=\n");

        // The next start reads the same identity back.
        auto again = makeStore();
        QSignalSpy againDialog(again.get(), SIGNAL(showSerialModelNumbersDialog()));
        again->loadCabinetSerialModelNumbers();
        QCOMPARE(again->get_uuidNumber(), uuid);
        QCOMPARE(againDialog.size(), 0);
    }

    void iotIdentityDrop()
    {
        const QByteArray existing = "serialNumber=OLD\nmodelNumber=M1\nuuidNumber=u\ncustomerIdStr=c\n";
        const QByteArray dropped = "serialNumber=NEW\nmodelNumber=M2\nuuidNumber=u\ncustomerIdStr=c\n";
        m_root->writeFile("/root/serialModelNums.txt", existing);
        m_root->writeFile("/root/kiv_iot/YourCert/serialModelNums.txt", dropped);
        const QString droppedPath = m_root->filePath("/root/kiv_iot/YourCert/serialModelNums.txt");
        const QString existingPath = m_root->filePath("/root/serialModelNums.txt");
        auto setTime = [](const QString &path, const QDateTime &time) {
            QFile f(path);
            return f.open(QIODevice::ReadWrite) && f.setFileTime(time, QFileDevice::FileModificationTime);
        };
        const QDateTime now = QDateTime::currentDateTime();

        auto store = makeStore();
        store->loadCabinetSerialModelNumbers();
        QSignalSpy dialog(store.get(), SIGNAL(invokeSimpleDialog(QString,bool)));

        // An older drop is ignored.
        QVERIFY(setTime(droppedPath, now.addDays(-2)));
        QVERIFY(setTime(existingPath, now.addDays(-1)));
        store->processIotSerialModelNumber(m_root->filePath("/root/kiv_iot/"));
        QCOMPARE(m_root->readFile("/root/serialModelNums.txt"), existing);
        QCOMPARE(store->get_serialNumber(), QStringLiteral("OLD"));
        QCOMPARE(dialog.size(), 0);

        // A newer one replaces the identity.
        QVERIFY(setTime(droppedPath, now));
        QSignalSpy hide(store.get(), SIGNAL(hideSerialModelNumbersDialog()));
        store->processIotSerialModelNumber(m_root->filePath("/root/kiv_iot"));
        QCOMPARE(m_root->readFile("/root/serialModelNums.txt"), dropped);
        QCOMPARE(store->get_serialNumber(), QStringLiteral("NEW"));
        QCOMPARE(store->get_modelNumber(), QStringLiteral("M2"));
        QCOMPARE(hide.size(), 1);
        QCOMPARE(dialog.size(), 1);
        QCOMPARE(dialog.first().at(0).toString(),
                 QStringLiteral("Serial & Model Numbers configured. \n\nSerial#: NEW\nModel#: M2"));
        QCOMPARE(dialog.first().at(1).toBool(), true);
    }

    void iotConfigurationFile()
    {
        m_root->writeFile("/root/iotConfig", "iotSoftwareVersion=2.4.1\nriotSdkVersion=9.9\n");
        m_root->writeFile("/root/iotConfig_riot", "iotSoftwareVersion=7.0.0\nriotSdkVersion=1.2=3\nother=x\n");
        auto store = makeStore();
        store->readIotConfigFile();
        QCOMPARE(store->get_iotSoftwareVersion(), QStringLiteral("2.4.1"));
        QCOMPARE(store->get_iotSdkVersion(), QStringLiteral("9.9"));

        store->set_iotType(QStringLiteral("DEZ_RIOT"));
        store->readIotConfigFile();
        QCOMPARE(store->get_iotSoftwareVersion(), QStringLiteral("7.0.0"));
        QCOMPARE(store->get_iotSdkVersion(), QStringLiteral("1.2=3"));

        QFile::remove(m_root->filePath("/root/iotConfig"));
        auto fresh = makeStore();
        fresh->readIotConfigFile();
        QCOMPARE(fresh->get_iotSoftwareVersion(), QStringLiteral("?.?.?"));
        QCOMPARE(fresh->get_iotSdkVersion(), QStringLiteral("?.?.?"));
    }

    void firmwareUpdateReport_data()
    {
        QTest::addColumn<QString>("iotType");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<bool>("reported");
        QTest::newRow("same version") << "DEZ_ORAAWS" << "QZ-7318" << true << false;
        QTest::newRow("new version") << "DEZ_ORAAWS" << "QZ-7000" << false << true;
        QTest::newRow("riot, marker, same version") << "DEZ_RIOT" << "QZ-7318" << true << true;
        QTest::newRow("riot, no marker, new version") << "DEZ_RIOT" << "QZ-7000" << false << false;
    }

    void firmwareUpdateReport()
    {
        QFETCH(QString, iotType);
        QFETCH(QString, stored);
        QFETCH(bool, marker);
        QFETCH(bool, reported);
        if (marker)
            m_root->writeFile("/root/updates/firmwareUpdateInfo.txt", "offer");
        KivClock::freezeAt(1600000000999);
        auto store = makeStore();
        store->set_iotType(iotType);
        store->set_firmwareVersion(stored);
        QSignalSpy done(store.get(), SIGNAL(notifyFirmwareUpdateDone(QString,QString,QString,int,bool)));
        store->checkFirmwareUpdateDone();
        QCOMPARE(done.size(), reported ? 1 : 0);
        if (reported)
            QCOMPARE(done.first(), (QList<QVariant>{QStringLiteral("1600000000"), QStringLiteral("QZ-7318"),
                                                    stored, 0, true}));
        QCOMPARE(store->get_firmwareVersion(), QStringLiteral("QZ-7318"));
        QVERIFY(configFile().contains("\nfirmwareVersion=QZ-7318\n"));
    }

    void splashImageIsMovedIntoPlace()
    {
        QVERIFY(m_root->addFakeTool("/bin/mv"));
        QVERIFY(m_root->addFakeTool("/usr/sbin/fw_setenv"));
        QVERIFY(m_root->addFakeTool("/bin/sync"));
        m_root->writeFile("/root/splash-screen", "image");
        auto store = makeStore();
        QCOMPARE(m_root->fakeToolCalls("/bin/mv"),
                 (QStringList{m_root->filePath("/root/splash-screen"),
                              m_root->filePath("/usr/share/images/"), "--"}));
        // The empty second argument clears the boot loader's variable.
        QCOMPARE(m_root->readFile("/usr/sbin/fw_setenv.calls"), QByteArray("uboot_splash\n\n--\n"));
        QCOMPARE(m_root->fakeToolCalls("/bin/sync"), QStringList{"--"});
    }

    // ------------------------------------------------------------------
    // Sharing with the other displays

    void firmwareTextGoesToTheOtherDisplays()
    {
        m_cabinet->hasMirrorDisplay = true;
        CanTestNode sender(1), receiver(2);
        QSignalSpy got(receiver.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        auto store = makeStore(true, nullptr, sender.manager());
        store->set_ioBoardFirmwareVersion2(QStringLiteral("1.2.3"));
        store->set_readerFirmwareVersion2(QStringLiteral("4.5.6"));
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_FW_INFO));
        QCOMPARE(got.first().at(1).toByteArray(),
                 QByteArray("?.?.?\n?.?.?\n1.2.3\n?.?.?\n?.?.?\n0.0.0\n4.5.6\n?.?.?\n"));

        store->set_storeNumber(QStringLiteral("77"));
        QTRY_COMPARE(got.size(), 2);
        QCOMPARE(got.at(1).at(0).toInt(), int(CanbusManager::KIV_MULTI_STORE_NUMBER_INFO));
        QCOMPARE(got.at(1).at(1).toByteArray(), QByteArray("77"));

        store->set_serialNumber(QStringLiteral("S1"));
        QTRY_COMPARE(got.size(), 3);
        QCOMPARE(got.at(2).at(0).toInt(), int(CanbusManager::KIV_MULTI_SERIAL_MODEL_INFO));
        QCOMPARE(got.at(2).at(1).toByteArray(), QByteArray("S1\n\n"));
    }

    // The store wires itself by name; a misspelt signal or slot would only
    // show as a warning.
    void wiringByNameIsSound()
    {
        m_cabinet->hasSecondaryDisplay = true;
        MessageCatcher catcher;
        makeStore(true);
        makeStore(false);
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
    }

    void otherDisplayAnnouncesItsVersionOnce()
    {
        CanTestNode sender(2), receiver(1);
        QSignalSpy got(receiver.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy queued(sender.manager(), SIGNAL(canRequestEnqueued()));
        auto store = makeStore(false, nullptr, sender.manager());
        emit m_cabinet->masterUiWasFound();
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_UI_FW_INFO));
        QCOMPARE(got.first().at(1).toByteArray(), QByteArray("QZ-7318"));
        emit m_cabinet->masterUiWasFound();
        QCoreApplication::processEvents();
        QCOMPARE(queued.size(), 1);
    }

    // ------------------------------------------------------------------
    // The I/O board set-up machine

    void machineConfiguresABoardOnTheLine_data()
    {
        QTest::addColumn<int>("fault"); // the request whose first reply is garbled, -1 none
        QTest::addColumn<QByteArray>("garbled");
        QTest::newRow("good board") << -1 << QByteArray();
        QTest::newRow("bad CRC on the presence read") << 0 << QByteArray("bad crc");
        QTest::newRow("exception to the layout write") << 1 << QByteArray("exception");
        QTest::newRow("another slave answers the version read") << 2 << QByteArray("other slave");
    }

    void machineConfiguresABoardOnTheLine()
    {
        QFETCH(int, fault);
        QFETCH(QByteArray, garbled);
        PtyPair pty;
        QVERIFY(pty.open());
        ScriptedSlave slave(&pty);
        QVector<quint16> registers(131, 0);
        registers[64] = 0xAB01; // the high byte is not part of the version
        registers[65] = 0x0203;
        registers[67] = 0x0A0B;
        const auto good = ScriptedSlave::holdingRegisters(1, &registers);
        int served = 0;
        slave.setResponder([&](const QByteArray &request) {
            if (served++ != fault)
                return good(request);
            // The garbled reply goes out as it is, in place of an answer.
            QByteArray reply;
            if (garbled == "bad crc") {
                reply = ScriptedSlave::withCrc(good(request));
                reply[reply.size() - 1] = char(~quint8(reply.back()));
            } else if (garbled == "exception") {
                reply = ScriptedSlave::withCrc(QByteArray::fromHex("018602"));
            } else {
                reply = ScriptedSlave::withCrc(QByteArray::fromHex("0203020000"));
            }
            pty.write(reply);
            return QByteArray();
        });
        qputenv("KIV_SERIAL_PORT", pty.devicePath().toLocal8Bit());
        std::unique_ptr<QSerialPort> port(ModbusSerialPort::create());
        QVERIFY(ModbusSerialPort::open(port.get()));
        qunsetenv("KIV_SERIAL_PORT");
        QModbusMaster master(port.get());
        master.start();

        auto store = makeStore(true, &master);
        store->start();
        QTRY_COMPARE(activeStateNames(*store), (QStringList{"configured", "enabled"}));
        QVERIFY(store->get_systemConfigured());
        QCOMPARE(store->get_cabinetConfiguration(), int(ConfigurationManager::KIV_CONF_2X4));
        QCOMPARE(store->get_ioBoardFirmwareVersion0(), QStringLiteral("1.2.3"));
        QCOMPARE(store->get_ioBoardFirmwareVersion1(), QStringLiteral("0.10.11"));
        QVERIFY(configFile().startsWith("ioBoardFirmwareVersion0=1.2.3\nioBoardFirmwareVersion1=0.10.11\n"));
        QVERIFY(configFile().contains("\ncabinetConfiguration=2\n"));

        // Presence read, layout write, version read, then the power values:
        // the cabinet's 208 V, and the five power-control registers. A
        // garbled reply is asked again.
        QTRY_COMPARE(slave.requests().size(), 5 + (fault >= 0 ? 1 : 0));
        QList<QByteArray> expected = {
            frame("010300000001"), frame("010600010002"), frame("01030040000a"),
            frame("010600650" "0d0"),
            frame("011000750005" "0a" "001e" "0028" "0032" "fffd" "0004"),
        };
        if (fault >= 0)
            expected.insert(fault, expected.at(fault));
        QCOMPARE(slave.requests(), expected);
    }

    void machineWithASilentBoardEndsDisabled()
    {
        QModbusMaster master(nullptr);
        master.start();
        auto store = makeStore(true, &master);
        auto *presence = store->findChild<QModbusPollInfo *>(QStringLiteral("cabinetConfInfo"));
        QVERIFY(presence);
        presence->set_timeoutMs(20);
        QSignalSpy issued(presence, SIGNAL(pollRequestIssued()));
        static QStringList lines;
        lines.clear();
        QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &msg) { lines << msg; });
        store->start();
        QTRY_COMPARE(activeStateNames(*store), QStringList{"disabled"});
        qInstallMessageHandler(previous);
        QVERIFY(lines.contains("Configuration is disabled"));
        QCOMPARE(issued.size(), 5);
        QVERIFY(!store->get_systemConfigured());
        QCOMPARE(store->get_cabinetConfiguration(), -1);
        QVERIFY(!QFile::exists(m_root->filePath("/root/config.txt")));

        auto *timeout = store->findChild<QAbstractTransition *>(QStringLiteral("t_cabinetConfInfo_reply_timeout"));
        QVERIFY(timeout);
        QCOMPARE(timeout->property("trigSignal").toString(),
                 QStringLiteral("m_cabinetConfInfo::pollReplyTimedOut()"));
        QCOMPARE(timeout->property("action").toString(), QStringLiteral("signal, this::disable()"));
    }

    // The simulated board answers the presence read, but the layout write
    // goes to the real line, where nothing answers.
    void machineAgainstTheSimulatedBoardEndsDisabled()
    {
        QModbusMaster master(nullptr);
        ModbusFakeSlave board(1, 131);
        ModbusSetup::wire(&master, {&board}, true, false);
        board.start();
        master.start();
        auto store = makeStore(true, &master);
        auto *conf = store->findChild<QModbusPollInfo *>(QStringLiteral("cabinetConfInfo"));
        conf->set_timeoutMs(20);
        QSignalSpy good(conf, SIGNAL(pollReplyGood()));
        store->start();
        QTRY_COMPARE(activeStateNames(*store), QStringList{"disabled"});
        QCOMPARE(good.size(), 1);
        QCOMPARE(store->get_cabinetConfiguration(), -1);
    }
};

// The child of the power-cut test: saves two different contents in turn
// until it is killed.
static int saveUntilKilled(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    FakeCabinet cabinet;
    ConfigurationManager store(nullptr, nullptr, true, 0, &cabinet);
    const QString first = QStringLiteral("first-password").repeated(40);
    const QString second = QStringLiteral("second-password").repeated(40);
    fputs("saving\n", stdout);
    fflush(stdout);
    for (quint64 i = 0;; ++i) {
        store.set_wifiPassword(i % 2 ? second : first);
        store.saveConfigFile();
    }
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("KIV_CONFIG_SAVE_LOOP"))
        return saveUntilKilled(argc, argv);
    QCoreApplication app(argc, argv);
    TestConfigurationManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configurationmanager.moc"
