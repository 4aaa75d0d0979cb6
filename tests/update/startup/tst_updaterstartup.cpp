#include "updater.h"
#include "updaterstartup.h"
#include "updateutiloptions.h"

#include "canbus/canbusmanager.h"
#include "canbus/canthread.h"
#include "statemachine/statetracer.h"

#include "ptypair.h"
#include "temproot.h"

#include <QDir>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSerialPort>
#include <QtTest>

#include <memory>

namespace {

QStringList g_log;

void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    g_log << msg;
}

// A personality file with the given members, as the configuration writes it.
QByteArray personality(const QString &members)
{
    return QStringLiteral(R"({ "header": { "checksum": "0" }, "personality": { %1 } })")
        .arg(members)
        .toUtf8();
}

struct Personality {
    bool portrait;
    bool verticalFlip;
    bool slaveUiNeeded;
    int nfcBoardCount;
};

// Items in the visual tree below item with the given object name (a
// Repeater's items are visual children only).
QList<QQuickItem *> itemsNamed(QQuickItem *item, const QString &name)
{
    QList<QQuickItem *> found;
    for (QQuickItem *child : item->childItems()) {
        if (child->objectName() == name)
            found << child;
        found << itemsNamed(child, name);
    }
    return found;
}

// The environment of the program run on a desktop in a test root: CAN on
// the root's virtual bus, screens offscreen, the system bus nowhere.
QProcessEnvironment utilityEnvironment(const TempRoot &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KIV_ROOT", root.path());
    env.insert("KIV_CAN", "virtual");
    env.insert("KIV_VCAN_DIR", root.filePath("/run/vcan/can0"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    env.remove("KIV_SERIAL_PORT");
    // An update that ends reports on the system bus: never the machine's.
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + root.filePath("/run/no-bus"));
    return env;
}

} // namespace

Q_DECLARE_METATYPE(UpdateUtilOptions)
Q_DECLARE_METATYPE(Personality)

