#include "dpeditproductinfo.h"

DPEditProductInfo::DPEditProductInfo(QObject *parent)
    : QObject(parent)
{
}

void DPEditProductInfo::set_pid(int value)
{
    if (m_pid == value)
        return;
    m_pid = value;
    emit pidChanged(value);
}

void DPEditProductInfo::set_pName(const QString &value)
{
    if (m_pName == value)
        return;
    m_pName = value;
    emit pNameChanged(value);
}

void DPEditProductInfo::set_holdTemp(int value)
{
    if (m_holdTemp == value)
        return;
    m_holdTemp = value;
    emit holdTempChanged(value);
}

void DPEditProductInfo::set_panSize(int value)
{
    if (m_panSize == value)
        return;
    m_panSize = value;
    emit panSizeChanged(value);
}
