#include "updater.h"

#include "temproot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJSValue>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString kSuccess = "Software update successful.<br><br>Unplug USB and reboot the unit";
const QString kFailure = "Software update failed.<br><br>Unplug USB and reboot the unit";

// The installer window with a fake update and CAN manager behind it.
class Screen
{
public:
    Screen(bool portrait, bool verticalFlip, const QVariantMap &state = {})
    {
        upd = create("qrc:/fakes/FakeUpdater.qml");
        cbm = create("qrc:/fakes/FakeCanbus.qml");
        for (auto it = state.begin(); it != state.end(); ++it)
            upd->setProperty(it.key().toUtf8().constData(), it.value());
        QQmlContext *context = engine.rootContext();
        context->setContextProperty("upd", upd);
        context->setContextProperty("cbm", cbm);
        context->setContextProperty("uiscalingX", 1.0);
        context->setContextProperty("uiscalingY", 1.0);
        context->setContextProperty("appPortraitFlag", portrait);
        context->setContextProperty("appVerticalFlip", verticalFlip);
        engine.load(QUrl("qrc:///files/qml/tarn_updater/main.qml"));
        if (!engine.rootObjects().isEmpty())
            window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        if (window)
            installer = window->findChild<QQuickItem *>("installer");
    }
    ~Screen()
    {
        // The window's bindings read the fakes: it goes first.
        qDeleteAll(engine.rootObjects());
        delete upd;
        delete cbm;
    }

    bool loaded() const
    {
        return window && installer && QTest::qWaitForWindowExposed(window);
    }

    QQuickItem *item(const QString &name) const { return find(window->contentItem(), name); }

    // By the item tree: repeated delegates have no QObject parent to find
    // them by.
    static QQuickItem *find(QQuickItem *root, const QString &name)
    {
        if (!root)
            return nullptr;
        for (QQuickItem *child : root->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem *found = find(child, name))
                return found;
        }
        return nullptr;
    }

    // Seen: visible itself and through every parent item.
    bool shows(const QString &name) const
    {
        QQuickItem *found = item(name);
        return found && found->isVisible() && found->opacity() > 0;
    }

    // Whether a loader's overlay is there at all.
    bool overlay(const QString &name) const
    {
        QQuickItem *loader = item(name);
        return loader && loader->property("item").value<QObject *>() != nullptr;
    }

    QString textOf(QQuickItem *parent, const QString &name) const
    {
        QObject *found = find(parent, name);
        return found ? found->property("text").toString() : QString("<none>");
    }

    // A touch at the centre of an item, wherever the rotation put it.
    void tap(const QString &name) const { tap(item(name)); }
    void tap(QQuickItem *target) const
    {
        QVERIFY2(target, "nothing to tap");
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

    QStringList calls() const
    {
        const QVariant calls = upd->property("calls");
        if (calls.userType() == qMetaTypeId<QJSValue>())
            return calls.value<QJSValue>().toVariant().toStringList();
        return calls.toStringList();
    }

    // A picture as a person reads the display: a portrait installer is
    // turned back upright.
    QString save(const QString &name) const
    {
        QCoreApplication::processEvents();
        QImage image = window->grabWindow();
        if (image.isNull())
            image = window->screen()->grabWindow(window->winId()).toImage();
        if (image.isNull())
            return QString();
        image = image.transformed(QTransform().rotate(-installer->rotation()));
        QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (dir.isEmpty())
            dir = QDir::currentPath() + "/screenshots";
        QDir().mkpath(dir);
        const QString path = dir + "/" + name + ".png";
        return image.save(path) ? path : QString();
    }

    QQmlApplicationEngine engine;
    QObject *upd = nullptr;
    QObject *cbm = nullptr;
    QQuickWindow *window = nullptr;
    QQuickItem *installer = nullptr;

private:
    QObject *create(const QString &url)
    {
        QQmlComponent component(&engine, QUrl(url));
        QObject *object = component.create();
        if (!object)
            qWarning() << component.errors();
        return object;
    }
};

