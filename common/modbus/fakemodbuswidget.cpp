#include "fakemodbuswidget.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRowLabels = 130; // the I/O board's map, whatever the row count
constexpr int kDescriptionWidth = 360;
constexpr int kValueColumn = 1;
} // namespace

FakeModbusWidget::FakeModbusWidget(int numRows, QStringList descriptions, QWidget *parent)
    : FakeModbusWidget(numRows, kRowLabels, descriptions, true, parent)
{
}

FakeModbusWidget::FakeModbusWidget(QWidget *parent)
    : FakeModbusWidget(kPlainRows, kPlainRows, {}, false, parent)
{
}

FakeModbusWidget::FakeModbusWidget(int numRows, int numLabels, const QStringList &descriptions,
                                   bool simulationButton, QWidget *parent)
    : QWidget(parent)
    , m_table(new QTableWidget(qMax(numRows, 0), 2, this))
{
    setObjectName(QStringLiteral("fakeModbusWidget"));
    setWindowTitle(QStringLiteral("Fake modbus registers"));
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    m_table->setHorizontalHeaderLabels({QStringLiteral("Description"), QStringLiteral("Value")});
    QStringList rowLabels;
    for (int i = 0; i < numLabels; ++i)
        rowLabels << QString::number(i);
    m_table->setVerticalHeaderLabels(rowLabels);
    m_table->setColumnWidth(0, kDescriptionWidth);
    for (int row = 0; row < m_table->rowCount() && row < descriptions.size(); ++row) {
        auto *item = new QTableWidgetItem(descriptions.at(row));
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, 0, item);
    }
    m_table->setMaximumSize(1920, 1200);
    m_table->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 100);
    const auto addButton = [&](const QString &text) {
        auto *button = new QPushButton(text, this);
        layout->addWidget(button);
        return button;
    };
    connect(addButton(QStringLiteral("Bad CRC")), &QPushButton::clicked, this,
            &FakeModbusWidget::requestBadCrc);
    connect(addButton(QStringLiteral("Nack")), &QPushButton::clicked, this,
            &FakeModbusWidget::requestNack);
    connect(addButton(QStringLiteral("Wrong Node")), &QPushButton::clicked, this,
            &FakeModbusWidget::requestWrongNode);
    connect(addButton(QStringLiteral("Timeout")), &QPushButton::clicked, this,
            &FakeModbusWidget::requestTimeout);
    if (simulationButton) {
        connect(addButton(QStringLiteral("Simulation toggle")), &QPushButton::clicked, this,
                &FakeModbusWidget::simulationToggle);
    }

    connect(m_table, &QTableWidget::cellChanged, this, &FakeModbusWidget::processUserInput);
}

void FakeModbusWidget::processUserInput(int row, int col)
{
    // Only a user's edit of a value goes back to the register file; the
    // program's own updates of the column would otherwise echo.
    if (m_updating || col != kValueColumn)
        return;
    const QTableWidgetItem *item = m_table->item(row, col);
    if (!item)
        return;
    bool ok = false;
    const int value = item->text().toInt(&ok);
    if (!ok)
        return;
    emit newRegisterValue(row, uint16_t(value & 0xFFFF));
}

void FakeModbusWidget::updateRegister(int reg, uint16_t value)
{
    if (reg < 0 || reg >= m_table->rowCount())
        return;
    m_updating = true;
    QTableWidgetItem *item = m_table->item(reg, kValueColumn);
    if (!item) {
        item = new QTableWidgetItem();
        m_table->setItem(reg, kValueColumn, item);
    }
    item->setText(QString::number(value));
    m_updating = false;
}

void FakeModbusWidget::simulationToggle()
{
    m_simulation = !m_simulation;
    emit simulationOnOff(m_simulation);
}
