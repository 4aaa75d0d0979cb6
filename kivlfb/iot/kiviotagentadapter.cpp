#include "kiviotagentadapter.h"

KivIotAgentAdapter::KivIotAgentAdapter(QObject *parent)
    : QObject(parent)
{
}
