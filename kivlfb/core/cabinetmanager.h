#pragma once

#include <QObject>

class QWidget;

// The cabinet core: it builds the whole controller in its constructor and is
// the object the screens know as "cabinetManager".
class CabinetManager : public QObject
{
    Q_OBJECT

public:
    CabinetManager(int simulationFlags, int idConnector, QWidget *parent);
    ~CabinetManager() override;

    int simulationFlags() const { return m_simulationFlags; }
    int idConnector() const { return m_idConnector; }

protected:
    // Application-wide filter: user activity restarts the inactivity timer.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_simulationFlags;
    int m_idConnector;
};

// The one cabinet core of the process, set by main before the event loop.
extern CabinetManager *cabinetManager;
