#include "core/loghandler.h"
#include "core/signalquit.h"

#include "temproot.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstring>

namespace {

// Child mode: the test binary re-runs itself to show what a critical
// message does to a process that uses the controller's message handler.
int criticalChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(messageHandler);
    struct Teardown {
        ~Teardown() { qDebug("teardown ran"); }
    } teardown;
    QTimer::singleShot(0, [] {
        qWarning("x");
        qCritical("boom");
        qDebug("after critical");
    });
    const int result = app.exec();
    qDebug("loop returned %d", result);
    return result;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    static QStringList lines(const QByteArray &out)
    {
        return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts);
    }

    static bool waitForOutput(QProcess &p, const QByteArray &needle, QByteArray &seen)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            p.waitForReadyRead(200);
            seen += p.readAllStandardOutput();
            if (seen.contains(needle))
                return true;
            if (p.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    void startController(QProcess &p, const TempRoot &root, const QStringList &extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KIV_ROOT", root.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_QUICK_BACKEND", "software");
        env.insert("KIV_CAN", "virtual");
        // Never the machine's bus: a socket that does not exist.
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + root.path() + "/no-bus");
        p.setProcessEnvironment(env);
        p.start(KIVLFB_BINARY, QStringList{"-singledisplay"} + extra);
        QVERIFY(p.waitForStarted(10000));
    }

private slots:
    void logLineFormats_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("expected");
        QTest::newRow("debug") << int(QtDebugMsg) << "1700000000 - FileID not found\n";
        QTest::newRow("info") << int(QtInfoMsg) << "1700000000 - FileID not found\n";
        QTest::newRow("warning") << int(QtWarningMsg) << "1700000000 - FileID not found\n";
        QTest::newRow("critical") << int(QtCriticalMsg)
                                  << "1700000000 - QtCriticalMsg: file = a. func = f. line = 7\nmsg: FileID not found\n";
        QTest::newRow("fatal") << int(QtFatalMsg)
                               << "1700000000 - QtFatalMsg: file = a. func = f. line = 7\nmsg: FileID not found\n";
    }
    void logLineFormats()
    {
        QFETCH(int, type);
        QFETCH(QString, expected);
        QCOMPARE(formatLogMessage(QtMsgType(type), "a", "f", 7, "FileID not found", 1700000000), expected);
    }

    void missingContextIsWrittenEmpty()
    {
        QCOMPARE(formatLogMessage(QtCriticalMsg, nullptr, nullptr, 0, "m", 5),
                 QStringLiteral("5 - QtCriticalMsg: file = . func = . line = 0\nmsg: m\n"));
    }

    void onlyTermAndSegvAskToQuit()
    {
        for (int s = 1; s <= 31; ++s)
            QCOMPARE(signalRequestsQuit(s), s == SIGTERM || s == SIGSEGV);
    }

    void criticalMessageEndsTheLoopAfterTheCallerReturns()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--critical-child"});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QStringList out = lines(child.readAllStandardOutput());
        QCOMPARE(out.size(), 6);
        QVERIFY2(QRegularExpression("^\\d+ - x$").match(out[0]).hasMatch(), qPrintable(out[0]));
        QVERIFY2(QRegularExpression("^\\d+ - QtCriticalMsg: file = .*tst_startup\\.cpp\\. func = .*criticalChild.*\\. line = \\d+$")
                     .match(out[1]).hasMatch(), qPrintable(out[1]));
        QCOMPARE(out[2], QStringLiteral("msg: boom"));
        QVERIFY(out[3].endsWith(" - after critical"));
        QVERIFY(out[4].endsWith(" - loop returned 0"));
        QVERIFY(out[5].endsWith(" - teardown ran"));
    }

    // Without a bus the controller says so twice and starts all the same.
    void controllerStartsWithoutABus()
    {
        TempRoot root;
        QProcess p;
        startController(p, root);
        QByteArray out;
        QVERIFY2(waitForOutput(p, "Arguments", out), out.constData());
        QVERIFY2(out.contains(" - ************************ Did not register object in DBUS\n"), out.constData());
        QVERIFY2(out.contains(" - ************************ Did not connect to DBUS service\n"), out.constData());
        QVERIFY(out.indexOf("Did not register object") < out.indexOf("Did not connect to DBUS"));
        QCOMPARE(p.state(), QProcess::Running);
        p.terminate();
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
    }

    // Each machine named by -trace gets a tracer: its properties are listed
    // once, and its steps are logged with their path from the cabinet core.
    void tracedMachinesLogTheirSteps()
    {
        TempRoot root;
        QProcess p;
        startController(p, root, {"-trace(cbm,tbsc3,nosuch)"});
        QByteArray out;
        QVERIFY2(waitForOutput(p, " - Entered   : cabinetManager.tbsc3.", out), out.constData());
        p.terminate();
        QVERIFY(p.waitForFinished(10000));
        out += p.readAllStandardOutput();

        QVERIFY2(out.contains(" - objects to trace:  (\"cbm\", \"tbsc3\", \"nosuch\")\n"), out.constData());
        QVERIFY(out.contains(" - bool\tcbm::isRunning,isRunningChanged(bool)\n"));
        QVERIFY(out.contains(" - bool\ttbsc3::isRunning,isRunningChanged(bool)\n"));
        QVERIFY(!out.contains("nosuch::"));
        const QRegularExpression step(QStringLiteral(
            "^\\d+ - \"\\d\\d:\\d\\d:\\d\\d:\\d{3} - (Entered   |Exited    |Triggered ): cabinetManager\\.(cbm|tbsc3)\\.\\S+\"$"));
        int steps = 0;
        for (const QString &line : lines(out)) {
            if (line.contains(" - Entered") || line.contains(" - Exited") || line.contains(" - Triggered")) {
                QVERIFY2(step.match(line).hasMatch(), qPrintable(line));
                ++steps;
            }
        }
        QVERIFY(steps > 0);
    }

    void controllerIgnoresOtherSignalsAndStopsInOrderOnTerm_data()
    {
        QTest::addColumn<int>("stopSignal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGSEGV sent by kill") << int(SIGSEGV);
    }
    void controllerIgnoresOtherSignalsAndStopsInOrderOnTerm()
    {
        QFETCH(int, stopSignal);
        TempRoot root;
        QProcess p;
        startController(p, root);
        QByteArray out;
        QVERIFY2(waitForOutput(p, "Arguments", out), out.constData());

        for (int s : {SIGINT, SIGHUP, SIGUSR1, SIGPIPE, SIGALRM})
            QCOMPARE(::kill(pid_t(p.processId()), s), 0);
        QVERIFY(!p.waitForFinished(500));
        QCOMPARE(p.state(), QProcess::Running);

        QCOMPARE(::kill(pid_t(p.processId()), stopSignal), 0);
        QVERIFY(p.waitForFinished(10000));
        // A normal exit with the loop's result: main returned, so the cabinet
        // core and everything on main's stack were destroyed.
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);

        out += p.readAllStandardOutput();
        const QRegularExpression plain("^\\d+ - .*$");
        for (const QString &line : lines(out))
            QVERIFY2(plain.match(line).hasMatch(), qPrintable(line));
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--critical-child") == 0)
        return criticalChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
