#include "platform/kivroot.h"
#include "platform/safefilewriter.h"

#include "temproot.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

// The writer replaces one file through "<name>.New" and a chain of child
// processes. Fake sync and mv tools in the root record what they saw, so the
// tests can tell which bytes each move carried and in which order the steps ran.
class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private:
    static QByteArray quoted(const QString &path) { return "'" + path.toLocal8Bit() + "'"; }

    // sync and mv append their names to /order; mv also appends the content
    // it is about to move to /moved, then runs the machine's mv (or the given
    // tail instead).
    static bool plantTools(const TempRoot &root, const QByteArray &mvTail = "exec mv \"$1\" \"$2\"")
    {
        const QByteArray order = quoted(root.filePath("/order"));
        const QByteArray moved = quoted(root.filePath("/moved"));
        return root.addFakeTool("/bin/sync", "echo sync >> " + order)
            && root.addFakeTool("/bin/mv", "echo mv >> " + order + "\ncat \"$1\" >> " + moved
                                               + "\necho '|' >> " + moved + "\n" + mvTail);
    }

    static QList<SafeFileWriter::Result> results(const QSignalSpy &spy)
    {
        QList<SafeFileWriter::Result> list;
        for (const QList<QVariant> &args : spy)
            list << args.at(0).value<SafeFileWriter::Result>();
        return list;
    }

private slots:
    void initTestCase() { qRegisterMetaType<SafeFileWriter::Result>(); }

    void replacesTheFileAfterSyncAndMove()
    {
        TempRoot root;
        QVERIFY(plantTools(root));
        QVERIFY(root.writeFile("/root/data.json", "old"));
        SafeFileWriter writer(KivRoot::appFile("data.json"));
        QSignalSpy done(&writer, &SafeFileWriter::saveFinished);

        writer.save("new content");
        QVERIFY(writer.isBusy());
        QVERIFY(done.wait(5000));
        QCOMPARE(results(done), QList<SafeFileWriter::Result>{SafeFileWriter::Saved});
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("new content"));
        QVERIFY(!QFile::exists(writer.newFilePath()));
        QCOMPARE(root.fakeToolCalls("/bin/mv"),
                 (QStringList{writer.newFilePath(), writer.filePath(), "--"}));
        // The trailing sync runs after the move; nobody waits for it.
        QTRY_COMPARE(root.readFile("/order"), QByteArray("sync\nmv\nsync\n"));
    }

    void aFullDiskKeepsThePreviousFile()
    {
        TempRoot root;
        QVERIFY(plantTools(root));
        QVERIFY(root.writeFile("/root/data.json", "good old data"));
        SafeFileWriter writer(KivRoot::appFile("data.json"));
        // Every write to /dev/full fails with "No space left on device".
        QVERIFY(QFile::link("/dev/full", writer.newFilePath()));
        QSignalSpy done(&writer, &SafeFileWriter::saveFinished);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Writing .*data.json.New failed:"));
        writer.save(QByteArray(100, 'x'));
        QCOMPARE(results(done), QList<SafeFileWriter::Result>{SafeFileWriter::WriteFailed});
        QVERIFY(!writer.isBusy());
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("good old data"));
        QVERIFY(root.fakeToolCalls("/bin/mv").isEmpty());
        QVERIFY(!QFileInfo::exists(writer.newFilePath()));

        // The failure does not block the next save.
        writer.save("fresh");
        QTRY_COMPARE(done.count(), 2);
        QCOMPARE(results(done).last(), SafeFileWriter::Saved);
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("fresh"));
    }

    void anUnopenableNewFileChangesNothing()
    {
        TempRoot root;
        QVERIFY(plantTools(root));
        QVERIFY(root.writeFile("/root/data.json", "old"));
        SafeFileWriter writer(KivRoot::appFile("data.json"));
        QVERIFY(QDir().mkpath(writer.newFilePath())); // a directory cannot be opened as a file
        QSignalSpy done(&writer, &SafeFileWriter::saveFinished);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to open .*data.json.New"));
        writer.save("new");
        QCOMPARE(results(done), QList<SafeFileWriter::Result>{SafeFileWriter::OpenFailed});
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("old"));
        QVERIFY(root.fakeToolCalls("/bin/sync").isEmpty());
    }

    void aSaveDuringAChainWaitsForItsMove()
    {
        TempRoot root;
        QVERIFY(plantTools(root));
        SafeFileWriter writer(KivRoot::appFile("data.json"));
        QSignalSpy done(&writer, &SafeFileWriter::saveFinished);

        writer.save("first");
        writer.save("second");
        writer.save("third");
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 3, 10000);
        QCOMPARE(results(done), (QList<SafeFileWriter::Result>{SafeFileWriter::Saved, SafeFileWriter::Saved,
                                                               SafeFileWriter::Saved}));
        // Each move carried its own content: no later save rewrote the
        // ".New" file while an earlier chain was still moving it.
        QCOMPARE(root.readFile("/moved"), QByteArray("first|\nsecond|\nthird|\n"));
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("third"));
    }

    void anInterruptedMoveKeepsThePreviousFile_data()
    {
        QTest::addColumn<QByteArray>("mvTail");
        QTest::newRow("mv fails") << QByteArray("exit 1");
        QTest::newRow("mv is killed") << QByteArray("kill -9 $$");
    }

    void anInterruptedMoveKeepsThePreviousFile()
    {
        QFETCH(QByteArray, mvTail);
        TempRoot root;
        QVERIFY(plantTools(root, mvTail));
        QVERIFY(root.writeFile("/root/data.json", "previous"));
        SafeFileWriter writer(KivRoot::appFile("data.json"));
        QSignalSpy done(&writer, &SafeFileWriter::saveFinished);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Moving .* failed; the previous file stays$"));
        writer.save("next");
        QVERIFY(done.wait(5000));
        QCOMPARE(results(done), QList<SafeFileWriter::Result>{SafeFileWriter::MoveFailed});
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("previous"));
        QCOMPARE(root.readFile("/root/data.json.New"), QByteArray("next"));

        // Once mv works again the chain is not stuck.
        QVERIFY(plantTools(root));
        writer.save("after");
        QTRY_COMPARE(done.count(), 2);
        QCOMPARE(results(done).last(), SafeFileWriter::Saved);
        QCOMPARE(root.readFile("/root/data.json"), QByteArray("after"));
    }
};

QTEST_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
