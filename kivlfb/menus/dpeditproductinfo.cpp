#include "dpeditproductinfo.h"

#include "property/assignifchanged.h"

DPEditProductInfo::DPEditProductInfo(QObject *parent)
    : QObject(parent)
{
}

void DPEditProductInfo::set_pid(int value)
{
    if (assignIfChanged(m_pid, value))
        emit pidChanged(value);
}

void DPEditProductInfo::set_pName(const QString &value)
{
    if (assignIfChanged(m_pName, value))
        emit pNameChanged(value);
}

void DPEditProductInfo::set_holdTemp(int value)
{
    if (assignIfChanged(m_holdTemp, value))
        emit holdTempChanged(value);
}

void DPEditProductInfo::set_panSize(int value)
{
    if (assignIfChanged(m_panSize, value))
        emit panSizeChanged(value);
}
