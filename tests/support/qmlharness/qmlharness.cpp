#include "qmlharness.h"

#include "canbus/canbusmanager.h"
#include "core/cabinetmanager.h"
#include "core/kivdefs.h"
#include "core/traybarsc.h"
#include "menus/menumanager.h"
#include "ui/pinyintable.h"
#include "ui/screenresources.h"
#include "ui/translator.h"
#include "ui/virtualkeyinput.h"

#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QMetaProperty>
#include <QPixmap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTransform>
#include <QtMath>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

#include <QtQml>

static void initMockResources()
{
    Q_INIT_RESOURCE(mocks);
}

QmlHarness::QmlHarness(QQmlEngine *engine)
    : QObject(engine), m_engine(engine), m_keyInput(new VirtualKeyInput(this))
{
    registerTypes();
    engine->rootContext()->setContextProperty(QStringLiteral("harness"), this);
    engine->rootContext()->setContextProperty(QStringLiteral("screenshots"), new Screenshots(this));
    // The program's own 81 timer colours, for the colour picker.
    auto *menu = new MenuManager(this);
    engine->rootContext()->setContextProperty(QStringLiteral("timerColorsDataList"),
                                              QVariant::fromValue(menu->timerColorsDataList()));
    setScaling(1.0, 1.0);
    reset();
}

void QmlHarness::registerTypes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    initMockResources();
    ScreenResources::registerAll();
    CabinetManager::registerQmlTypes();
    KivDefs::registerQmlTypes();
    CanbusManager::registerQmlTypes();
    qmlRegisterUncreatableType<TrayBarSc>("TrayBarSc", 1, 0, "TrayBarSchart",
                                         QStringLiteral("TrayBarSchart carries enumerations only"));
}

namespace {

QString contextName(const char *propertyName)
{
    const QString name = QString::fromLatin1(propertyName);
    return name.startsWith(QLatin1Char('_')) ? name.mid(1) : name;
}

} // namespace

bool QmlHarness::reset()
{
    QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:///kivharness/MockContext.qml")));
    QObject *mocks = component.create();
    if (!mocks) {
        qWarning().noquote() << "The QML mocks did not load:" << component.errorString();
        return false;
    }
    mocks->setParent(this);
    // Each QObject-valued property of the mock set is one context object.
    // QML property names start in lower case; a leading underscore stands
    // for a context name that does not ("_KivRiot" is published as "KivRiot").
    const QMetaObject *meta = mocks->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (QObject *object = property.read(mocks).value<QObject *>())
            m_engine->rootContext()->setContextProperty(contextName(property.name()), object);
    }
    if (m_mocks)
        m_mocks->deleteLater();
    m_mocks = mocks;
    // Later tests read the source texts.
    delete m_translator;
    return true;
}

QObject *QmlHarness::useTranslator()
{
    if (!m_translator)
        m_translator = new Translator(this);
    m_engine->rootContext()->setContextProperty(QStringLiteral("tro"), m_translator.data());
    return m_translator;
}

void QmlHarness::setScaling(qreal x, qreal y)
{
    m_engine->rootContext()->setContextProperty(QStringLiteral("uiscalingX"), x);
    m_engine->rootContext()->setContextProperty(QStringLiteral("uiscalingY"), y);
}

QObject *QmlHarness::mock(const QString &name) const
{
    if (!m_mocks)
        return nullptr;
    if (QObject *object = m_mocks->property(name.toLatin1().constData()).value<QObject *>())
        return object;
    return m_mocks->property(("_" + name).toLatin1().constData()).value<QObject *>();
}

int QmlHarness::liveObjects(QObject *root) const
{
    return root ? 1 + root->findChildren<QObject *>().size() : 0;
}

QObject *QmlHarness::keyInput() const
{
    return m_keyInput;
}

QStringList QmlHarness::pinyinSyllables() const
{
    return m_keyInput->pinyinTable()->syllables();
}

bool QmlHarness::typeKey(const QString &key)
{
    QWindow *window = QGuiApplication::focusWindow();
    if (!window && !QGuiApplication::topLevelWindows().isEmpty())
        window = QGuiApplication::topLevelWindows().first();
    if (!window)
        return false;
    // The key input posts to its parent, as it does to the main window.
    m_keyInput->setParent(window);
    m_keyInput->generateKeyInput(key, 0);
    m_keyInput->setParent(this);
    return true;
}

QString Screenshots::directory()
{
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    return dir.isEmpty() ? QDir::currentPath() + QStringLiteral("/screenshots") : dir;
}

QImage Screenshots::grab(QQuickItem *item)
{
    QQuickWindow *window = item ? item->window() : nullptr;
    if (!window)
        return QImage();
    QImage image = window->grabWindow();
    // The software renderer cannot read back the offscreen platform's
    // backing store; the platform's own screen grab can.
    if (image.isNull())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

QString Screenshots::write(const QImage &image, const QString &name)
{
    if (image.isNull())
        return QString();
    QDir().mkpath(directory());
    const QString path = directory() + QLatin1Char('/') + name + QStringLiteral(".png");
    m_last = image;
    return image.save(path) ? path : QString();
}

QString Screenshots::save(QQuickItem *item, const QString &name)
{
    return write(grab(item), name);
}

QString Screenshots::saveUpright(QQuickItem *panel, const QString &name)
{
    const QImage image = grab(panel);
    if (image.isNull())
        return QString();
    const QPointF origin = panel->mapToScene(QPointF(0, 0));
    const QPointF across = panel->mapToScene(QPointF(1, 0)) - origin;
    const qreal angle = qRadiansToDegrees(qAtan2(across.y(), across.x()));
    return write(image.transformed(QTransform().rotate(-qRound(angle))), name);
}

QString Screenshots::pixel(int x, int y) const
{
    if (!m_last.valid(x, y))
        return QString();
    return QColor(m_last.pixel(x, y)).name();
}

void QmlHarnessSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    new QmlHarness(engine);
}
