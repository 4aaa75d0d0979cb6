#include "wifistatsdatalog.h"

#include "menus/roleitemmodel.h"

#include <QLocale>

WifiStatsDataLog::WifiStatsDataLog(QObject *parent)
    : QObject(parent)
    , m_model(new RoleItemModel({{ApConnectedFlagRole, "apConnectedFlag"},
                                 {ApEssidRole, "apEssid"},
                                 {ApMacAddressRole, "apMacAddress"},
                                 {ApLinkQualityRole, "apLinkQuality"},
                                 {ApSignalLevelRole, "apSignalLevel"},
                                 {DateTimeStampRole, "dateTimeStamp"}},
                                this))
{
    m_model->setObjectName(QStringLiteral("wifiStatsModel"));
    m_model->setHorizontalHeaderLabels({QStringLiteral("AP Connected Flag"),
                                        QStringLiteral("AP ESSID"),
                                        QStringLiteral("AP MAC address"),
                                        QStringLiteral("AP Link Quality"),
                                        QStringLiteral("AP Signal Level"),
                                        QStringLiteral("Date-Time stamp")});
}

QStandardItemModel *WifiStatsDataLog::get_model() const { return m_model; }

void WifiStatsDataLog::appendItem(bool apConnected, const QString &essid, const QString &apMacAddress,
                                  double linkQuality, double signalLevel, const QString &dateTimeStamp)
{
    auto *item = new QStandardItem;
    item->setData(apConnected, ApConnectedFlagRole);
    item->setData(essid, ApEssidRole);
    item->setData(apMacAddress, ApMacAddressRole);
    item->setData(linkQuality, ApLinkQualityRole);
    item->setData(signalLevel, ApSignalLevelRole);
    item->setData(dateTimeStamp, DateTimeStampRole);
    if (m_model->rowCount() >= MaxRows)
        m_model->removeRow(0);
    m_model->appendRow(item);
}

QString WifiStatsDataLog::statsText() const
{
    auto number = [](const QVariant &v) { return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest); };
    QString text;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        text += getApConnectionFlag(row).toBool() ? QStringLiteral("true") : QStringLiteral("false");
        text += QLatin1Char(',') + getApEssid(row).toString();
        text += QLatin1Char(',') + getApMacAddress(row).toString();
        text += QLatin1Char(',') + number(getApLinkQuality(row));
        text += QLatin1Char(',') + number(getApSignalLevel(row));
        text += QLatin1Char(',') + getDateTimeStamp(row).toString() + QLatin1Char('\n');
    }
    return text;
}

int WifiStatsDataLog::rowCount() const { return m_model->rowCount(); }

QVariant WifiStatsDataLog::value(int row, int role) const
{
    if (row < 0 || row >= m_model->rowCount())
        return QVariant();
    return m_model->item(row)->data(role);
}
