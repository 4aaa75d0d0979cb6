// The QML tests of the interface shell and the service pages, run by Qt
// Quick Test against the harness's mock cabinet; the test files are in qml/.
// Tests of screens leave screenshots in the build's test folder
// (screenshots/) for a person to look at.
#include "qmlharness.h"
#include "screenshots.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class UiShellSetup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        new QmlHarness(engine);
        engine->rootContext()->setContextProperty(
            QStringLiteral("screenshots"), new Screenshots(QStringLiteral(KIV_SCREENSHOT_DIR), engine));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tst_uishell, UiShellSetup)

#include "tst_uishell.moc"
