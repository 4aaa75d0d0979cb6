#pragma once

#include <QObject>

// Back-end for the IoT-agent process: its frames and commands come with the
// IoT-agent work.
class KivIotAgentAdapter : public QObject
{
    Q_OBJECT

public:
    explicit KivIotAgentAdapter(QObject *parent = nullptr);
};
