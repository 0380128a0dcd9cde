#include "link/epirbcomm.h"

#include "link/epirbxmodemrx.h"
#include "link/epirbxmodemtx.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaEnum>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

namespace {
constexpr char kHandshake = char(0xAA);
constexpr char kAck = 0x06;
constexpr int kPageSize = 256;
constexpr int kDataBlockBytes = 192;

// Time-out sizing for the XMODEM transfers. A resend costs a whole packet again.
constexpr double kLineByteMs = 10 * 1000.0 / 2400;           // 10 bits per byte at 2400 baud
constexpr int kPacket = EpirbXmodemTx::kPacketSize;
constexpr int kResends = 5;                                   // the sender gives up at the sixth NAK
constexpr double kBeaconPacketMs = kPacket * kLineByteMs;     // about 0.8 s
// The host paces its packets: 20 ms first and 10 ms after each byte, plus the byte itself.
constexpr double kHostPacketMs = 20 + kPacket * (10 + kLineByteMs); // about 2.8 s
constexpr double kGapMs = 200;                                // the receiver's silence limit
// Silence after a sync character before it is answered: five byte times at 2400 baud.
constexpr int kSyncQuietMs = 20;
constexpr double kAnswerMs = 100;                             // a control byte, its pause and echo
constexpr int kStartMs = 1000;                                // request, "C" and the first answer
constexpr int kEndMs = 500;                                   // EOT, ETB and their answers

int blocksFor(int bytes)
{
    const int block = EpirbXmodemTx::kBlockSize;
    return qMax(1, (bytes + block - 1) / block);
}

QByteArray errorName(QSerialPort::SerialPortError error)
{
    const QMetaEnum e = QMetaEnum::fromType<QSerialPort::SerialPortError>();
    return QByteArray(e.valueToKey(error));
}
}

EpirbComm::EpirbComm(QObject *parent)
    : QObject(parent)
{
    m_pages = QByteArray(1, 0);
}

EpirbComm::~EpirbComm() = default;

int EpirbComm::readTimeoutMs(int bytes)
{
    const double perTry = kBeaconPacketMs + kGapMs + kAnswerMs;
    return kStartMs + int(blocksFor(bytes) * (1 + kResends) * perTry) + kEndMs;
}

int EpirbComm::writeTimeoutMs(int bytes)
{
    const double perTry = kHostPacketMs + kAnswerMs;
    return kStartMs + int(blocksFor(bytes) * (1 + kResends) * perTry) + kEndMs;
}

void EpirbComm::setPauses(bool on)
{
    m_pauses = on;
    if (m_rx)
        m_rx->setPauses(on);
    if (m_tx)
        m_tx->setPauses(on);
}

void EpirbComm::setPage(quint8 page, bool configurationFirst)
{
    m_page = page;
    m_expectedSize = page == 2 ? 576 : 192;
    m_configurationFirst = configurationFirst && page != 0;
}

void EpirbComm::beginXmodemReads()
{
    m_readingConfiguration = m_configurationFirst;
    m_configurationData.clear();
    m_progressOffset = 0;
    m_transferSize = m_expectedSize + (m_configurationFirst ? kDataBlockBytes : 0);
}

void EpirbComm::prepare()
{
    if (m_port)
        return;
    // Created on first use so that port, timers and engines belong to the link thread.
    m_port = m_givenPort ? m_givenPort : new QSerialPort(this);
    m_port->setBaudRate(QSerialPort::Baud2400);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_rx = new EpirbXmodemRx(m_port, this);
    m_tx = new EpirbXmodemTx(m_port, this);
    m_rx->setPauses(m_pauses);
    m_tx->setPauses(m_pauses);
    m_timeoutTimer = new QTimer(this);
    m_timeoutTimer->setSingleShot(true);
    m_timeoutTimer->setInterval(10000);
    m_pageTimer = new QTimer(this);
    m_pageTimer->setSingleShot(true);
    m_pageTimer->setInterval(200);
    m_answerTimer = new QTimer(this);
    m_answerTimer->setSingleShot(true);
    m_answerTimer->setInterval(40);
    connect(m_answerTimer, &QTimer::timeout, this, &EpirbComm::on_receiveTimeout);
    m_syncTimer = new QTimer(this);
    m_syncTimer->setSingleShot(true);
    m_syncTimer->setInterval(kSyncQuietMs);
    connect(m_syncTimer, &QTimer::timeout, this, &EpirbComm::on_syncQuiet);
}

