#pragma once

#include <QObject>

class QStandardItemModel;

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

    explicit WifiStatsDataLog(QObject *parent = nullptr);

    QStandardItemModel *get_model() const { return m_model; }

private:
    QStandardItemModel *m_model;
};
