#include "qmlharness.h"

#include "alarms/haccpcontroller.h"
#include "alarms/kiverrorcontrollert.h"
#include "alarms/soundmanager.h"
#include "canbus/canbusmanager.h"
#include "config/configurationmanager.h"
#include "config/eoltesting.h"
#include "core/cabinetmanager.h"
#include "core/mastersync.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "iot/kiviotagentadapter.h"
#include "iot/kivriot.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "menus/tavolenproxy.h"
#include "network/dadazodaru.h"
#include "network/platforminfo.h"
#include "network/systemnetworkmanager.h"
#include "network/wifimonitor.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "ui/languagemodel.h"
#include "ui/translator.h"
#include "ui/virtualkeyinput.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

namespace {

// What each QML mock stands for. Members a mock carries only for the tests
// that drive it (canned answers, builders) are named as harness only;
// members the screens are written against but whose class does not have
// them yet are named as not yet built, and such an entry fails once the
// class gains the member, so that list only shrinks. Everything else a mock
// offers must exist on the real class.
struct Stand
{
    const char *mock; // property of MockContext.qml, or a mock file of its own
    const QMetaObject *real;
    QStringList harnessOnly;
    QStringList notYetBuilt;
};

const QString kMocks = QStringLiteral("qrc:///kivharness/");

// Every mock that screens call carries the shared call log.
const QStringList kEveryMock = {QStringLiteral("log")};

const QList<Stand> &stands()
{
    static const QList<Stand> all = {
        {"cabinetManager", &CabinetManager::staticMetaObject,
         {"isConfigured", "uiidValid", "coolingDownDone", "coolingDownTemp", "uiTrayHeight", "transferTimers",
          "buildCabinet", "flashDriveMounted", "nothingHeld", "flashDriveAnswer", "systemDate"}, {}},
        {"configManager", &ConfigurationManager::staticMetaObject, {"numberOfLanguages", "preloaded"}, {}},
        {"tro", &Translator::staticMetaObject, {"languageCodes"}, {}},
        {"vki", &VirtualKeyInput::staticMetaObject, {}, {}},
        {"cbm", &CanbusManager::staticMetaObject, {}, {}},
        {"syncMgr", &MasterSync::staticMetaObject, {}, {}},
        {"eolTest", &EolTesting::staticMetaObject, {}, {}},
        {"masterIOmanager", &MasterIoManager::staticMetaObject, {"firstChannel", "uidTexts", "makeBins"}, {}},
        {"nfcm", &NFCmanager::staticMetaObject, {}, {}},
        {"daypartManager", &DayPartManager::staticMetaObject, {"dayPartsToUse", "dayPartsCount", "dayPartNames"}, {}},
        {"menuManager", &MenuManager::staticMetaObject, {"groups", "editNames", "productInGroups", "nextProductId", "editGroups", "editProductRows", "groupAt", "productAt"}, {}},
        {"kivIot", &KivIotAgentAdapter::staticMetaObject, {}, {}},
        {"kivnm", &DADazodaru::staticMetaObject, {}, {}},
        {"snm", &SystemNetworkManager::staticMetaObject, {}, {}},
        {"_KivRiot", &KivRiot::staticMetaObject, {}, {}},
        {"wifiMon", &WifiMonitor::staticMetaObject, {}, {}},
        {"languagesModelNew", &LanguageModel::staticMetaObject, {}, {}},
        {"soundManager", &SoundManager::staticMetaObject, {}, {}},
        {"haccpController", &HaccpController::staticMetaObject, {}, {}},
        {"kivErrorController", &KivErrorControllerT::staticMetaObject, {}, {}},
        {"mcp", &TavolenProxy::staticMetaObject, {}, {}},
        {"platformInfo", &PlatformInfo::staticMetaObject, {}, {}},
        {"MockTray.qml", &TrayBarSc::staticMetaObject, {}, {}},
        {"MockZone.qml", &ZoneManager::staticMetaObject, {}, {}},
    };
    return all;
}

// Context objects of the harness that are not checked against a class:
// the call log, the skin, and the two edit row models (plain list models;
// screens read only their rows).
const QStringList kHarnessObjects = {QStringLiteral("callLog"), QStringLiteral("uiSkin"), QStringLiteral("productsEditModel"),
                                     QStringLiteral("groupsEditModel")};

QList<int> argumentCounts(const QMetaObject *meta, const QByteArray &name, bool signal)
{
    QList<int> counts;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.name() != name || m.methodType() == QMetaMethod::Constructor)
            continue;
        if (signal != (m.methodType() == QMetaMethod::Signal))
            continue;
        counts << m.parameterCount();
    }
    return counts;
}