void EpirbComm::forgetSyncCandidate()
{
    m_syncCandidate = 0;
    m_syncConfirmed = false;
    if (m_syncTimer)
        m_syncTimer->stop();
}

void EpirbComm::on_syncQuiet()
{
    if (m_operation != Operation::Read || m_state != 0 || !m_syncCandidate) {
        forgetSyncCandidate();
        return;
    }
    if (m_inHandler) {
        // A handler is letting events run; the candidate is judged once it is done.
        m_syncTimer->start();
        return;
    }
    const char c = m_syncCandidate;
    m_syncCandidate = 0;
    m_syncConfirmed = true;
    m_inHandler = true;
    stepRead(QByteArray(1, c));
    while (m_pendingData && m_operation == Operation::Read) {
        m_pendingData = false;
        stepRead(m_port && m_port->isOpen() ? m_port->readAll() : QByteArray());
    }
    m_inHandler = false;
}

bool EpirbComm::openPort(const char *what)
{
    if (m_givenPort) {
        if (m_port->isOpen())
            return true;
        qDebug().noquote().nospace() << what << "The port handed to the link is closed";
        emit failure(-1);
        return false;
    }
    if (m_port->isOpen())
        m_port->close();
    m_port->setPortName(m_portName);
    if (!m_port->open(QIODevice::ReadWrite)) {
        qDebug().noquote().nospace() << what << "Serialport Error code: SerialPortError::"
                                     << errorName(m_port->error());
        if (m_port->error() == QSerialPort::PermissionError)
            qWarning().noquote() << permissionAdvice(m_portName);
        emit failure(-1);
        return false;
    }
    // The open may reset the line settings of some drivers.
    m_port->setBaudRate(QSerialPort::Baud2400);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

QString EpirbComm::permissionAdvice(const QString &portName)
{
    // On Linux the adapter's port belongs to the group dialout; nothing on the pages can say so.
    return QStringLiteral("No permission to open the serial port %1. Add your user to the group that owns it "
                          "(usually dialout: sudo usermod -aG dialout $USER), then log out and in again.")
        .arg(portName);
}

void EpirbComm::disconnectPort()
{
    disconnect(m_port, nullptr, this, nullptr);
    disconnect(m_port, nullptr, m_rx, nullptr);
    disconnect(m_port, nullptr, m_tx, nullptr);
}

void EpirbComm::setProgress(double value)
{
    m_progress = value;
    emit comProgressChanged();
}

bool EpirbComm::pauseProcessingEvents(int ms)
{
    const quint64 generation = m_generation;
    if (!m_pauses)
        ms = 0;
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired() && generation == m_generation)
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(qMax<qint64>(1, deadline.remainingTime())));
    return generation == m_generation;
}

void EpirbComm::abortTransfers()
{
    // Their timers would otherwise answer on a line that may carry the next operation.
    if (m_rx) {
        m_rx->disconnect(this);
        m_rx->abort();
    }
    if (m_tx) {
        m_tx->disconnect(this);
        m_tx->abort();
    }
}

bool EpirbComm::receiveStart()
{
    prepare();
    return startReading("Receive start. ");
}

