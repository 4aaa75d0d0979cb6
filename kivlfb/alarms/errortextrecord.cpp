#include "errortextrecord.h"

ErrorTextRecord::ErrorTextRecord(QObject *parent)
    : ErrorRecord(parent)
{
}

void ErrorTextRecord::set_dateText(const QString &value)
{
    m_dateText = value;
    emit dateTextChanged(value);
}

void ErrorTextRecord::set_timeText(const QString &value)
{
    m_timeText = value;
    emit timeTextChanged(value);
}

void ErrorTextRecord::set_codesText(const QString &value)
{
    m_codesText = value;
    emit codesTextChanged(value);
}
