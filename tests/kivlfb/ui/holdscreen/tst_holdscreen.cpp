// The QML tests of the holding screen (tray bars, zone views, the
// press-and-go view and its transfer window), run by Qt Quick Test against
// the harness's mock cabinet; the test files are in qml/. The tests also
// leave screenshots of whole holding screens in the build's test folder
// (screenshots/) for a person to look at.
#include "qmlharness.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtQuickTest>

class Screenshots : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Saves the window that shows `item` as <name>.png and returns the
    // file's path, or an empty text when nothing could be grabbed.
    Q_INVOKABLE QString save(QQuickItem *item, const QString &name)
    {
        QQuickWindow *window = item ? item->window() : nullptr;
        if (!window)
            return QString();
        QImage image = window->grabWindow();
        // The software renderer cannot read back the offscreen platform's
        // backing store; the platform's own screen grab can.
        if (image.isNull())
            image = window->screen()->grabWindow(window->winId()).toImage();
        if (image.isNull())
            return QString();
        QDir().mkpath(QStringLiteral(KIV_SCREENSHOT_DIR));
        const QString path = QStringLiteral(KIV_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
        m_last = image;
        return image.save(path) ? path : QString();
    }
    // The colour of the last saved screenshot at a window position.
    Q_INVOKABLE QString pixel(int x, int y) const
    {
        if (!m_last.valid(x, y))
            return QString();
        return QColor(m_last.pixel(x, y)).name();
    }

private:
    QImage m_last;
};

class HoldScreenSetup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        new QmlHarness(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("screenshots"), new Screenshots(engine));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tst_holdscreen, HoldScreenSetup)

#include "tst_holdscreen.moc"
