#include "alarmssetup.h"

#include "haccpcontroller.h"
#include "soundmanager.h"

#include <QQmlContext>

SoundManager *AlarmsSetup::createSoundManager(QObject *cabinetManager, QQmlContext *context)
{
    auto *soundManager = new SoundManager(cabinetManager);
    soundManager->setObjectName(QStringLiteral("soundManager"));
    soundManager->start();
    if (context)
        context->setContextProperty(QStringLiteral("soundManager"), soundManager);
    return soundManager;
}

HaccpController *AlarmsSetup::createHaccpController(
    QObject *cabinetManager, QQmlContext *context,
    std::function<QDateTime(const QDateTime &)> localTime)
{
    auto *haccpController = new HaccpController(cabinetManager);
    haccpController->setObjectName(QStringLiteral("haccpController"));
    haccpController->setLocalTimeAdjust(std::move(localTime));
    if (context)
        context->setContextProperty(QStringLiteral("haccpController"), haccpController);
    return haccpController;
}
