#pragma once

#include <QByteArray>
#include <QHash>

// The role table shared by the menu's four models: role number and the name
// under which the screens read it.
class MenuRoles
{
public:
    enum Role {
        Id = 257,
        Name,
        Abreviation,
        Abreviation8,
        HoldTime,
        WarningTime,
        LowerTemp,
        UpperTemp,
        LidType,
        LidAb,
        BottomType,
        PanSize,
        ProductImage,
        GroupId,
        ProductList,
        Default,
        TargetFanSpeed,
        ResetTime,
        NamesList,
        PanSizeX,
        TimerColor,
        ProductLocked,
    };

    static QHash<int, QByteArray> roleNames();
};
