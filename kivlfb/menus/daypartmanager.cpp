#include "daypartmanager.h"

#include <QDebug>

DayPartManager::DayPartManager(int numberOfZones, int traysPerZone, MenuManager *menus,
                               QObject *parent)
    : TarnStateMachine(parent)
    , m_numberOfZones(numberOfZones)
    , m_traysPerZone(traysPerZone)
    , m_menus(menus)
{
}

int DayPartManager::getProdIdOnBin(int dayPart, int bin) const
{
    // Both checks log before the result is chosen, so a call with two bad
    // arguments says so twice.
    bool ok = true;
    if (dayPart < 0 || dayPart >= kMaxDayParts) {
        qDebug() << "getProdIdOnBin() dp out of range: " << dayPart;
        ok = false;
    }
    if (bin < 0 || bin >= m_numOfTrays) {
        qDebug() << "getProdIdOnBin() bin out of range: " << bin;
        ok = false;
    }
    // numOfTrays is a setting; the table never has more than its positions.
    if (!ok || bin >= kMaxPositions)
        return 0;
    return m_table[dayPart][bin];
}

void DayPartManager::setProdIdOnBin(int dayPart, int bin, int id)
{
    if (dayPart < 0 || dayPart >= kMaxDayParts || bin < 0 || bin >= kMaxPositions)
        return;
    m_table[dayPart][bin] = id;
}

int DayPartManager::getDayPartToUse(int index) const
{
    return m_inUse.value(index, -1);
}

void DayPartManager::set_partOfDay(int value)
{
    if (m_partOfDay == value)
        return;
    m_partOfDay = value;
    emit partOfDayChanged(m_partOfDay);
}

void DayPartManager::set_nextDayPart(int value)
{
    if (m_nextDayPart == value)
        return;
    m_nextDayPart = value;
    emit nextDayPartChanged(m_nextDayPart);
}

void DayPartManager::set_singleCol(bool value)
{
    if (m_singleCol == value)
        return;
    m_singleCol = value;
    emit singleColChanged(m_singleCol);
}

void DayPartManager::set_numOfTrays(int value)
{
    if (m_numOfTrays == value)
        return;
    m_numOfTrays = value;
    emit numOfTraysChanged(m_numOfTrays);
}

void DayPartManager::dayPartsLoadJsonDocFile() {}
void DayPartManager::loadDefaultDayPart() {}
void DayPartManager::saveNewDayPartsToJson() {}
void DayPartManager::processTavolenJsonDayParts(QString) {}
