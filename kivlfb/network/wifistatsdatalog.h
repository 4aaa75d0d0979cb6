#pragma once

#include <QObject>
#include <QVariant>

class QStandardItemModel;
class RoleItemModel;

// The rows of the Wi-Fi association checks, for the system monitor's strip
// chart. One item per row in column 0 carries all values under its roles.
class WifiStatsDataLog : public QObject
{
    Q_OBJECT

public:
    enum StatsRoles {
        ApConnectedFlagRole = 258,
        ApEssidRole = 259,
        ApMacAddressRole = 260,
        ApLinkQualityRole = 261,
        ApSignalLevelRole = 262,
        DateTimeStampRole = 263
    };

    // Rows kept after an append: about ten hours of checks at the default
    // period of 10 s.
    static constexpr int MaxRows = 3601;

    explicit WifiStatsDataLog(QObject *parent = nullptr);

    QStandardItemModel *get_model() const;

    void appendItem(bool apConnected, const QString &essid, const QString &apMacAddress, double linkQuality,
                    double signalLevel, const QString &dateTimeStamp);

    // The statistics file's text: one line per row, oldest first, the six
    // values joined by commas, each line ended by a line feed.
    QString statsText() const;

public slots:
    // A row outside the model gives an invalid value.
    QVariant getApConnectionFlag(int row) const { return value(row, ApConnectedFlagRole); }
    QVariant getApEssid(int row) const { return value(row, ApEssidRole); }
    QVariant getApMacAddress(int row) const { return value(row, ApMacAddressRole); }
    QVariant getApLinkQuality(int row) const { return value(row, ApLinkQualityRole); }
    QVariant getApSignalLevel(int row) const { return value(row, ApSignalLevelRole); }
    QVariant getDateTimeStamp(int row) const { return value(row, DateTimeStampRole); }
    int rowCount() const;

private:
    QVariant value(int row, int role) const;

    RoleItemModel *m_model;
};