bool EpirbComm::startReading(const char *what)
{
    ++m_generation;
    abortTransfers();
    if (!openPort(what))
        return false;
    // On a retry, what the line still holds from the attempt before (the adapter's echo of
    // its last bytes) is no sync; a beacon repeats its sync, so nothing is lost by dropping it.
    if (m_readBefore)
        m_port->clear(QSerialPort::Input);
    m_readBefore = true;
    m_readData.clear();
    m_configurationData.clear();
    disconnectPort();
    m_timeoutTimer->disconnect(this);
    m_pageTimer->disconnect(this);
    connect(m_port, &QSerialPort::readyRead, this, &EpirbComm::on_readData);
    connect(m_timeoutTimer, &QTimer::timeout, this, &EpirbComm::on_timeout);
    connect(m_pageTimer, &QTimer::timeout, this, &EpirbComm::on_twoPageTimeout);
    m_operation = Operation::Read;
    m_state = 0;
    forgetSyncCandidate();
    m_xmodem = false;
    m_pages = QByteArray(1, 0);
    m_pageIndex = 0;
    m_byteCount = 0;
    setProgress(0);
    return true;
}

bool EpirbComm::verifyStart()
{
    prepare();
    if (!m_port->isOpen()) {
        // Not right after a write: the beacon has to announce itself first, as for a read.
        qDebug("Verify start on a closed port: waiting for the beacon");
        return startReading("Verify start. ");
    }
    ++m_generation;
    disconnectPort();
    m_operation = Operation::Read;
    if (m_xmodem) {
        if (m_pauses)
            QThread::msleep(100);
        m_state = 2;
        beginXmodemReads();
    } else {
        m_state = 1;
        connect(m_port, &QSerialPort::readyRead, this, &EpirbComm::on_readData);
    }
    // A write leaves its own handlers on the timers; a read-back needs the read ones.
    m_timeoutTimer->disconnect(this);
    m_pageTimer->disconnect(this);
    connect(m_timeoutTimer, &QTimer::timeout, this, &EpirbComm::on_timeout);
    connect(m_pageTimer, &QTimer::timeout, this, &EpirbComm::on_twoPageTimeout);
    m_readData.clear();
    setProgress(0);
    m_byteCount = 0;
    m_pageIndex = 0;
    on_readData();
    return true;
}

bool EpirbComm::transmitStart()
{
    prepare();
    ++m_generation;
    qDebug("Starting config write. Write %zd bytes", size_t(m_writeData.size()));
    m_answerTimer->setInterval(m_answerDelay);
    disconnectPort();
    m_timeoutTimer->disconnect(this);
    m_pageTimer->disconnect(this);
    connect(m_port, &QSerialPort::readyRead, this, &EpirbComm::on_writeData);
    connect(m_timeoutTimer, &QTimer::timeout, this, &EpirbComm::on_timeout);
    m_operation = Operation::Write;
    m_state = m_xmodem ? 3 : 1;
    m_byteCount = 0;
    m_pageIndex = 0;
    setProgress(0);
    m_production = false;
    m_answer.clear();
    on_writeData();
    return true;
}

bool EpirbComm::transmitProductionStart()
{
    prepare();
    ++m_generation;
    abortTransfers();
    if (!openPort("Prod start. "))
        return false;
    // A production write takes any first byte for an older beacon, so bytes left on the
    // line from before the port was opened must not count; a beacon repeats its sync.
    m_port->clear(QSerialPort::Input);
    qDebug("Starting production write. Write %zu bytes", size_t(m_writeData.size()));
    m_answerTimer->setInterval(m_answerDelay);
    disconnectPort();
    m_timeoutTimer->disconnect(this);
    m_pageTimer->disconnect(this);
    connect(m_port, &QSerialPort::readyRead, this, &EpirbComm::on_writeData);
    connect(m_timeoutTimer, &QTimer::timeout, this, &EpirbComm::on_timeout);
    m_operation = Operation::Write;
    m_state = 0;
    m_xmodem = false;
    m_pages = QByteArray(1, 0);
    m_byteCount = 0;
    m_pageIndex = 0;
    setProgress(0);
    m_answer.clear();
    m_readData.clear();
    m_production = true;
    return true;
}

