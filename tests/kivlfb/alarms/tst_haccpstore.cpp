#include "alarms/filelogworker.h"
#include "alarms/haccpcontroller.h"
#include "alarms/haccplogformat.h"

#include "platform/damagedfiles.h"
#include "platform/kivclock.h"

#include "messagecatcher.h"
#include "temproot.h"
#include "treelogworker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>


// The log worker keeps its store in memory and edits its bytes; the worker it
// replaced parsed and rebuilt the whole document on every request. Both are
// run through the same requests from the same files here, and must leave the
// same files, rows, export lines, completions and warnings behind.

namespace {

const QString kStore = QStringLiteral("/root/haccpLogs/haccpLog.json");

HaccpData holdOf(const QString &name, const QString &date, const QString &time, int bin)
{
    HaccpData d;
    d.name = name;
    d.date = date;
    d.time = time;
    d.duration = QStringLiteral("----");
    d.binNumber = bin;
    return d;
}

// The holds that the sequences start and stop, by number.
HaccpData startOf(int n)
{
    switch (n) {
    case 0:
        return holdOf(QStringLiteral("Fries"), "2025/03/01", "09:15:00", 5);
    case 1:
        return holdOf(QStringLiteral("Fish, \"large\""), "2025/03/01", "09:20:00", 5);
    case 2:
        return holdOf(QString::fromUtf8("Cr\xc3\xa8me br\xc3\xbbl\xc3\xa9" "e \xf0\x9f\x8d\xae"), "2025/03/01",
                      "10:00:00", 6);
    case 3:
        return holdOf(QStringLiteral("=SUM(A1)"), "2025/02/28", "23:59:59", 0);
    case 4:
        return holdOf(QStringLiteral("Tab\there\nline ") + QChar(0xd800), "2025/03/01", "10:01:00", -1);
    case 5:
        return holdOf(QStringLiteral("Ribs"), "2024/02/29", "06:00:00", 11);
    default:
        return holdOf(QString(), "bad", "25:00:00", 2147483647);
    }
}

HaccpData finishedOf(int n)
{
    HaccpData d = startOf(n);
    d.duration = n % 2 ? QStringLiteral("123:05:09") : QStringLiteral("00:45:10");
    d.expired = n % 3 == 0;
    return d;
}

QByteArray entryJson(const HaccpData &d)
{
    QJsonObject o;
    o.insert("p", d.name);
    o.insert("d", d.date);
    o.insert("t", d.time);
    o.insert("h", d.duration);
    o.insert("e", d.expired);
    o.insert("b", int(d.binNumber));
    const QByteArray wrapped = QJsonDocument(QJsonArray{o}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QByteArray storeOf(const QList<QByteArray> &entries, const QByteArray &before = "{\"desc\":\"HACCP Data Log\",",
                   const QByteArray &after = "}")
{
    QByteArray joined;
    for (const QByteArray &e : entries)
        joined += (joined.isEmpty() ? "" : ",") + e;
    return before + "\"haccpInfo\":[" + joined + "]" + after;
}

// Stores as the worker may find them on disk.
QMap<QString, QByteArray> fixtures()
{
    QMap<QString, QByteArray> f;
    const QList<QByteArray> usual = {
        entryJson(startOf(0)),
        entryJson(holdOf("Wings", "2025/03/01", "08:00:00", 6)),
        entryJson(finishedOf(0)),
        entryJson(startOf(0)), // an older start record of the same bin
        entryJson(finishedOf(5)),
        entryJson(startOf(5)),
    };
    f["usual"] = storeOf(usual);
    f["empty log"] = storeOf({});
    // Members of the root that are not the log's sort before, between and
    // after its own, and are written back as the framework would write them.
    f["unknown members"] = storeOf(usual, "{\"site\":{\"n\":1,\"a\":[1,2.50,-0.0,1e2,null]},\"A\":true,"
                                          "\"desc\":\"old\",\"e\":\"x\",",
                                   ",\"\\u00e9\":1,\"z\":\"\\/\",\"\xef\xbc\xa1\":2,\"\xf0\x9f\x98\x80\":3}");
    f["root without entries"] = "{\"desc\":\"HACCP Data Log\",\"x\":[]}";
    f["laid out by hand"] =
        "\r\n{ \"desc\" : \"HACCP Data Log\",\n  \"haccpInfo\" : [\n    "
        "{\"b\":6,\"d\":\"2025/03/01\",\"e\":false,\"h\":\"----\",\"p\":\"Cr\\u00e8me \\/ more\",\"t\":\"10:00:00\"},\n    "
        "{ \"b\": 5, \"d\": \"2025/03/01\", \"e\": false, \"h\": \"----\", \"p\": \"Fries\", \"t\": \"09:15:00\" },"
        + entryJson(finishedOf(3)) + " ,\t" + entryJson(startOf(2)) + "\n  ]\n}\n";
    // Entries of other forms: other types, keys, escapes; the malformed
    // ones are dropped by a removal scan or a purge.
    f["odd entries"] = storeOf({
        "5", "\"x\"", "null", "[]", "{}",
        "{\"b\":5.0,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"----\",\"p\":\"Double bin\",\"t\":\"10:00:00\"}",
        "{\"b\":\"6\",\"d\":\"2025/02/28\",\"e\":\"true\",\"h\":\"----\",\"p\":\"Text bin\",\"t\":\"10:00:00\"}",
        "{\"b\":7,\"d\":\"2025/02/28\",\"e\":true,\"h\":5,\"p\":[\"list\"],\"t\":\"10:00:00\",\"x\":{\"y\":1}}",
        "{\"b\":8,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"----\",\"p\":\"No time\"}",
        "{\"b\":1,\"b\":9,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"----\",\"p\":\"Twin keys\",\"t\":\"10:00:00\"}",
        "{\"t\":\"11:00:00\",\"p\":\"Keys out of order\",\"h\":\"----\",\"e\":false,\"d\":\"2025/02/28\",\"b\":6}",
        "{\"b\":3000000000,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"00:01:00\",\"p\":\"Big bin\",\"t\":\"10:00:00\"}",
        "{\"b\":-0,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"----\",\"p\":\"Minus nought\",\"t\":\"10:00:00\"}",
        "{\"b\":1e1,\"d\":20250228,\"e\":false,\"h\":\"00:01:00\",\"p\":\"Number date\",\"t\":\"10:00:00\"}",
        "{\"b\":2,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"00:01:00\",\"p\":\"Raw\ttab and \x7f\",\"t\":\"10:00:00\"}",
        "{\"b\":2,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"00:01:00\",\"p\":\"Lone \\ud800 half\",\"t\":\"10:00:00\"}",
        "{\"b\":2,\"d\":\"2025/02/28\",\"e\":false,\"h\":\"24:00:61\",\"p\":\"\\\"Quoted\\\"\",\"t\":\"10:00:60\"}",
        "{\"b\":2,\"d\":\"2024/02/30\",\"e\":false,\"h\":\"1:00:00\",\"p\":\"+plus\",\"t\":\"1:00:00\"}",
        entryJson(startOf(0)),
        entryJson(finishedOf(1)),
    });
    // Texts of every length around the eight bytes read at a time, escapes
    // at every place in them, and a hold of very many hours.
    QList<QByteArray> lengths;
    for (int k = 0; k <= 17; ++k) {
        HaccpData d = finishedOf(k % 6);
        d.name = QString(k, QLatin1Char('x'));
        lengths << entryJson(d);
        d.name = QString(k % 6, QChar(0xe9)) + QString(k / 2, QLatin1Char('\\'));
        d.duration = QStringLiteral("%1:00:00").arg(QString(k + 2, QLatin1Char('9')));
        lengths << entryJson(d);
    }
    lengths << entryJson(holdOf(QString(300, QLatin1Char(',')), "2025/03/01", "09:00:00", 4))
            << "{\"b\":4,\"d\":\"2025/03/01\",\"e\":true,\"h\":\"" + QByteArray(200, '1')
            + ":59:59\",\"p\":\"Long\",\"t\":\"09:00:00\"}";
    f["texts of every length"] = storeOf(lengths);
    f["byte order mark"] = "\xef\xbb\xbf" + f["usual"];
    f["twin entry lists"] = "{\"desc\":\"x\",\"haccpInfo\":[" + entryJson(startOf(3)) + "],\"haccpInfo\":["
        + entryJson(startOf(0)) + "," + entryJson(finishedOf(2)) + "]}";
    // Deeper than the worker follows by hand, not as deep as the framework
    // refuses.
    f["deep member"] = storeOf({entryJson(startOf(0))}, "{\"deep\":" + QByteArray(600, '[') + QByteArray(600, ']') + ",");
    // Not a log.
    f["torn"] = f["usual"].left(f["usual"].size() / 2);
    f["empty file"] = QByteArray();
    f["array"] = "[" + entryJson(startOf(0)) + "]";
    f["entries not a list"] = "{\"desc\":\"HACCP Data Log\",\"haccpInfo\":{\"b\":1}}";
    f["garbage after"] = f["usual"] + " x";
    f["trailing comma"] = storeOf({entryJson(startOf(0)), ""});
    f["broken UTF-8"] = storeOf({"{\"b\":1,\"d\":\"2025/03/01\",\"e\":false,\"h\":\"----\",\"p\":\"\xed\xa0\x80\",\"t\":\"09:00:00\"}"});
    f["number too large"] = storeOf({"{\"b\":1E400,\"d\":\"2025/03/01\",\"e\":false,\"h\":\"----\",\"p\":\"x\",\"t\":\"09:00:00\"}"});
    f["too deep"] = storeOf({}, "{\"deep\":" + QByteArray(1100, '[') + QByteArray(1100, ']') + ",");
    return f;
}

// Holds enough for the screen's limit of 250, over more than a year.
QByteArray longStore()
{
    QList<QByteArray> entries;
    const QDate today(2025, 3, 1);
    for (int i = 0; i < 400; ++i) {
        HaccpData d = holdOf(QStringLiteral("Product %1").arg(i % 7),
                             today.addDays(-i).toString("yyyy/MM/dd"), "12:00:00", i % 12);
        if (i % 5)
            d.duration = QStringLiteral("%1:30:00").arg(i % 30, 2, 10, QLatin1Char('0'));
        d.expired = i % 4 == 0;
        entries << entryJson(d);
    }
    return storeOf(entries);
}

QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QString rowText(const HaccpData &d)
{
    return QStringLiteral("row %1|%2|%3|%4|%5|%6")
        .arg(d.name, d.date, d.time, d.duration)
        .arg(d.expired)
        .arg(d.binNumber);
}

// Runs the steps on a worker of the given kind in a fresh root and writes
// down all it shows.
template<typename Worker>
QStringList run(const QString &initial, const QStringList &steps)
{
    const QMap<QString, QByteArray> stores = fixtures();
    TempRoot root;
    QDir().mkpath(root.filePath("/media/sda1"));
    if (initial == QLatin1String("long"))
        root.writeFile(kStore, longStore());
    else if (initial != QLatin1String("missing"))
        root.writeFile(kStore, stores.value(initial));

    QStringList seen;
    MessageCatcher messages;
    {
        Worker worker;
        QObject::connect(&worker, &Worker::addHaccpDone, [&](const QString &r) { seen << "add: " + r; });
        QObject::connect(&worker, &Worker::removeHaccpDone, [&](const QString &r) { seen << "remove: " + r; });
        QObject::connect(&worker, &Worker::removeOldDataDone, [&](const QString &r) { seen << "purge: " + r; });
        QObject::connect(&worker, &Worker::fileExportComplete, [&](const QString &r) { seen << "export: " + r; });
        QObject::connect(&worker, &Worker::retrievAllHaccpDataDone,
                         [&](const QString &r, int total, const HaccpDataList &rows) {
                             seen << QStringLiteral("read: %1, %2 of %3").arg(r).arg(rows.size()).arg(total);
                             for (const HaccpData &row : rows)
                                 seen << rowText(row);
                         });
        for (const QString &step : steps) {
            seen << "> " + step;
            const QStringList words = step.split(' ');
            const QString what = words.first();
            const QString arg = words.value(1);
            if (what == "add") {
                worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(startOf(arg.toInt())));
            } else if (what == "stop") {
                worker.doRemoveHaccpDataLog(HaccpLogFormat::entryRequest(finishedOf(arg.toInt())));
                worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(finishedOf(arg.toInt())));
            } else if (what == "remove") {
                worker.doRemoveHaccpDataLog(HaccpLogFormat::entryRequest(holdOf("x", "", "", arg.toInt())));
            } else if (what == "purge") {
                worker.doRemoveOldHaccpDataLogs(HaccpLogFormat::purgeRequest(arg));
            } else if (what == "read") {
                worker.retrieveAllHaccpData(HaccpLogFormat::readRequest(arg == "all"));
            } else if (what == "export") {
                worker.doHaccpFileExport(HaccpLogFormat::exportRequest({"SN1", 4, arg.isEmpty() ? 1 : arg.toInt()}));
                seen << "csv: " + text(root.readFile("/media/sda1/holdingLog_SN1_250301-103000.csv"));
            } else if (what == "plant") {
                root.writeFile(kStore, stores.value(step.mid(6)));
            } else if (what == "delete") {
                QFile::remove(root.filePath(kStore));
            } else {
                qFatal("unknown step %s", qPrintable(step));
            }
            // A removal on its own is written by a queued call of the worker.
            QCoreApplication::processEvents();
            seen << "store: " + (QFileInfo::exists(root.filePath(kStore)) ? text(root.readFile(kStore))
                                                                           : QStringLiteral("(none)"));
            for (const QString &kept : DamagedFiles::keptCopies(root.filePath(kStore))) {
                QFile copy(kept);
                copy.open(QIODevice::ReadOnly);
                seen << "kept " + QFileInfo(kept).fileName() + ": " + text(copy.readAll());
            }
        }
    }
    for (const QString &warning : messages.warnings())
        seen << "warning: " + QString(warning).replace(root.path(), "<root>");
    return seen;
}

} // namespace

class TestHaccpStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        KivClock::freezeAt(QDateTime(QDate(2025, 3, 1), QTime(10, 30)).toMSecsSinceEpoch());
    }

    void cleanup()
    {
        KivClock::useSystemClock();
    }

    void sameAsTheTreeWorker_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QStringList>("steps");
        // Every kind of store through the everyday requests: reads, the
        // export, holds started and stopped, a removal alone (as at a hand
        // over) and one that finds nothing, a purge.
        const QStringList everyday = {
            "read", "read all", "export", "stop 0", "add 2", "remove 6", "add 4", "stop 4", "add 1",
            "stop 1", "purge 2024/03/01", "read all", "export", "export 0", "remove 99", "add 3",
            "stop 3", "read",
        };
        QStringList initials = fixtures().keys();
        initials << "missing" << "long";
        for (const QString &initial : qAsConst(initials))
            QTest::newRow(qPrintable(initial)) << initial << everyday;

        QTest::newRow("damaged files in between")
            << "usual"
            << QStringList{"add 0", "plant torn", "read", "add 1", "plant array", "stop 1", "read all",
                           "plant entries not a list", "export", "remove 5", "read all"};
        QTest::newRow("replaced by someone else in between")
            << "usual"
            << QStringList{"add 2", "plant odd entries", "stop 1", "plant unknown members", "remove 6",
                           "plant laid out by hand", "read", "remove 99", "delete", "remove 5", "read all",
                           "plant empty log", "export"};
        QTest::newRow("start records of one bin") << "empty log"
                                                  << QStringList{"add 0", "add 1", "add 0", "stop 1", "stop 0",
                                                                 "stop 0", "stop 1", "read all"};
        QTest::newRow("purges") << "long"
                                << QStringList{"purge 2024/11/01", "read", "purge 2025-03-02", "purge 2025/03/02",
                                               "read all", "purge 2025/03/02", "add 5", "purge 2024/03/01"};
    }

    void sameAsTheTreeWorker()
    {
        QFETCH(QString, initial);
        QFETCH(QStringList, steps);
        const QStringList expected = run<TreeLogWorker>(initial, steps);
        const QStringList seen = run<FileLogWorker>(initial, steps);
        for (int i = 0; i < qMin(seen.size(), expected.size()); ++i) {
            if (seen.at(i) != expected.at(i)) {
                QString step;
                for (int j = i; j >= 0 && step.isEmpty(); --j) {
                    if (expected.at(j).startsWith("> "))
                        step = expected.at(j);
                }
                QFAIL(qPrintable(QStringLiteral("after step \"%1\":\n  seen:     %2\n  expected: %3")
                                     .arg(step, seen.at(i), expected.at(i))));
            }
        }
        QCOMPARE(seen.size(), expected.size());
    }
};

QTEST_GUILESS_MAIN(TestHaccpStore)

#include "tst_haccpstore.moc"
