#include "alarms/alarmssetup.h"
#include "alarms/filelogworker.h"
#include "alarms/haccpcontroller.h"
#include "alarms/haccpdatamodel.h"
#include "alarms/haccplogformat.h"

#include "platform/boundedfile.h"
#include "platform/damagedfiles.h"
#include "platform/kivclock.h"

#include "filesizelimit.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QJsonDocument>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sched.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

const QString kStore = QStringLiteral("/root/haccpLogs/haccpLog.json");
const char kChildMode[] = "KIV_HACCP_LOGGING_CHILD";
bool g_privateMounts = false;

HaccpData row(const QString &name, const QString &date, const QString &time,
              const QString &duration, bool expired, int bin)
{
    HaccpData d;
    d.name = name;
    d.date = date;
    d.time = time;
    d.duration = duration;
    d.expired = expired;
    d.binNumber = bin;
    return d;
}

QByteArray storeOf(const QList<QByteArray> &entries)
{
    QByteArray joined;
    for (const QByteArray &e : entries)
        joined += (joined.isEmpty() ? "" : ",") + e;
    return "{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[" + joined + "]}";
}

QByteArray entry(const char *name, const char *date, const char *time, const char *duration,
                 bool expired, int bin)
{
    return QStringLiteral("{\"b\":%1,\"d\":\"%2\",\"e\":%3,\"h\":\"%4\",\"p\":\"%5\",\"t\":\"%6\"}")
        .arg(bin)
        .arg(date, expired ? "true" : "false", duration, name, time)
        .toUtf8();
}

QDateTime at(int y, int m, int d, int h = 12, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

// A tmpfs of the given size mounted over a directory for the life of the
// object, read-only when asked (as a write-protected stick is, also for
// root). The test runs in a mount namespace of its own (see main()), so
// the mount is invisible to the machine and dies with the process.
class SmallFileSystem
{
public:
    SmallFileSystem(const QString &dir, int bytes, bool readOnly = false)
        : m_dir(dir)
    {
        if (!g_privateMounts) {
            m_reason = QStringLiteral("no private mount namespace");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("kivtest", QFile::encodeName(dir).constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                    options.constData()) != 0)
            m_reason = qt_error_string(errno);
        else
            m_mounted = true;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir).constData(), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }
    QString reason() const { return m_reason; }

    // Takes every byte that is left.
    bool fill()
    {
        QFile filler(fillerPath());
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        return filler.error() != QFileDevice::NoError;
    }
    bool release() { return QFile::remove(fillerPath()); }

private:
    QString fillerPath() const { return m_dir + QStringLiteral("/filler"); }

    QString m_dir;
    QString m_reason;
    bool m_mounted = false;
};

// Counts the files moved onto one name in a directory: each safe rewrite of
// the store is one. Moves away are watched too, only so that the kernel does
// not fold two like events in a row into one.
class RenameCounter
{
public:
    RenameCounter(const QString &dir, const QByteArray &name)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
        , m_name(name)
    {
        ::inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_MOVED_FROM | IN_MOVED_TO);
    }
    ~RenameCounter() { ::close(m_fd); }

    // Renames onto the name since the last call.
    int take()
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if ((event->mask & IN_MOVED_TO) && event->len > 0 && m_name == event->name)
                    ++count;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    }

private:
    int m_fd;
    QByteArray m_name;
};

// The cabinet core as the controller sees it.
struct FakeCabinet
{
    QObject cabinet;
    QObject config;
    explicit FakeCabinet(bool haccpEnabled = true)
    {
        cabinet.setProperty("haccpEnabled", haccpEnabled);
        cabinet.setProperty("traysPerZone", 4);
        cabinet.setProperty("zonesPerRow", 1);
        cabinet.setProperty("configManager", QVariant::fromValue<QObject *>(&config));
        config.setProperty("serialNumber", QStringLiteral("SN123"));
    }
};

// Child mode of this binary: logs holds as fast as it can until killed.
int runLoggingChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    FileLogWorker worker;
    QTextStream out(stdout);
    for (int i = 0;; ++i) {
        const int bin = i % 12;
        const HaccpData start = row(QStringLiteral("Product %1").arg(i), "2025/03/01", "09:15:00",
                                    "----", false, bin);
        worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(start));
        worker.doRemoveHaccpDataLog(HaccpLogFormat::entryRequest(start));
        HaccpData done = start;
        done.duration = QStringLiteral("00:30:00");
        worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(done));
        if (i == 0) {
            out << "logging" << Qt::endl;
        }
    }
}

} // namespace

