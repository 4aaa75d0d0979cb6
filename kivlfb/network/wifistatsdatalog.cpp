#include "wifistatsdatalog.h"

#include <QStandardItemModel>

WifiStatsDataLog::WifiStatsDataLog(QObject *parent)
    : QObject(parent)
    , m_model(new QStandardItemModel(this))
{
    m_model->setObjectName(QStringLiteral("wifiStatsModel"));
    m_model->setItemRoleNames({{ApConnectedFlagRole, "apConnectedFlag"},
                               {ApEssidRole, "apEssid"},
                               {ApMacAddressRole, "apMacAddress"},
                               {ApLinkQualityRole, "apLinkQuality"},
                               {ApSignalLevelRole, "apSignalLevel"},
                               {DateTimeStampRole, "dateTimeStamp"}});
    m_model->setHorizontalHeaderLabels({QStringLiteral("AP Connected Flag"),
                                        QStringLiteral("AP ESSID"),
                                        QStringLiteral("AP MAC address"),
                                        QStringLiteral("AP Link Quality"),
                                        QStringLiteral("AP Signal Level"),
                                        QStringLiteral("Date-Time stamp")});
}
