#pragma once

#include <QStringList>
#include <QWidget>

class QTableWidget;

// A desktop window on a simulated slave's register file: a description and
// value column per register, and buttons that spoil the slave's next reply.
class FakeModbusWidget : public QWidget
{
    Q_OBJECT

public:
    FakeModbusWidget(int numRows, QStringList descriptions, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    bool simulationState() const { return m_simulation; }

public slots:
    void processUserInput(int row, int col);
    void updateRegister(int reg, uint16_t value);
    void simulationToggle();

signals:
    void newRegisterValue(int registerNum, uint16_t value);
    void requestBadCrc();
    void requestNack();
    void requestWrongNode();
    void requestTimeout();
    void simulationOnOff(bool onOff);

private:
    QTableWidget *m_table;
    bool m_simulation = false;
    bool m_updating = false; // set while the program fills a cell
};
