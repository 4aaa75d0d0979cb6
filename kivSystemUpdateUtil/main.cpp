#include "updaterstartup.h"
#include "updateutiloptions.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Before the application object: that needs a screen, help does not.
    if (UpdateUtilOptions::asksForHelp(arguments)) {
        std::fputs(UpdateUtilOptions::usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    // A desktop run (re-rooted) without a display draws offscreen instead of
    // failing for want of one; the target is never re-rooted.
    if (!qEnvironmentVariableIsEmpty("KIV_ROOT") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            qputenv("QT_QUICK_BACKEND", "software");
        std::fputs("No display: the screen is drawn offscreen\n", stdout);
        std::fflush(stdout);
    }
    QApplication app(argc, argv);
    UpdaterStartup startup(QCoreApplication::arguments(), &app);
    startup.startMachines();
    return app.exec();
}
