#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One row of the HACCP holding log: one hold of one product in one bin.
struct HaccpData
{
    QString name;       // product name
    QString date;       // start date: "yyyy/MM/dd" in the store, "MM/dd" in the model
    QString time;       // start time: "HH:mm:ss" in the store, "HH:mm" in the model
    QString duration;   // "----" while holding, else the time held ("HH:mm:ss", hours may grow)
    bool expired = false;
    qint32 binNumber = 0; // counted from 0 across the whole cabinet

    bool operator==(const HaccpData &o) const
    {
        return name == o.name && date == o.date && time == o.time && duration == o.duration
            && expired == o.expired && binNumber == o.binNumber;
    }
};

using HaccpDataList = QList<HaccpData>;

Q_DECLARE_METATYPE(HaccpData)
Q_DECLARE_METATYPE(HaccpDataList)
