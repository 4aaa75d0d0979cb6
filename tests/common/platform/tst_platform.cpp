#include "platform/brelplusidreader.h"
#include "platform/kivclock.h"
#include "platform/kivclocktimer.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include "messagecatcher.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QtTest>

using PinTree = QHash<int, QByteArray>;

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
        qRegisterMetaType<QProcess::ProcessError>();
    }

    void rootPrefixesAbsolutePathsOnly()
    {
        TempRoot root;
        QVERIFY(root.isValid());
        QCOMPARE(KivRoot::path("/root/config.txt"), root.path() + "/root/config.txt");
        QCOMPARE(KivRoot::path("relative.txt"), QStringLiteral("relative.txt"));
        QCOMPARE(KivRoot::appFile("menu.json"), root.path() + "/root/menu.json");
    }

    void withoutRootPathsAreUnchanged()
    {
        const QByteArray saved = qgetenv("KIV_ROOT");
        qunsetenv("KIV_ROOT");
        QCOMPARE(KivRoot::path("/media/sda1"), QStringLiteral("/media/sda1"));
        QCOMPARE(KivRoot::appDir(), QStringLiteral("/root/"));
        QVERIFY(!KivRoot::isRerooted());
        if (!saved.isNull())
            qputenv("KIV_ROOT", saved);
    }

    void fakeToolRunsWithItsArgumentsAndWrapUpSeesTheSender()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool("/usr/bin/nmcli", "echo hello; exit 3"));
        // An argument with shell metacharacters stays one argument.
        const QStringList args = {"con", "add", "name; rm -rf /"};
        QProcess *p = ToolRunner::start("/usr/bin/nmcli", args, nullptr, "nmcliProcess");
        QSignalSpy finished(p, SIGNAL(finished(int, QProcess::ExitStatus)));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toInt(), 3);
        QCOMPARE(p->objectName(), QStringLiteral("nmcliProcess"));
        QCOMPARE(p->readAllStandardOutput(), QByteArray("hello\n"));
        QCOMPARE(root.fakeToolCalls("/usr/bin/nmcli"), (QStringList{"con", "add", "name; rm -rf /", "--"}));
        delete p;

        QByteArray out;
        QCOMPARE(ToolRunner::run("/usr/bin/nmcli", {"x"}, &out), 3);
        QCOMPARE(out, QByteArray("hello\n"));
    }

    void bareToolNameIsFoundInTheRootsBinDirectories()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool("/bin/date", "exit 0"));
        QCOMPARE(ToolRunner::resolve("date"), root.filePath("/bin/date"));
        QCOMPARE(ToolRunner::run("date", {"-s", "2020-01-01"}), 0);
        QCOMPARE(root.fakeToolCalls("/bin/date"), (QStringList{"-s", "2020-01-01", "--"}));
        QVERIFY(ToolRunner::startDetached("date", {"010100002024.00"}));
        QTRY_COMPARE(root.fakeToolCalls("/bin/date"),
                     (QStringList{"-s", "2020-01-01", "--", "010100002024.00", "--"}));
    }

    void missingToolIsNeverRunForReal()
    {
        TempRoot root;
        // hwclock exists on this machine but not in the root: it must not run.
        QVERIFY(ToolRunner::resolve("/sbin/hwclock").isEmpty());
        QVERIFY(ToolRunner::resolve("hwclock").isEmpty());
        QCOMPARE(ToolRunner::run("/sbin/hwclock", {"-w"}), -1);
        QVERIFY(!ToolRunner::startDetached("hwclock", {"--utc", "--systohc"}));

        QProcess *p = ToolRunner::start("/sbin/hwclock", {"-w"});
        QSignalSpy errors(p, &QProcess::errorOccurred);
        QSignalSpy finished(p, SIGNAL(finished(int, QProcess::ExitStatus)));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), -1);
        QCOMPARE(finished.at(0).at(1).value<QProcess::ExitStatus>(), QProcess::CrashExit);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).value<QProcess::ProcessError>(), QProcess::FailedToStart);
        delete p;
    }

    void fileToolsFallBackToTheMachinesCopy()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/a.txt", "data"));
        QVERIFY(!ToolRunner::resolve("/bin/mv").isEmpty());
        QCOMPARE(ToolRunner::run("/bin/mv", {root.filePath("/root/a.txt"), root.filePath("/root/b.txt")}), 0);
        QCOMPARE(root.readFile("/root/b.txt"), QByteArray("data"));
    }

    void clockCanBeFrozenAndAdvanced()
    {
        KivClock::freezeAt(1000000);
        QCOMPARE(KivClock::msecsSinceEpoch(), qint64(1000000));
        KivClock::advance(2 * 3600 * 1000);
        QCOMPARE(KivClock::secsSinceEpoch(), qint64(1000 + 7200));
        QCOMPARE(KivClock::nowUtc().toMSecsSinceEpoch(), qint64(1000000 + 7200000));
        KivClock::useSystemClock();
        QVERIFY(!KivClock::isFrozen());
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        KivClock::advance(60000);
        QVERIFY(KivClock::msecsSinceEpoch() >= before + 60000);
        KivClock::useSystemClock();
        QVERIFY(qAbs(KivClock::msecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch()) < 1000);
    }

    // Moving the clock fires, before the move returns, every timer that it
    // makes due, earliest deadline first (equal deadlines in start order),
    // and no other.
    void clockMovesFireDueTimersInOrder()
    {
        KivClock::freezeAt(1000000);
        QStringList fired;
        KivClockTimer late, first, second, tie, never;
        const QList<QPair<KivClockTimer *, QString>> timers = {
            {&late, "late"}, {&first, "first"}, {&second, "second"}, {&tie, "tie"}, {&never, "never"}};
        for (const auto &t : timers)
            connect(t.first, &KivClockTimer::timeout, this, [&fired, name = t.second] { fired << name; });
        late.start(3000);
        second.start(2000);
        first.start(1000);
        tie.start(2000);
        never.start(2000);
        never.stop();

        KivClock::advance(2500);
        QCOMPARE(fired, (QStringList{"first", "second", "tie"}));
        QVERIFY(late.isActive() && !first.isActive());
        // Nothing more follows from the event loop while the clock stands.
        QTest::qWait(50);
        QCOMPARE(fired.size(), 3);

        KivClock::freezeAt(1000000 + 3000);
        QCOMPARE(fired, (QStringList{"first", "second", "tie", "late"}));
        KivClock::useSystemClock();
    }

    // A handler may stop or delete a timer that was due with it; that timer
    // then stays silent.
    void handlerMayStopOrDeleteAnotherDueTimer()
    {
        KivClock::freezeAt(1000000);
        KivClockTimer first, stopped;
        auto *deleted = new KivClockTimer;
        QSignalSpy stoppedFired(&stopped, &KivClockTimer::timeout);
        QSignalSpy deletedFired(deleted, &KivClockTimer::timeout);
        connect(&first, &KivClockTimer::timeout, this, [&] {
            stopped.stop();
            delete deleted;
        });
        first.start(100);
        stopped.start(200);
        deleted->start(200);
        KivClock::advance(1000);
        QCOMPARE(stoppedFired.count(), 0);
        QCOMPARE(deletedFired.count(), 0);
        QVERIFY(!stopped.isActive());
        KivClock::useSystemClock();
    }

    // On the running system clock a timer fires by itself when its time has
    // come, and a move of the clock still fires it at once.
    void runningClockTimers()
    {
        KivClock::useSystemClock();
        KivClockTimer byItself, moved;
        QSignalSpy byItselfFired(&byItself, &KivClockTimer::timeout);
        QSignalSpy movedFired(&moved, &KivClockTimer::timeout);
        byItself.start(50);
        moved.start(3600 * 1000);
        QVERIFY(byItselfFired.wait(2000));
        QCOMPARE(movedFired.count(), 0);
        KivClock::advance(3600 * 1000);
        QCOMPARE(movedFired.count(), 1);
        KivClock::useSystemClock();
    }

    void clockTimerTellsTimeLeftOnTheClock()
    {
        KivClock::freezeAt(1700000000000);
        KivClockTimer timer;
        QCOMPARE(timer.remainingTime(), -1);
        timer.start(5000);
        KivClock::advance(1200);
        QCOMPARE(timer.remainingTime(), 3800);
        KivClock::advance(3800);
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.remainingTime(), -1);
        KivClock::useSystemClock();
    }

    void idReaderStaysZeroAndEmitsOnEverySet()
    {
        BrelPlusIDReader reader;
        QCOMPARE(reader.get_displayId(), 0);
        QCOMPARE(reader.get_orientationId(), 0);
        QSignalSpy spy(&reader, &BrelPlusIDReader::displayIdChanged);
        reader.set_displayId(0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
    }

    // The pin tree: every listed pin's value file holds the given text; a pin
    // left out has no file. Active low: "0" sets the pin's bit.
    void idReaderReadsStrappingPins_data()
    {
        QTest::addColumn<PinTree>("pins");
        QTest::addColumn<int>("displayId");
        QTest::addColumn<int>("orientationId");

        QHash<int, QByteArray> allHigh;
        for (int pin : BrelPlusIDReader::displayIdPins() + BrelPlusIDReader::orientationIdPins())
            allHigh.insert(pin, "1\n");
        QTest::newRow("all high") << allHigh << 0 << 0;

        QHash<int, QByteArray> corners = allHigh;
        corners[44] = "0\n";
        corners[62] = "0\n";
        QTest::newRow("orientation bits 0 and 5") << corners << 0 << 33;

        QHash<int, QByteArray> display = allHigh;
        for (int pin : BrelPlusIDReader::displayIdPins())
            display[pin] = "0\n";
        QTest::newRow("all display pins low") << display << 15 << 0;

        QHash<int, QByteArray> odd = allHigh;
        odd[22] = "x\n";      // not a number: bit stays clear
        odd[23] = " 0 junk";   // first word counts
        odd[26] = "-1";        // below 1 is active
        odd[27] = "";          // empty: bit stays clear
        QTest::newRow("odd contents") << odd << 6 << 0;

        QHash<int, QByteArray> partial;
        partial.insert(27, "0");
        partial.insert(47, "0");
        QTest::newRow("missing files leave bits clear") << partial << 8 << 8;
    }

    void idReaderReadsStrappingPins()
    {
        QFETCH(PinTree, pins);
        QFETCH(int, displayId);
        QFETCH(int, orientationId);
        TempRoot root;
        for (auto it = pins.cbegin(); it != pins.cend(); ++it)
            QVERIFY(root.writeFile(BrelPlusIDReader::pinValuePath(it.key()), it.value()));

        MessageCatcher log;
        BrelPlusIDReader reader(BrelPlusIDReader::GpioPins);
        QCOMPARE(reader.get_displayId(), displayId);
        QCOMPARE(reader.get_orientationId(), orientationId);
        QVERIFY(log.contains(QStringLiteral("BREL display id = %1").arg(displayId)));
        QVERIFY(log.contains(QStringLiteral("BREL orientation id = %1").arg(orientationId)));
        if (pins.contains(22))
            QVERIFY(log.contains("Gpio /sys/class/gpio/gpio22/value says: " + pins.value(22).simplified().split(' ').value(0)));
    }

    void idReaderWithoutPinFilesLogsEachPin()
    {
        TempRoot root;
        MessageCatcher log;
        BrelPlusIDReader reader(BrelPlusIDReader::GpioPins);
        QCOMPARE(reader.get_displayId(), 0);
        QCOMPARE(reader.get_orientationId(), 0);
        const QStringList missing = log.messages().filter(" doesn't exist!");
        QCOMPARE(missing.size(), 10);
        QVERIFY(missing.contains("brelplusidreader.cpp - file: /sys/class/gpio/gpio63/value doesn't exist!"));
    }

    void idReaderUnreadablePinIsLoggedAndClear()
    {
        TempRoot root;
        // A directory where the value file should be cannot be read as one.
        QVERIFY(QDir().mkpath(root.filePath(BrelPlusIDReader::pinValuePath(22))));
        QVERIFY(root.writeFile(BrelPlusIDReader::pinValuePath(23), "0"));
        MessageCatcher log;
        BrelPlusIDReader reader(BrelPlusIDReader::GpioPins);
        QCOMPARE(reader.get_displayId(), 2);
        QVERIFY(log.contains("brelplusidreader.cpp- couldn't open file: /sys/class/gpio/gpio22/value"));
    }

    void controllerReaderReadsNoPin()
    {
        TempRoot root;
        for (int pin : BrelPlusIDReader::displayIdPins() + BrelPlusIDReader::orientationIdPins())
            QVERIFY(root.writeFile(BrelPlusIDReader::pinValuePath(pin), "0"));
        MessageCatcher log;
        BrelPlusIDReader reader;
        QCOMPARE(reader.get_displayId(), 0);
        QCOMPARE(reader.get_orientationId(), 0);
        QVERIFY(log.messages().filter("gpio").isEmpty());
        QVERIFY(!log.contains("BREL"));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
