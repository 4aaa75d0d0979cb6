// Renders the main window offscreen to a PNG, with the harness's mock
// cabinet behind it, so a person can look at the screens without a display:
//
//   kivscreenshot out.png [--portrait] [--flip] [--dock N] [--sx F] [--sy F]
//                 [--debug] [--temperature] [--wifi] [--unconfigured]
//
// Run it with QT_QPA_PLATFORM=offscreen and QT_QUICK_BACKEND=software
// (scripts/screenshot.sh does).

#include "qmlharness.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("the PNG file to write"));
    const QCommandLineOption portrait(QStringLiteral("portrait"), QStringLiteral("portrait layout"));
    const QCommandLineOption flip(QStringLiteral("flip"), QStringLiteral("vertical flip"));
    const QCommandLineOption dock(QStringLiteral("dock"), QStringLiteral("dock position 0-3"), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption sx(QStringLiteral("sx"), QStringLiteral("horizontal scale"), QStringLiteral("f"), QStringLiteral("1.0"));
    const QCommandLineOption sy(QStringLiteral("sy"), QStringLiteral("vertical scale"), QStringLiteral("f"), QStringLiteral("1.0"));
    const QCommandLineOption debug(QStringLiteral("debug"), QStringLiteral("outline touch areas"));
    const QCommandLineOption temperature(QStringLiteral("temperature"), QStringLiteral("with the temperature icon"));
    const QCommandLineOption wifi(QStringLiteral("wifi"), QStringLiteral("Wi-Fi enabled and connected"));
    const QCommandLineOption unconfigured(QStringLiteral("unconfigured"), QStringLiteral("cabinet not configured"));
    parser.addOptions({portrait, flip, dock, sx, sy, debug, temperature, wifi, unconfigured});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    QQmlApplicationEngine engine;
    auto *harness = new QmlHarness(&engine);
    harness->setScaling(parser.value(sx).toDouble(), parser.value(sy).toDouble());
    QObject *cabinet = harness->mock(QStringLiteral("cabinetManager"));
    cabinet->setProperty("orientationPortrait", parser.isSet(portrait));
    cabinet->setProperty("verticalFlip", parser.isSet(flip));
    cabinet->setProperty("pressGoDockPosition", parser.value(dock).toInt());
    cabinet->setProperty("uiDebug", parser.isSet(debug));
    cabinet->setProperty("viewZoneTemperatureEnable", parser.isSet(temperature));
    cabinet->setProperty("isConfigured", !parser.isSet(unconfigured));
    if (parser.isSet(wifi)) {
        harness->mock(QStringLiteral("configManager"))->setProperty("wifiEnabled", true);
        harness->mock(QStringLiteral("kivnm"))->setProperty("wifiApConnected", true);
    }

    engine.load(QUrl(QStringLiteral("qrc:///qml/main.qml")));
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window) {
        std::fprintf(stderr, "The main window did not load\n");
        return 1;
    }
    window->setProperty("applicationVersion", QStringLiteral("QZ-7318"));
    if (parser.isSet(wifi))
        QMetaObject::invokeMethod(harness->mock(QStringLiteral("wifiMon")), "signalLevelChanged", Q_ARG(int, 70));
    const QString output = parser.positionalArguments().first();
    int status = 1;
    // Let the window lay out and render once before grabbing it.
    QTimer::singleShot(300, &app, [&]() {
        QImage image = window->grabWindow();
        // The software renderer cannot read back the offscreen platform's
        // backing store; the platform's own screen grab can.
        if (image.isNull())
            image = window->screen()->grabWindow(window->winId()).toImage();
        status = image.save(output) ? 0 : 1;
        std::printf("%s %dx%d\n", qPrintable(output), image.width(), image.height());
        app.quit();
    });
    app.exec();
    return status;
}
