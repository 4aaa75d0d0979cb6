#include "kivlfbprogram.h"

#include "core/cabinetmanager.h"
#include "core/commandline.h"
#include "core/loghandler.h"
#include "core/signalquit.h"
#include "platform/brelplusidreader.h"

#include <QApplication>
#include <QThread>

int KivlfbProgram::run(int argc, char *argv[], const std::function<void(CabinetManager &)> &started,
                       const std::function<void()> &prepared)
{
    QApplication app(argc, argv);

    SignalQuit signalQuit;
    signalQuit.install();
    qInstallMessageHandler(messageHandler);

    BrelPlusIDReader idReader;
    const CommandLine commandLine = CommandLine::parse(QCoreApplication::arguments());

    // Worker threads started later inherit this priority. Where the system
    // refuses it, the framework logs a warning and we run on.
    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);

    const int idConnector = commandLine.hasIdConnector ? commandLine.idConnector
                                                       : idReader.get_orientationId();

    QCoreApplication::setOrganizationName(QStringLiteral("Orbanta"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orbanta.com"));
    QCoreApplication::setApplicationName(QStringLiteral("KIV"));

    if (prepared)
        prepared();

    int result = 0;
    {
        CabinetManager manager(commandLine.simulationFlags, idConnector, nullptr);
        app.installEventFilter(&manager);
        cabinetManager = &manager;
        if (started)
            started(manager);
        result = app.exec();
        app.removeEventFilter(&manager);
        cabinetManager = nullptr;
    }
    return result;
}
