#include "menuroles.h"

QHash<int, QByteArray> MenuRoles::roleNames()
{
    return {
        {Id, "id"},
        {Name, "name"},
        {Abreviation, "abreviation"},
        {Abreviation8, "abreviation8"},
        {HoldTime, "holdTime"},
        {WarningTime, "warningTime"},
        {LowerTemp, "lowerTemp"},
        {UpperTemp, "upperTemp"},
        {LidType, "lidType"},
        {LidAb, "lidAb"},
        {BottomType, "bottomType"},
        {PanSize, "panSize"},
        {ProductImage, "productImage"},
        {GroupId, "groupID"},
        {ProductList, "productList"},
        {Default, "default"},
        {TargetFanSpeed, "targetFanSpeed"},
        {ResetTime, "resetTime"},
        {NamesList, "namesList"},
        {PanSizeX, "panSizeX"},
        {TimerColor, "timerColor"},
        {ProductLocked, "productLocked"},
    };
}
