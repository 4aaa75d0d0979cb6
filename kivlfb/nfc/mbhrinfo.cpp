#include "mbhrinfo.h"

#include "property/assignifchanged.h"

MbHrInfo::MbHrInfo(QObject *parent)
    : QObject(parent)
{
}

MbHrInfo::MbHrInfo(int regIdx, const QString &regName, int value, bool valueSigned, int format,
                   QObject *parent)
    : QObject(parent)
    , m_regIdx(regIdx)
    , m_regName(regName)
    , m_value(value)
    , m_valueSigned(valueSigned)
    , m_format(format)
{
}

QString MbHrInfo::get_value() const
{
    const quint32 bits = m_valueSigned ? quint32(m_value) : quint32(quint16(m_value));
    if (m_format == MBHR_FORMAT_HEX)
        return QStringLiteral("0x") + QString::number(bits, 16).toUpper();
    return m_valueSigned ? QString::number(m_value) : QString::number(bits);
}

void MbHrInfo::set_regIdx(int value)
{
    if (assignIfChanged(m_regIdx, value))
        emit regIdxChanged(m_regIdx);
}

void MbHrInfo::set_regName(const QString &value)
{
    if (assignIfChanged(m_regName, value))
        emit regNameChanged(m_regName);
}

void MbHrInfo::set_value(int value)
{
    if (assignIfChanged(m_value, value))
        emit valueChanged(get_value());
}

void MbHrInfo::set_valueSigned(bool value)
{
    if (assignIfChanged(m_valueSigned, value)) {
        emit valueSignedChanged(m_valueSigned);
        emit valueChanged(get_value());
    }
}

void MbHrInfo::set_format(int value)
{
    if (assignIfChanged(m_format, value)) {
        emit formatChanged(m_format);
        emit valueChanged(get_value());
    }
}
