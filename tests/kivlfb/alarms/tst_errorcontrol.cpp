#include "alarms/errorcodetable.h"
#include "alarms/errorcontrolhost.h"
#include "alarms/errorinfomodel.h"
#include "alarms/errorlogformat.h"
#include "alarms/errorrecord.h"
#include "alarms/kiverrorcontroller.h"
#include "alarms/kiverrorcontrollert.h"

#include "platform/kivclock.h"

#include "fakeerrorcontrolhost.h"
#include "filesizelimit.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// Prefixes every text of the error-code context, as a translation would.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, ErrorCodeTable::Context) != 0)
            return QString();
        return QStringLiteral("T: ") + QString::fromLatin1(sourceText);
    }
    bool isEmpty() const override { return false; }
};

QDateTime at(int y, int m, int d, int h = 9, int min = 30, int s = 5)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

// Everything the worker has raised so far is delivered here.
void settle(KivErrorControllerT &front)
{
    QVERIFY(QMetaObject::invokeMethod(front.worker(), [] {}, Qt::BlockingQueuedConnection));
    QCoreApplication::sendPostedEvents();
}

QByteArray line(const QDateTime &t, int a, int b, int c, int d)
{
    return ErrorLogFormat::logLine(t, {a, b, c, d});
}

QStringList rowsOf(const ErrorInfoModel *model)
{
    QStringList rows;
    for (const ErrorInfo &r : model->rows())
        rows << QStringList{r.dateText, r.timeText, r.codesText, r.description}.join(QLatin1Char('|'));
    return rows;
}

} // namespace

// Error control: the code table, the log file formats, and the worker in its
// thread behind the front, against a fake cabinet side of any role.
class TestErrorControl : public QObject
{
    Q_OBJECT

    // One root for the whole run: the detached "/bin/sync" fakes may still
    // be starting when a test ends.
    std::unique_ptr<TempRoot> m_root;
    QString m_startDir;

    int syncCalls() const { return m_root->fakeToolCalls("/bin/sync").size(); }

    QString logPath(const QString &name) const { return m_root->filePath("/root/errorLogs/" + name); }
    QByteArray readLog(const QString &name) const { return m_root->readFile("/root/errorLogs/" + name); }
    QByteArray buffer() const { return m_root->readFile("/root/errorsBuff.txt"); }
    bool bufferExists() const { return QFileInfo::exists(m_root->filePath("/root/errorsBuff.txt")); }
    void writeLog(const QString &name, const QByteArray &content)
    {
        QVERIFY(m_root->writeFile("/root/errorLogs/" + name, content));
    }

private slots:
    void initTestCase()
    {
        m_startDir = QDir::currentPath();
        m_root = std::make_unique<TempRoot>();
        QVERIFY(m_root->addFakeTool("/bin/sync"));
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(m_startDir);
        m_root.reset();
    }

