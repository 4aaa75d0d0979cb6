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
    static constexpr int kPlainRows = 1410;

    FakeModbusWidget(int numRows, QStringList descriptions, QWidget *parent = nullptr);
    // The plain window of the update utility's build: kPlainRows rows, every
    // one numbered, no descriptions and no simulation toggle.
    explicit FakeModbusWidget(QWidget *parent = nullptr);

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
    FakeModbusWidget(int numRows, int numLabels, const QStringList &descriptions,
                     bool simulationButton, QWidget *parent);

    QTableWidget *m_table;
    bool m_simulation = false;
    bool m_updating = false; // set while the program fills a cell
};
