#include "simulatedcook.h"

#include "core/kivlfbprogram.h"

#include <QStringList>

#include <cstdio>
#include <vector>

// The controller exactly as kivlfb runs it, with a simulated cook at the
// cabinet. The cook's options are taken out before the controller reads the
// command line.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    SimulatedCook::Options options;
    QString error;
    if (!SimulatedCook::takeOptions(arguments, options, error)) {
        std::fprintf(stderr, "kivlfbsim: %s\n", qPrintable(error));
        return 2;
    }

    std::vector<QByteArray> kept;
    for (const QString &a : qAsConst(arguments))
        kept.push_back(a.toLocal8Bit());
    std::vector<char *> keptArgv;
    for (QByteArray &a : kept)
        keptArgv.push_back(a.data());
    keptArgv.push_back(nullptr);
    int keptArgc = int(kept.size());

    return KivlfbProgram::run(keptArgc, keptArgv.data(), [&options](CabinetManager &cabinet) {
        new SimulatedCook(cabinet, options);
    });
}
