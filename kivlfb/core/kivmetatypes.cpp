#include "kivmetatypes.h"

#include "core/trayinfo.h"

#include "canbus/canframe.h"
#include "menus/tavolenrecords.h"

#include <QMetaType>

void KivMetaTypes::registerAll()
{
    qRegisterMetaType<trayInfo>("trayInfo");
    qRegisterMetaType<can_frame_t>("can_frame_t");
    qRegisterMetaType<CanFrame>("CanFrame");
    qRegisterMetaType<Configuration_t>("Configuration_t");
    qRegisterMetaType<Product_t>("Product_t");
    qRegisterMetaType<DayPart_t>("DayPart_t");
    qRegisterMetaType<QList<Product_t>>("QList<Product_t>");
}
