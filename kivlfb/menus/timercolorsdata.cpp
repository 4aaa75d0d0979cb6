#include "timercolorsdata.h"

TimerColorsData::TimerColorsData(QObject *parent)
    : QObject(parent)
{
}

TimerColorsData::TimerColorsData(const QString &foreColor, const QString &backColor, QObject *parent)
    : QObject(parent)
    , m_foreColor(foreColor)
    , m_backColor(backColor)
{
}