void EpirbComm::on_readData()
{
    if (m_inHandler) {
        m_pendingData = true;
        return;
    }
    // Once the read has ended (its last page, or the second page's timeout) the data is
    // the controller's: late bytes on the line neither change it nor end the read again.
    if (m_operation != Operation::Read) {
        if (m_port && m_port->isOpen())
            m_port->readAll();
        return;
    }
    m_inHandler = true;
    do {
        m_pendingData = false;
        stepRead(m_port && m_port->isOpen() ? m_port->readAll() : QByteArray());
    } while (m_pendingData && m_operation == Operation::Read);
    m_inHandler = false;
}

void EpirbComm::stepRead(QByteArray chunk)
{
    for (;;) {
        switch (m_state) {
        case 0: {
            // Line noise ahead of the sync character in the same read is skipped.
            if (!m_syncConfirmed) {
                if (m_syncCandidate) {
                    // The same sync repeated keeps it a sync; anything else was a stream.
                    if (chunk.count(m_syncCandidate) != chunk.size())
                        forgetSyncCandidate();
                    return;
                }
                while (!chunk.isEmpty() && (chunk.at(0) < 'A' || chunk.at(0) > 'H'))
                    chunk.remove(0, 1);
                if (chunk.isEmpty())
                    return;
                const QByteArray rest = chunk.mid(1);
                if (rest.count(chunk.at(0)) != rest.size())
                    return;
                m_syncCandidate = chunk.at(0);
                m_syncTimer->start();
                return;
            }
            m_syncConfirmed = false;
            const char c = chunk.at(0);
            if (c == 'H') {
                m_xmodem = true;
                m_hostBytes = 0;
                emit syncReceived('H');
                qDebug("Starting xmodem RX");
                m_answerTimer->stop();
                disconnectPort();
                if (m_pauses)
                    QThread::msleep(20);
                // Whatever came before the handshake (a repeated sync character) is no
                // answer to it and would be taken for a lost echo by the transfer.
                m_port->clear(QSerialPort::Input);
                m_port->write(&kHandshake, 1);
                m_rx->addEcho(QByteArray(1, kHandshake));
                ++m_hostBytes;
                m_state = 2;
                beginXmodemReads();
                continue;
            }
            if (c >= 'A' && c <= 'G') {
                emit syncReceived(c);
                // A sync after a timeout starts the read over: nothing of the broken
                // attempt, nor its page count, may stay.
                m_readData.clear();
                m_pages = !m_forceSinglePage && c == 'F' ? QByteArray::fromRawData("\x00\x02", 2)
                                                         : QByteArray(1, 0);
                m_port->write(&kHandshake, 1);
                m_state = 1;
                m_timeoutTimer->start(kOlderTimeoutMs);
                m_byteCount = 0;
                chunk.clear();
                continue;
            }
            return;
        }
        case 2:
            startXmodemRead();
            return;
        case 1: {
            QByteArray request;
            const char page = m_pages.at(m_pageIndex);
            if (page == 0) {
                request = "R";
            } else {
                if (!pauseProcessingEvents(50))
                    return;
                request = "G";
                request.append(page);
                m_pageTimer->start();
                qDebug("Requesting second page ");
            }
            m_port->write(request);
            m_state = 6;
            m_timeoutTimer->start(kOlderTimeoutMs);
            m_port->waitForBytesWritten(30000);
            return;
        }
        case 6: {
            const int r = chunk.indexOf('r');
            if (r < 0)
                return;
            chunk = chunk.mid(r + 1);
            m_state = 5;
            m_timeoutTimer->start(kOlderTimeoutMs);
            m_pageTimer->stop();
            continue;
        }
        case 5: {
            if (chunk.isEmpty())
                return;
            // Never run past the page: the count must land on its end to finish it.
            const int pageEnd = (m_pageIndex + 1) * kPageSize;
            chunk.truncate(pageEnd - m_byteCount);
            m_readData.append(chunk);
            m_byteCount += int(chunk.size());
            setProgress(double(m_byteCount * 100 / (int(m_pages.size()) * kPageSize)));
            if (m_byteCount % kPageSize == 0) {
                if (m_pageIndex + 1 < m_pages.size()) {
                    ++m_pageIndex;
                    m_state = 1;
                    m_timeoutTimer->start(kOlderTimeoutMs);
                    chunk.clear();
                    continue;
                }
                m_timeoutTimer->stop();
                m_operation = Operation::None;
                emit success(m_byteCount);
                return;
            }
            m_timeoutTimer->start(kOlderTimeoutMs);
            return;
        }
        default:
            qCritical() << "EpirbComm: Entered bad read state " << m_state;
            emit failure(-999);
            return;
        }
    }
}

