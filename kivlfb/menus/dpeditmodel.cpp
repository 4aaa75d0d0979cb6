#include "dpeditmodel.h"

DPEditModel::DPEditModel(QObject *parent)
    : QObject(parent)
{
}