    // Each test starts from an empty application directory, which is the
    // working directory as on the target, and no USB stick.
    void init()
    {
        // The directory itself stays: detached tools may still run in it.
        QDir app(m_root->filePath("/root"));
        for (const QFileInfo &entry : app.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            QVERIFY(entry.isDir() ? QDir(entry.filePath()).removeRecursively() : QFile::remove(entry.filePath()));
        QDir(m_root->filePath("/media")).removeRecursively();
        QVERIFY(QDir::setCurrent(app.path()));
        KivClock::freezeAt(at(2024, 1, 15).toMSecsSinceEpoch());
    }

    void cleanup()
    {
        KivClock::useSystemClock();
    }

    // ------------------------------------------------------------------
    // The code table

    void descriptions_data()
    {
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<QString>("description");
        QTest::newRow("sensor number from sub-code 2") << Codes{2, 0, 3, 0} << "Temperature sensor 3 shorted.";
        QTest::newRow("main 5 takes any sub-codes") << Codes{5, 2, 0, 0} << "NFC board 2 communication loss.";
        QTest::newRow("main 5, others too") << Codes{5, 7, 9, 1} << "NFC board 7 communication loss.";
        QTest::newRow("no place holder") << Codes{6, 5, 0, 0} << "Socket timeout error.";
        QTest::newRow("socket error with detail") << Codes{6, 13, 42, 0} << "Ssl handshake failed error. 42";
        QTest::newRow("reboot seen by another display") << Codes{4, 3, 1, 9} << "Unexpected UI reboot detected.";
        QTest::newRow("reboot seen by the primary") << Codes{4, 3, 0, 0} << "Unexpected UI reboot detected.";
        QTest::newRow("reboot, unknown reporter") << Codes{4, 3, 2, 0} << "Undefined";
        QTest::newRow("reboot, sub-code 2 = 7") << Codes{4, 3, 7, 0} << "Undefined";
        QTest::newRow("SDK class 0, any detail") << Codes{8, 0, 5, 5} << "RIOT SDK Error.";
        QTest::newRow("two spaces kept") << Codes{8, 1, 2, 0} << "Root CA file is  null.";
        QTest::newRow("SDK row missing") << Codes{8, 1, 11, 0} << "Undefined";
        QTest::newRow("main 0") << Codes{0, 0, 0, 0} << "Undefined";
        QTest::newRow("no main 7") << Codes{7, 1, 0, 0} << "Undefined";
        QTest::newRow("main 99") << Codes{99, 1, 0, 0} << "Undefined";
    }
    void descriptions()
    {
        QFETCH(Codes, codes);
        QFETCH(QString, description);
        QCOMPARE(ErrorCodeTable::describe(ErrorCodeTable::translated(), codes[0], codes[1], codes[2], codes[3]),
                 description);
    }

    // The worker builds the table when prepared and again on each
    // retranslation, in the language then installed; rebuilding never
    // grows it.
    void tableFollowsTheLanguage()
    {
        KivErrorController worker(nullptr, nullptr);
        worker.prepareSm();
        worker.createDefinitionsList();
        QCOMPARE(worker.definitionsCount(), 81);

        ErrorRecord record(2, 1, 4, 0, QString());
        worker.findAssignDescription(&record);
        QCOMPARE(record.get_description(), QString("Temperature sensor 4 open."));

        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        worker.createDefinitionsList();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(worker.definitionsCount(), 81);
        worker.findAssignDescription(&record);
        QCOMPARE(record.get_description(), QString("T: Temperature sensor 4 open."));
    }

    // ------------------------------------------------------------------
    // Formats

    void logLineFormat()
    {
        QCOMPARE(line(at(2024, 1, 15), 2, 1, 3, 0), QByteArray("1;2024/01/15 09:30:05;2\t1\t3\t0\n"));
        const QList<ErrorLogFormat::Line> back = ErrorLogFormat::parseLog(line(at(2024, 1, 15), 2, 1, 3, 0));
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.at(0).timeStamp, at(2024, 1, 15));
        QVERIFY(back.at(0).codes == (ErrorLogFormat::Codes{2, 1, 3, 0}));
        QCOMPARE(back.at(0).codesText, QString("2.1.3.0"));
    }