void EpirbComm::startXmodemRead()
{
    const quint8 page = m_readingConfiguration ? 0 : m_page;
    const int size = m_readingConfiguration ? kDataBlockBytes : m_expectedSize;
    qDebug("Xmodem RX page %u", page);
    const QByteArray request{ "X", 1 };
    const QByteArray command = request + QByteArray(1, char(page));
    m_port->write(command);
    m_hostBytes += 2;
    m_elapsed.start();
    m_timeoutTimer->start(readTimeoutMs(size));
    disconnect(m_rx, nullptr, this, nullptr);
    connect(m_rx, &EpirbXmodemRx::success, this, &EpirbComm::on_xmodemRxSuccess);
    connect(m_rx, &EpirbXmodemRx::bytesReceived, this, &EpirbComm::on_xmodemBytesTxRx);
    m_rx->addEcho(command);
    disconnectPort();
    connect(m_port, &QSerialPort::readyRead, m_rx, &EpirbXmodemRx::notifyDataAvailable);
    m_rx->startRead();
}

void EpirbComm::on_twoPageTimeout()
{
    qDebug() << "Twopagetimeout: ";
    m_timeoutTimer->stop();
    m_pages = QByteArray(1, 0);
    m_operation = Operation::None;
    setProgress(100);
    emit success(m_byteCount);
}

int EpirbComm::writeTotal() const
{
    // A write ends with the data it was given, even when the beacon offers more pages.
    return int(qMin<qsizetype>(qsizetype(m_pages.size()) * kPageSize, m_writeData.size()));
}

void EpirbComm::updateWriteProgress()
{
    const int total = writeTotal();
    setProgress(total > 0 ? double(m_byteCount * 100 / total) : 100.0);
}

void EpirbComm::on_writeData()
{
    if (!m_port || !m_port->isOpen())
        return;
    if (m_inHandler) {
        m_pendingData = true;
        return;
    }
    m_inHandler = true;
    do {
        m_pendingData = false;
        m_answer.append(m_port->readAll());
        stepWrite();
    } while (m_pendingData && m_operation == Operation::Write);
    m_inHandler = false;
}

