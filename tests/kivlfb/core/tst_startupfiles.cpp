#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfctagitem2.h"
#include "platform/boundedfile.h"
#include "platform/damagedfiles.h"
#include "platform/kivclock.h"
#include "platform/safefilewriter.h"

#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "kitchenmenu.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QDir>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNoon = 1704110400000; // 2024-01-01 12:00:00 UTC
const qint64 kMinute = 60000;
const int kHoldBin = 2;
const int kHoldSeconds = 900;
const quint64 kPanUid = 0x0000'0c00'0000'1234ULL;
const int kDefaultMenuProducts = 41;
// The longest log line a start may write: the personality echo, cut, and
// its label.
const int kLongestLogLine = 8192 + 200;

const QString kHoldingFile = QStringLiteral("/root/trayBarInfo.json");
const QString kMenuFile = QStringLiteral("/root/menu.json");
const QString kConfigFile = QStringLiteral("/root/config.txt");
const QString kPersonalityFile = QStringLiteral("/root/cabinet.hcc");

enum Outcome { HoldFromPanTags, DefaultMenu, DefaultSettings, ValuesCutInLog };

QByteArray personalityWithChecksum(const QByteArray &checksum)
{
    QJsonObject doc = QJsonDocument::fromJson(cabinetPersonality("alone")).object();
    QJsonObject header = doc["header"].toObject();
    header["checksum"] = QString::fromLatin1(checksum);
    doc["header"] = header;
    return QJsonDocument(doc).toJson();
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

// A cabinet that was holding a tagged pan restarts with one of its files
// damaged. Each row damages one file and says what the start must make of
// it: nothing lost that another file still knows, no start without a menu,
// no runaway file read, no log flooded.
class TestStartupFiles : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;
    QTemporaryDir m_canDir;
    int m_busCount = 0;
    // The files of /root/ as the healthy cabinet left them.
    QHash<QString, QByteArray> m_healthy;

    QString freshBus()
    {
        const QString dir = m_canDir.filePath(QStringLiteral("bus%1").arg(++m_busCount));
        QDir().mkpath(dir);
        return dir;
    }

    std::unique_ptr<CabinetManager> start()
    {
        qputenv("KIV_VCAN_DIR", freshBus().toLocal8Bit());
        auto cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
        if (!QTest::qWaitFor([&] { return cabinet->get_holdRestoreReady(); }, 10000))
            return nullptr;
        return cabinet;
    }

    static SafeFileWriter *holdingWriter(CabinetManager *cabinet)
    {
        for (SafeFileWriter *w : cabinet->findChildren<SafeFileWriter *>())
            if (w->filePath().endsWith(QLatin1String("trayBarInfo.json")))
                return w;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        qRegisterMetaType<SafeFileWriter::Result>();
        QVERIFY(m_env.start());
        QVERIFY(m_canDir.isValid());

        // The healthy cabinet: a patty held in bin 2 for 15 minutes, its pan
        // tag in the registry.
        KivClock::freezeAt(kNoon);
        TempRoot root;
        root.writeFile(kPersonalityFile, cabinetPersonality("alone"));
        root.writeFile(kMenuFile, KitchenMenu::menu({KitchenMenu::kPatty}));
        std::unique_ptr<CabinetManager> cabinet = start();
        QVERIFY(cabinet);
        cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager"))
            ->setProdIdOnBin(0, kHoldBin, KitchenMenu::kPatty);
        TrayBarSc *bar = cabinet->getTrayPtr(kHoldBin);
        ZoneManager *zone = cabinet->findChild<ZoneManager *>(QStringLiteral("zone0"));
        QVERIFY(bar && zone);
        zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        QTRY_COMPARE(stateOf(bar), QStringLiteral("preheating"));
        cabinet->startBinTimer(kHoldBin, kHoldSeconds, kPanUid);
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));

        NFCmanager *nfc = cabinet->findChild<NFCmanager *>(QStringLiteral("nfcManager"));
        QVERIFY(nfc);
        auto *tag = new NfcTagItem2(kPanUid, 0, 0, kNoon + kHoldSeconds * 1000, kNoon);
        tag->setPosition(kHoldBin);
        tag->setProductId(KitchenMenu::kPatty);
        nfc->registerTag2(tag);
        nfc->setUidInBin(kHoldBin, kPanUid);

        QTRY_COMPARE(int(cabinet->getTrayInfo(kHoldBin).holdActivity), 4);
        SafeFileWriter *writer = holdingWriter(cabinet.get());
        QVERIFY(writer);
        QSignalSpy saved(writer, &SafeFileWriter::saveFinished);
        KivClock::advance(500);
        QVERIFY(saved.wait(5000));
        QTRY_VERIFY(QDir(root.filePath("/root")).entryList({"*.New"}, QDir::Files).isEmpty());
        cabinet.reset();

        for (const QString &name : QDir(root.filePath("/root")).entryList(QDir::Files))
            m_healthy.insert("/root/" + name, root.readFile("/root/" + name));
        QVERIFY(m_healthy.contains("/root/SavedHash2.dat"));
        QVERIFY(m_healthy.contains(kHoldingFile));
    }

    void cleanupTestCase() { KivClock::useSystemClock(); }

    void damagedFileAtStart_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<Outcome>("outcome");

        QTest::newRow("holding file torn") << kHoldingFile << QByteArray("{\"timeStamp\": 17041104") << HoldFromPanTags;
        QTest::newRow("holding file emptied") << kHoldingFile << QByteArray() << HoldFromPanTags;
        QTest::newRow("holding file runaway")
            << kHoldingFile << QByteArray("{\"timeStamp\":1}") + QByteArray(BoundedFile::SmallFileLimit, ' ')
            << HoldFromPanTags;
        QTest::newRow("menu malformed") << kMenuFile << QByteArray("{\"menuVersion\": 1, \"products\": [{") << DefaultMenu;
        QTest::newRow("menu runaway") << kMenuFile << QByteArray(BoundedFile::LargeFileLimit + 1, '\n') << DefaultMenu;
        QTest::newRow("settings runaway")
            << kConfigFile << "languageId=spa\n" + QByteArray(BoundedFile::SmallFileLimit, '#') << DefaultSettings;
        QTest::newRow("personality with a huge value")
            << kPersonalityFile << personalityWithChecksum(QByteArray(600000, 'c')) << ValuesCutInLog;
    }

    void damagedFileAtStart()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, damage);
        QFETCH(Outcome, outcome);

        TempRoot root;
        for (auto it = m_healthy.cbegin(); it != m_healthy.cend(); ++it)
            root.writeFile(it.key(), it.value());
        root.writeFile(file, damage);
        // Ten of the fifteen minutes passed while the cabinet was down.
        KivClock::freezeAt(kNoon + 10 * kMinute);
        MessageCatcher log;
        std::unique_ptr<CabinetManager> cabinet = start();
        QVERIFY(cabinet);
        TrayBarSc *bar = cabinet->getTrayPtr(kHoldBin);
        auto *menus = cabinet->findChild<MenuManager *>(QStringLiteral("menuManager"));
        auto *config = cabinet->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(bar && menus && config);

        switch (outcome) {
        case HoldFromPanTags: {
            QTRY_COMPARE(stateOf(bar), QStringLiteral("standard"));
            QVERIFY2(qAbs(bar->get_remainingTime() - 300) <= 1, qPrintable(QString::number(bar->get_remainingTime())));
            QVERIFY(cabinet->get_activelyHolding());
            QCOMPARE(log.warnings().filter("holds of bins 2 restored from their pan tags").size(), 1);
            // What is left of the file is kept aside, whole.
            const QStringList kept = DamagedFiles::keptCopies(root.filePath(file));
            QCOMPARE(kept.size(), 1);
            QFile copy(kept.first());
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QVERIFY(copy.readAll() == damage);
            break;
        }
        case DefaultMenu:
            QCOMPARE(menus->productsModel()->rowCount(), kDefaultMenuProducts);
            QCOMPARE(log.warnings().filter("left as it is, loading the default menu").size(), 1);
            QVERIFY(root.readFile(file) == damage);
            break;
        case DefaultSettings:
            QCOMPARE(config->get_languageId(), QStringLiteral("eng_USA"));
            // Read twice at start, by the composition root and by the
            // configuration machine: each read refuses it in one line.
            QCOMPARE(log.warnings().filter("config.txt holds").size(), 2);
            QTRY_COMPARE(stateOf(bar), QStringLiteral("standard"));
            break;
        case ValuesCutInLog:
            QVERIFY(log.messages().contains("headerChecksum \"" + QString(200, 'c') + QChar(0x2026) + "\""));
            QTRY_COMPARE(stateOf(bar), QStringLiteral("standard"));
            break;
        }

        int longest = 0;
        for (const QString &line : log.messages())
            longest = qMax(longest, line.size());
        QVERIFY2(longest <= kLongestLogLine, qPrintable(QString::number(longest)));
    }
};

QTEST_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
