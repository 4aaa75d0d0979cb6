// The QML tests of the menu lists, the colour pickers and the day-part
// screens, run by Qt Quick Test against the harness's mock cabinet; the
// test files are in qml/. They also leave pictures of the screens in
// screenshots/ for a person to look at.
//
// The day-part editor is tested on the program's own menu and day-part
// managers ("realMenus"), since its rules live in their edit copies.
#include "qmlharness.h"

#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "platform/kivroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

// Builds a real MenuManager and DayPartManager on the harness's mock
// cabinet (whose layout properties they read, and whose reset drops them)
// and publishes them, with the menu's models, in place of the mocks.
class RealMenus : public QObject
{
    Q_OBJECT

public:
    explicit RealMenus(QQmlEngine *engine) : QObject(engine), m_engine(engine) {}

    // menuJson: a menu document; dayPartsJson: a day-parts document, or
    // empty for the managers' defaults (two day parts, both in use). The
    // edit copies are made as the editor's opening does.
    Q_INVOKABLE bool load(const QString &menuJson, const QString &dayPartsJson)
    {
        QQmlContext *context = m_engine->rootContext();
        QObject *cabinet = context->contextProperty(QStringLiteral("cabinetManager")).value<QObject *>();
        if (!cabinet)
            return false;
        if (!write(QStringLiteral("menu.json"), menuJson) || !write(QStringLiteral("dayParts.json"), dayPartsJson))
            return false;
        const int zones = cabinet->property("numberOfZones").toInt();
        const int traysPerZone = cabinet->property("traysPerZone").toInt();
        auto *menus = new MenuManager(cabinet);
        menus->menuLoadJsonDocFile();
        auto *dayParts = new DayPartManager(zones, traysPerZone, menus, cabinet);
        dayParts->set_numOfTrays(qMin(zones * traysPerZone, int(DayPartManager::kMaxPositions)));
        if (!dayPartsJson.isEmpty())
            dayParts->dayPartsLoadJsonDocFile();
        dayParts->dayPartEditInitialize();
        menus->initializeEditDataModels();
        menus->initializeDayPartEditModel();
        menus->publishTo(context);
        context->setContextProperty(QStringLiteral("daypartManager"), dayParts);
        return true;
    }

private:
    bool write(const QString &name, const QString &content) const
    {
        const QString path = KivRoot::appFile(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path);
        if (content.isEmpty())
            return true;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) >= 0;
    }

    QQmlEngine *m_engine;
};

class MenuScreensSetup : public QmlHarnessSetup
{
    Q_OBJECT

public:
    MenuScreensSetup()
    {
        // The managers read and write their files below this root only.
        qputenv("KIV_ROOT", m_root.path().toLocal8Bit());
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QmlHarnessSetup::qmlEngineAvailable(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("realMenus"), new RealMenus(engine));
    }

private:
    QTemporaryDir m_root;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_menuscreens, MenuScreensSetup)

#include "tst_menuscreens.moc"
