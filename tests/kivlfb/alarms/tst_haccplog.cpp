#include "alarms/alarmssetup.h"
#include "alarms/filelogworker.h"
#include "alarms/haccpcontroller.h"
#include "alarms/haccpdatamodel.h"
#include "alarms/haccplogformat.h"

#include "platform/kivclock.h"

#include "temproot.h"

#include <QJsonDocument>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

const QString kStore = QStringLiteral("/root/haccpLogs/haccpLog.json");
const char kChildMode[] = "KIV_HACCP_LOGGING_CHILD";

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

// A directory that refuses new files, as a write-protected stick does. Root
// writes through permission bits, so for root the directory is made
// immutable instead (which a stick's read-only mount also does to root);
// isProtected() is false where the file system cannot do that.
class WriteProtectedDirectory
{
public:
    explicit WriteProtectedDirectory(const QString &path)
        : m_path(path)
    {
        if (::geteuid() != 0) {
            m_protected = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        int flags = 0;
        if (m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_protected = ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~WriteProtectedDirectory()
    {
        if (m_fd < 0) {
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return;
        }
        int flags = 0;
        if (m_protected && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(m_fd);
    }
    bool isProtected() const { return m_protected; }

private:
    QString m_path;
    int m_fd = -1;
    bool m_protected = false;
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

        // A torn store reads as empty; the next write keeps a copy of it.
        const QByteArray torn = storeOf({entry("Fries", "2025/03/01", "09:15:00", "----", false, 5)}).left(40);
        QVERIFY(root.writeFile(kStore, torn));
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_totalHaccpLogListCount(), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable store kept as"));
        controller.logDataEntry(row("Wings", "2025/03/01", "10:00:00", "----", false, 1));
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_totalHaccpLogListCount(), 1);
        QCOMPARE(root.readFile(kStore + ".corrupt"), torn);

        // "haccpInfo" that is not an array counts as no entries.
        QVERIFY(root.writeFile(kStore, "{\"haccpInfo\":{\"b\":1}}"));
        QVERIFY(settle(controller));
        QCOMPARE(controller.get_totalHaccpLogListCount(), 0);
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

    void exportToWriteProtectedStick()
    {
        TempRoot root;
        FakeCabinet fake;
        HaccpController controller(&fake.cabinet);
        const QString file = root.filePath("/media/sda1/holdingLog_SN123_250301-103000.csv");
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        WriteProtectedDirectory stick(root.filePath("/media/sda1"));
        if (!stick.isProtected())
            QSKIP("this file system cannot write-protect a directory against root");
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Unable to Open File !!! \"" + file + "\""));
        QCOMPARE(exportLog(controller), FileLogWorker::exportReadOnly);
        QVERIFY(!QFileInfo::exists(file));
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
    QCoreApplication app(argc, argv);
    TestHaccpLog test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_haccplog.moc"