// Start-up of the update utility: its command line, the personality read,
// the objects it creates and publishes, and the program itself.
class TestUpdaterStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("KIV_CAN", "virtual");
    }

    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        g_log.clear();
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<UpdateUtilOptions>("expected");

        const UpdateUtilOptions defaults;
        QTest::newRow("none") << QStringList{} << defaults;

        UpdateUtilOptions o = defaults;
        o.hasTargetPath = true;
        o.targetPath = "/media/usb0/pkg";
        QTest::newRow("target path") << QStringList{"-tp=/media/usb0/pkg"} << o;
        QTest::newRow("relative target path") << QStringList{"-tp=relative"} << defaults;
        QTest::newRow("target path with a dot") << QStringList{"-tp=/media/usb.0"} << defaults;

        o = defaults;
        o.hasTargetPath = true;
        o.targetPath = "C:/pkg";
        QTest::newRow("drive letter") << QStringList{"-tp=C:/pkg"} << o;

        o = defaults;
        o.connectorId = 24;
        o.portraitPreset = true;
        QTest::newRow("portrait connector") << QStringList{"-idConnector24"} << o;
        o.connectorId = 25;
        o.portraitPreset = false;
        QTest::newRow("landscape connector") << QStringList{"-idConnector25"} << o;
        QTest::newRow("connector without number") << QStringList{"-idConnector"} << defaults;
        QTest::newRow("connector out of range") << QStringList{"-idConnector99999999999"} << defaults;

        o = defaults;
        o.hasSerialPort = true;
        o.serialPort = "/dev/ttyO2";
        QTest::newRow("serial port") << QStringList{"-sp/dev/ttyO2"} << o;

        o = defaults;
        o.cloud = true;
        o.autoInstall = true;
        QTest::newRow("flags right after the program") << QStringList{"-cloud", "-autoinstall"} << o;
        QTest::newRow("flags are whole arguments") << QStringList{"-cloudy", "x-autoinstall"} << defaults;

        o = defaults;
        o.portrait = true;
        o.landscape = true;
        QTest::newRow("portrait and landscape") << QStringList{"-landscape", "-portrait"} << o;

        o = defaults;
        o.hasScale = true;
        o.scale = "1.5";
        QTest::newRow("scale only logged") << QStringList{"-s1.5"} << o;

        o = defaults;
        o.scaleX = 1.25f;
        o.scaleY = 0.8f;
        QTest::newRow("x and y scale") << QStringList{"-sx1.25", "-sy0.8"} << o;
        QTest::newRow("scale needs one digit before the point") << QStringList{"-sx12.5", "-sy.8"} << defaults;

        o = defaults;
        o.hasTrace = true;
        o.traceNames = QStringList{"upd", "", "mbm"};
        QTest::newRow("trace") << QStringList{"-trace(upd,,mbm)"} << o;

        o = defaults;
        o.connectorId = 17;
        o.portraitPreset = true;
        QTest::newRow("first match wins") << QStringList{"-idConnector17", "-idConnector25"} << o;
    }

    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(UpdateUtilOptions, expected);

        // The program's own name never counts, even when it looks like an option.
        const UpdateUtilOptions o = UpdateUtilOptions::parse(QStringList{"-cloud"} + args);
        QCOMPARE(o.hasTargetPath, expected.hasTargetPath);
        QCOMPARE(o.targetPath, expected.targetPath);
        QCOMPARE(o.connectorId, expected.connectorId);
        QCOMPARE(o.portraitPreset, expected.portraitPreset);
        QCOMPARE(o.hasSerialPort, expected.hasSerialPort);
        QCOMPARE(o.serialPort, expected.serialPort);
        QCOMPARE(o.cloud, expected.cloud);
        QCOMPARE(o.portrait, expected.portrait);
        QCOMPARE(o.landscape, expected.landscape);
        QCOMPARE(o.autoInstall, expected.autoInstall);
        QCOMPARE(o.hasScale, expected.hasScale);
        QCOMPARE(o.scale, expected.scale);
        QCOMPARE(o.scaleX, expected.scaleX);
        QCOMPARE(o.scaleY, expected.scaleY);
        QCOMPARE(o.hasTrace, expected.hasTrace);
        QCOMPARE(o.traceNames, expected.traceNames);
    }

    void personalityRead_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no personality file
        QTest::addColumn<Personality>("expected");
        QTest::addColumn<QStringList>("logged");

        // Start values: portrait preset true, everything else at its default.
        QTest::newRow("no file") << QByteArray() << Personality{true, false, false, 0}
                                 << QStringList{"CFG file not found!!!"};
        QTest::newRow("bad json") << QByteArray("{ \"personality\": { \"nfcEnabled\": tru")
                                  << Personality{true, false, false, 0}
                                  << QStringList{"JSON parse error!!! 5"};
        QTest::newRow("twelve trays")
            << personality(R"("orientationPortrait": false, "verticalFlip": true,
                              "hasMirrorDisplay": false, "hasSecondaryDisplay": false,
                              "nfcEnabled": true, "traysPerCabinet": 12)")
            << Personality{false, true, false, 1} << QStringList{};
        QTest::newRow("thirteen trays, mirror")
            << personality(R"("orientationPortrait": true, "verticalFlip": false,
                              "hasMirrorDisplay": true, "hasSecondaryDisplay": false,
                              "nfcEnabled": true, "traysPerCabinet": 13)")
            << Personality{true, false, true, 2} << QStringList{};
        QTest::newRow("nfc off, secondary")
            << personality(R"("orientationPortrait": false, "verticalFlip": false,
                              "hasMirrorDisplay": false, "hasSecondaryDisplay": true,
                              "nfcEnabled": false, "traysPerCabinet": 20)")
            << Personality{false, false, true, 0} << QStringList{};
        QTest::newRow("missing keys")
            << personality(R"("nfcEnabled": true, "orientationPortrait": null)")
            << Personality{true, false, false, 0}
            << QStringList{"orientationPortrait value not found!!!", "verticalFlip value not found!!!",
                           "hasMirrorDisplay value not found!!!",
                           "hasSecondaryDisplay value not found!!!",
                           "traysPerCabinet value not found!!!"};
        QTest::newRow("no personality object")
            << QByteArray("[1, 2]") << Personality{true, false, false, 0}
            << QStringList{"orientationPortrait value not found!!!", "nfcEnabled value not found!!!"};
        QTest::newRow("wrong types read as false and 0")
            << personality(R"("orientationPortrait": "yes", "verticalFlip": 1,
                              "hasMirrorDisplay": "true", "hasSecondaryDisplay": false,
                              "nfcEnabled": true, "traysPerCabinet": "13")")
            << Personality{false, false, false, 1} << QStringList{};
    }

    void personalityRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(Personality, expected);
        QFETCH(QStringList, logged);

        TempRoot root;
        if (!file.isEmpty())
            QVERIFY(root.writeFile("/root/cabinet.hcc", file));
        QVERIFY(root.writeFile("/root/notes.txt", personality(R"("orientationPortrait": false)")));

        Personality p{true, false, false, 0};
        qInstallMessageHandler(captureLog);
        UpdaterStartup::readFileIdDisplayOrientation(p.portrait, p.verticalFlip, p.slaveUiNeeded,
                                                     p.nfcBoardCount);
        qInstallMessageHandler(nullptr);
        QCOMPARE(p.portrait, expected.portrait);
        QCOMPARE(p.verticalFlip, expected.verticalFlip);
        QCOMPARE(p.slaveUiNeeded, expected.slaveUiNeeded);
        QCOMPARE(p.nfcBoardCount, expected.nfcBoardCount);
        for (const QString &line : logged)
            QVERIFY2(g_log.contains(line), qPrintable(line + " not in " + g_log.join(" | ")));
        if (!file.isEmpty())
            QVERIFY(g_log.contains(QStringLiteral("File name is : \"%1\"")
                                       .arg(root.filePath("/root/cabinet.hcc"))));
    }

    void orientation_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("portrait");

        const QByteArray landscapeFile = personality(R"("orientationPortrait": false)");
        QTest::newRow("file overrides the connector")
            << QStringList{"-idConnector24"} << landscapeFile << false;
        QTest::newRow("connector preset stands without the key")
            << QStringList{"-idConnector24"} << personality(R"("verticalFlip": true)") << true;
        QTest::newRow("-portrait overrides the file")
            << QStringList{"-idConnector24", "-portrait"} << landscapeFile << true;
        QTest::newRow("-landscape wins over -portrait")
            << QStringList{"-portrait", "-landscape"} << personality(R"("orientationPortrait": true)")
            << false;
        QTest::newRow("landscape connector, no file") << QStringList{"-idConnector25"} << QByteArray()
                                                      << false;
    }

    void orientation()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(bool, portrait);

        TempRoot root;
        qputenv("KIV_VCAN_DIR", QFile::encodeName(root.filePath("/run/vcan/can0")));
        if (!file.isEmpty())
            QVERIFY(root.writeFile("/root/display.hcc", file));
        QObject owner;
        UpdaterStartup startup(QStringList{"kivSystemUpdateUtil"} + args, &owner);
        QCOMPARE(startup.portrait(), portrait);
        QCOMPARE(startup.engine()->rootContext()->contextProperty("appPortraitFlag").toBool(), portrait);
        auto *window = qobject_cast<QQuickWindow *>(startup.engine()->rootObjects().value(0));
        QVERIFY(window);
        // The panel is mounted landscape; a portrait installer is laid out
        // upright and turned onto it.
        QCOMPARE(window->size(), QSize(800, 480));
        auto *installer = window->findChild<QQuickItem *>("installer");
        QVERIFY(installer);
        QCOMPARE(installer->height() > installer->width(), portrait);
        QCOMPARE(installer->rotation() != 0, portrait);
    }

    // The whole start-up in this process: what it creates, how it names and
    // parents it, what it publishes, and the machines it starts.
    void objectsAndScreen()
    {
        TempRoot root;
        qputenv("KIV_VCAN_DIR", QFile::encodeName(root.filePath("/run/vcan/can0")));
        QVERIFY(root.writeFile("/root/display.hcc",
                               personality(R"("orientationPortrait": false, "verticalFlip": true,
                                              "hasMirrorDisplay": true, "nfcEnabled": true,
                                              "traysPerCabinet": 16)")));
        PtyPair pty;
        QVERIFY(pty.open());
        qputenv("KIV_SERIAL_PORT", QFile::encodeName(pty.devicePath()));

        // A package with sounds in the working directory.
        QTemporaryDir package;
        QVERIFY(QDir(package.path()).mkpath("sounds"));
        QVERIFY(QFile(package.filePath("sounds/a.wav")).open(QIODevice::WriteOnly));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(package.path()));

        QObject owner;
        qInstallMessageHandler(captureLog);
        auto startup = std::make_unique<UpdaterStartup>(
            QStringList{"kivSystemUpdateUtil", "-tp=/media/usb0/pkg", "-idConnector33", "-cloud",
                        "-sx1.25", "-sy0.8", "-s1.5", "-trace(upd,nothing,cbm)"},
            &owner);
        startup->startMachines();
        Updater *upd = startup->updater();
        QTRY_VERIFY(upd->isRunning() && startup->canbusManager()->isRunning());
        QTRY_VERIFY(upd->get_usbStorageAvailable());
        qInstallMessageHandler(nullptr);
        QVERIFY(QDir::setCurrent(previous));
        qunsetenv("KIV_SERIAL_PORT");

        for (const QString &line : g_log)
            QVERIFY2(!line.contains("QObject::connect") && !line.contains("qrc:"), qPrintable(line));
        QVERIFY(g_log.contains("Target Path = /media/usb0/pkg"));
        QVERIFY(g_log.contains(" scale is 1.5"));
        QVERIFY(g_log.contains("QSocketCAN: apparently OK!"));

        QCOMPARE(upd->objectName(), QStringLiteral("upd"));
        QCOMPARE(upd->parent(), &owner);
        QCOMPARE(upd->get_targetPath(), QStringLiteral("/media/usb0/pkg"));
        QCOMPARE(upd->get_orientationId(), 33);
        QVERIFY(upd->get_cloudUpdate());
        QVERIFY(!upd->get_autoInstall());
        QVERIFY(upd->get_slaveUiNeeded());
        QCOMPARE(upd->get_nfcBoardCount(), 2);
        QVERIFY(upd->get_soundsUpdateAvailable());

        CanbusManager *cbm = startup->canbusManager();
        QCOMPARE(cbm->objectName(), QStringLiteral("cbm"));
        QCOMPARE(cbm->parent(), &owner);
        QVERIFY(cbm->usesByteArrayFrames());
        QVERIFY(startup->canThread()->parent() == nullptr);
        QVERIFY(!startup->canThread()->isRunning());
        QCOMPARE(owner.findChild<QObject *>("mbm")->parent(), &owner);

        QSerialPort *port = startup->serialPort();
        QCOMPARE(port->objectName(), QStringLiteral("SerialPort"));
        QCOMPARE("/dev/" + port->portName(), pty.devicePath());
        QVERIFY(port->isOpen());
        QCOMPARE(port->baudRate(), 115200);

        QQmlContext *context = startup->engine()->rootContext();
        QCOMPARE(context->contextProperty("upd").value<QObject *>(), upd);
        QCOMPARE(context->contextProperty("cbm").value<QObject *>(), cbm);
        QCOMPARE(context->contextProperty("uiscalingX").toDouble(), 1.25);
        QCOMPARE(context->contextProperty("uiscalingY").toDouble(), double(0.8f));
        QCOMPARE(context->contextProperty("appPortraitFlag").toBool(), false);
        QCOMPARE(context->contextProperty("appVerticalFlip").toBool(), true);
        QCOMPARE(startup->engine()->rootObjects().size(), 1);

        // The main screen lists the package's parts.
        auto *screen = qobject_cast<QQuickWindow *>(startup->engine()->rootObjects().first());
        QVERIFY(screen);
        QStringList shown;
        for (QQuickItem *text : itemsNamed(screen->contentItem(), "infoText")) {
            if (text->isVisible())
                shown << text->property("text").toString();
        }
        QCOMPARE(shown, QStringList{"<b>Sound files</b><br>1 files"});

        // Only machines that exist under the names given are traced, each by
        // a tracer of the utility's form: window hidden and titled after the
        // machine, entries and transitions logged, exits not.
        QCOMPARE(startup->tracedMachines(),
                 (QList<QStateMachine *>{upd, cbm}));
        QCOMPARE(startup->tracers().size(), 2);
        for (int i = 0; i < 2; ++i) {
            StateTracer *tracer = startup->tracers().at(i);
            QCOMPARE(tracer->form(), StateTracer::Form::UpdateUtility);
            QVERIFY(tracer->isTracing());
            QVERIFY(!tracer->window()->isVisible());
            QCOMPARE(tracer->window()->windowTitle(), startup->tracedMachines().at(i)->objectName());
        }
        const QRegularExpression entered("^\"\\d\\d:\\d\\d:\\d\\d:\\d{3} - Entered : \\.(upd|cbm)\\.\\w+");
        QVERIFY2(!g_log.filter(entered).isEmpty(), qPrintable(g_log.join('\n')));
        QVERIFY(g_log.filter(" - Exited").isEmpty());

        startup.reset();
    }

    // The program itself, started the way the outside launcher starts it.
    void programRuns()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/display.hcc",
                               personality(R"("orientationPortrait": true, "nfcEnabled": false)")));
        PtyPair pty;
        QVERIFY(pty.open());
        QTemporaryDir package;
        QVERIFY(QDir(package.path()).mkpath("help"));

        QProcess p;
        p.setProcessEnvironment(utilityEnvironment(root));
        p.setWorkingDirectory(package.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(UPDATE_UTIL_BINARY, {"-tp=/media/usb0/pkg", "-sp" + pty.devicePath(), "-autoinstall"});
        QVERIFY(p.waitForStarted(10000));

        QByteArray out;
        QElapsedTimer t;
        t.start();
        while (!out.contains("CFG") && !out.contains("File name is") && t.elapsed() < 20000
               && p.state() == QProcess::Running) {
            p.waitForReadyRead(200);
            out += p.readAll();
        }
        // The event loop runs on: nothing ends the program before an update.
        QVERIFY2(!p.waitForFinished(500), out.constData());
        out += p.readAll();
        p.kill();
        p.waitForFinished(5000);

        QVERIFY2(out.contains("Target Path = /media/usb0/pkg"), out.constData());
        QVERIFY2(out.contains("Cmd line specified serial port: " + pty.devicePath().toUtf8()),
                 out.constData());
        QVERIFY2(out.contains("QSocketCAN: apparently OK!"), out.constData());
        QVERIFY2(out.contains("File name is : \"" + root.filePath("/root/display.hcc").toUtf8()),
                 out.constData());
        QVERIFY2(out.contains("traysPerCabinet") == false, out.constData());
        QVERIFY2(!out.contains("Main screen not loaded"), out.constData());
    }

    void traceOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("namesLine");
        QTest::addColumn<QStringList>("traced");
        QTest::newRow("the three machines") << QStringList{"-trace(upd,cbm,mbm)"}
            << R"(objects to trace:  ("upd", "cbm", "mbm"))" << QStringList{"upd", "cbm", "mbm"};
        QTest::newRow("no such machine") << QStringList{"-trace(nosuch)"}
            << R"(objects to trace:  ("nosuch"))" << QStringList{};
        QTest::newRow("no trace option") << QStringList{} << QString() << QStringList{};
    }

    // The program traces the machines "-trace(...)" names, wherever they
    // sit below the application: each traced machine lists its properties
    // once, and steps are logged in the utility's form (entries, no exits).
    void traceOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, namesLine);
        QFETCH(QStringList, traced);
        TempRoot root;
        QVERIFY(root.writeFile("/root/display.hcc", personality(R"("nfcEnabled": false)")));
        QTemporaryDir package;
        QProcess p;
        p.setProcessEnvironment(utilityEnvironment(root));
        p.setWorkingDirectory(package.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(UPDATE_UTIL_BINARY, arguments);
        QVERIFY(p.waitForStarted(10000));

        // "No update found" is logged on entry to the update chart's idle
        // state: by then a tracer of that chart has logged the entry too.
        QByteArray out;
        QVERIFY2(QTest::qWaitFor([&] {
            out += p.readAll();
            return out.contains("No update found") || p.state() != QProcess::Running;
        }, 20000), out.constData());
        QVERIFY2(!p.waitForFinished(500), out.constData());
        out += p.readAll();
        p.kill();
        p.waitForFinished(5000);
        const QStringList lines = QString::fromUtf8(out).split('\n');

        QCOMPARE(lines.filter("objects to trace: "),
                 namesLine.isEmpty() ? QStringList() : QStringList{namesLine});
        for (const char *name : {"upd", "cbm", "mbm"}) {
            const QString property = QStringLiteral("QString\t%1::objectName,objectNameChanged(QString)").arg(name);
            QVERIFY2(lines.count(property) == (traced.contains(name) ? 1 : 0), name);
        }
        const QRegularExpression entered(R"(^"\d\d:\d\d:\d\d:\d{3} - Entered : \.upd\.idleState"$)");
        QCOMPARE(!lines.filter(entered).isEmpty(), traced.contains("upd"));
        QCOMPARE(lines.filter(" - Entered ").isEmpty(), traced.isEmpty());
        QVERIFY2(lines.filter(" - Exited").isEmpty(), out.constData());
    }

    // Help needs no screen: it is printed before anything else starts, on a
    // machine without a display too, and the program ends.
    void helpNeedsNoScreen_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("--help") << "--help";
        QTest::newRow("-h") << "-h";
    }
    void helpNeedsNoScreen()
    {
        QFETCH(QString, option);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KIV_ROOT"})
            env.remove(name);
        p.setProcessEnvironment(env);
        p.start(UPDATE_UTIL_BINARY, {"-autoinstall", option});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QCOMPARE(out, UpdateUtilOptions::usage());
        for (const char *shown : {"-tp=", "-sp", "-idConnector", "-portrait", "-landscape", "-autoinstall",
                                  "-cloud", "-sx", "-sy", "-trace(", "KIV_ROOT", "working directory"})
            QVERIFY2(out.contains(shown), shown);
    }

    // On a desktop (re-rooted) without a display the program runs with its
    // screen offscreen, says where it looked for the package and that there
    // was none, and does not stop the machine's processes: the stop command
    // is not in the root.
    void desktopRunWithoutDisplay()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/display.hcc", personality(R"("nfcEnabled": false)")));
        QVERIFY(QDir().mkpath(root.filePath("/root/updates")));
        QTemporaryDir package;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_QUICK_BACKEND", "KIV_SERIAL_PORT"})
            env.remove(name);
        env.insert("KIV_ROOT", root.path());
        env.insert("KIV_CAN", "virtual");
        env.insert("KIV_VCAN_DIR", root.filePath("/run/vcan/can0"));
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + root.filePath("/run/no-bus"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(package.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(UPDATE_UTIL_BINARY, {"-autoinstall"});
        QVERIFY(p.waitForStarted(10000));

        QByteArray out;
        QVERIFY2(QTest::qWaitFor([&] {
            out += p.readAll();
            return root.readFile("/root/updates/firmwareUpdateResult.txt").startsWith("updateResult=")
                || p.state() != QProcess::Running;
        }, 20000), out.constData());
        QTest::qWait(1000); // past the final screen's stop command
        out += p.readAll();
        QVERIFY2(p.state() == QProcess::Running, out.constData());
        p.kill();
        p.waitForFinished(5000);

        QVERIFY2(out.contains("No display: the screen is drawn offscreen"), out.constData());
        const QByteArray where = QDir(package.path()).absolutePath().toUtf8();
        QVERIFY2(out.contains("No update found in " + where), out.constData());
        QVERIFY2(out.contains("pkill is not available here; not run"), out.constData());
    }
};

QTEST_MAIN(TestUpdaterStartup)
#include "tst_updaterstartup.moc"
