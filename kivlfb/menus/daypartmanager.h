#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QList>
#include <QString>

class MenuManager;

// Keeps the day parts of the site: for every bin position, which product or
// group is held there in each part of the day. It builds no states of its
// own; the machine base is for the tracer only.
class DayPartManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int partOfDay READ get_partOfDay WRITE set_partOfDay NOTIFY partOfDayChanged)
    Q_PROPERTY(int nextDayPart READ get_nextDayPart WRITE set_nextDayPart NOTIFY nextDayPartChanged)
    Q_PROPERTY(bool singleCol READ get_singleCol WRITE set_singleCol NOTIFY singleColChanged)
    Q_PROPERTY(int numOfTrays READ get_numOfTrays WRITE set_numOfTrays NOTIFY numOfTraysChanged)

public:
    enum PartOfDayEnum {
        PARTDAY_UNDEFINED = -1,
        PARTDAY_MORNING = 0,
        PARTDAY_EVENING = 1
    };
    Q_ENUM(PartOfDayEnum)

    static const int kMaxDayParts = 10;
    static const int kMaxPositions = 20;

    DayPartManager(int numberOfZones, int traysPerZone, MenuManager *menus, QObject *parent);

    int get_partOfDay() const { return m_partOfDay; }
    int get_nextDayPart() const { return m_nextDayPart; }
    bool get_singleCol() const { return m_singleCol; }
    int get_numOfTrays() const { return m_numOfTrays; }
    int get_traysPerZone() const { return m_traysPerZone; }
    int get_numberOfZones() const { return m_numberOfZones; }

    // The id on a bin position in a day part; a position outside the table
    // is logged and gives 0.
    int getProdIdOnBin(int dayPart, int bin) const;
    // Puts a product or group on a bin position; outside the table: no effect.
    void setProdIdOnBin(int dayPart, int bin, int id);
    Q_INVOKABLE int getDayPartsCount() const { return m_dayPartsCount; }
    Q_INVOKABLE bool getDayPartIsUsed(int dayPart) const { return m_inUse.contains(dayPart); }
    Q_INVOKABLE int getDayPartsToUseCount() const { return m_inUse.size(); }
    // The index-th day part in use; -1 outside the in-use list.
    Q_INVOKABLE int getDayPartToUse(int index) const;

signals:
    void partOfDayChanged(int value);
    void nextDayPartChanged(int value);
    void singleColChanged(bool value);
    void numOfTraysChanged(int value);
    void newDayPartDefinition(int dayPart);
    void sendDayPartsFileViaCanbus(QString fileName, int multiId);

public slots:
    void set_partOfDay(int value);
    void set_nextDayPart(int value);
    void set_singleCol(bool value);
    void set_numOfTrays(int value);

    // File and import behaviour; bodies come with the day-part work.
    void dayPartsLoadJsonDocFile();
    void loadDefaultDayPart();
    void saveNewDayPartsToJson();
    void processTavolenJsonDayParts(QString json);

private:
    int m_partOfDay = 0;
    int m_nextDayPart = 0;
    bool m_singleCol = false;
    int m_numOfTrays = 20;
    int m_numberOfZones;
    int m_traysPerZone;
    MenuManager *m_menus;
    int m_table[kMaxDayParts][kMaxPositions] = {};
    int m_dayPartsCount = 2;
    QList<int> m_inUse = {0, 1};
};
