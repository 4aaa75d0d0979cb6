#include "screenresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initScreens()
{
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(widgetimages);
    Q_INIT_RESOURCE(soundtest);
    // Carried for whoever puts the network-update script in place.
    Q_INIT_RESOURCE(networkupdate);
}

void ScreenResources::registerAll()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    initScreens();
}