void EpirbComm::stepWrite()
{
    for (;;) {
        switch (m_state) {
        case 0: {
            if (!m_production) {
                while (!m_answer.isEmpty() && (m_answer.at(0) < 'A' || m_answer.at(0) > 'H'))
                    m_answer.remove(0, 1);
            }
            if (m_answer.isEmpty())
                return;
            const char c = m_answer.at(0);
            if (c == 'H') {
                emit syncReceived('H');
                m_xmodem = true;
                m_hostBytes = 0;
                m_answer.clear();
                m_port->clear(QSerialPort::Input);
                m_port->write(&kHandshake, 1);
                m_tx->addEcho(QByteArray(1, kHandshake));
                ++m_hostBytes;
                m_state = 3;
                continue;
            }
            if (m_production || (c >= 'A' && c <= 'G')) {
                if (m_production)
                    emit syncReceived('F');
                if (!m_forceSinglePage && (m_production || c == 'F'))
                    m_pages = QByteArray::fromRawData("\x00\x02", 2);
                m_port->write(&kHandshake, 1);
                m_state = 1;
                m_timeoutTimer->start(kOlderTimeoutMs);
                m_byteCount = 0;
                m_answer.clear();
                continue;
            }
            m_answer.clear();
            return;
        }
        case 3: {
            m_elapsed.start();
            m_answerTimer->stop();
            disconnectPort();
            qDebug("XmodemTX write!");
            const QByteArray command("Y\x00", 2);
            m_port->write(command);
            m_hostBytes += 2;
            m_transferSize = int(m_writeData.size());
            m_progressOffset = 0;
            // One resend of a paced packet already takes longer than a fixed few seconds.
            m_timeoutTimer->start(writeTimeoutMs(m_transferSize));
            disconnect(m_tx, nullptr, nullptr, nullptr);
            connect(m_tx, &EpirbXmodemTx::success, this, &EpirbComm::on_xmodemTxSuccess);
            connect(m_tx, &EpirbXmodemTx::failure, this, &EpirbComm::on_xmodemFailure);
            connect(m_tx, &EpirbXmodemTx::bytesTransmitted, this, &EpirbComm::on_xmodemBytesTxRx,
                    Qt::DirectConnection);
            m_tx->addEcho(command);
            connect(m_port, &QSerialPort::readyRead, m_tx, &EpirbXmodemTx::notifyDataAvailable);
            if (!m_tx->startWrite(m_writeData))
                qWarning() << "Xmodem write refused: block of" << m_writeData.size() << "bytes";
            return;
        }
        case 1: {
            const int total = writeTotal();
            if (m_byteCount >= total) {
                // Nothing (left) to write: never report an empty write as done.
                qWarning() << "No data to write";
                m_timeoutTimer->stop();
                m_operation = Operation::None;
                m_state = 0;
                emit timeout();
                return;
            }
            if (!m_production) {
                // Bytes the beacon already holds cost a command and an answer delay each.
                // The first and last byte of each page, and the last byte of the data,
                // are always written.
                while (m_byteCount < total - 1 && m_byteCount < m_readData.size()
                       && m_readData.at(m_byteCount) == m_writeData.at(m_byteCount)
                       && m_byteCount % kPageSize != 0 && m_byteCount % kPageSize != kPageSize - 1) {
                    ++m_byteCount;
                    updateWriteProgress();
                    if (!pauseProcessingEvents(5))
                        return;
                }
            }
            const char page = m_pages.at(m_byteCount / kPageSize);
            m_pageIndex = m_byteCount / kPageSize;
            QByteArray command;
            if (page == 0) {
                command = "W";
            } else {
                command = "S";
                command.append(page);
            }
            command.append(char(m_byteCount % kPageSize));
            command.append(m_writeData.at(m_byteCount));
            m_answer.clear();
            m_command = command;
            m_port->write(command);
            m_state = 5;
            m_answerBytes = 0;
            m_timeoutTimer->start(kOlderTimeoutMs);
            m_answerTimer->start();
            return;
        }
        case 5:
            return;
        case 4: {
            if (!m_answer.isEmpty())
                m_answerBytes += int(m_answer.size());
            // The adapter hands the command back first; a value byte equal to ACK in
            // that echo is not the beacon's answer.
            const int echoAt = int(m_answer.lastIndexOf(m_command));
            const QByteArray reply = echoAt >= 0 ? m_answer.mid(echoAt + m_command.size()) : m_answer;
            const bool written = !reply.isEmpty() && reply.endsWith(kAck);
            if (written) {
                ++m_byteCount;
                if (m_byteCount == writeTotal()) {
                    if (m_byteCount == 2 * kPageSize)
                        qDebug() << "WaitAckn Endbuffer:" << m_byteCount;
                    updateWriteProgress();
                    m_timeoutTimer->stop();
                    m_operation = Operation::None;
                    m_state = 0;
                    emit success(m_byteCount);
                    return;
                }
                if (m_byteCount % kPageSize == 0)
                    ++m_pageIndex;
                else
                    updateWriteProgress();
            } else {
                m_answer.clear();
            }
            m_state = 1;
            continue;
        }
        default:
            qCritical() << "EpirbComm: Entered bad write state " << m_state;
            emit failure(-999);
            return;
        }
    }
}

