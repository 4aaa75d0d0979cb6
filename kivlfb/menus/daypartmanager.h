#pragma once

#include "tavolenrecords.h"

#include "platform/safefilewriter.h"
#include "statemachine/tarnstatemachine.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class MenuManager;
class Translator;

// Keeps the day parts of the site: for every bin position, which product or
// group is held there in each part of the day, their names in every
// language, which of them the site uses and which one is selected. It builds
// no states of its own; the machine base is for the tracer only.
//
// The parent is the cabinet core. Through it the day parts read the
// cabinet's "traysPerCabinet", "traysPerZone" and "singleBinZone"
// properties and the configured language ("configManager"), find the
// Translator among its children, and after every completed save ask it to
// send "dayParts.json" to the other displays (sendFileViaCanbus(int) with
// transfer 13, then sendMcUpdateDayparts()).
class DayPartManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int partOfDay READ get_partOfDay WRITE set_partOfDay NOTIFY partOfDayChanged)
    Q_PROPERTY(int nextDayPart READ get_nextDayPart WRITE set_nextDayPart NOTIFY nextDayPartChanged)
    Q_PROPERTY(bool singleCol READ get_singleCol WRITE set_singleCol NOTIFY singleColChanged)
    Q_PROPERTY(int numOfTrays READ get_numOfTrays WRITE set_numOfTrays NOTIFY numOfTraysChanged)
    Q_PROPERTY(int traysPerZone READ get_traysPerZone WRITE set_traysPerZone NOTIFY traysPerZoneChanged)
    Q_PROPERTY(int numberOfZones READ get_numberOfZones WRITE set_numberOfZones NOTIFY numberOfZonesChanged)

public:
    enum PartOfDayEnum {
        PARTDAY_UNDEFINED = -1,
        PARTDAY_MORNING = 0,
        PARTDAY_EVENING = 1
    };
    Q_ENUM(PartOfDayEnum)

    static constexpr int kMaxDayParts = 10;
    static constexpr int kMaxPositions = 20;
    static constexpr int kDayPartsFileTransferId = 13;

    DayPartManager(int numberOfZones, int traysPerZone, MenuManager *menus, QObject *parent);

    int get_partOfDay() const { return m_partOfDay; }
    int get_nextDayPart() const { return m_nextDayPart; }
    bool get_singleCol() const { return m_singleCol; }
    int get_numOfTrays() const { return m_numOfTrays; }
    int get_traysPerZone() const { return m_traysPerZone; }
    int get_numberOfZones() const { return m_numberOfZones; }

    // For each bin position of the cabinet, its 0-based bin number in the
    // menu tool's numbering. Empty (or an entry outside 0-19) means the
    // position keeps its own number.
    void set_productLocationMap(const QList<int> &map) { m_productLocationMap = map; }
    int toolBinOfPosition(int position) const;

    // The id on a bin position in a day part; a position outside the table
    // is logged and gives 0.
    int getProdIdOnBin(int dayPart, int bin) const;
    // Puts a product or group on a bin position directly (the edit copy is
    // for the screens); outside the table: no effect.
    void setProdIdOnBin(int dayPart, int bin, int id);

signals:
    void partOfDayChanged(int value);
    void nextDayPartChanged(int value);
    void singleColChanged(bool value);
    void numOfTraysChanged(int value);
    void traysPerZoneChanged(int value);
    void numberOfZonesChanged(int value);
    void daypartsFileLoadDone();
    void newDayPartDefinition(int dpNumber);
    void sendDayPartsFileViaCanbus(QString filePath, int fileTxfrId);
    void notifyDayPartChange(QString timeStamp, QString prevDaypart, QString newDaypart);
    void reloadDaypartsInUse();

public slots:
    void set_partOfDay(int value);
    // Announces every selection, also a repeated one.
    void set_nextDayPart(int value);
    void set_singleCol(bool value);
    void set_numOfTrays(int value);
    void set_traysPerZone(int value);
    void set_numberOfZones(int value);

    // Lookups by zone and pan, on the table and on the edit copy.
    int dayPartGetProductId(int dayPart, int zone, int panIndex) const;
    int dayPartEditGetProductId(int dayPart, int zone, int panIndex) const;
    void dayPartEditSetProductId(int dayPart, int zone, int panIndex, int prodId);
    void dayPartEditInitialize();
    void dayPartEditSave();
    void deleteProductGroupFromDayParts(int pgid);

    void loadDefaultDayPart();
    void buildNotifyDayPartChange(int dp);

    int getDayPartsCount() const { return m_dayPartsCount; }
    QString getDayPartName(int dayPartIndex) const;
    QString getDayPartName(int language, int dayPartIndex) const;

    // The in-use list.
    int getDayPartsToUseCount() const { return m_inUse.size(); }
    // The index-th day part in use; -1 outside the in-use list.
    int getDayPartToUse(int index) const;
    // Place of a day part in the in-use list; 0 when it is not there.
    int getDayPartToUseIndex(int dayPart) const;
    bool getDayPartIsUsed(int dayPart) const { return m_inUse.contains(dayPart); }
    void resetIsUsedDayPart();
    void setIsUsedDayPart(int index, bool isUsed);
    void saveDayPartsUsed();

    // "dayParts.json" and the older text files.
    void dayPartsLoadJsonDocFile();
    void saveDayPartFileJson();
    void saveNewDayPartsToJson();
    void writeDaypartsFileWrapUp(SafeFileWriter::Result result);
    QByteArray dayPartsInfoToJson(bool isToLocalFile) const;
    void readDayPartFile(QString dayPartFilename, int j);
    void readDayPartFiles();
    void saveDayPartFile(QString dayPartFilename, QString content);

    // Menu import. A binary menu file's record replaces the ids of day
    // part idx (0-9) and is stored by the saveNewDayPartsToJson() that
    // follows the records; a JSON menu document replaces every day part
    // and is stored at once. Both read the ids in the menu tool's bin order.
    void processTavolenDayPart(DayPart_t data, int idx);
    void processTavolenJsonDayParts(QString mcMenuDoc);

private:
    bool positionInTable(int position) const;
    void editSet(int dayPart, int position, int prodId);
    bool singleBinZones() const;
    void clearTable();
    // Fills a day part from ids in the menu tool's bin order.
    void setFromToolBins(int dayPart, const int (&toolIds)[kMaxPositions]);
    // Takes count, names, ids and in-use list from a "layout" array whose
    // "bin" numbers count the cabinet's positions (the day-part file) or
    // the menu tool's bins (an imported menu, every day part in use).
    enum class LayoutNumbering { Positions, ToolBins };
    void takeLayout(const QJsonArray &layout, LayoutNumbering numbering);
    void readNames(int dayPart, const QJsonObject &names);
    QString nameOf(int language, int dayPart) const;
    int positionsInCabinet() const;
    Translator *translator() const;

    int m_partOfDay = 0;
    int m_nextDayPart = 0;
    bool m_singleCol = false;
    int m_numOfTrays = kMaxPositions;
    int m_numberOfZones;
    int m_traysPerZone;
    MenuManager *m_menus;
    int m_table[kMaxDayParts][kMaxPositions] = {};
    int m_editTable[kMaxDayParts][kMaxPositions] = {};
    QList<int> m_productLocationMap;
    QStringList m_names[kMaxDayParts];
    int m_dayPartsCount = 2;
    QList<int> m_inUse = {0, 1};
    SafeFileWriter *m_writer;
};
