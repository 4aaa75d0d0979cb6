#include "updaterstartup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    UpdaterStartup startup(QCoreApplication::arguments(), &app);
    startup.startMachines();
    return app.exec();
}