bool hasMember(const QMetaObject *meta, const QString &name)
{
    if (meta->indexOfProperty(name.toLatin1().constData()) >= 0)
        return true;
    for (int i = 0; i < meta->methodCount(); ++i)
        if (QString::fromLatin1(meta->method(i).name()) == name)
            return true;
    return false;
}

// The members a mock offers that the real class lacks, one line each.
QStringList drift(const QObject *mock, const Stand &stand)
{
    QStringList found;
    const QMetaObject *meta = mock->metaObject();
    const QMetaObject *real = stand.real;
    auto excused = [&](const QString &name) {
        return kEveryMock.contains(name) || stand.harnessOnly.contains(name) || stand.notYetBuilt.contains(name);
    };
    QSet<int> notifySignals;
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal())
            notifySignals.insert(property.notifySignalIndex());
        const QString name = QString::fromLatin1(property.name());
        if (!excused(name) && real->indexOfProperty(property.name()) < 0)
            found << QStringLiteral("property %1").arg(name);
    }
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        if (notifySignals.contains(i))
            continue;
        const QMetaMethod method = meta->method(i);
        const QString name = QString::fromLatin1(method.name());
        if (excused(name))
            continue;
        const bool signal = method.methodType() == QMetaMethod::Signal;
        if (!argumentCounts(real, method.name(), signal).contains(method.parameterCount()))
            found << QStringLiteral("%1 %2 with %3 argument(s)")
                         .arg(signal ? QStringLiteral("signal") : QStringLiteral("method"), name)
                         .arg(method.parameterCount());
    }
    for (const QString &name : stand.notYetBuilt)
        if (hasMember(real, name))
            found << QStringLiteral("%1, listed as not yet built, is there now: strike it from the list").arg(name);
    return found;
}

} // namespace

// The QML mocks of the screens' tests stand for the program's context
// objects: a mock that offers a member its class does not have would let a
// screen pass its tests against something the program never provides.
class TestQmlMocks : public QObject
{
    Q_OBJECT

    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_context;

    QObject *load(const QString &file)
    {
        QQmlComponent component(&m_engine, QUrl(kMocks + file));
        QObject *object = component.create();
        if (!object)
            qWarning().noquote() << component.errorString();
        return object;
    }

private slots:
    void initTestCase()
    {
        QmlHarness::registerTypes();
        m_context.reset(load(QStringLiteral("MockContext.qml")));
        QVERIFY(m_context);
    }

    // Every context object of the harness is checked, or is harness only.
    void everyMockIsChecked()
    {
        QStringList unchecked;
        const QMetaObject *meta = m_context->metaObject();
        for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QString name = QString::fromLatin1(meta->property(i).name());
            const bool known = kHarnessObjects.contains(name)
                || std::any_of(stands().cbegin(), stands().cend(),
                               [&](const Stand &stand) { return name == QLatin1String(stand.mock); });
            if (!known)
                unchecked << name;
        }
        QVERIFY2(unchecked.isEmpty(), qPrintable("no class given for: " + unchecked.join(", ")));
    }

    void mockMatchesItsClass_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < stands().size(); ++i)
            QTest::newRow(stands().at(i).mock) << i;
    }
    void mockMatchesItsClass()
    {
        QFETCH(int, index);
        const Stand &stand = stands().at(index);
        const QString mock = QString::fromLatin1(stand.mock);
        std::unique_ptr<QObject> own;
        QObject *object = nullptr;
        if (mock.endsWith(QLatin1String(".qml"))) {
            own.reset(load(mock));
            object = own.get();
        } else {
            object = m_context->property(stand.mock).value<QObject *>();
        }
        QVERIFY(object);
        const QStringList found = drift(object, stand);
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 offers what %2 lacks: %3")
                                                 .arg(mock, QLatin1String(stand.real->className()),
                                                      found.join(QLatin1String("; ")))));
    }
};

QTEST_MAIN(TestQmlMocks)
#include "tst_qmlmocks.moc"
