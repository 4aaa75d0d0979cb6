// Every screen and dialog of the cabinet, reached the way a person reaches
// it: a whole primary display in simulation, touched on its main window from
// the holding view through the home screen, the service list and its access
// codes. Each row of the table is one screen and the way to it; each must
// come up without a single warning and draw something, landscape and
// portrait. The pictures are left in the build's "screenshots/everyscreen"
// folder (or $KIV_SCREENSHOT_DIR) for a person to look at.
//
// A way is a list of steps separated by ";":
//   tap NAME [X Y]    a touch on the visible item NAME, in its middle or at
//                     the fractions X, Y of its size; NAME may be
//                     "outer/inner", inner searched below outer
//   hold NAME         the same touch, held until it counts as a long press
//   pin CODE          the access code typed on the PIN pad's keys, then OK
//   swipe PAGE        the service list moved on, page by page, until PAGE
//                     stands in the middle
//   emit OBJ SIGNAL   a signal of a context object of the screens (what the
//                     cabinet raises on an event: an alarm, a cleaning start)
//   show NAME         a hosted screen shown by its name, for those that only
//                     an outside event or another display opens
// The screen is an object name, or "type:T" for a dialog made on the fly
// from T.qml.
#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "platform/kivclock.h"

#include "cabinetscreen.h"
#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "messagecatcher.h"
#include "screenitems.h"
#include "simulateddisplay.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

const qint64 kStart = 1704110400000; // 2024-01-01 12:00:00 UTC
// Long enough for a press to count as held (the screens' long press is
// 800 ms).
const int kHoldMs = 1000;
const int kFindMs = 5000;
const int kStartUpMs = 3000;

// True when the picture's part inside `rect` holds more than one colour.
bool drawsSomething(const QImage &image, const QRect &rect)
{
    const QRect r = rect.intersected(image.rect());
    if (r.isEmpty())
        return false;
    const QRgb first = image.pixel(r.topLeft());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

QString shotDirectory()
{
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    return (dir.isEmpty() ? QDir::currentPath() + QStringLiteral("/screenshots") : dir)
        + QStringLiteral("/everyscreen");
}

} // namespace

