#include "serialboards.h"

#include "modbus/modbusfakeslave.h"
#include "nfc/masteriosimuilator.h"
#include "nfc/nfcreadersimulator.h"

#include "ptypair.h"
#include "scriptedslave.h"

namespace {

// Register files of the size the display's own simulation gives its boards.
constexpr int kIoBoardRegisters = 131;
constexpr int kReaderRegisters = 70;

} // namespace

SerialBoards::SerialBoards(PtyPair *line, bool perChannelTemps, QObject *parent)
    : QObject(parent)
    , m_line(line)
    , m_framer(new ScriptedSlave(line, this))
    , m_ioBoard(new MasterIOSimuilator(1, kIoBoardRegisters, this))
    , m_reader1(new NfcReaderSimulator(2, kReaderRegisters, this))
    , m_reader2(new NfcReaderSimulator(3, kReaderRegisters, this))
{
    m_ioBoard->set_perChanelTemps(perChannelTemps);
    // The framer has no script and no responder, so it answers nothing
    // itself: it only cuts the line into request frames for the boards,
    // each of which answers the frames addressed to it.
    connect(m_framer, &ScriptedSlave::requestReceived, this, &SerialBoards::serve);
    for (ModbusFakeSlave *board : {static_cast<ModbusFakeSlave *>(m_ioBoard),
                                   static_cast<ModbusFakeSlave *>(m_reader1),
                                   static_cast<ModbusFakeSlave *>(m_reader2)}) {
        connect(board, &ModbusFakeSlave::pollResponse, m_line, &PtyPair::write);
        board->start();
    }
}

void SerialBoards::setReaderRegister(int slaveId, int reg, quint16 value)
{
    if (slaveId == m_reader1->get_slaveId())
        m_reader1->setHoldingRegister(reg, value);
    else if (slaveId == m_reader2->get_slaveId())
        m_reader2->setHoldingRegister(reg, value);
}

void SerialBoards::serve(const QByteArray &frame)
{
    m_ioBoard->receiveSerialFrame(frame);
    m_reader1->receiveSerialFrame(frame);
    m_reader2->receiveSerialFrame(frame);
}
