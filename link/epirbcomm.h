#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QSerialPort;
class QTimer;
class EpirbXmodemTx;
class EpirbXmodemRx;

// The serial link to the beacon through the programming adapter. Lives in its own
// thread; the controller drives it with queued signals and reads its results after
// success. Current beacons (sync "H") move blocks by XMODEM, older ones ("A"-"G")
// use a byte protocol of 256-byte pages.
class EpirbComm : public QObject
{
    Q_OBJECT

public:
    explicit EpirbComm(QObject *parent = nullptr);
    ~EpirbComm() override;

    // The log line that tells a user without access to the port how to get it.
    static QString permissionAdvice(const QString &portName);

    // Plain setters and getters: only while no operation runs.
    void setPortName(const QString &name) { m_portName = name; }
    QString portName() const { return m_portName; }
    // configurationFirst: an XMODEM read takes the configuration page (0) first, in the
    // same session, so that what the page holds can be told whose it is (the boot log
    // names no beacon). The page's data is readData(), the configuration configurationData().
    void setPage(quint8 page, bool configurationFirst = false);
    quint8 page() const { return m_page; }
    void setWriteData(const QByteArray &data) { m_writeData = data; }
    void setForceSinglePage(bool force) { m_forceSinglePage = force; }
    bool forceSinglePage() const { return m_forceSinglePage; }
    void setAnswerDelay(int ms) { m_answerDelay = ms; }
    int answerDelay() const { return m_answerDelay; }
    // The pauses that leave the beacon its turnaround (and those of both XMODEM
    // engines); off only for a far end that needs none (tests, fuzzing).
    void setPauses(bool on);
    // A port its owner opened and keeps open: the link uses it as it is and never opens
    // or closes it. Only before the first operation; for a far end that never goes away
    // (fuzzing), where opening the port for every operation costs more than the operation.
    void setOpenPort(QSerialPort *port) { m_givenPort = port; }
    QByteArray readData() const { return m_readData; }
    QByteArray configurationData() const { return m_configurationData; }
    double progress() const { return m_progress; }
    int state() const { return m_state; }
    bool isXmodem() const { return m_xmodem; }

    // How long an XMODEM transfer of `bytes` may take with every resend the protocol
    // allows, at 2400 baud and with the host's pauses.
    static int readTimeoutMs(int bytes);
    static int writeTimeoutMs(int bytes);
    // Per byte of the older beacons' protocol.
    static constexpr int kOlderTimeoutMs = 10000;

signals:
    void syncReceived(char EpirbCode);
    void comProgressChanged();
    void pageReceived();
    void success(int nDataCount);
    void failure(int error);
    void timeout();
    // Emitted last by on_requestStop: every signal before it belongs to the operation
    // that was stopped, every one after it to the next.
    void stopped();

public slots:
    bool receiveStart();
    bool verifyStart();
    bool transmitStart();
    bool transmitProductionStart();
    void on_requestStop(const QString &reason = QString());

private slots:
    void on_readData();
    void on_writeData();
    void on_timeout();
    void on_twoPageTimeout();
    void on_receiveTimeout();
    void on_syncQuiet();
    void on_xmodemBytesTxRx(quint64 count);
    void on_xmodemRxSuccess();
    void on_xmodemTxSuccess();
    void on_xmodemFailure(int code);

private:
    enum class Operation { None, Read, Write };

    void prepare();
    bool openPort(const char *what);
    void disconnectPort();
    void setProgress(double value);
    int writeTotal() const;
    void updateWriteProgress();
    void stepRead(QByteArray chunk);
    void stepWrite();
    bool startReading(const char *what);
    // A new XMODEM session: the configuration page first when asked for.
    void beginXmodemReads();
    // The XMODEM read of the next page of this session: page, size and time-out.
    void startXmodemRead();
    // Runs queued requests too: false when one of them stopped or restarted the link.
    bool pauseProcessingEvents(int ms);
    void abortTransfers();
    void forgetSyncCandidate();

    double m_progress = 0;
    QSerialPort *m_port = nullptr;
    QSerialPort *m_givenPort = nullptr;
    QString m_portName;
    int m_state = 0;
    QByteArray m_writeData;
    QByteArray m_readData;
    int m_byteCount = 0;
    QTimer *m_timeoutTimer = nullptr;
    QTimer *m_pageTimer = nullptr;
    QByteArray m_pages;
    int m_pageIndex = 0;
    int m_answerBytes = 0;
    QByteArray m_answer;
    QTimer *m_answerTimer = nullptr;
    // A beacon sends its sync character alone: one that the line follows with other bytes
    // is part of a transfer still under way (a read restarted mid-packet), not a sync.
    QTimer *m_syncTimer = nullptr;
    char m_syncCandidate = 0;
    bool m_syncConfirmed = false;
    bool m_production = false;
    bool m_xmodem = false;
    EpirbXmodemTx *m_tx = nullptr;
    EpirbXmodemRx *m_rx = nullptr;
    QElapsedTimer m_elapsed;
    unsigned int m_hostBytes = 0;
    bool m_forceSinglePage = false;
    int m_answerDelay = 40;
    quint8 m_page = 0;
    int m_expectedSize = 192;
    bool m_configurationFirst = false;
    // The configuration page of this session is still to come, ahead of m_page.
    bool m_readingConfiguration = false;
    QByteArray m_configurationData;
    // Bytes of this operation moved before the transfer that runs now: the progress of a
    // read of two pages runs over both.
    int m_progressOffset = 0;

    // The command whose answer is being judged, so its echo is not taken for the answer.
    QByteArray m_command;
    int m_transferSize = 192;
    Operation m_operation = Operation::None;
    bool m_inHandler = false;
    bool m_pendingData = false;
    // Changes at every start and stop, so a handler that let events run can tell that
    // the operation it was serving is gone.
    quint64 m_generation = 0;
    // A read was started on this link before: the next one drains the line first.
    bool m_readBefore = false;
    bool m_pauses = true;
};