class TestHaccpLog : public QObject
{
    Q_OBJECT

private:
    // Requests run one after another on the worker; a read after them
    // returns once they are all done.
    static bool settle(HaccpController &controller, bool all = false)
    {
        QSignalSpy done(&controller, &HaccpController::retrieveHaccpDataDone);
        controller.retrieveAllHaccpData(all);
        return done.wait(10000) && done.at(0).at(0).toString() == QLatin1String("OK");
    }

    static QJsonArray storedEntries(const TempRoot &root)
    {
        return QJsonDocument::fromJson(root.readFile(kStore)).object().value("haccpInfo").toArray();
    }

    static QString exportLog(HaccpController &controller)
    {
        QSignalSpy done(&controller, &HaccpController::exportHaccpLogDone);
        controller.exportHaccpLog();
        if (!done.wait(10000))
            return QStringLiteral("no answer");
        return done.at(0).at(0).toString();
    }

private slots:
    void init()
    {
        KivClock::freezeAt(at(2025, 3, 1, 10, 30).toMSecsSinceEpoch());
    }

    void cleanup()
    {
        KivClock::useSystemClock();
    }

    void storeBytesAfterOneEntryAndUnknownMembersSurvive()
    {
        TempRoot root;
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        QVERIFY(controller.isLogging());
        controller.logDataEntry(row("Fries", "2025/03/01", "09:15:00", "----", false, 5));
        QVERIFY(settle(controller));
        QCOMPARE(root.readFile(kStore),
                 QByteArray("{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[{\"b\":5,\"d\":\"2025/03/01\","
                            "\"e\":false,\"h\":\"----\",\"p\":\"Fries\",\"t\":\"09:15:00\"}]}"));

        QVERIFY(root.writeFile(kStore, "{\"site\":{\"n\":1},\"desc\":\"old\",\"haccpInfo\":[]}"));
        controller.logDataEntry(row("Nuggets", "2025/03/01", "10:00:00", "01:02:03", true, 0));
        QVERIFY(settle(controller));
        QCOMPARE(root.readFile(kStore),
                 QByteArray("{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[{\"b\":0,\"d\":\"2025/03/01\","
                            "\"e\":true,\"h\":\"01:02:03\",\"p\":\"Nuggets\",\"t\":\"10:00:00\"}],"
                            "\"site\":{\"n\":1}}"));
        // Written through a temporary file: nothing else is left beside it.
        QCOMPARE(QDir(root.filePath("/root/haccpLogs")).entryList(QDir::Files),
                 QStringList{"haccpLog.json"});
    }

