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
// It runs the controller through the program's own start-up
// (KivlfbProgram), so the figures are the program's.

#include "benchline.h"
#include "firstframewatch.h"
#include "panplacer.h"

#include "core/cabinetmanager.h"
#include "core/kivlfbprogram.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    int pans = 0;

    // Measuring hooks, in place before the main window exists; each lives
    // as long as what it watches.
    auto prepared = [&] {
        QCoreApplication *app = QCoreApplication::instance();
        const QStringList arguments = QCoreApplication::arguments();
        auto *firstFrame = new FirstFrameWatch(
            QStringLiteral("kivDisplay"), arguments.contains(QStringLiteral("--first-frame-only")), app);
        app->installEventFilter(firstFrame);
        for (const QString &a : arguments)
            if (a.startsWith(QLatin1String("--pans=")))
                pans = a.mid(7).toInt();
    };
    auto started = [&](CabinetManager &manager) {
        benchLine("constructed " + QByteArray::number(FirstFrameWatch::msSinceLaunch(), 'f', 1));
        if (pans > 0) {
            auto *placer = new PanPlacer(&manager, pans, &manager);
            QTimer::singleShot(0, placer, &PanPlacer::run);
        }
    };
    return KivlfbProgram::run(argc, argv, started, prepared);
}
