#include "platform/boundedfile.h"
#include "platform/damagedfiles.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

// The file-keeping primitives the stores build on: a durable whole-file
// replace (also streamed), damaged files kept aside, bounded reads.
class TestDurableFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
    }
    void cleanup() { KivClock::useSystemClock(); }

    // A writer streams through the device; nothing reaches the name before
    // commit, and the file is then exactly what was streamed.
    void streamedWriteReplacesOnCommitOnly()
    {
        QVERIFY(writeAll(path("log.json"), "old"));
        DurableFile out(path("log.json"));
        QVERIFY(out.open());
        {
            QDataStream stream(out.device());
            for (int i = 0; i < 1000; ++i)
                stream << qint32(i);
        }
        QVERIFY(out.write("tail"));
        QCOMPARE(readAll(path("log.json")), QByteArray("old"));
        QCOMPARE(out.commit(), DurableFile::Replaced);
        const QByteArray written = readAll(path("log.json"));
        QCOMPARE(written.size(), 4004);
        QCOMPARE(written.right(4), QByteArray("tail"));
        QVERIFY(!QFile::exists(out.newPath()));
    }

    // Every way a replace can fail leaves the previous file and no ".New".
    void failuresKeepThePreviousFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        QTest::newRow("no directory") << "missing/log.json" << int(DurableFile::OpenFailed);
        QTest::newRow("write cut short") << "log.json" << int(DurableFile::WriteFailed);
        QTest::newRow("name taken by a directory") << "busy" << int(DurableFile::RenameFailed);
    }

    void failuresKeepThePreviousFile()
    {
        QFETCH(QString, name);
        QFETCH(int, expected);
        QVERIFY(writeAll(path("log.json"), "old content"));
        QVERIFY(QDir().mkpath(path("busy/inside")));

        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        if (expected == DurableFile::WriteFailed) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = previous;
            limit.rlim_cur = 1000;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        QString error;
        const DurableFile::Result result = DurableFile::replace(path(name), QByteArray(5000, 'n'), &error);
        ::setrlimit(RLIMIT_FSIZE, &previous);

        QCOMPARE(int(result), expected);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path("log.json")), QByteArray("old content"));
        QVERIFY(QFileInfo(path("busy/inside")).isDir());
        QVERIFY(!QFile::exists(path(name + ".New")));
    }

    // What an interrupted save left under the new name is never written
    // through; an uncommitted file disappears with its writer.
    void leftoversAndDiscards()
    {
        QVERIFY(writeAll(path("elsewhere"), "must stay"));
        QVERIFY(QFile::link(path("elsewhere"), path("log.json.New")));
        QCOMPARE(DurableFile::replace(path("log.json"), "new"), DurableFile::Replaced);
        QCOMPARE(readAll(path("log.json")), QByteArray("new"));
        QCOMPARE(readAll(path("elsewhere")), QByteArray("must stay"));

        {
            DurableFile abandoned(path("log.json"));
            QVERIFY(abandoned.open());
            abandoned.write("half");
            QVERIFY(QFile::exists(abandoned.newPath()));
        }
        QVERIFY(!QFile::exists(path("log.json.New")));
        QCOMPARE(readAll(path("log.json")), QByteArray("new"));
    }

    // Copies are named by the clock, ordered oldest first (a taken second
    // counts on as a number) and bounded.
    void damagedFilesKeptInOrderAndBounded()
    {
        KivClock::freezeAt(QDateTime(QDate(2025, 3, 1), QTime(10, 30)).toMSecsSinceEpoch());
        const int total = 12;
        for (int i = 0; i < total; ++i) {
            QVERIFY(writeAll(path("store"), QByteArray::number(i)));
            QVERIFY(!DamagedFiles::moveAside(path("store")).isEmpty());
            QVERIFY(!QFile::exists(path("store")));
            if (i == total - 2)
                KivClock::advance(1000);
        }
        const QStringList kept = DamagedFiles::keptCopies(path("store"));
        QStringList names;
        QByteArrayList contents;
        for (const QString &p : kept) {
            names << QFileInfo(p).fileName();
            contents << readAll(p);
        }
        QCOMPARE(names, (QStringList{"store.corrupt-20250301-103000-8", "store.corrupt-20250301-103000-9",
                                     "store.corrupt-20250301-103000-10", "store.corrupt-20250301-103000-11",
                                     "store.corrupt-20250301-103001"}));
        QCOMPARE(contents, (QByteArrayList{"7", "8", "9", "10", "11"}));
        QVERIFY(DamagedFiles::moveAside(path("store")).isEmpty()); // nothing left to move
    }

    void boundedReads_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << -1 << int(BoundedFile::Missing);
        QTest::newRow("empty") << 0 << int(BoundedFile::Read);
        QTest::newRow("at the limit") << 4096 << int(BoundedFile::Read);
        QTest::newRow("one byte over") << 4097 << int(BoundedFile::TooLarge);
    }

    void boundedReads()
    {
        QFETCH(int, size);
        QFETCH(int, expected);
        if (size >= 0)
            QVERIFY(writeAll(path("file"), QByteArray(size, 'a')));
        QByteArray bytes("untouched");
        if (expected == BoundedFile::TooLarge)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("holds 4097 bytes, more than the 4096 it may have; refused as damaged"));
        QCOMPARE(int(BoundedFile::read(path("file"), 4096, &bytes)), expected);
        QCOMPARE(bytes, expected == BoundedFile::Read ? QByteArray(size, 'a') : QByteArray("untouched"));
    }
};

QTEST_GUILESS_MAIN(TestDurableFile)
#include "tst_durablefile.moc"