class TestEveryScreen : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;
    std::unique_ptr<SimulatedDisplay> m_display;
    bool m_portrait = false;
    bool m_otherCustomer = false;
    QString m_shots;

    static QQuickItem *panel() { return CabinetScreen::panel(CabinetScreen::window()); }

    QObject *contextObject(const QString &name) const
    {
        const auto *engine = m_display->cabinet()->findChild<QQmlApplicationEngine *>(QStringLiteral("mainQmlView"));
        return engine ? engine->rootContext()->contextProperty(name).value<QObject *>() : nullptr;
    }

    // The visible item of that name (or path "outer/inner") whose middle
    // lies on the screen; waits for it a while, as screens open on a touch.
    static QQuickItem *find(const QString &path)
    {
        QQuickItem *result = nullptr;
        return QTest::qWaitFor([&]() { return (result = findNow(path)) != nullptr; }, kFindMs) ? result : nullptr;
    }
    static QQuickItem *findNow(const QString &path) { return ScreenItems::findNow(panel(), path); }

    static void press(QQuickItem *item, const QPointF &where, int holdMs)
    {
        QQuickWindow *w = item->window();
        const QPoint at = item->mapToScene(QPointF(item->width() * where.x(), item->height() * where.y())).toPoint();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
        if (holdMs > 0)
            QTest::qWait(holdMs);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
        // What the touch posted (the pads' keys) arrives before the next one.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    bool tap(const QString &path, const QPointF &where, int holdMs = 0)
    {
        // Positioners place what a touch opened when the next frame is
        // prepared: the target is where it is drawn only after that frame.
        nextFrame();
        // A person waits while the busy wheel turns; it takes every touch.
        if (!QTest::qWaitFor([]() { return !findNow(QStringLiteral("bwi")); }, kFindMs))
            qWarning("the busy wheel does not stop");
        QQuickItem *item = find(path);
        if (!item) {
            qWarning("nothing to touch named %s", qPrintable(path));
            return false;
        }
        press(item, where, holdMs);
        return true;
    }

    bool swipeTo(const QString &page)
    {
        QQuickItem *list = find(QStringLiteral("pageList"));
        if (!list)
            return false;
        auto current = [list]() {
            auto *item = list->property("currentItem").value<QQuickItem *>();
            return item ? item->objectName() : QString();
        };
        for (int i = 0; i < list->property("count").toInt() && current() != page; ++i) {
            QMetaObject::invokeMethod(list, "incrementCurrentIndex");
            if (!QTest::qWaitFor([list]() { return !list->property("moving").toBool(); }, kFindMs))
                return false;
        }
        if (current() != page)
            return false;
        auto *item = list->property("currentItem").value<QQuickItem *>();
        return QTest::qWaitFor([item]() { return qAbs(item->x()) < 0.5; }, kFindMs);
    }

    bool step(const QString &text)
    {
        const QStringList words = text.simplified().split(QLatin1Char(' '));
        const QString verb = words.value(0);
        const QString arg = words.value(1);
        const QPointF middle(0.5, 0.5);
        if (verb == QLatin1String("tap")) {
            const QPointF where = words.size() == 4 ? QPointF(words.at(2).toDouble(), words.at(3).toDouble()) : middle;
            return tap(arg, where);
        }
        if (verb == QLatin1String("hold"))
            return tap(arg, middle, kHoldMs);
        if (verb == QLatin1String("pin")) {
            for (const QChar digit : arg)
                if (!tap(QStringLiteral("numericInputPanel/NumericInputEdit-") + digit, middle))
                    return false;
            QQuickItem *field = findNow(QStringLiteral("numericInputPanel/NumericInputEdit-TextEdit"));
            if (!field || !QTest::qWaitFor([&]() { return field->property("text").toString() == arg; }, kFindMs)) {
                qWarning("the pad shows \"%s\"", field ? qPrintable(field->property("text").toString()) : "nothing");
                return false;
            }
            // A code the list takes closes the pad.
            return tap(QStringLiteral("numericInputPanel/NumericInputEdit-AcceptButton"), middle)
                && QTest::qWaitFor([]() { return !findNow(QStringLiteral("numericInputPanel")); }, kFindMs);
        }
        if (verb == QLatin1String("swipe"))
            return swipeTo(arg);
        if (verb == QLatin1String("emit")) {
            QObject *target = contextObject(arg);
            return target && QMetaObject::invokeMethod(target, words.value(2).toLatin1().constData());
        }
        if (verb == QLatin1String("show")) {
            QString error;
            const bool shown = CabinetScreen::show(arg, error);
            if (!shown)
                qWarning("%s", qPrintable(error));
            return shown;
        }
        qWarning("no step \"%s\"", qPrintable(text));
        return false;
    }

    // Back to the holding view with nothing open, as after a while without
    // a touch: the open hosts closed, the dock's menus folded.
    void backToHoldingView()
    {
        QQuickItem *p = panel();
        QVERIFY(p);
        p->setProperty("dayPartSelectorOpen", false);
        // The row management panel stands in for the holding view until its
        // return button is touched and the exit confirmed.
        if (findNow(QStringLiteral("rowReturnButton"))) {
            if (!findNow(QStringLiteral("acceptCancelDialog")))
                QVERIFY(tap(QStringLiteral("rowReturnButton"), QPointF(0.5, 0.5)));
            QVERIFY(tap(QStringLiteral("acceptCancelDialog/acceptButton"), QPointF(0.5, 0.5)));
        }
        QList<QQuickItem *> hosts;
        std::function<void(QQuickItem *)> walk = [&](QQuickItem *item) {
            if (item->property("releasedWhenHidden").isValid() && item->property("screen").isValid())
                hosts.append(item);
            for (QQuickItem *child : item->childItems())
                walk(child);
        };
        walk(p);
        p->setProperty("cleaningMenuOpen", false);
        // The dialogs that pages make for one showing go as their close
        // buttons make them go.
        closeMadeDialogs(p->window()->contentItem());
        // Inner hosts first, while the screens around them still show.
        std::reverse(hosts.begin(), hosts.end());
        for (QQuickItem *host : hosts) {
            const QString name = host->property("name").toString();
            if (host->isVisible() && name != QLatin1String("dayPartOverlay") && name != QLatin1String("cleaningOverlay"))
                host->setVisible(false);
        }
        if (QQuickItem *skin = p->findChild<QQuickItem *>(QStringLiteral("uiSkinPanel")))
            skin->setVisible(false);
        emit m_display->cabinet()->noUserInteraction();
        QTRY_VERIFY(findNow(QStringLiteral("pgMainGrid")));
    }

    static void closeMadeDialogs(QQuickItem *item)
    {
        const QList<QQuickItem *> children = item->childItems();
        for (QQuickItem *child : children)
            closeMadeDialogs(child);
        const bool hosted = item->parentItem() && item->parentItem()->property("releasedWhenHidden").isValid();
        if (hosted || !item->isVisible())
            return;
        for (const char *close : {"closePressed()", "closeButtonPressed()"})
            if (item->metaObject()->indexOfSignal(close) >= 0)
                QMetaObject::invokeMethod(item, QByteArray(close).chopped(2).constData());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void nextFrame()
    {
        QQuickWindow *w = CabinetScreen::window();
        if (!w)
            return;
        bool drawn = false;
        QObject context;
        QObject::connect(w, &QQuickWindow::frameSwapped, &context, [&drawn]() { drawn = true; });
        w->update();
        if (!QTest::qWaitFor([&drawn]() { return drawn; }, kFindMs))
            qWarning("no frame drawn");
    }

    // What the screen shows now, upright.
    static QImage grab()
    {
        QImage picture;
        bool taken = false;
        CabinetScreen::grab([&](const QImage &image) {
            picture = image;
            taken = true;
        });
        return QTest::qWaitFor([&]() { return taken; }, kFindMs) ? picture : QImage();
    }

    void startDisplay(bool portrait, bool otherCustomer)
    {
        if (m_display && m_portrait == portrait && m_otherCustomer == otherCustomer)
            return;
        m_display.reset();
        m_portrait = portrait;
        m_otherCustomer = otherCustomer;
        m_display = std::make_unique<SimulatedDisplay>(cabinetPersonality("alone", [=](QJsonObject &p) {
            p["orientationPortrait"] = portrait;
            p["pressGoDockPosition"] = portrait ? 1 : 0;
            if (otherCustomer)
                p["customerId"] = 0;
        }));
        QTRY_VERIFY_WITH_TIMEOUT(panel() && panel()->window()->isExposed(), 10000);
        // The keys of the on-screen pads are typed into the active window,
        // as on the cabinet, where it is the only one.
        panel()->window()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(panel()->window()));
        // The navigation follows the dock once its machine has started.
        QObject *holdingView = panel()->findChild<QObject *>(QStringLiteral("pressAndGoState"));
        QVERIFY(holdingView);
        QTRY_VERIFY(holdingView->property("active").toBool());
        // The start-up tasks (the look for a menu to import, the network
        // probes) run in the first seconds; touches then may go astray.
        QTest::qWait(kStartUpMs);
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
        KivClock::freezeAt(kStart);
        m_shots = QDir(shotDirectory()).absolutePath();
        QVERIFY(QDir().mkpath(m_shots));
    }
    void cleanupTestCase()
    {
        m_display.reset();
        KivClock::useSystemClock();
    }

    void screen_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<bool>("otherCustomer");

        const QString home = QStringLiteral("tap homeButton");
        const QString service = home + QStringLiteral("; tap settingsQuadrant");
        // A page of the service list, opened with a code of its level.
        auto page = [&service](const char *name, const char *code) {
            return service + QStringLiteral("; swipe %1; tap %1 0.5 0.03; pin %2").arg(QLatin1String(name), QLatin1String(code));
        };
        const QString utilities = page("utilitiesFirst", "527184");

        // tag, way, screen; a tag ending in "*" runs on a cabinet of another
        // customer (the one this cabinet's file names lists no day-part page).
        // A screen added to the window or the service list gets its row here.
        const QList<QStringList> rows = {
            // The navigation's pages.
            {"holding view", QString(), "pgMainGrid"},
            {"home", home, "homeScreen"},
            {"cook book", home + "; tap cookbookQuadrant", "productsListPanel"},
            {"day-part editor", home + "; tap cookbookQuadrant; tap dayPartsButton", "dayPartView"},
            {"updates", home + "; tap updatesQuadrant", "updatesListView"},
            {"service list", service, "settingsPanel"},
            // The dock's menus and screens.
            {"row management", "tap rowOptionsButton", "rowManagementPanel"},
            {"day-part selector", "tap rowOptionsButton; tap rowDayPartButton", "dayPartSelectPanel"},
            {"row management exit", "tap rowOptionsButton; tap rowReturnButton", "acceptCancelDialog"},
            {"cleaning menu", "tap cleanButton", "cleaningOptionsPanel"},
            {"cleaning question", "tap cleanButton; tap cleaningModeButton", "acceptCancelDialog"},
            {"lock screen", "tap cleanButton; tap screenLockButton", "lockScreen"},
            {"pans not in the cabinet", "tap wifiButton; hold cabinetCountButton", "tagsNotInCabinet"},
            // The service list: the PIN pad, each page opened by its code.
            {"PIN pad", service + "; tap utilitiesFirst 0.5 0.03", "numericInputPanel"},
            {"utilities", utilities, "utilitiesFirst"},
            {"zone diagnostics", page("zoneDiagnostics", "527184"), "zoneDiagnostics"},
            {"error log", page("errorLogPanel", "527184"), "errorLogPanel"},
            {"holding log", service + "; swipe haccpLogPanel", "haccpLogPanel"},
            {"languages", page("languagesPanel", "9157"), "languagesPanel"},
            {"all pages unlocked", page("soundTestPanel", "306749"), "messageDialog"},
            {"sound and screen tests", page("soundTestPanel", "306749") + "; tap messageDialog/closeButton",
             "soundTestPanel"},
            {"utilities at the end", page("utilitiesLast", "527184"), "utilitiesLast"},
            {"files", service + "; tap settingsPanel/filesButton", "filesImportExportItem"},
            // What the Utilities page opens.
            {"platform info", utilities + "; tap utilitiesFirst/platformInfoButton", "type:VscrollMessageDialog"},
            {"RFID test", utilities + "; tap utilitiesFirst/rfidButton", "type:RfidAccsTesting"},
            {"heaters test", utilities + "; tap utilitiesFirst/heatersButton", "type:HeatersTestingItem"},
            {"Wi-Fi monitor", utilities + "; tap utilitiesFirst/wifiMonitorButton", "wifiMonitorPanel"},
            {"skin", page("utilitiesFirst", "841926") + "; tap utilitiesFirst/skinButton", "uiSkinPanel"},
            {"screen test", service + "; tap utilitiesFirst/screenTestButton", "screenColorTestPanel"},
            // What the cabinet raises on its own.
            {"cleaning", "emit cabinetManager cleaningStarted", "cleaningPanel"},
            {"room too hot", "emit masterIOmanager ambientTemperatureAlarm", "ambientTempAlarmDialog"},
            {"heater too hot", "emit masterIOmanager heaterHighTempAlarm", "heaterTempAlarmDialog"},
            {"firmware copy", "emit cabinetManager firmwareUpdateStarted", "firmwareUpdateStartDialog"},
            {"serial numbers", "emit configManager showSerialModelNumbersDialog", "serialModelNumbersDialog"},
            {"keyboard", "emit configManager showSerialModelNumbersDialog; tap serialNumberField", "alphakb"},
            {"address detection", "emit eolTest udpBroadcastStarted", "eolDetectionDialog"},
            // Shown by name: what a power cut, another display, a transfer or
            // the first start of an unconfigured display brings up.
            {"restore after power cut", "show restorHoldingDialog", "restorHoldingDialog"},
            {"waiting for the restore", "show holdRestorationDialog", "holdRestorationDialog"},
            {"menu update result", "show menuUpdateDialog", "menuUpdateDialog"},
            {"transfer progress", "show progressDialog", "progressDialog"},
            {"backup progress", "show systemBackupProgressDialog", "systemBackupProgressDialog"},
            {"busy wheel", "show bwi", "bwi"},
            {"screenshot flash", "show screenshotFlash", "screenshotFlash"},
            {"orientation", "show startUpOrientationDialog", "startUpOrientationDialog"},
            {"configuration scan", "show configurationScanItem", "configurationScanItem"},
            {"model group", "show selectTargetModelGroup", "selectTargetModelGroup"},
            {"configuration", "show configurationDialog", "configurationDialog"},
            {"configuration confirmation", "show configConfirmation", "configConfirmation"},
            {"reboot message", "show configurationCyclePower", "configurationCyclePower"},
            {"no configuration file", "show configFileNotExist", "configFileNotExist"},
            // Another customer's cabinet.
            {"holding view*", QString(), "pgMainGrid"},
            {"languages*", page("languagesPanel", "9157"), "languagesPanel"},
            {"day parts*", page("dayPartsPage", "9157"), "dayPartsPage"},
            {"network*", page("networkSettingsItem", "527184"), "networkSettingsItem"},
            {"Wi-Fi settings*", page("networkSettingsItem", "527184") + "; tap networkSettingsItem/ssidBox",
             "wifiNetworkConfig"},
        };
        for (const bool portrait : {false, true}) {
            for (const QStringList &row : rows) {
                const QString tag = row.at(0) + (portrait ? QStringLiteral(" portrait") : QStringLiteral(" landscape"));
                QTest::newRow(qPrintable(tag)) << row.at(1) << row.at(2) << portrait << row.at(0).endsWith('*');
            }
        }
    }

    void screen()
    {
        QFETCH(QString, way);
        QFETCH(QString, screen);
        QFETCH(bool, portrait);
        QFETCH(bool, otherCustomer);

        startDisplay(portrait, otherCustomer);
        if (QTest::currentTestFailed())
            return;
        MessageCatcher catcher;
        backToHoldingView();
        if (QTest::currentTestFailed())
            return;
        const QString file = m_shots + QLatin1Char('/')
            + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')).remove(QLatin1Char('*'));
        // Where a way is lost, the picture shows where it ended.
        for (const QString &s : way.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            QVERIFY2(step(s) || (grab().save(file + QStringLiteral("-lost.png")) && false), qPrintable(s));
        QQuickItem *shown = find(screen);
        QVERIFY2(shown || (grab().save(file + QStringLiteral("-lost.png")) && false),
                 qPrintable(screen + " is not shown"));

        const QImage picture = grab();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(file + QStringLiteral(".png")));
        const QRect onPanel = panel()->mapRectFromItem(shown, QRectF(0, 0, shown->width(), shown->height())).toAlignedRect();
        QVERIFY2(drawsSomething(picture, onPanel), qPrintable(file + " is blank"));
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestEveryScreen)
#include "tst_everyscreen.moc"