    void stopReplacesTheNewestStartRecordOfItsBin()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({
            "{\"p\":\"broken\",\"h\":\"----\"}",                          // malformed: goes
            entry("Fries", "2025/03/01", "09:00:00", "----", false, 5),  // newer start of bin 5
            entry("Fries", "2025/03/01", "08:00:00", "00:40:00", false, 5), // finished: stays
            entry("Fries", "2025/03/01", "07:00:00", "----", false, 5),  // older start: stays
            entry("Wings", "2025/03/01", "07:30:00", "----", false, 6),
        })));
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        // Another name, date and time than the start record: only the bin counts.
        const HaccpData finished = row("Other", "2025/02/02", "09:01:00", "00:45:10", true, 5);
        controller.removeStartDataLogEntry(finished);
        controller.logDataEntry(finished);
        QVERIFY(settle(controller));
        QCOMPARE(root.readFile(kStore), storeOf({
            entry("Other", "2025/02/02", "09:01:00", "00:45:10", true, 5),
            entry("Fries", "2025/03/01", "08:00:00", "00:40:00", false, 5),
            entry("Fries", "2025/03/01", "07:00:00", "----", false, 5),
            entry("Wings", "2025/03/01", "07:30:00", "----", false, 6),
        }));

        // No start record for bin 9: nothing else changes.
        controller.removeStartDataLogEntry(row("x", "", "", "----", false, 9));
        QVERIFY(settle(controller));
        QCOMPARE(storedEntries(root).size(), 4);
    }

    // The holding-log page reads each row through the controller's model
    // from QML; the model's type must be known to the engine for that.
    void pageReadsRowsThroughQml()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({
            entry("Fries", "2025/03/01", "09:00:00", "00:45:10", true, 7),
            entry("Wings", "2025/03/01", "08:00:00", "----", false, 2),
        })));
        FakeCabinet fake;
        QQmlEngine engine;
        HaccpController *controller = AlarmsSetup::createHaccpController(
            &fake.cabinet, engine.rootContext(), [](const QDateTime &t) { return t; });
        QVERIFY(settle(*controller));
        auto read = [&](const char *expression) {
            QQmlExpression e(engine.rootContext(), nullptr, QString::fromLatin1(expression));
            const QVariant value = e.evaluate();
            return e.hasError() ? QVariant(e.error().toString()) : value;
        };
        QCOMPARE(read("haccpController.haccpLogListCount"), QVariant(2));
        QCOMPARE(read("haccpController.haccpDataModel.getData(0, 0)"), QVariant(QStringLiteral("Fries")));
        QCOMPARE(read("haccpController.haccpDataModel.getData(0, 3)"), QVariant(QStringLiteral("00:45")));
        QCOMPARE(read("haccpController.haccpDataModel.getData(0, 4) === true"), QVariant(true));
        QCOMPARE(read("haccpController.haccpDataModel.getData(0, 5)"), QVariant(7));
        QCOMPARE(read("haccpController.haccpDataModel.getData(1, 3)"), QVariant(QStringLiteral("----")));
    }

    void readGivesNewest250RowsUnlessAllAreAsked()
    {
        TempRoot root;
        QList<QByteArray> entries;
        for (int i = 299; i >= 0; --i) {
            const QByteArray name = "P" + QByteArray::number(i);
            entries << entry(name.constData(), "2025/02/27", "23:59:59", "01:05:09", i % 2, i);
        }
        QVERIFY(root.writeFile(kStore, storeOf(entries)));
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        QSignalSpy total(&controller, &HaccpController::totalHaccpLogListCountChanged);

        QVERIFY(settle(controller, false));
        HaccpDataModel *model = controller.get_haccpDataModel();
        QCOMPARE(model->rowCount(), 250);
        QCOMPARE(controller.get_haccpLogListCount(), 250);
        QCOMPARE(controller.get_totalHaccpLogListCount(), 300);
        QCOMPARE(total.count(), 1);
        QCOMPARE(model->getData(0, 0).toString(), QStringLiteral("P299"));
        QCOMPARE(model->getData(249, 0).toString(), QStringLiteral("P50"));
        QCOMPARE(model->data(model->index(0), HaccpDataModel::DateRole).toString(), QStringLiteral("02/27"));
        QCOMPARE(model->data(model->index(0), HaccpDataModel::TimeRole).toString(), QStringLiteral("23:59"));
        QCOMPARE(model->data(model->index(0), HaccpDataModel::DurationRole).toString(), QStringLiteral("01:05"));
        QCOMPARE(model->data(model->index(0), HaccpDataModel::ExpiredRole), QVariant(true));
        QCOMPARE(model->data(model->index(0), HaccpDataModel::BinNumberRole), QVariant(299));

        QVERIFY(settle(controller, true));
        QCOMPARE(model->rowCount(), 300);
        QCOMPARE(controller.get_haccpLogListCount(), 300);
        QCOMPARE(total.count(), 1); // unchanged total, no signal
    }

    void modelShowsWhatTheStoreHolds_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QVariantList>("shown"); // name, date, time, duration, expired, bin
        QTest::newRow("start record")
            << entry("Fries", "2025/03/01", "09:15:00", "----", false, 5)
            << QVariantList{"Fries", "03/01", "09:15", "----", false, 5};
        QTest::newRow("a day or more keeps its hours")
            << entry("Brisket", "2025/03/01", "09:15:00", "123:05:09", false, 1)
            << QVariantList{"Brisket", "03/01", "09:15", "123:05", false, 1};
        QTest::newRow("exactly a day")
            << entry("Brisket", "2025/03/01", "09:15:00", "24:00:00", true, 1)
            << QVariantList{"Brisket", "03/01", "09:15", "24:00", true, 1};
        QTest::newRow("unreadable texts")
            << entry("X", "2025/13/01", "25:00:00", "1:2:3", false, 2)
            << QVariantList{"X", "", "", "", false, 2};
        QTest::newRow("missing members") << QByteArray("{\"q\":1}")
                                         << QVariantList{"", "", "", "", false, 0};
    }

    void modelShowsWhatTheStoreHolds()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QVariantList, shown);
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({stored})));
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        QVERIFY(settle(controller));
        HaccpDataModel *model = controller.get_haccpDataModel();
        QCOMPARE(model->rowCount(), 1);
        for (int column = 0; column < shown.size(); ++column)
            QCOMPARE(model->getData(0, column), shown.at(column));
        QTest::ignoreMessage(QtDebugMsg, "No role selected! -- 263");
        QVERIFY(!model->getData(0, 6).isValid());
        QVERIFY(!model->getData(1, 0).isValid());
        QCOMPARE(model->roleNames().value(257), QByteArray("name"));
        QCOMPARE(model->roleNames().value(262), QByteArray("binNumber"));
    }

    void missingOrBrokenStore()
    {
        TempRoot root;
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_haccpDataModel()->rowCount(), 0);
        QCOMPARE(controller.get_totalHaccpLogListCount(), 0);

        // A torn store reads as empty; the next write keeps it aside.
        const QByteArray torn = storeOf({entry("Fries", "2025/03/01", "09:15:00", "----", false, 5)}).left(40);
        QVERIFY(root.writeFile(kStore, torn));
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_totalHaccpLogListCount(), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable store kept as"));
        controller.logDataEntry(row("Wings", "2025/03/01", "10:00:00", "----", false, 1));
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_totalHaccpLogListCount(), 1);
        const QStringList kept = DamagedFiles::keptCopies(root.filePath(kStore));
        QCOMPARE(kept.size(), 1);
        QCOMPARE(QFileInfo(kept.first()).fileName(), QStringLiteral("haccpLog.json.corrupt-20250301-103000"));
        QCOMPARE(root.readFile(kStore + ".corrupt-20250301-103000"), torn);

        // "haccpInfo" that is not an array counts as no entries.
        QVERIFY(root.writeFile(kStore, "{\"haccpInfo\":{\"b\":1}}"));
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_totalHaccpLogListCount(), 0);
    }

    // Whatever made a store unreadable, the next change moves it aside
    // whole, under a name of its own, and starts a fresh log; it is never
    // taken for a good empty log.
    void damagedStoresAreKeptAside_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        const QByteArray good = storeOf({entry("Fries", "2025/03/01", "09:15:00", "00:45:00", false, 5)});
        QTest::newRow("empty, as a failed write once left it") << QByteArray();
        QTest::newRow("torn") << good.left(good.size() - 3);
        QTest::newRow("not an object") << QByteArray("[1,2,3]");
        QTest::newRow("entries not an array") << QByteArray("{\"haccpInfo\":7}");
        // Far above a year of holds: refused unread.
        QTest::newRow("too large") << good + QByteArray(BoundedFile::LargeFileLimit, ' ');
    }

    void damagedStoresAreKeptAside()
    {
        QFETCH(QByteArray, damaged);
        TempRoot root;
        QVERIFY(root.writeFile(kStore, damaged));
        FileLogWorker worker;
        QSignalSpy done(&worker, &FileLogWorker::addHaccpDone);
        MessageCatcher log;
        worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(row("Wings", "2025/03/01", "10:00:00", "----", false, 1)));
        QCOMPARE(done.at(0).at(0).toString(), QStringLiteral("OK"));
        QCOMPARE(root.readFile(kStore), storeOf({entry("Wings", "2025/03/01", "10:00:00", "----", false, 1)}));
        const QStringList kept = DamagedFiles::keptCopies(root.filePath(kStore));
        QCOMPARE(kept.size(), 1);
        QFile copy(kept.first());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll() == damaged);
        QCOMPARE(log.warnings().filter("unreadable store kept as " + kept.first()).size(), 1);
    }

    // One damaged store after another: each is kept, up to a bound, and the
    // oldest goes first.
    void everyDamagedStoreIsKeptUpToABound()
    {
        TempRoot root;
        FileLogWorker worker;
        const QByteArray add = HaccpLogFormat::entryRequest(row("Wings", "2025/03/01", "10:00:00", "----", false, 1));
        MessageCatcher log;
        const int damages = DamagedFiles::KeptPerFile + 2;
        for (int i = 0; i < damages; ++i) {
            QVERIFY(root.writeFile(kStore, "torn " + QByteArray::number(i)));
            worker.doAddHaccpDataLog(add);
            // Two damages in one second as well as seconds apart.
            if (i % 2)
                KivClock::advance(1000);
        }
        const QStringList kept = DamagedFiles::keptCopies(root.filePath(kStore));
        QCOMPARE(kept.size(), DamagedFiles::KeptPerFile);
        for (int k = 0; k < kept.size(); ++k) {
            QFile copy(kept.at(k));
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), "torn " + QByteArray::number(damages - DamagedFiles::KeptPerFile + k));
        }
        QCOMPARE(QFileInfo(kept.last()).fileName(), QStringLiteral("haccpLog.json.corrupt-20250301-103003"));
        QCOMPARE(QFileInfo(kept.at(kept.size() - 2)).fileName(), QStringLiteral("haccpLog.json.corrupt-20250301-103002-2"));
        QCOMPARE(storedEntries(root).size(), 1);
    }

    // A full disk while the log is rewritten: the store keeps every earlier
    // record, the failure is logged and answered, and once there is room
    // again the next hold is logged beside them.
    void fullDiskKeepsEveryRecord_data()
    {
        QTest::addColumn<bool>("tmpfs");
        QTest::newRow("small file system filled up") << true;
        QTest::newRow("file size limit") << false;
    }

    void fullDiskKeepsEveryRecord()
    {
        QFETCH(bool, tmpfs);
        TempRoot root;
        const QString dir = root.filePath("/root/haccpLogs");
        QVERIFY(QDir().mkpath(dir));
        std::unique_ptr<SmallFileSystem> fs;
        if (tmpfs) {
            fs = std::make_unique<SmallFileSystem>(dir, 256 * 1024);
            if (!fs->isMounted())
                QSKIP(qPrintable("no file system can be mounted here: " + fs->reason()));
        }

        // A store smaller than a write buffer: the full disk shows only when
        // the buffer is flushed.
        QList<QByteArray> entries;
        for (int i = 0; i < 100; ++i)
            entries << entry("Fries", "2025/03/01", "09:15:00", "00:45:00", false, i % 12);
        const QByteArray before = storeOf(entries);
        QVERIFY(root.writeFile(kStore, before));

        FileLogWorker worker;
        QSignalSpy done(&worker, &FileLogWorker::addHaccpDone);
        const QByteArray add = HaccpLogFormat::entryRequest(row("Wings", "2025/03/01", "10:00:00", "----", false, 1));
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (tmpfs)
                QVERIFY(fs->fill());
            else
                limit = std::make_unique<FileSizeLimit>(before.size() + 10);
            MessageCatcher log;
            worker.doAddHaccpDataLog(add);
            QCOMPARE(done.takeFirst().at(0).toString(), QStringLiteral("Cannot write the log"));
            QCOMPARE(log.warnings().filter("HACCP log: cannot write").size(), 1);
            QVERIFY2(log.warnings().filter("it keeps its 100 earlier entries").size() == 1,
                     qPrintable(log.warnings().join('\n')));
        }
        QVERIFY(root.readFile(kStore) == before);
        QVERIFY(!QFileInfo::exists(root.filePath(kStore + ".New")));
        QVERIFY(DamagedFiles::keptCopies(root.filePath(kStore)).isEmpty());

        if (fs)
            QVERIFY(fs->release());
        worker.doAddHaccpDataLog(add);
        QCOMPARE(done.takeFirst().at(0).toString(), QStringLiteral("OK"));
        entries.prepend(entry("Wings", "2025/03/01", "10:00:00", "----", false, 1));
        QVERIFY(root.readFile(kStore) == storeOf(entries));
    }

    void exportWritesHeaderAndLinesByteForByte()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({
            entry("Fries", "2025/03/01", "09:15:00", "00:45:00", false, 5),
            entry("Wings", "2025/02/28", "23:10:00", "----", false, 0),
            entry("Ribs", "2025/02/28", "06:00:00", "123:05:09", true, 11),
            entry("Fish, \\\"large\\\"", "2025/02/28", "06:00:00", "00:10:00", false, 4),
            entry("=SUM(A1)", "2025/02/28", "06:00:00", "00:10:00", false, 3),
            entry("-2 Pack", "2025/02/28", "06:00:00", "00:10:00", false, 3),
        })));
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        QCOMPARE(exportLog(controller), QStringLiteral("OK"));
        QCOMPARE(root.readFile("/media/sda1/holdingLog_SN123_250301-103000.csv"),
                 QByteArray("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n"
                            "Fries,2,03/01 09:15,No,00:45,\n"
                            "Wings,1,02/28 23:10,----,----,\n"
                            "Ribs,3,02/28 06:00,Yes,123:05,\n"
                            "\"Fish, \"\"large\"\"\",2,02/28 06:00,No,00:10,\n"
                            "'=SUM(A1),1,02/28 06:00,No,00:10,\n"
                            "'-2 Pack,1,02/28 06:00,No,00:10,\n"));
    }

    void exportFileNameAndLayoutEdges()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({entry("Fries", "2025/03/01", "09:15:00", "00:45:00", false, 5)})));
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        FakeCabinet fake;
        fake.config.setProperty("serialNumber", QStringLiteral("../a/b\\c"));
        fake.cabinet.setProperty("zonesPerRow", 0); // no shelf layout known
        HaccpController controller(&fake.cabinet);
        QCOMPARE(exportLog(controller), QStringLiteral("OK"));
        QCOMPARE(QDir(root.filePath("/media/sda1")).entryList(QDir::Files),
                 QStringList{"holdingLog__._a_b_c_250301-103000.csv"});
        QCOMPARE(root.readFile("/media/sda1/holdingLog__._a_b_c_250301-103000.csv").split('\n').at(1),
                 QByteArray("Fries,,03/01 09:15,No,00:45,"));

        // No store yet: the header alone.
        QFile::remove(root.filePath(kStore));
        fake.config.setProperty("serialNumber", QStringLiteral("S1"));
        QCOMPARE(exportLog(controller), QStringLiteral("OK"));
        QCOMPARE(root.readFile("/media/sda1/holdingLog_S1_250301-103000.csv"),
                 QByteArray("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,\n"));
    }

    void exportReportsWhyItFailed()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({entry("Fries", "2025/03/01", "09:15:00", "00:45:00", false, 5)})));
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        const QString file = root.filePath("/media/sda1/holdingLog_SN123_250301-103000.csv");

        QTest::ignoreMessage(QtDebugMsg, qPrintable("Unable to Open File !!! \"" + file + "\""));
        QCOMPARE(exportLog(controller), FileLogWorker::exportNoStick);
        // A plain file where the stick's directory should be is no stick.
        QVERIFY(root.writeFile("/media/sda1", "not a stick"));
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Unable to Open File !!! \"" + file + "\""));
        QCOMPARE(exportLog(controller), FileLogWorker::exportNoStick);
        QVERIFY(QFile::remove(root.filePath("/media/sda1")));

        // A stick with no room left.
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        QVERIFY(QFile::link("/dev/full", file));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("HACCP export failed"));
        QCOMPARE(exportLog(controller), FileLogWorker::exportFull);
        QVERIFY(!QFileInfo::exists(file) && !QFileInfo(file).isSymLink());

    }

    // A write-protected stick refuses root too: its file system is mounted
    // read-only. Where nothing can be mounted, permission bits stand in for
    // a user other than root.
    void exportToWriteProtectedStick()
    {
        TempRoot root;
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        const QString dir = root.filePath("/media/sda1");
        const QString file = dir + QStringLiteral("/holdingLog_SN123_250301-103000.csv");
        QVERIFY(QDir().mkpath(dir));
        SmallFileSystem stick(dir, 64 * 1024, true);
        const bool byPermissions = !stick.isMounted() && ::geteuid() != 0;
        if (!stick.isMounted() && !byPermissions)
            QSKIP(qPrintable("no file system can be mounted here: " + stick.reason()));
        if (byPermissions)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Unable to Open File !!! \"" + file + "\""));
        QCOMPARE(exportLog(controller), FileLogWorker::exportReadOnly);
        QVERIFY(!QFileInfo::exists(file));
        if (byPermissions)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void purgeOnTheProjectClock_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("adjustDays");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("deleted");
        QTest::newRow("exactly a year") << at(2025, 3, 1) << 0 << "2024/03/01" << "2024/02/29";
        QTest::newRow("29 February") << at(2024, 2, 29) << 0 << "2023/02/28" << "2023/02/27";
        QTest::newRow("cabinet time zone") << at(2025, 3, 1, 23, 30) << 1 << "2024/03/02" << "2024/03/01";
    }

    void purgeOnTheProjectClock()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, adjustDays);
        QFETCH(QString, kept);
        QFETCH(QString, deleted);
        KivClock::freezeAt(now.toMSecsSinceEpoch());
        TempRoot root;
        const QByteArray k = kept.toUtf8();
        const QByteArray d = deleted.toUtf8();
        QVERIFY(root.writeFile(kStore, storeOf({
            entry("new", k.constData(), "00:00:00", "----", false, 1),
            entry("old", d.constData(), "23:59:59", "00:10:00", false, 1),
            "{\"b\":1,\"t\":\"10:00:00\"}",
            entry("bad date", "2025-01-01", "10:00:00", "00:10:00", false, 1),
        })));
        FakeCabinet fake;
        QQmlEngine engine;
        HaccpController *controller = AlarmsSetup::createHaccpController(
            &fake.cabinet, engine.rootContext(),
            [=](const QDateTime &t) { return t.addDays(adjustDays); });
        QCOMPARE(engine.rootContext()->contextProperty("haccpController").value<QObject *>(),
                 controller);
        QCOMPARE(controller->parent(), &fake.cabinet);
        controller->removeOldHaccpData();
        QVERIFY(settle(*controller));
        QCOMPARE(root.readFile(kStore), storeOf({entry("new", k.constData(), "00:00:00", "----", false, 1)}));
    }

    void purgeRunsAtMostOnceADay()
    {
        TempRoot root;
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        auto *timer = controller.findChild<QTimer *>("purgeTimer");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        controller.removeOldHaccpData();
        QCOMPARE(timer->interval(), 3600000);

        const QByteArray old = entry("old", "2020/01/01", "10:00:00", "----", false, 1);
        auto plantOld = [&] {
            QVERIFY(settle(controller));
            QVERIFY(root.writeFile(kStore, storeOf({old})));
        };
        plantOld();
        KivClock::advance(23 * 3600 * 1000LL);
        controller.removeOldHaccpData();
        QVERIFY(settle(controller));
        QCOMPARE(storedEntries(root).size(), 1);
        KivClock::advance(2 * 3600 * 1000LL);
        controller.removeOldHaccpData();
        QVERIFY(settle(controller));
        QCOMPARE(storedEntries(root).size(), 0);
    }

    // A stop, removal then finished record, is one rewrite of the store;
    // a removal alone is written all the same, by itself, and one still
    // waiting when the worker goes is written then.
    void stopIsOneRewrite()
    {
        TempRoot root;
        QVERIFY(root.writeFile(kStore, storeOf({
            entry("Fries", "2025/03/01", "09:00:00", "----", false, 5),
            entry("Wings", "2025/03/01", "08:00:00", "----", false, 6),
        })));
        RenameCounter renames(root.filePath("/root/haccpLogs"), "haccpLog.json");
        {
            FakeCabinet fake;
            HaccpController controller(&fake.cabinet);
            const HaccpData finished = row("Fries", "2025/03/01", "09:00:00", "00:45:10", false, 5);
            controller.removeStartDataLogEntry(finished);
            controller.logDataEntry(finished);
            QVERIFY(settle(controller));
            QCOMPARE(renames.take(), 1);
            QCOMPARE(root.readFile(kStore), storeOf({
                entry("Fries", "2025/03/01", "09:00:00", "00:45:10", false, 5),
                entry("Wings", "2025/03/01", "08:00:00", "----", false, 6),
            }));

            // Handed over: no request follows.
            controller.removeStartDataLogEntry(row("Wings", "", "", "----", false, 6));
            QTRY_COMPARE(storedEntries(root).size(), 1);
            QCOMPARE(renames.take(), 1);
        }

        auto worker = std::make_unique<FileLogWorker>();
        QSignalSpy removed(worker.get(), &FileLogWorker::removeHaccpDone);
        worker->doAddHaccpDataLog(HaccpLogFormat::entryRequest(row("Ribs", "2025/03/01", "10:00:00", "----", false, 7)));
        worker->doRemoveHaccpDataLog(HaccpLogFormat::entryRequest(row("Ribs", "", "", "----", false, 7)));
        QCOMPARE(removed.count(), 0); // waiting for the next request
        worker.reset();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(0).toString(), QStringLiteral("OK"));
        QCOMPARE(root.readFile(kStore), storeOf({entry("Fries", "2025/03/01", "09:00:00", "00:45:10", false, 5)}));
    }

    // The worker keeps the store it wrote; a store rewritten by someone else
    // right after, even to the same size, is read again.
    void storeRewrittenBySomeoneElseIsReadAgain()
    {
        TempRoot root;
        FileLogWorker worker;
        QSignalSpy read(&worker, &FileLogWorker::retrievAllHaccpDataDone);
        for (int i = 0; i < 20; ++i) {
            worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(row("Fries", "2025/03/01", "09:00:00", "----", false, i)));
            QByteArray bytes = root.readFile(kStore);
            bytes.replace("Fries", "Fritz");
            QVERIFY(root.writeFile(kStore, bytes));
            worker.retrieveAllHaccpData(HaccpLogFormat::readRequest(false));
            const auto rows = read.takeFirst().at(2).value<HaccpDataList>();
            QCOMPARE(rows.size(), i + 1);
            QCOMPARE(rows.first().name, QStringLiteral("Fritz"));
        }
    }

    void loggingSwitchedOffDropsEverything()
    {
        TempRoot root;
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        FakeCabinet fake(false);
        HaccpController controller(&fake.cabinet);
        QVERIFY(!controller.isLogging());
        QVERIFY(controller.get_haccpDataModel());
        QVERIFY(!controller.findChild<QTimer *>("purgeTimer")->isActive());
        QSignalSpy read(&controller, &HaccpController::retrieveHaccpDataDone);
        QSignalSpy exported(&controller, &HaccpController::exportHaccpLogDone);
        controller.logDataEntry(row("Fries", "2025/03/01", "09:15:00", "----", false, 5));
        controller.retrieveAllHaccpData(true);
        controller.exportHaccpLog();
        controller.removeOldHaccpData();
        QTest::qWait(100);
        QCOMPARE(read.count(), 0);
        QCOMPARE(exported.count(), 0);
        QVERIFY(!QFileInfo::exists(root.filePath(kStore)));
        QVERIFY(QDir(root.filePath("/media/sda1")).isEmpty());
    }

    // Kill a process that logs holds at random moments: the store on disk is
    // always whole and never shrinks.
    void powerCutNeverTearsTheStore()
    {
        TempRoot root;
        int previous = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        int cuts = 0;
        while (cuts < 20 && elapsed.elapsed() < 4000) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(kChildMode, "1");
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), QStringList());
            QVERIFY(child.waitForStarted(5000));
            QVERIFY(child.waitForReadyRead(5000)); // the first hold is on disk
            QTest::qWait(QRandomGenerator::global()->bounded(1, 60));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(5000));
            ++cuts;

            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(root.readFile(kStore), &error);
            QCOMPARE(error.error, QJsonParseError::NoError);
            QCOMPARE(doc.object().value("desc").toString(), QStringLiteral("HACCP Data Log"));
            const QJsonArray entries = doc.object().value("haccpInfo").toArray();
            QVERIFY(entries.size() >= previous);
            for (const QJsonValue &v : entries)
                QCOMPARE(v.toObject().keys(), (QStringList{"b", "d", "e", "h", "p", "t"}));
            previous = entries.size();
        }
        QVERIFY(cuts >= 5);
        QVERIFY(previous > 0);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildMode))
        return runLoggingChild(argc, argv);
    // Before any thread exists, so that every thread shares it: mounts made
    // by the tests stay inside this process.
    g_privateMounts = ::unshare(CLONE_NEWNS) == 0
        && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QCoreApplication app(argc, argv);
    TestHaccpLog test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_haccplog.moc"
