#include "kiverrorcontrollert.h"

#include "property/assignifchanged.h"

KivErrorControllerT::KivErrorControllerT(QModbusMaster *modbus, QObject *parent)
    : QObject(parent)
    , m_modbus(modbus)
{
}

void KivErrorControllerT::set_sibLinkBroken(bool value)
{
    if (assignIfChanged(m_sibLinkBroken, value))
        emit sibLinkBrokenChanged(m_sibLinkBroken);
}

void KivErrorControllerT::errorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3)
{
    emit callErrorCodesDataProcess(mainCode, subCode1, subCode2, subCode3);
}

void KivErrorControllerT::errorCodesClearDataProcess(int mainCode, int subCode1, int subCode2,
                                                     int subCode3)
{
    emit callErrorCodesClearDataProcess(mainCode, subCode1, subCode2, subCode3);
}

void KivErrorControllerT::createDefinitionsList()
{
    emit callCreateDefinitionsList();
}

void KivErrorControllerT::deleteAllErrorLogs()
{
    emit callDeleteAllErrorLogs();
}

void KivErrorControllerT::clearErrorLogList()
{
    emit callClearErrorLogList();
}
