#include "errorrecord.h"

ErrorRecord::ErrorRecord(QObject *parent)
    : QObject(parent)
{
}

ErrorRecord::ErrorRecord(int mainCode, int subCode1, int subCode2, int subCode3,
                         const QString &description, QObject *parent)
    : QObject(parent)
    , m_description(description)
    , m_mainCode(mainCode)
    , m_subCode1(subCode1)
    , m_subCode2(subCode2)
    , m_subCode3(subCode3)
{
}

ErrorRecord &ErrorRecord::operator=(const ErrorRecord &other)
{
    if (this != &other) {
        set_description(other.m_description);
        setCodes(other.m_mainCode, other.m_subCode1, other.m_subCode2, other.m_subCode3);
        set_timestamp(other.m_timestamp);
    }
    return *this;
}

void ErrorRecord::setCodes(int mainCode, int subCode1, int subCode2, int subCode3)
{
    set_mainCode(mainCode);
    set_subCode1(subCode1);
    set_subCode2(subCode2);
    set_subCode3(subCode3);
}

bool ErrorRecord::hasCodes(int mainCode, int subCode1, int subCode2, int subCode3) const
{
    return m_mainCode == mainCode && m_subCode1 == subCode1 && m_subCode2 == subCode2
        && m_subCode3 == subCode3;
}

QString ErrorRecord::codesText() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(m_mainCode).arg(m_subCode1).arg(m_subCode2).arg(m_subCode3);
}

void ErrorRecord::set_description(const QString &value)
{
    m_description = value;
    emit descriptionChanged(value);
}

void ErrorRecord::set_mainCode(int value)
{
    m_mainCode = value;
    emit mainCodeChanged(value);
}

void ErrorRecord::set_subCode1(int value)
{
    m_subCode1 = value;
    emit subCode1Changed(value);
}

void ErrorRecord::set_subCode2(int value)
{
    m_subCode2 = value;
    emit subCode2Changed(value);
}

void ErrorRecord::set_subCode3(int value)
{
    m_subCode3 = value;
    emit subCode3Changed(value);
}

void ErrorRecord::set_timestamp(const QDateTime &value)
{
    m_timestamp = value;
    emit timestampChanged(value);
}
