#include "kivmetatypes.h"

#include "core/trayinfo.h"

#include "canbus/canframe.h"

#include <QMetaType>

void KivMetaTypes::registerAll()
{
    qRegisterMetaType<trayInfo>("trayInfo");
    qRegisterMetaType<can_frame_t>("can_frame_t");
    qRegisterMetaType<CanFrame>("CanFrame");
}
