#include "kivdbusadapter.h"

#include <QApplication>

KivDbusAdapter::KivDbusAdapter(QApplication *app, QObject *cabinet)
    : QDBusAbstractAdaptor(app)
    , m_cabinet(cabinet)
{
    setObjectName(QStringLiteral("kivdbus"));
}

void KivDbusAdapter::set_firmwareVersion(const QString &value)
{
    if (m_firmwareVersion == value)
        return;
    m_firmwareVersion = value;
    emit firmwareVersionChanged(m_firmwareVersion);
}
