// The controller as its own main() starts it, with two measuring hooks: the
// first frame of the main window, and (with --pans) pans put on the
// simulated readers. Started by bench_controller, not by hand.
//
//   bench_controller_probe -simulation [--first-frame-only] [--pans=N]
//
// Besides the lines of FirstFrameWatch and PanPlacer it reports when the
// controller's constructor has returned:
//   "bench: constructed <ms since launch>"
//
// The start-up below follows kivlfb/core/main.cpp step by step; keep the two
// alike, or the figures stop being the program's.

#include "benchline.h"
#include "firstframewatch.h"
#include "panplacer.h"

#include "core/cabinetmanager.h"
#include "core/commandline.h"
#include "core/loghandler.h"
#include "core/signalquit.h"
#include "core/kivmetatypes.h"
#include "platform/brelplusidreader.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    SignalQuit signalQuit;
    signalQuit.install();
    qInstallMessageHandler(messageHandler);

    KivMetaTypes::registerAll();

    BrelPlusIDReader idReader;
    const CommandLine commandLine = CommandLine::parse(QCoreApplication::arguments());

    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);

    const int idConnector = commandLine.hasIdConnector ? commandLine.idConnector
                                                       : idReader.get_orientationId();

    QCoreApplication::setOrganizationName(QStringLiteral("Orbanta"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orbanta.com"));
    QCoreApplication::setApplicationName(QStringLiteral("KIV"));

    // Measuring hooks, in place before the main window exists.
    const QStringList arguments = QCoreApplication::arguments();
    FirstFrameWatch firstFrame(QStringLiteral("kivDisplay"),
                               arguments.contains(QStringLiteral("--first-frame-only")));
    app.installEventFilter(&firstFrame);
    int pans = 0;
    for (const QString &a : arguments)
        if (a.startsWith(QLatin1String("--pans=")))
            pans = a.mid(7).toInt();

    int result = 0;
    {
        CabinetManager manager(commandLine.simulationFlags, idConnector, nullptr);
        benchLine("constructed " + QByteArray::number(FirstFrameWatch::msSinceLaunch(), 'f', 1));
        app.installEventFilter(&manager);
        cabinetManager = &manager;
        std::unique_ptr<PanPlacer> placer;
        if (pans > 0) {
            placer = std::make_unique<PanPlacer>(&manager, pans);
            QTimer::singleShot(0, placer.get(), &PanPlacer::run);
        }
        result = app.exec();
        placer.reset();
        app.removeEventFilter(&manager);
        cabinetManager = nullptr;
    }
    return result;
}
