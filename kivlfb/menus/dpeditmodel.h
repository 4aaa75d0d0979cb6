#pragma once

#include <QObject>

// The day-part editor's model object; it carries no state of its own.
class DPEditModel : public QObject
{
    Q_OBJECT

public:
    explicit DPEditModel(QObject *parent = nullptr);
};