void EpirbComm::on_receiveTimeout()
{
    m_state = 4;
    on_writeData();
}

void EpirbComm::on_xmodemBytesTxRx(quint64 count)
{
    if (m_transferSize > 0)
        setProgress(double((quint64(m_progressOffset) + count) * 100 / quint64(m_transferSize)));
}

void EpirbComm::on_xmodemRxSuccess()
{
    m_timeoutTimer->stop();
    if (m_readingConfiguration) {
        m_configurationData = m_rx->receivedData();
        m_readingConfiguration = false;
        m_progressOffset = int(m_configurationData.size());
        qDebug("Xmodem RX configuration: %zu bytes in %d ms", size_t(m_configurationData.size()),
               int(m_elapsed.elapsed()));
        // Not from within the engine's own signal; the beacon gets the turnaround it gets
        // before a read-back.
        const quint64 generation = m_generation;
        QTimer::singleShot(m_pauses ? 100 : 0, this, [this, generation] {
            if (generation == m_generation && m_operation == Operation::Read && m_state == 2)
                startXmodemRead();
        });
        return;
    }
    m_readData = m_rx->receivedData();
    m_hostBytes = unsigned(m_rx->pendingEchoCount());
    qDebug("Xmodem RX success. Recevied %zu in %d ms [%u]!", size_t(m_readData.size()), int(m_elapsed.elapsed()),
           m_hostBytes);
    m_operation = Operation::None;
    setProgress(100);
    emit success(int(m_readData.size()));
}

void EpirbComm::on_xmodemTxSuccess()
{
    m_timeoutTimer->stop();
    m_hostBytes = unsigned(m_tx->pendingEchoCount());
    qDebug("xmodem TX success in %d ms [%u]!", int(m_elapsed.elapsed()), m_hostBytes);
    m_operation = Operation::None;
    setProgress(100);
    emit success(int(m_writeData.size()));
}

void EpirbComm::on_xmodemFailure(int code)
{
    qDebug() << "xmodem fail: " << code;
    m_timeoutTimer->stop();
    emit timeout();
    m_hostBytes = unsigned(m_tx->pendingEchoCount());
}

void EpirbComm::on_timeout()
{
    qWarning() << "Timeout waiting for device in state " << m_state;
    emit timeout();
    m_state = 0;
    m_pageIndex = 0;
    m_readingConfiguration = false;
    m_pageTimer->stop();
    m_answerTimer->stop();
    m_answer.clear();
    // A transfer engine that stalled gives the line back: the next sync character
    // must reach the link again.
    abortTransfers();
    disconnectPort();
    if (m_operation == Operation::Write)
        connect(m_port, &QSerialPort::readyRead, this, &EpirbComm::on_writeData);
    else
        connect(m_port, &QSerialPort::readyRead, this, &EpirbComm::on_readData);
}

void EpirbComm::on_requestStop(const QString &)
{
    ++m_generation;
    m_operation = Operation::None;
    m_state = 0;
    forgetSyncCandidate();
    abortTransfers();
    if (m_answerTimer)
        m_answerTimer->stop();
    if (m_pageTimer)
        m_pageTimer->stop();
    if (m_timeoutTimer) {
        m_timeoutTimer->stop();
        m_timeoutTimer->disconnect(this);
    }
    if (m_port) {
        if (!m_givenPort)
            m_port->close();
        disconnectPort();
    }
    // The controller's connections stay: a start it made right after this stop was
    // requested is already wired to them.
    emit stopped();
}
