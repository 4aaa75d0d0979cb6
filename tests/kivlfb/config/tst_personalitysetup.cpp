#include "config/configurationmanager.h"

#include "canbus/canbusmanager.h"

#include "messagecatcher.h"
#include "storecabinet.h"
#include "temproot.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const char kSet[] = "/root/preloadedConfigs/Chain A/";
const char kDrive[] = "/media/sda1/";
// Single-display and two-display models of one family ("KVX0AXX4?C").
const char kSingleModel[] = "KV10A3B41C";
const char kTwinModel[] = "KV10A3B42C";
const char kCustomerList[] = "Burger Barn,42\r\n"
                             "Taco Town,7\r\n"
                             "Three,Fields,3\r\n"
                             "A+B (Kitchen),51\r\n"
                             ".*,52\r\n";

QStringList hccIn(const TempRoot &root)
{
    return QDir(root.filePath("/root")).entryList({"*.hcc"}, QDir::Files, QDir::Name);
}

QString failed(const QString &reason)
{
    return "<b>Unit configuration Failed:</b><br>" + reason;
}

} // namespace

// Installing a personality file: from the preloaded sets on the display, and
// at the factory from a USB flash drive. The store's parent records what it
// is asked for (the drive, the file sent to the other display, the primary
// flag, the settings message).
class TestPersonalitySetup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<StoreCabinet> m_cabinet;

    std::unique_ptr<ConfigurationManager> makeStore()
    {
        auto store = std::make_unique<ConfigurationManager>(nullptr, nullptr, false, 0, m_cabinet.get());
        store->set_selectedCustomConfig("Chain A");
        store->set_serialNumber("SN-1");
        return store;
    }

    void addToSet(const QString &name, const QByteArray &content = QByteArray())
    {
        QVERIFY(m_root->writeFile(kSet + name, content.isEmpty() ? name.toUtf8() : content));
    }

    // A stick with the customer list and two menus; the personality files
    // are the test's.
    void prepareStick(const QStringList &configs)
    {
        QVERIFY(m_root->writeFile(QString(kDrive) + "CustomerLookUp.csv", kCustomerList));
        QVERIFY(m_root->writeFile(QString(kDrive) + "Menus/Another.kiv", "another menu"));
        QVERIFY(m_root->writeFile(QString(kDrive) + "Menus/Burger_v3.kiv", "burger menu"));
        for (const QString &name : configs)
            QVERIFY(m_root->writeFile(QString(kDrive) + "Configs/" + name, name.toUtf8()));
    }

    static QJsonObject request(const QString &customer = "42", const QString &menu = "Burger")
    {
        return QJsonObject{{"customer", customer}, {"menu", menu}};
    }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        QVERIFY(m_root->isValid());
        m_cabinet = std::make_unique<StoreCabinet>();
    }

    void cleanup()
    {
        m_cabinet.reset();
        m_root.reset();
    }

    // ------------------------------------------------------------------
    // Preloaded sets

    void preloadedSets()
    {
        for (const char *name : {"CFG_AB1_MIRROR.hcc", "CFG_AB1_PRIMARY.hcc", "CFG_CD2.hcc", "CFG_EF3_PRIMARY.hcc",
                                 "CFG_EF3_SECONDARY.hcc", "notes.txt"})
            addToSet(name);
        QVERIFY(QDir().mkpath(m_root->filePath("/root/preloadedConfigs/Chain B")));
        auto store = makeStore();

        QCOMPARE(store->get_customConfigs(), QStringList({"Chain A", "Chain B"}));
        QCOMPARE(store->get_customConfigModels(), QStringList({"AB1", "CD2", "EF3"}));
        QCOMPARE(store->get_configDisplaysCount("AB1"), 2);
        QCOMPARE(store->get_configDisplaysCount("CD2"), 1);
        QVERIFY(store->get_configDisplaysLeftRight("EF3"));
        QVERIFY(!store->get_configDisplaysLeftRight("AB1"));
        QVERIFY(store->validateModelNumber("AB1"));
        QVERIFY(store->validateModelNumber("CD2"));
        QVERIFY(!store->validateModelNumber("AB"));
        QVERIFY(!store->validateModelNumber("XY9"));

        store->set_selectedCustomConfig("Chain B");
        QVERIFY(!store->validateModelNumber("CD2"));
        QCOMPARE(store->get_customConfigModels(), QStringList());
    }

    void configFileName_data()
    {
        QTest::addColumn<int>("doubleSided");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("one display") << 0 << 0 << "AB1" << "";
        QTest::newRow("primary") << 2 << 0 << "AB1" << "_PRIMARY";
        QTest::newRow("mirror") << 2 << 1 << "AB1" << "_MIRROR";
        QTest::newRow("secondary") << 2 << 1 << "EF3" << "_SECONDARY";
        QTest::newRow("no file for the side") << 2 << 1 << "CD2" << "";
    }

    void configFileName()
    {
        QFETCH(int, doubleSided);
        QFETCH(int, side);
        QFETCH(QString, model);
        for (const char *name : {"CFG_AB1_MIRROR.hcc", "CFG_AB1_PRIMARY.hcc", "CFG_CD2.hcc", "CFG_EF3_PRIMARY.hcc",
                                 "CFG_EF3_SECONDARY.hcc"})
            addToSet(name);
        auto store = makeStore();
        store->set_doubleSided(doubleSided);
        store->set_selectedDisplaySide(side);
        QTEST(store->getConfigFileName(model), "suffix");
    }

    // The chosen file becomes the display's only personality file, also
    // when the old one had another name.
    void installingAPreloadedFile()
    {
        addToSet("CFG_CD2.hcc", "new personality");
        m_root->writeFile("/root/ui_id.hcc", "old personality");
        m_root->writeFile("/root/Other.HCC", "another old one");
        auto store = makeStore();
        store->set_modelNumber("CD2");
        QSignalSpy copied(store.get(), SIGNAL(copyConfigurationFileCompleted()));
        QSignalSpy reset(store.get(), SIGNAL(resetConfigurationFileCompleted()));

        store->setConfigurationFile();
        QCOMPARE(hccIn(*m_root), QStringList{"CFG_CD2.hcc"});
        QCOMPARE(m_root->readFile("/root/CFG_CD2.hcc"), QByteArray("new personality"));
        QCOMPARE(copied.size(), 1);
        QCOMPARE(reset.size(), 0);
        QCOMPARE(m_cabinet->settingsSent, 0);
        QVERIFY(store->get_individualDPEnabled());
        QVERIFY(m_root->readFile("/root/config.txt").contains("\nindividualDPEnabled=1\n"));
        QVERIFY(m_cabinet->sentFiles.isEmpty());
        QVERIFY(!m_cabinet->iAmMaster);
    }

    // Installing over a file of the same name tells the screens and the
    // other displays what a reset would.
    void reinstallingTheSameFile()
    {
        addToSet("CFG_CD2.hcc", "new personality");
        m_root->writeFile("/root/CFG_CD2.hcc", "old personality");
        auto store = makeStore();
        store->set_modelNumber("CD2");
        QSignalSpy copied(store.get(), SIGNAL(copyConfigurationFileCompleted()));
        QSignalSpy reset(store.get(), SIGNAL(resetConfigurationFileCompleted()));

        store->setConfigurationFile();
        QCOMPARE(m_root->readFile("/root/CFG_CD2.hcc"), QByteArray("new personality"));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(m_cabinet->settingsSent, 1);
        QCOMPARE(copied.size(), 1);
    }

    // A copy that cannot take the file's name leaves the display's present
    // personality file where it is.
    void failedInstallKeepsTheOldFile()
    {
        addToSet("CFG_CD2.hcc", "new personality");
        m_root->writeFile("/root/ui_id.hcc", "old personality");
        QVERIFY(QDir().mkpath(m_root->filePath("/root/CFG_CD2.hcc")));
        auto store = makeStore();
        store->set_modelNumber("CD2");
        QSignalSpy copied(store.get(), SIGNAL(copyConfigurationFileCompleted()));

        store->setConfigurationFile();
        QCOMPARE(m_root->readFile("/root/ui_id.hcc"), QByteArray("old personality"));
        QCOMPARE(copied.size(), 0);
        QVERIFY(!QFile::exists(m_root->filePath("/root/CFG_CD2.hcc.New")));
        QVERIFY(!store->get_individualDPEnabled());
    }

    void twoDisplayInstall_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("primary of a mirror") << "AB1" << 0 << "CFG_AB1_PRIMARY.hcc" << "CFG_AB1_MIRROR.hcc";
        QTest::newRow("primary of a secondary") << "EF3" << 0 << "CFG_EF3_PRIMARY.hcc" << "CFG_EF3_SECONDARY.hcc";
        QTest::newRow("the mirror") << "AB1" << 1 << "CFG_AB1_MIRROR.hcc" << "";
        QTest::newRow("the secondary") << "EF3" << 1 << "CFG_EF3_SECONDARY.hcc" << "";
    }

    // The primary display of a two-display cabinet takes the primary role
    // and sends the other display its file; the other display sends
    // nothing.
    void twoDisplayInstall()
    {
        QFETCH(QString, model);
        QFETCH(int, side);
        QFETCH(QString, installed);
        QFETCH(QString, sent);
        for (const char *name : {"CFG_AB1_MIRROR.hcc", "CFG_AB1_PRIMARY.hcc", "CFG_EF3_PRIMARY.hcc",
                                 "CFG_EF3_SECONDARY.hcc"})
            addToSet(name);
        auto store = makeStore();
        store->set_modelNumber(model);
        store->set_doubleSided(2);
        store->set_selectedDisplaySide(side);
        store->setConfigurationFile();

        QCOMPARE(hccIn(*m_root), QStringList{installed});
        QCOMPARE(m_cabinet->iAmMaster, side == 0);
        if (sent.isEmpty()) {
            QVERIFY(m_cabinet->sentFiles.isEmpty());
        } else {
            QCOMPARE(m_cabinet->sentFiles.size(), 1);
            QCOMPARE(m_cabinet->sentFiles.first().first, m_root->filePath(kSet + sent));
            QCOMPARE(m_cabinet->sentFiles.first().second, int(CanbusManager::KIV_MULTI_FILE_TRANSFER_UI_ID));
        }
    }

    void resetConfiguration()
    {
        m_root->writeFile("/root/a.hcc", "a");
        m_root->writeFile("/root/B.HCC", "b");
        m_root->writeFile("/root/keep.txt", "keep");
        auto store = makeStore();
        QSignalSpy reset(store.get(), SIGNAL(resetConfigurationFileCompleted()));
        store->resetConfiguration();
        QCOMPARE(hccIn(*m_root), QStringList());
        QVERIFY(QFile::exists(m_root->filePath("/root/keep.txt")));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(m_cabinet->settingsSent, 1);
    }

    // ------------------------------------------------------------------
    // USB set-up

    void customerName_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("as listed") << "42" << "Burger Barn";
        QTest::newRow("leading zeros") << "0042" << "Burger Barn";
        QTest::newRow("last line") << "7" << "Taco Town";
        QTest::newRow("three fields") << "3" << "";
        QTest::newRow("not listed") << "99" << "";
        QTest::newRow("not a number") << "4x2" << "";
        QTest::newRow("empty") << "" << "";
    }

    void customerName()
    {
        QFETCH(QString, number);
        prepareStick({});
        auto store = makeStore();
        QTEST(store->getConfigCustomerName(number), "name");
    }

    void customerListMissing()
    {
        auto store = makeStore();
        MessageCatcher log;
        QCOMPARE(store->getConfigCustomerName("42"), QString());
        QVERIFY(log.contains("Unable to Open File: "));
    }

    void usbSetupFailures_data()
    {
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QJsonObject>("request");
        QTest::addColumn<QString>("reason");
        const QString model = kSingleModel;
        QTest::newRow("no drive") << false << model << request() << "USB flash drive is not detected!";
        QTest::newRow("9 characters") << true << "KV10A3B41" << request() << "Invalid model number!";
        QTest::newRow("X and 9 characters") << true << "XKV10A3B41" << request() << "Invalid model number!";
        QTest::newRow("no customer") << true << model << QJsonObject{{"menu", "Burger"}} << "Customer info missing!";
        QTest::newRow("unknown customer") << true << model << request("99") << "Invalid customer number!";
        QTest::newRow("no file for the model") << true << "KV99A9B41C" << request() << "Configuration file missing!";
        QTest::newRow("no menu") << true << model << QJsonObject{{"customer", "42"}} << "Menu info is missing!";
        QTest::newRow("menu not on the drive") << true << model << request("42", "Pizza") << "Menu file is missing!";
    }

    // Each failure is reported once, with its text.
    void usbSetupFailures()
    {
        QFETCH(bool, mounted);
        QFETCH(QString, model);
        QFETCH(QJsonObject, request);
        prepareStick({"CFG_KV10A3B41C_Burger Barn.hcc", "CFG_KV10A3B41C_Other Diner.hcc"});
        m_cabinet->driveMounted = mounted;
        auto store = makeStore();
        store->set_modelNumber(model);
        QSignalSpy failures(store.get(), SIGNAL(eolUsbConfigFailed(QString)));
        QSignalSpy successes(store.get(), SIGNAL(eolUsbConfigComplete(QString)));

        QVERIFY(!store->setConfigFromUsb(request));
        QCOMPARE(failures.size(), 1);
        QFETCH(QString, reason);
        QCOMPARE(failures.first().first().toString(), failed(reason));
        QCOMPARE(successes.size(), 0);
    }

    // A model written with a lower-case "X", a customer number with leading
    // zeros: the display's file and the menu are installed, the old
    // personality file goes.
    void usbSetupSingleDisplay()
    {
        prepareStick({"CFG_KV10A3B41C_Burger Barn.hcc", "CFG_KV10A3B41C_Other Diner.hcc",
                      "CFG_KV10A3B42C_GM_PRIMARY.hcc"});
        m_root->writeFile("/root/ui_id.hcc", "old personality");
        m_root->writeFile("/root/updates/menu/Burger_v3.kiv", "an older copy");
        auto store = makeStore();
        store->set_modelNumber(QStringLiteral("x") + kSingleModel);
        QSignalSpy successes(store.get(), SIGNAL(eolUsbConfigComplete(QString)));

        QVERIFY(store->setConfigFromUsb(request("0042")));
        QCOMPARE(successes.size(), 1);
        QCOMPARE(successes.first().first().toString(),
                 QStringLiteral("<b>Unit configuration successful:</b><br><br><b>Model#:</b> xKV10A3B41C"
                                "<br><b>SN:</b> SN-1<br><b>Customer:</b> Burger Barn"
                                "<br><b>File Name:</b> CFG_KV10A3B41C_Burger Barn.hcc<br><br><b>Reboot the unit</b>"));
        QCOMPARE(hccIn(*m_root), QStringList{"CFG_KV10A3B41C_Burger Barn.hcc"});
        QCOMPARE(m_root->readFile("/root/updates/menu/Burger_v3.kiv"), QByteArray("burger menu"));
        QVERIFY(m_cabinet->sentFiles.isEmpty());
        QVERIFY(!m_cabinet->iAmMaster);
    }

    void usbPatternOrder_data()
    {
        QTest::addColumn<QStringList>("configs");
        QTest::addColumn<QString>("installed");
        QTest::newRow("two literal custom files are passed over")
            << QStringList{"CFG_KV10A3B41C_Burger Barn.hcc", "CFG_KV10A3B41C_Burger Barn_OLD.hcc",
                           "CFG_KV10A3B41C_GM.hcc"}
            << "CFG_KV10A3B41C_GM.hcc";
        QTest::newRow("family custom file")
            << QStringList{"CFG_KVX0AXX41C_Burger Barn.hcc", "CFG_KVX0AXX41C_GM.hcc"}
            << "CFG_KVX0AXX41C_Burger Barn.hcc";
        QTest::newRow("family GM file") << QStringList{"CFG_KVX0AXX41C_GM.hcc", "CFG_KV10A3B41C_Taco Town.hcc"}
                                        << "CFG_KVX0AXX41C_GM.hcc";
    }

    void usbPatternOrder()
    {
        QFETCH(QStringList, configs);
        QFETCH(QString, installed);
        prepareStick(configs);
        auto store = makeStore();
        store->set_modelNumber(kSingleModel);
        QVERIFY(store->setConfigFromUsb(request()));
        QCOMPARE(hccIn(*m_root), QStringList{installed});
    }

    // A customer's name with the characters of a pattern finds its own file.
    void usbNamesAreMatchedAsWritten()
    {
        prepareStick({"CFG_KV10A3B41C_A+B (Kitchen).hcc", "CFG_KV10A3B41C_GM.hcc"});
        auto store = makeStore();
        store->set_modelNumber(kSingleModel);
        QVERIFY(store->setConfigFromUsb(request("51")));
        QCOMPARE(hccIn(*m_root), QStringList{"CFG_KV10A3B41C_A+B (Kitchen).hcc"});
    }

    // A name that reads as a pattern matches no other customer's file.
    void usbNameIsNotAPattern()
    {
        prepareStick({"CFG_KV10A3B41C_Burger Barn.hcc"});
        auto store = makeStore();
        store->set_modelNumber(kSingleModel);
        QSignalSpy failures(store.get(), SIGNAL(eolUsbConfigFailed(QString)));
        QVERIFY(!store->setConfigFromUsb(request("52")));
        QCOMPARE(failures.first().first().toString(), failed("Configuration file missing!"));
        QCOMPARE(hccIn(*m_root), QStringList());
    }

    // A copy that fails keeps the display's present personality file.
    void usbCopyFailureKeepsTheOldFile()
    {
        prepareStick({"CFG_KV10A3B41C_Burger Barn.hcc"});
        m_root->writeFile("/root/ui_id.hcc", "old personality");
        QVERIFY(QDir().mkpath(m_root->filePath("/root/CFG_KV10A3B41C_Burger Barn.hcc")));
        auto store = makeStore();
        store->set_modelNumber(kSingleModel);
        QSignalSpy failures(store.get(), SIGNAL(eolUsbConfigFailed(QString)));
        MessageCatcher log;

        QVERIFY(!store->setConfigFromUsb(request()));
        QCOMPARE(failures.first().first().toString(), failed("Configuration file copy failed!"));
        QVERIFY(log.contains("Copy is failed!"));
        QCOMPARE(m_root->readFile("/root/ui_id.hcc"), QByteArray("old personality"));
        QVERIFY(!QFile::exists(m_root->filePath("/root/CFG_KV10A3B41C_Burger Barn.hcc.New")));
    }

    // Two displays: this one takes the primary file and role and sends the
    // mirror its file.
    void usbSetupTwoDisplays()
    {
        prepareStick({"CFG_KV10A3B42C_GM_MIRROR.hcc", "CFG_KV10A3B42C_GM_PRIMARY.hcc"});
        auto store = makeStore();
        store->set_modelNumber(kTwinModel);
        QVERIFY(store->setConfigFromUsb(request()));
        QCOMPARE(hccIn(*m_root), QStringList{"CFG_KV10A3B42C_GM_PRIMARY.hcc"});
        QVERIFY(m_cabinet->iAmMaster);
        QCOMPARE(m_cabinet->sentFiles.size(), 1);
        QCOMPARE(m_cabinet->sentFiles.first().first,
                 m_root->filePath(QString(kDrive) + "Configs/CFG_KV10A3B42C_GM_MIRROR.hcc"));
        QCOMPARE(m_cabinet->sentFiles.first().second, int(CanbusManager::KIV_MULTI_FILE_TRANSFER_UI_ID));
    }
};

QTEST_MAIN(TestPersonalitySetup)
#include "tst_personalitysetup.moc"