    void weeklyFileNames_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("file");
        QTest::newRow("first report") << QStringList() << QDate(2024, 1, 15) << "240115.txt";
        QTest::newRow("same ISO week") << QStringList{"240115.txt"} << QDate(2024, 1, 21) << "240115.txt";
        QTest::newRow("next week") << QStringList{"240115.txt"} << QDate(2024, 1, 22) << "240122.txt";
        QTest::newRow("week 1 spans the new year") << QStringList{"241230.txt"} << QDate(2025, 1, 1) << "241230.txt";
        QTest::newRow("same week number, a year on") << QStringList{"240115.txt"} << QDate(2025, 1, 15) << "250115.txt";
        QTest::newRow("prefix read by its date") << QStringList{"240115.txt", "EL240115.txt"} << QDate(2024, 1, 17)
                                                 << "240115.txt";
        QTest::newRow("newest by name decides") << QStringList{"231225.txt", "240115.txt"} << QDate(2023, 12, 27)
                                                << "231227.txt";
        QTest::newRow("unreadable name") << QStringList{"notes.txt"} << QDate(2024, 1, 15) << "240115.txt";
    }
    void weeklyFileNames()
    {
        QFETCH(QStringList, existing);
        QFETCH(QDate, today);
        QFETCH(QString, file);
        QCOMPARE(ErrorLogFormat::logFileName(ErrorLogFormat::logNames(existing << "." << ".."), today), file);
    }

    void readingSkipsMalformedLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("codes");
        const QByteArray good = "1;2024/01/15 09:30:05;2\t1\t3\t0\n";
        QTest::newRow("good") << good << QStringList{"2.1.3.0"};
        QTest::newRow("version 2") << QByteArray("2;2024/01/15 09:30:05;2\t1\t3\t0\n") + good << QStringList{"2.1.3.0"};
        QTest::newRow("version 10") << QByteArray("10;2024/01/15 09:30:05;2\t1\t3\t0\n") << QStringList();
        QTest::newRow("four-digit code") << QByteArray("1;2024/01/15 09:30:05;2\t1000\t3\t0\n") << QStringList();
        QTest::newRow("four-digit last code") << QByteArray("1;2024/01/15 09:30:05;2\t1\t3\t1000\n") << QStringList();
        QTest::newRow("codes as written") << QByteArray("1;2024/01/15 09:30:05;02\t1\t3\t0\n") << QStringList{"02.1.3.0"};
        QTest::newRow("three codes") << QByteArray("1;2024/01/15 09:30:05;2\t1\t3\n") << QStringList();
        QTest::newRow("no such date") << QByteArray("1;2024/13/45 09:30:05;2\t1\t3\t0\n") << QStringList();
        QTest::newRow("carriage return, no end") << QByteArray("1;2024/01/15 09:30:05;4\t4\t1\t0\r") << QStringList{"4.4.1.0"};
        QTest::newRow("garbage") << QByteArray("\x01\xff;;\t\n\n;") << QStringList();
    }
    void readingSkipsMalformedLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, codes);
        QStringList read;
        for (const ErrorLogFormat::Line &l : ErrorLogFormat::parseLog(content))
            read << l.codesText;
        QCOMPARE(read, codes);
    }

    void bufferLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("log line") << "1;2024/01/14 08:00:00;4\t1\t0\t0" << true;
        QTest::newRow("more fields") << "1;2024/01/14 08:00:00;4\t1\t0\t0;x" << true;
        QTest::newRow("two fields") << "1;2024/01/14 08:00:00" << false;
        QTest::newRow("three codes") << "1;2024/01/14 08:00:00;4\t1\t0" << false;
        QTest::newRow("code not a number") << "1;2024/01/14 08:00:00;4\tx\t0\t0" << false;
        QTest::newRow("no time") << "1;;4\t1\t0\t0" << false;
        QTest::newRow("old comma form") << "4,4,1,0" << false;
    }
    void bufferLines()
    {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        ErrorLogFormat::Line l;
        QCOMPARE(ErrorLogFormat::parseBufferLine(text, &l), taken);
        if (taken) {
            QCOMPARE(l.timeStamp, at(2024, 1, 14, 8, 0, 0));
            QVERIFY(l.codes == (ErrorLogFormat::Codes{4, 1, 0, 0}));
        }
    }

    // The serial number never leads the export out of the stick.
    void exportFileName()
    {
        const QDateTime t = at(2024, 1, 15);
        QCOMPARE(ErrorLogFormat::exportFileName("SN1", t), QString("/media/sda1/errorLog_SN1_240115-093005.txt"));
        QCOMPARE(ErrorLogFormat::exportFileName("../../root/x", t),
                 QString("/media/sda1/errorLog__._.._root_x_240115-093005.txt"));
        QCOMPARE(ErrorLogFormat::exportFileName("a\\b%2", t), QString("/media/sda1/errorLog_a_b%2_240115-093005.txt"));
    }

    // ------------------------------------------------------------------
    // The row model

    void modelAnnouncesExactlyItsRows()
    {
        ErrorInfoModel model(nullptr);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.updateModel({});
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(inserted.count() + removed.count(), 0);

        model.updateModel({{"2024/01/15", "09:30:05", "2.1.3.0", "Temperature sensor 3 open.", 2},
                           {"2024/01/14", "08:00:00", "4.1.0.0", "Primary UI communication loss.", 4}});
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 1);
        QCOMPARE(model.getData(1, 2).toString(), QString("4.1.0.0"));
        QCOMPARE(model.getData(0, 3).toString(), QString("Temperature sensor 3 open."));
        QVERIFY(!model.getData(2, 0).isValid());
        QVERIFY(!model.getData(0, 4).isValid());
        QVERIFY(!model.getData(-1, 0).isValid());
        QCOMPARE(model.data(model.index(0), ErrorInfoModel::TimeRole).toString(), QString("09:30:05"));
        QCOMPARE(model.roleNames().value(260), QByteArray("desc"));

        model.clear();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(2).toInt(), 1);
    }

    // The copy the screen shows is always one whole state of the worker's
    // model, even while the worker empties and refills it.
    void copyIsOneWholeState()
    {
        ErrorInfoModel source(nullptr);
        ErrorInfoList full;
        for (int i = 0; i < 200; ++i)
            full.append({"2024/01/15", "09:30:05", QString("2.0.%1.0").arg(i), "d", 2});
        std::atomic<bool> stop{false};
        std::atomic<int> refills{0};
        QThread *writer = QThread::create([&] {
            while (!stop) {
                source.updateModel(full);
                source.clear();
                ++refills;
            }
        });
        writer->start();
        ErrorInfoModel copy(nullptr);
        // Copies taken while the worker refills its model again and again.
        for (int round = 0; round < 2000 || refills < 2000; ++round) {
            copy.updateFromModel(&source);
            const ErrorInfoList rows = copy.rows();
            if (!rows.isEmpty() && rows != full) {
                stop = true;
                writer->wait();
                delete writer;
                QFAIL(qPrintable(QString("round %1: a copy of %2 rows mixes states").arg(round).arg(rows.size())));
            }
        }
        stop = true;
        writer->wait();
        delete writer;
    }

    // ------------------------------------------------------------------
    // Reports, clears and where they go

    // A report is described, appended to the week's file, announced and
    // kept; the log is synced.
    void reportIsLoggedAnnouncedAndKept()
    {
        FakeErrorControlHost host;
        const int syncsBefore = syncCalls();
        KivErrorControllerT front(nullptr, nullptr, &host);
        QCOMPARE(front.worker()->thread()->objectName(), QString("kivErrorControllerThread"));
        QCOMPARE(front.worker()->objectName(), QString("kivErrorControllerWorkerSM"));
        QSignalSpy notified(&front, &KivErrorControllerT::notifyError);
        QSignalSpy counted(&front, &KivErrorControllerT::errorsLogListCountChanged);

        front.errorCodesDataProcess(2, 1, 3, 0);
        settle(front);
        QCOMPARE(readLog("240115.txt"), QByteArray("1;2024/01/15 09:30:05;2\t1\t3\t0\n"));
        QCOMPARE(notified.count(), 1);
        QCOMPARE(notified.at(0), (QVariantList{QString::number(at(2024, 1, 15).toSecsSinceEpoch()), "2.1.3.0",
                                              "Temperature sensor 3 open.", " "}));
        QCOMPARE(front.get_errorsLogListCount(), 1);
        QCOMPARE(counted.count(), 1);
        QTRY_VERIFY(syncCalls() > syncsBefore);

        // A week on, the next report opens the next file.
        KivClock::freezeAt(at(2024, 1, 22, 7, 0, 0).toMSecsSinceEpoch());
        front.errorCodesDataProcess(5, 1, 0, 0);
        settle(front);
        QCOMPARE(readLog("240122.txt"), QByteArray("1;2024/01/22 07:00:00;5\t1\t0\t0\n"));
        QCOMPARE(readLog("240115.txt").count('\n'), 1);
        QCOMPARE(front.get_errorsLogListCount(), 2);
        QVERIFY(!bufferExists());
        QVERIFY(host.sent().isEmpty());
    }

    void forwardingByRole_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<int>("sentId");    // 0: nothing sent
        QTest::addColumn<bool>("buffered");
        const int P = FakeErrorControlHost::PrimaryRole, S = FakeErrorControlHost::SecondaryRole, M = FakeErrorControlHost::MirrorRole;
        QTest::newRow("secondary: primary lost") << S << false << false << Codes{4, 1, 0, 0} << 0 << true;
        QTest::newRow("secondary: sensor") << S << false << false << Codes{2, 0, 3, 0} << 49 << false;
        QTest::newRow("secondary: sensor clear") << S << false << true << Codes{2, 0, 3, 0} << 62 << false;
        QTest::newRow("secondary: own reboot") << S << false << false << Codes{4, 3, 1, 0} << 0 << true;
        QTest::newRow("secondary: own bus voltage") << S << false << false << Codes{4, 4, 1, 0} << 0 << true;
        QTest::newRow("secondary: primary's reboot") << S << false << false << Codes{4, 3, 0, 0} << 49 << false;
        QTest::newRow("primary with mirror: zone") << P << true << false << Codes{3, 0, 2, 0} << 49 << false;
        QTest::newRow("primary with mirror: zone clear") << P << true << true << Codes{3, 0, 2, 0} << 0 << false;
        QTest::newRow("primary with mirror: kept group") << P << true << false << Codes{4, 1, 0, 0} << 0 << false;
        QTest::newRow("primary alone") << P << false << false << Codes{2, 0, 3, 0} << 0 << false;
        QTest::newRow("mirror display") << M << false << false << Codes{2, 0, 3, 0} << 0 << false;
        QTest::newRow("mirror display: kept group") << M << false << false << Codes{4, 4, 1, 0} << 0 << true;
    }
    void forwardingByRole()
    {
        QFETCH(int, role);
        QFETCH(bool, mirror);
        QFETCH(bool, clear);
        QFETCH(Codes, codes);
        QFETCH(int, sentId);
        QFETCH(bool, buffered);
        FakeErrorControlHost host;
        host.role = role;
        host.master = role == FakeErrorControlHost::PrimaryRole;
        host.mirror = mirror;
        KivErrorControllerT front(nullptr, nullptr, &host);
        QSignalSpy cleared(&front, &KivErrorControllerT::notifyErrorClear);

        if (clear)
            front.errorCodesClearDataProcess(codes[0], codes[1], codes[2], codes[3]);
        else
            front.errorCodesDataProcess(codes[0], codes[1], codes[2], codes[3]);
        settle(front);

        const QList<FakeErrorControlHost::Sent> sent = host.sent();
        QCOMPARE(sent.size(), sentId ? 1 : 0);
        if (sentId) {
            QCOMPARE(sent.at(0).messageId, sentId);
            QCOMPARE(sent.at(0).codes, codes);
            QVERIFY(sent.at(0).onMainThread);
        }
        QCOMPARE(bufferExists(), buffered);
        if (buffered)
            QCOMPARE(buffer(), line(at(2024, 1, 15), codes[0], codes[1], codes[2], codes[3]));
        // A clear is announced but neither logged nor kept.
        QCOMPARE(cleared.count(), clear ? 1 : 0);
        QCOMPARE(QFileInfo::exists(logPath("240115.txt")), !clear);
        QCOMPARE(front.get_errorsLogListCount(), clear ? 0 : 1);
    }

    // Many reports and clears reach the bus in the order they were raised.
    void sendsKeepTheirOrder()
    {
        FakeErrorControlHost host;
        host.role = FakeErrorControlHost::SecondaryRole;
        host.master = false;
        KivErrorControllerT front(nullptr, nullptr, &host);
        for (int i = 0; i < 40; ++i) {
            front.errorCodesDataProcess(2, 0, i, 0);
            front.errorCodesClearDataProcess(2, 0, i, 0);
        }
        settle(front);
        const QList<FakeErrorControlHost::Sent> sent = host.sent();
        QCOMPARE(sent.size(), 80);
        for (int i = 0; i < 80; ++i) {
            QCOMPARE(sent.at(i).messageId, i % 2 ? 62 : 49);
            QCOMPARE(sent.at(i).codes, (Codes{2, 0, i / 2, 0}));
            QVERIFY(sent.at(i).onMainThread);
        }
    }

    // A week's file that cannot be opened costs the log line and the
    // announcement, nothing else.
    void unopenableLogFile()
    {
        QVERIFY(QDir().mkpath(logPath("240115.txt")));
        FakeErrorControlHost host;
        host.role = FakeErrorControlHost::SecondaryRole;
        host.master = false;
        KivErrorControllerT front(nullptr, nullptr, &host);
        QSignalSpy notified(&front, &KivErrorControllerT::notifyError);
        MessageCatcher log;

        front.errorCodesDataProcess(2, 0, 3, 0);
        front.errorCodesDataProcess(4, 1, 0, 0);
        settle(front);
        QCOMPARE(notified.count(), 0);
        QVERIFY(log.contains("not logged"));
        QCOMPARE(host.sent().size(), 1);
        QCOMPARE(host.sent().at(0).codes, (Codes{2, 0, 3, 0}));
        QCOMPARE(buffer(), line(at(2024, 1, 15), 4, 1, 0, 0));
        QCOMPARE(front.get_errorsLogListCount(), 2);
    }

    // A full disk that stops a line part way loses that line only: the
    // next one starts on a line of its own.
    void fullDiskLeavesNoHalfLine()
    {
        const QByteArray earlier = line(at(2024, 1, 15, 6, 0, 0), 6, 5, 0, 0);
        writeLog("240115.txt", earlier);
        FakeErrorControlHost host;
        KivErrorControllerT front(nullptr, nullptr, &host);
        settle(front);
        MessageCatcher log;
        {
            FileSizeLimit full(earlier.size() + 10);
            front.errorCodesDataProcess(2, 1, 3, 0);
            settle(front);
        }
        QVERIFY(log.contains("Error log: cannot append to ./errorLogs/240115.txt"));
        QCOMPARE(readLog("240115.txt"), earlier);
        front.errorCodesDataProcess(2, 0, 4, 0);
        settle(front);
        QCOMPARE(readLog("240115.txt"), earlier + line(at(2024, 1, 15), 2, 0, 4, 0));
    }

    // ------------------------------------------------------------------
    // Reading, deleting and exporting

    // At start the front already holds every well-formed line, newest
    // first. A report raises the count at once; the rows follow only when
    // the screen reads again (empty first, then read).
    void logsAreReadNewestFirst()
    {
        writeLog("240108.txt", line(at(2024, 1, 8, 8, 0, 0), 2, 0, 1, 0) + "2;2024/01/08 08:00:30;9\t9\t9\t9\n"
                                   + line(at(2024, 1, 9, 10, 0, 0), 5, 2, 0, 0)
                                   + "1;2024/01/09 10:00:01;2\t1\t3\t1234\n");
        writeLog("240115.txt", line(at(2024, 1, 15, 6, 0, 0), 6, 5, 0, 0));
        FakeErrorControlHost host;
        KivErrorControllerT front(nullptr, nullptr, &host);
        settle(front);
        const QStringList newestFirst = {"2024/01/15|06:00:00|6.5.0.0|Socket timeout error.",
                                         "2024/01/09|10:00:00|5.2.0.0|NFC board 2 communication loss.",
                                         "2024/01/08|08:00:00|2.0.1.0|Temperature sensor 1 shorted."};
        QCOMPARE(rowsOf(front.get_errorInfoModel()), newestFirst);
        QCOMPARE(front.get_errorsLogListCount(), 3);
        QVERIFY(front.get_errorsLogList().isEmpty());

        front.errorCodesDataProcess(2, 1, 3, 0);
        settle(front);
        QCOMPARE(front.get_errorsLogListCount(), 4);
        QCOMPARE(rowsOf(front.get_errorInfoModel()), newestFirst);

        front.clearErrorLogList();
        front.retrieveAllErrorLogs();
        settle(front);
        QCOMPARE(front.get_errorsLogListCount(), 4);
        QCOMPARE(rowsOf(front.get_errorInfoModel()).first(), QString("2024/01/15|09:30:05|2.1.3.0|Temperature sensor 3 open."));

        front.clearErrorLogList();
        settle(front);
        QCOMPARE(front.get_errorInfoModel()->rowCount(), 0);
        QCOMPARE(front.get_errorsLogListCount(), 0);
    }

    void deletingAllLogs_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("secondary");
        QTest::addColumn<bool>("toOthers");
        QTest::newRow("primary with a mirror") << int(FakeErrorControlHost::PrimaryRole) << true << false << true;
        QTest::newRow("primary with a secondary") << int(FakeErrorControlHost::PrimaryRole) << false << true << true;
        QTest::newRow("primary alone") << int(FakeErrorControlHost::PrimaryRole) << false << false << false;
        QTest::newRow("secondary") << int(FakeErrorControlHost::SecondaryRole) << false << false << false;
    }
    void deletingAllLogs()
    {
        QFETCH(int, role);
        QFETCH(bool, mirror);
        QFETCH(bool, secondary);
        QFETCH(bool, toOthers);
        writeLog("240108.txt", line(at(2024, 1, 8), 2, 0, 1, 0));
        writeLog("240115.txt", line(at(2024, 1, 15), 2, 0, 2, 0));
        FakeErrorControlHost host;
        host.role = role;
        host.mirror = mirror;
        host.secondary = secondary;
        const int syncsBefore = syncCalls();
        KivErrorControllerT front(nullptr, nullptr, &host);

        // What the screen's "Clear All" does.
        front.deleteAllErrorLogs();
        front.clearErrorLogList();
        settle(front);
        QCOMPARE(QDir(m_root->filePath("/root/errorLogs")).entryList(QDir::Files), QStringList());
        QCOMPARE(front.get_errorInfoModel()->rowCount(), 0);
        QCOMPARE(front.get_errorsLogListCount(), 0);
        QCOMPARE(host.sent().size(), toOthers ? 1 : 0);
        if (toOthers) {
            QCOMPARE(host.sent().at(0).messageId, 50);
            QVERIFY(host.sent().at(0).onMainThread);
        }
        QTRY_VERIFY(syncCalls() > syncsBefore);
    }

    // The export holds every logged line once, newest first, also right
    // after the screen read the log.
    void exportToTheStick()
    {
        writeLog("240108.txt", line(at(2024, 1, 8, 8, 0, 0), 2, 0, 1, 0));
        writeLog("240115.txt", line(at(2024, 1, 15, 6, 0, 0), 4, 3, 1, 0) + "garbage\n");
        QVERIFY(QDir().mkpath(m_root->filePath("/media/sda1")));
        FakeErrorControlHost host;
        host.serial = QStringLiteral("K/7");
        KivErrorControllerT front(nullptr, nullptr, &host);
        front.clearErrorLogList();
        front.retrieveAllErrorLogs();
        front.exportErrorLog();
        settle(front);
        QCOMPARE(m_root->readFile("/media/sda1/errorLog_K_7_240115-093005.txt"),
                 QByteArray("2024/01/15 06:00:00    4.3.1.0    Unexpected UI reboot detected.\n"
                            "2024/01/08 08:00:00    2.0.1.0    Temperature sensor 1 shorted.\n"));
        QCOMPARE(QDir(m_root->filePath("/media/sda1")).entryList(QDir::Files).size(), 1);
        QCOMPARE(front.get_errorsLogListCount(), 2);
    }

    void exportWithoutStick()
    {
        writeLog("240115.txt", line(at(2024, 1, 15, 6, 0, 0), 4, 3, 1, 0));
        FakeErrorControlHost host;
        KivErrorControllerT front(nullptr, nullptr, &host);
        MessageCatcher log;
        front.exportErrorLog();
        settle(front);
        QVERIFY(log.contains("Unable to Open File !!!"));
        QVERIFY(!QFileInfo::exists(m_root->filePath("/media/sda1")));
    }

    // ------------------------------------------------------------------
    // A secondary display's buffer on the primary display

    void bufferIntake()
    {
        QVERIFY(m_root->writeFile("/root/errorsBuff.txt",
                                  line(at(2024, 1, 14, 8, 0, 0), 4, 1, 0, 0) + "1;2024/01/14 08:00:01;4\t1\n"
                                      + "rubbish\n" + line(at(2024, 1, 14, 8, 0, 2), 4, 4, 1, 0)));
        FakeErrorControlHost host;
        host.mirror = true;
        KivErrorControllerT front(nullptr, nullptr, &host);
        QSignalSpy notified(&front, &KivErrorControllerT::notifyError);
        MessageCatcher log;

        emit front.callProcessSlaveErrors();
        settle(front);
        QVERIFY(log.contains("KivErrorController::processSlaveErrors() invoked!!!"));
        // Logged under their own time, in today's file; never on to the
        // mirror (these are the reports that never travel by CAN).
        QCOMPARE(readLog("240115.txt"), line(at(2024, 1, 14, 8, 0, 0), 4, 1, 0, 0)
                                            + line(at(2024, 1, 14, 8, 0, 2), 4, 4, 1, 0));
        QCOMPARE(notified.count(), 2);
        QCOMPARE(notified.at(1).at(1).toString(), QString("4.4.1.0"));
        QVERIFY(host.sent().isEmpty());
        QVERIFY(!bufferExists());
        QCOMPARE(front.get_errorsLogListCount(), 2);
    }

    void bufferWithNothingUsableIsDeleted()
    {
        QVERIFY(m_root->writeFile("/root/errorsBuff.txt", "4,4,1,0\n;;\n"));
        FakeErrorControlHost host;
        KivErrorControllerT front(nullptr, nullptr, &host);
        emit front.callProcessSlaveErrors();
        settle(front);
        QVERIFY(!bufferExists());
        QVERIFY(!QFileInfo::exists(logPath("240115.txt")));
        // No buffer at all: nothing happens.
        emit front.callProcessSlaveErrors();
        settle(front);
        QCOMPARE(front.get_errorsLogListCount(), 0);
    }

    // ------------------------------------------------------------------
    // The front

    void frontHandsCallsOnInOrder()
    {
        FakeErrorControlHost host;
        KivErrorControllerT errors(nullptr, nullptr, &host);
        QSignalSpy report(&errors, &KivErrorControllerT::callErrorCodesDataProcess);
        QSignalSpy clear(&errors, &KivErrorControllerT::callErrorCodesClearDataProcess);
        QSignalSpy definitions(&errors, &KivErrorControllerT::callCreateDefinitionsList);
        QSignalSpy deleteLogs(&errors, &KivErrorControllerT::callDeleteAllErrorLogs);
        QSignalSpy clearList(&errors, &KivErrorControllerT::callClearErrorLogList);
        QSignalSpy exported(&errors, &KivErrorControllerT::callExportErrorLog);
        QSignalSpy flags(&errors, &KivErrorControllerT::call_set_errorFlags);

        errors.errorCodesDataProcess(4, 3, 1, 0);
        errors.errorCodesClearDataProcess(2, 6, 0, 9);
        errors.createDefinitionsList();
        errors.deleteAllErrorLogs();
        errors.clearErrorLogList();
        errors.exportErrorLog();
        errors.set_errorFlags(5);

        QCOMPARE(report.count(), 1);
        QCOMPARE(report.at(0), (QList<QVariant>{4, 3, 1, 0}));
        QCOMPARE(clear.count(), 1);
        QCOMPARE(clear.at(0), (QList<QVariant>{2, 6, 0, 9}));
        QCOMPARE(definitions.count(), 1);
        QCOMPARE(deleteLogs.count(), 1);
        QCOMPARE(clearList.count(), 1);
        QCOMPARE(exported.at(0).at(0).toString(), QString("SN1"));
        QCOMPARE(flags.at(0).at(0).toUInt(), 5u);
        settle(errors);
        QCOMPARE(errors.worker()->get_errorFlags(), 5u);
        // The front keeps no records and no flags of its own.
        QCOMPARE(errors.get_errorFlags(), 0u);
        QVERIFY(errors.get_errorAcknowledged());
        QVERIFY(errors.get_errorsList().isEmpty());
    }

    void siblingLinkFlagIsAnnouncedOnChange()
    {
        KivErrorControllerT errors(nullptr, nullptr);
        QSignalSpy changed(&errors, &KivErrorControllerT::sibLinkBrokenChanged);
        QVERIFY(!errors.get_sibLinkBroken());
        errors.set_sibLinkBroken(true);
        errors.set_sibLinkBroken(true);
        errors.set_sibLinkBroken(false);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
        QCOMPARE(changed.at(1).at(0).toBool(), false);
    }

    // The list of current errors: one record per code set; the last one
    // removed acknowledges.
    void currentErrorList()
    {
        KivErrorController worker(nullptr, nullptr);
        worker.prepareSm();
        worker.errorCodesDataProcess(2, 1, 3, 0);
        worker.addCurrentErrorRecordToList();
        worker.addCurrentErrorRecordToList();
        worker.errorCodesClearDataProcess(6, 5, 0, 0);
        worker.addCurrentErrorRecordToList();
        QCOMPARE(worker.get_errorsList().size(), 2);
        worker.rebuildCurrentErrorsString();
        QCOMPARE(worker.get_currentErrorsString(),
                 QString("Temperature sensor 3 open.:2.1.3.0\nSocket timeout error.:6.5.0.0\n"));
        worker.setRecoverableErrProperties();
        QCOMPARE(worker.get_recoverableErrLabel(), QString("Socket timeout error."));
        QCOMPARE(worker.get_recoverableErrCodes(), QString("E6.5.0.0"));

        worker.set_errorAcknowledgedFalse();
        QSignalSpy acked(&worker, &KivErrorController::errorAckedTrue);
        worker.removeCurrentErrorRecordFromList();
        QCOMPARE(acked.count(), 0);
        worker.errorCodesDataProcess(2, 1, 3, 0);
        worker.removeCurrentErrorRecordFromList();
        QVERIFY(worker.get_errorsList().isEmpty());
        QCOMPARE(acked.count(), 1);
        QVERIFY(worker.get_errorAcknowledged());
    }
};

QTEST_MAIN(TestErrorControl)
#include "tst_errorcontrol.moc"
