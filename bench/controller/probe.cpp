// The controller as its own main() starts it, with two measuring hooks: the
// first frame of the main window, and (with --pans) pans put on the NFC
// readers. Started by bench_controller, not by hand.
//
//   bench_controller_probe [-simulation] [--first-frame-only] [--pans=N]
//
// Besides the lines of FirstFrameWatch and PanPlacer it reports when the
// controller's constructor has returned:
//   "bench: constructed <ms since launch>"
// Without -simulation the NFC readers are boards on the serial line that
// the bench driver plays. PanPlacer still puts its tags into the display's
// own reader models, which are idle then, and every register it writes there
// is passed on for the driver's readers:
//   "bench: reader-register <slave id> <register> <value>"
//
// It runs the controller through the program's own start-up
// (KivlfbProgram), so the figures are the program's.

#include "benchline.h"
#include "firstframewatch.h"
#include "panplacer.h"

#include "core/cabinetmanager.h"
#include "core/kivlfbprogram.h"
#include "modbus/modbusfakeslave.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    int pans = 0;
    bool simulation = false;

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
        simulation = arguments.contains(QStringLiteral("-simulation"));
    };
    auto started = [&](CabinetManager &manager) {
        benchLine("constructed " + QByteArray::number(FirstFrameWatch::msSinceLaunch(), 'f', 1));
        if (!simulation) {
            for (const char *name : {"nfcSim1", "nfcSim2"}) {
                auto *reader = manager.findChild<ModbusFakeSlave *>(QLatin1String(name));
                if (!reader)
                    continue;
                const QByteArray slave = QByteArray::number(reader->get_slaveId());
                QObject::connect(reader, &ModbusFakeSlave::holdingRegisterUpdated, reader,
                                 [slave](int reg, uint16_t value) {
                                     benchLine("reader-register " + slave + ' ' + QByteArray::number(reg) + ' '
                                               + QByteArray::number(value));
                                 });
            }
        }
        if (pans > 0) {
            auto *placer = new PanPlacer(&manager, pans, &manager);
            QTimer::singleShot(0, placer, &PanPlacer::run);
        }
    };
    return KivlfbProgram::run(argc, argv, started, prepared);
}
