#include "platforminfo.h"

#include "property/assignifchanged.h"

PlatformInfo::PlatformInfo(QObject *parent)
    : QObject(parent)
{
}

void PlatformInfo::set_osKernel(const QString &value)
{
    if (assignIfChanged(m_osKernel, value))
        emit osKernelChanged(m_osKernel);
}

void PlatformInfo::set_bspInfo(const QString &value)
{
    if (assignIfChanged(m_bspInfo, value))
        emit bspInfoChanged(m_bspInfo);
}

void PlatformInfo::getOsKernelInformation() {}
void PlatformInfo::getBSPverInformation() {}
