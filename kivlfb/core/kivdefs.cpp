#include "kivdefs.h"

#include <QtQml>

KivDefs::KivDefs(QObject *parent)
    : QObject(parent)
{
}

void KivDefs::registerQmlTypes()
{
    qmlRegisterUncreatableType<KivDefs>("KivDefs", 1, 0, "KivDefines",
                                        QStringLiteral("KivDefines carries enumerations only"));
}