const QStringList kRows = {"ioRow", "uiRow", "nfcRow", "osRow", "cleaningRow",
                           "soundsRow", "languagesRow", "menusRow", "helpRow"};

} // namespace

// The installer screen: what it lists, how it starts the update, what it
// shows while boards and the other display are updated, and how it ends.
class TestUpdateScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The screens are compiled into the utility's static library.
        Q_INIT_RESOURCE(updaterqml);
    }

    // QML's upd.slaveFound must read the Updater's property, not its
    // signal of the same name.
    void slaveFoundIsTheProperty()
    {
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("upd", &updater);
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nQtObject { property var seen: upd.slaveFound }", QUrl());
        std::unique_ptr<QObject> reader(component.create());
        QVERIFY2(reader, qPrintable(component.errorString()));
        QCOMPARE(reader->property("seen"), QVariant(false));
        updater.set_slaveFound(true);
        QCOMPARE(reader->property("seen"), QVariant(true));
    }

    void turnedForTheCabinet_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<qreal>("rotation");
        QTest::newRow("landscape") << false << false << 0.0;
        QTest::newRow("portrait, vertical flip") << true << true << 90.0;
        QTest::newRow("portrait") << true << false << 270.0;
    }
    void turnedForTheCabinet()
    {
        QFETCH(bool, portrait);
        QFETCH(bool, flip);
        QFETCH(qreal, rotation);
        Screen screen(portrait, flip);
        QVERIFY(screen.loaded());
        QCOMPARE(screen.window->objectName(), QString("kivDisplayUpdate"));
        QCOMPARE(screen.window->size(), QSize(800, 480));
        QCOMPARE(screen.installer->rotation(), rotation);
        QCOMPARE(QSizeF(screen.installer->width(), screen.installer->height()),
                 portrait ? QSizeF(480, 800) : QSizeF(800, 480));
        // The footer: the left edge in landscape, the bottom in portrait.
        QQuickItem *footer = screen.item("footer");
        QCOMPARE(QRectF(footer->x(), footer->y(), footer->width(), footer->height()),
                 portrait ? QRectF(0, 700, 480, 100) : QRectF(0, 0, 100, 480));
        QCOMPARE(screen.textOf(screen.installer, "headerTitle"), QString("System Update Installer"));
        QCOMPARE(screen.textOf(screen.installer, "versionText"), QString("Updater 9.9.9"));
        // The whole turned installer lands on the panel.
        const QRectF onPanel = screen.installer->mapRectToScene(
            QRectF(0, 0, screen.installer->width(), screen.installer->height()));
        QCOMPARE(onPanel, QRectF(0, 0, 800, 480));
    }

    // GO starts the update once, with the chosen role and orientation; with
    // auto-install there is no GO at all.
    void goStartsTheUpdateOnce_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<int>("selection");
        QTest::newRow("as it opens") << false << "" << "" << 0;
        QTest::newRow("secondary, landscape") << false << "Secondary" << "Landscape" << 3;
        QTest::newRow("secondary, landscape, turned screen") << true << "Secondary" << "Landscape" << 3;
        QTest::newRow("primary, landscape") << false << "Primary" << "Landscape" << 2;
        QTest::newRow("secondary, portrait") << true << "Secondary" << "Portrait" << 1;
    }
    void goStartsTheUpdateOnce()
    {
        QFETCH(bool, portrait);
        QFETCH(QString, role);
        QFETCH(QString, orientation);
        QFETCH(int, selection);
        Screen screen(portrait, true, {{"targetDisplaySelection", 7}});
        QVERIFY(screen.loaded());
        QSignalSpy next(screen.upd, SIGNAL(startUpdateNextStep()));
        if (!role.isEmpty())
            screen.tap("radio" + role);
        if (!orientation.isEmpty())
            screen.tap("radio" + orientation);
        QCOMPARE(next.count(), 0);
        QVERIFY(screen.shows("goButton"));
        screen.tap("goButton");
        QCOMPARE(next.count(), 1);
        QCOMPARE(screen.upd->property("targetDisplaySelection").toInt(), selection);
        // The update runs: a second press is not its next step.
        screen.tap("goButton");
        QCOMPARE(next.count(), 1);
    }

    void noGoWithAutoInstall()
    {
        Screen screen(false, false, {{"autoInstall", true}, {"canFileXfrActive", true}});
        QVERIFY(screen.loaded());
        QVERIFY(!screen.shows("goButton"));
        // The progress comes up without a touch.
        QVERIFY(screen.overlay("progressScreen"));
        QVERIFY(screen.shows("waitProgress"));
    }

    // A row for each part in the package, nothing for the rest; the
    // boxes of the parts that cannot be left out are not for touching.
    void partsListed_data()
    {
        QTest::addColumn<QVariantMap>("package");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("only sounds") << QVariantMap{{"soundsUpdateAvailable", true},
                                                    {"soundUpdateInfoTxt", "<b>Sounds</b><br>3 files"}}
                                     << QStringList{"soundsRow"};
        QTest::newRow("everything") << QVariantMap{{"sibUpdateAvailable", true}, {"applicationUpdateAvailable", true},
                                                   {"nfcAppUpdateAvailable", true}, {"kernelUpdateAvailable", true},
                                                   {"cleaningUpdateAvailable", true}, {"soundsUpdateAvailable", true},
                                                   {"languagesUpdateAvailable", true}, {"cookbookUpdateAvailable", true},
                                                   {"helpfilesUpdateAvailable", true}}
                                    << kRows;
        QTest::newRow("nothing") << QVariantMap{} << QStringList{};
    }
    void partsListed()
    {
        QFETCH(QVariantMap, package);
        QFETCH(QStringList, rows);
        Screen screen(false, false, package);
        QVERIFY(screen.loaded());
        for (const QString &row : kRows) {
            QCOMPARE(screen.shows(row), rows.contains(row));
            QQuickItem *box = screen.item(row)->findChild<QQuickItem *>("checkBox");
            if (rows.contains(row))
                QVERIFY2(box->property("checked").toBool(), qPrintable(row));
            QCOMPARE(box->isEnabled(), row == "ioRow" || row == "uiRow" || row == "nfcRow");
        }
        if (rows == QStringList{"soundsRow"}) {
            QQuickItem *sounds = screen.item("soundsRow");
            QCOMPARE(screen.textOf(sounds, "infoText"), QString("<b>Sounds</b><br>3 files"));
            // Disabled: a touch does not untick it.
            screen.tap(sounds->findChild<QQuickItem *>("checkBox"));
            QVERIFY(sounds->findChild<QQuickItem *>("checkBox")->property("checked").toBool());
        }
    }

    // Progress while the boards and the other display are updated: each
    // dialog under its own condition, the roll-call wait only when nothing
    // else is going on.
    void progressDialogs_data()
    {
        QTest::addColumn<QVariantMap>("state");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("percent"); // of the first dialog shown
        QTest::newRow("roll call unanswered")
            << QVariantMap{{"canFileXfrActive", true}, {"checkForSlaveUiProgress", 50}}
            << QStringList{"waitProgress"} << "50%";
        QTest::newRow("file to the other display")
            << QVariantMap{{"canFileXfrActive", true}, {"slaveFound", true}, {"checkForSlaveUiProgress", 50}}
            << QStringList{"canProgress"} << "42%";
        QTest::newRow("I/O board while the roll call waits")
            << QVariantMap{{"canFileXfrActive", true}, {"progressDialogVisible", true}, {"fwUpdateProgress", 85}}
            << QStringList{"ioProgress"} << "85%";
        QTest::newRow("heater board")
            << QVariantMap{{"slavePhuUpdateFlag", true}, {"slavePhuId", 2}, {"slaveUpdateProgress", 33}}
            << QStringList{"heaterProgress"} << "33%";
        QTest::newRow("NFC board")
            << QVariantMap{{"nfcProgressDialogVisible", true}, {"nfcBoardId", 2}, {"nfcUpdateProgress", 99}}
            << QStringList{"nfcProgress"} << "99%";
        QTest::newRow("nothing running") << QVariantMap{{"checkForSlaveUiProgress", 50}} << QStringList{} << "";
    }
    void progressDialogs()
    {
        QFETCH(QVariantMap, state);
        QFETCH(QStringList, shown);
        QFETCH(QString, percent);
        Screen screen(false, false, state);
        QVERIFY(screen.loaded());
        screen.cbm->setProperty("canFileProgress", 42);
        QCOMPARE(screen.overlay("progressScreen"), !shown.isEmpty());
        for (const QString &dialog : QStringList{"ioProgress", "heaterProgress", "nfcProgress", "canProgress", "waitProgress"})
            QCOMPARE(screen.shows(dialog), shown.contains(dialog));
        if (shown.isEmpty())
            return;
        QQuickItem *first = screen.item(shown.first());
        QCOMPARE(screen.textOf(first, "percentText"), percent);
        if (shown.first() == "heaterProgress")
            QVERIFY(first->property("label").toString().endsWith("IO Board: 3"));
        if (shown.first() == "nfcProgress")
            QVERIFY(first->property("label").toString().endsWith("NFC Board: 2"));
    }

    // The operation message comes with each new text, hides when the I/O
    // board is done, and tells the user when the I/O board must be
    // updated from service mode instead.
    void operationMessage()
    {
        Screen screen(false, false);
        QVERIFY(screen.loaded());
        QVERIFY(!screen.overlay("operationMessage"));
        screen.upd->setProperty("updaterDialogMsg", "<b>Firmware Update In Progress</b><br>");
        QVERIFY(screen.overlay("operationMessage"));
        QCOMPARE(screen.textOf(screen.item("operationMessage"), "messageText"),
                 QString("<b>Firmware Update In Progress</b><br>"));
        QVERIFY(QMetaObject::invokeMethod(screen.upd, "fwupdate_succeeded"));
        QVERIFY(!screen.overlay("operationMessage"));
        screen.upd->setProperty("b1SibAutoDownload", false);
        QVERIFY(screen.overlay("operationMessage"));
        QVERIFY2(screen.textOf(screen.item("operationMessage"), "messageText")
                    .startsWith("Current UI application does not support\nAutomatic SIB downloads.\n"),
                 qPrintable(screen.textOf(screen.item("operationMessage"), "messageText")));
    }

    // Return, then Quit, before any update: the successful message, and
    // the program ends half a second later.
    void quitBeforeAnyUpdate()
    {
        Screen screen(true, true);
        QVERIFY(screen.loaded());
        screen.tap("returnButton");
        QVERIFY(screen.overlay("exitDialog"));
        QCOMPARE(screen.textOf(screen.item("exitDialog"), "messageText"), QString("Exit installer?"));
        screen.tap(Screen::find(screen.item("exitDialog"), "buttonStay"));
        QVERIFY(!screen.overlay("exitDialog"));
        QVERIFY(!screen.overlay("finalPanel"));

        screen.tap("returnButton");
        QElapsedTimer clock;
        clock.start();
        screen.tap(Screen::find(screen.item("exitDialog"), "buttonQuit"));
        QVERIFY(!screen.overlay("exitDialog"));
        QVERIFY(screen.overlay("finalPanel"));
        QCOMPARE(screen.textOf(screen.item("finalPanel"), "exitMessageText"), kSuccess);
        QVERIFY(screen.calls().isEmpty());
        QTRY_COMPARE(screen.calls(), QStringList{"exitUpdateApp()"});
        QVERIFY(clock.elapsed() >= 450);
    }

    // The end of an update: the result on the D-Bus, the final message,
    // an inert page, and the exit half a second later.
    void updateEnds_data()
    {
        QTest::addColumn<bool>("failed");
        QTest::newRow("successful") << false;
        QTest::newRow("failed") << true;
    }
    void updateEnds()
    {
        QFETCH(bool, failed);
        Screen screen(false, false, {{"soundsUpdateAvailable", true}, {"updateFailed", failed}});
        QVERIFY(screen.loaded());
        screen.upd->setProperty("updaterDialogMsg", "<b>Firmware Update In Progress</b><br>");
        screen.tap("returnButton");
        QVERIFY(QMetaObject::invokeMethod(screen.upd, "updatesDone"));
        QCOMPARE(screen.calls(), QStringList{QString("firmwareUpdateDone(%1)").arg(failed ? "false" : "true")});
        QVERIFY(!screen.overlay("exitDialog"));
        QVERIFY(!screen.overlay("operationMessage"));
        QCOMPARE(screen.textOf(screen.item("finalPanel"), "exitMessageText"), failed ? kFailure : kSuccess);
        QVERIFY(!screen.shows("goButton"));
        QCOMPARE(screen.item("partRows")->opacity(), 0.25);
        QVERIFY(!screen.item("roleGroup")->isEnabled());
        QVERIFY(!screen.item("orientationGroup")->isEnabled());
        QVERIFY(screen.item("roleGroup")->opacity() < 1.0);
        QTRY_COMPARE(screen.calls().size(), 2);
        QCOMPARE(screen.calls().last(), QString("exitUpdateApp()"));
    }

    // Pictures for a person to look at, landscape and portrait.
    void screenshots_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::newRow("landscape") << false;
        QTest::newRow("portrait") << true;
    }
    void screenshots()
    {
        QFETCH(bool, portrait);
        const QString side = portrait ? "portrait" : "landscape";
        Screen screen(portrait, true,
                      {{"sibUpdateAvailable", true}, {"sibUpdateInfoTxt", "<b>IO board firmware</b><br>io_5.bin"},
                       {"applicationUpdateAvailable", true}, {"uiUpdateInfoTxt", "<b>UI software</b><br>kivlfb_2.0.1"},
                       {"nfcAppUpdateAvailable", true}, {"nfcUpdateInfoTxt", "<b>NFC firmware</b><br>nfc_2.bin"},
                       {"soundsUpdateAvailable", true}, {"soundUpdateInfoTxt", "<b>Sounds</b><br>3 files"},
                       {"uiCurrentSwVersion", "UI 1.9.0"}, {"sibCurrentSwVersion", "IO 4.0"}});
        QVERIFY(screen.loaded());
        QVERIFY(!screen.save("installer-" + side).isEmpty());
        screen.tap("returnButton");
        QVERIFY(!screen.save("exit-dialog-" + side).isEmpty());
        screen.tap(Screen::find(screen.item("exitDialog"), "buttonStay"));
        screen.upd->setProperty("canFileXfrActive", true);
        screen.upd->setProperty("checkForSlaveUiProgress", 50);
        QVERIFY(!screen.save("waiting-" + side).isEmpty());
        screen.upd->setProperty("canFileXfrActive", false);
        screen.upd->setProperty("updaterDialogMsg",
                                "<b>Firmware Update In Progress</b><br><b>Do Not Turn Equipment Off</b><br>"
                                "<br><b>App install on secondary UI FAILED! </b><br>");
        QVERIFY(!screen.save("message-" + side).isEmpty());
        screen.upd->setProperty("progressDialogVisible", true);
        screen.upd->setProperty("fwUpdateProgress", 42);
        screen.upd->setProperty("totalTimeouts", 3);
        QVERIFY(!screen.save("io-progress-" + side).isEmpty());
        screen.upd->setProperty("progressDialogVisible", false);
        screen.upd->setProperty("updateFailed", true);
        QVERIFY(QMetaObject::invokeMethod(screen.upd, "updatesDone"));
        QVERIFY(!screen.save("final-" + side).isEmpty());
    }
};

QTEST_MAIN(TestUpdateScreens)
#include "tst_updatescreens.moc"
