#include "platforminfo.h"

PlatformInfo::PlatformInfo(QObject *parent)
    : QObject(parent)
{
}

void PlatformInfo::set_osKernel(const QString &value)
{
    if (m_osKernel == value)
        return;
    m_osKernel = value;
    emit osKernelChanged(m_osKernel);
}

void PlatformInfo::set_bspInfo(const QString &value)
{
    if (m_bspInfo == value)
        return;
    m_bspInfo = value;
    emit bspInfoChanged(m_bspInfo);
}

void PlatformInfo::getOsKernelInformation() {}
void PlatformInfo::getBSPverInformation() {}
