#include "qmlharness.h"

#include "screenshots.h"

#include "canbus/canbusmanager.h"
#include "core/cabinetmanager.h"
#include "core/kivdefs.h"
#include "core/traybarsc.h"
#include "ui/screenresources.h"

#include <QDebug>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQml>

static void initMockResources()
{
    Q_INIT_RESOURCE(mocks);
}

QmlHarness::QmlHarness(QQmlEngine *engine)
    : QObject(engine), m_engine(engine)
{
    registerTypes();
    engine->rootContext()->setContextProperty(QStringLiteral("harness"), this);
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
    const QMetaObject *meta = mocks->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (QObject *object = property.read(mocks).value<QObject *>())
            m_engine->rootContext()->setContextProperty(QString::fromLatin1(property.name()), object);
    }
    if (m_mocks)
        m_mocks->deleteLater();
    m_mocks = mocks;
    return true;
}

void QmlHarness::setScaling(qreal x, qreal y)
{
    m_engine->rootContext()->setContextProperty(QStringLiteral("uiscalingX"), x);
    m_engine->rootContext()->setContextProperty(QStringLiteral("uiscalingY"), y);
}

QObject *QmlHarness::mock(const QString &name) const
{
    return m_mocks ? m_mocks->property(name.toLatin1().constData()).value<QObject *>() : nullptr;
}

int QmlHarness::liveObjects(QObject *root) const
{
    return root ? 1 + root->findChildren<QObject *>().size() : 0;
}

void QmlHarnessSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    new QmlHarness(engine);
    engine->rootContext()->setContextProperty(
        QStringLiteral("screenshots"), new Screenshots(QStringLiteral(KIV_SCREENSHOT_DIR), engine));
}
