// The smallest Qt Quick program that shows an 800 x 480 window: the floor
// the controller's start-up, idle CPU and memory are compared with.
//
//   bench_minimal_window [--first-frame-only]

#include "firstframewatch.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    FirstFrameWatch watch(QStringLiteral("minimalWindow"),
                          QCoreApplication::arguments().contains(QStringLiteral("--first-frame-only")));
    app.installEventFilter(&watch);
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/minimal.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return app.exec();
}
