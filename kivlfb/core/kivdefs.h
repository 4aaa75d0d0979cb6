#pragma once

#include <QObject>

// Enumerations shared by the managers and the screens that belong to no
// single manager. The class exists only to carry them to QML, where the
// screens read them as KivDefines.<enumerator>; C++ uses them as integers.
class KivDefs : public QObject
{
    Q_OBJECT

public:
    explicit KivDefs(QObject *parent = nullptr);

    enum KIV_ZONE_TEMP_HANDLING_tag {
        KIV_ZONE_TEMP_HANDLING_AVERAGED = 0,   // one temperature for the whole zone
        KIV_ZONE_TEMP_HANDLING_INDIVIDUAL = 1, // one temperature per bin
    };
    Q_ENUM(KIV_ZONE_TEMP_HANDLING_tag)

    enum KIV_ZONE_TEMP_LAYOUT_tag {
        KIV_ZONE_TEMP_LAYOUT_FRONT_BACK = 0,
        KIV_ZONE_TEMP_LAYOUT_LEFT_RIGHT = 1,
        KIV_ZONE_TEMP_LAYOUT_TOP_BOTTOM = 2, // bottom sensor at index 0, top at 1
    };
    Q_ENUM(KIV_ZONE_TEMP_LAYOUT_tag)

    enum MC_IMPORT_SOURCE_tag {
        MC_IMPORT_SOURCE_USB = 0,
        MC_IMPORT_SOURCE_LOCAL = 1,
    };
    Q_ENUM(MC_IMPORT_SOURCE_tag)

    // Not in ascending order of heaters: the values are what the boards report.
    enum KIV_IO_BOARD_TYPE_tag {
        KIV_IO_BOARD_12_HEATERS = 0,
        KIV_IO_BOARD_04_HEATERS = 1,
        KIV_IO_BOARD_08_HEATERS = 2,
    };
    Q_ENUM(KIV_IO_BOARD_TYPE_tag)

    // Limits, in minutes, of the screen-cleaning timer the settings accept.
    enum KIV_SCREEN_CLEAING_tag {
        KIV_MIN_TIMER_SCREEN_CLEAING = 5,
        KIV_MAX_TIMER_SCREEN_CLEAING = 1440,
    };
    Q_ENUM(KIV_SCREEN_CLEAING_tag)

    enum CUSTOMER_ID_tag {
        CUSTOMER_ID_GM = 0,
        CUSTOMER_ID_ZuZ = 1,
        CUSTOMER_ID_RIVEV = 2,
        CUSTOMER_ID_DEZ = 3,
        CUSTOMER_ID_X = 4,
        CUSTOMER_ID_VADEV = 5,
    };
    Q_ENUM(CUSTOMER_ID_tag)

    // Registers the type for the screens as KivDefs 1.0 / KivDefines.
    static void registerQmlTypes();
};
