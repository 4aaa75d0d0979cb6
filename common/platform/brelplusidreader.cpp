#include "brelplusidreader.h"

BrelPlusIDReader::BrelPlusIDReader(QObject *parent)
    : QObject(parent)
{
}

void BrelPlusIDReader::set_displayId(int id)
{
    m_displayId = id;
    emit displayIdChanged(id);
}

void BrelPlusIDReader::set_orientationId(int id)
{
    m_orientationId = id;
    emit orientationIdChanged(id);
}
