#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>


class ConfigTables;
class DatabaseIfc;
class EpirbComm;
class EpirbConfig;
class EpirbLogDb;
class LinkChannel;
class RegisterOutbox;
class WriteGate;
class epirbdatablkWrapper;

// The work on the beacon: read (identify, read-out, production), boot-log read, write
// with its read-before-write and verification, retry, production write, stop. Its state
// is `phase`; the status text and progress are for display only, and every operation ends
// with one typed result.
//
// The link lives in its own thread; the session reaches it through a LinkChannel.
class ProgrammingSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(QString statusText READ statusText WRITE setStatusText NOTIFY statusTextChanged)
    Q_PROPERTY(bool statusError READ statusError WRITE setStatusError NOTIFY statusErrorChanged)
    Q_PROPERTY(double progress READ progress WRITE setProgress NOTIFY progressChanged)
    Q_PROPERTY(bool writeInProgress READ writeInProgress NOTIFY writeInProgressChanged)

public:
    enum class Phase {
        Idle,
        WaitingForBeacon,
        Reading,
        CheckingBeacon,
        Writing,
        Verifying,
        WaitingForAnswer,
        Done,
        Failed
    };
    Q_ENUM(Phase)

    enum class WriteOutcome { Verified, VerifiedNotStored, Failed, Refused };
    Q_ENUM(WriteOutcome)

    // What ended an operation that did not succeed.
    enum class Failure {
        None,
        LinkRead,      // the link failed while reading (a read, a verification of its own)
        LinkWrite,     // the link failed during a write run
        Timeout,
        Unsupported,   // not a beacon of the current generation, or a block that does not decode
        BootLogRejected,
        WrongBeacon,   // the read-before-write found another beacon
        VerifyMismatch,
        Refused,       // the write gate, or a production rule
        Cancelled      // the technician's answer to the duplicate question
    };
    Q_ENUM(Failure)

    struct Collaborators
    {
        EpirbComm *link = nullptr;
        ConfigTables *tables = nullptr;
        EpirbConfig *current = nullptr; // as read from the beacon
        EpirbConfig *pending = nullptr; // being edited and written
        DatabaseIfc *database = nullptr;
        const WriteGate *gate = nullptr;
        RegisterOutbox *outbox = nullptr;       // none without a register
        EpirbLogDb *bootLog = nullptr;
        epirbdatablkWrapper *view = nullptr;    // none without pages
    };
    struct Options
    {
        QString version;       // stored in programmed beacons
        bool skipReadback = false;
        bool production = false;
        // The "serialno" word of a production run as given, for the refusal's text.
        QString productionSerialArgument;
    };

    ProgrammingSession(const Collaborators &collaborators, const Options &options, QObject *parent = nullptr);
    ~ProgrammingSession() override;

    Phase phase() const { return m_phase; }
    // Between the start of an operation and its end (result or stop).
    QString statusText() const { return m_statusText; }
    void setStatusText(const QString &text);
    bool statusError() const { return m_statusError; }
    void setStatusError(bool error);
    void setStatus(const QString &text, bool error);
    // A status said again when the language changes.
    void setStatus(std::function<QString()> make, bool error);
    void retranslateStatus();
    double progress() const { return m_progress; }
    void setProgress(double progress);
    bool writeInProgress() const { return m_writeInProgress; }
    Failure lastFailure() const { return m_lastFailure; }
    // Why the write gate refused the last write, as the rule says it; empty when it did not.
    QString refusalReason() const { return m_refusalReason; }

    EpirbConfig *current() const { return m_c.current; }
    EpirbConfig *pending() const { return m_c.pending; }
    EpirbComm *link() const;
    const Options &options() const { return m_options; }
    QByteArray writeBlock() const { return m_writeBlock; }
    // Why the last verified beacon was not saved in the database; empty when it was.
    QString storeError() const { return m_storeError; }
    // The beacon read by startProductionRead() is still on the open link.
    bool holdsReadBeacon() const { return m_heldBeacon; }
    QVariantList duplicateHolders() const { return m_duplicateHolders; }
    QString duplicateHexId() const { return m_duplicateHexId; }
    // The question is (also) about an ID the shared register could not check.
    bool duplicateUnchecked() const;

    // readbackMode false is the wizard's first page: with skipReadback it only starts an
    // empty record.
    void startRead(bool readbackMode);
    // After success the beacon stays on the open link for startProductionWrite().
    void startProductionRead();
    void startBootLogRead();
    void startWrite();
    void startVerify();
    void retryWrite();
    void startProductionWrite();
    void stop(const QString &reason = QString());
    // A run without read-out starts from an empty record of the chosen model.
    void startManualRun(int beaconType);
    // Answers to duplicateIdFound.
    bool programAnyway(const QString &reason);
    void cancelDuplicateWrite();
    // Only between operations; reaches the link queued.
    void setPortName(const QString &name);

    // One warning line per 16 bytes: "%03x: " and lower-case hex pairs.
    static QStringList hexDump(const QByteArray &bytes);

signals:
    void phaseChanged();
    void statusTextChanged();
    void statusErrorChanged();
    void progressChanged();
    void writeInProgressChanged();
    // The beacon's sync character came: it is there and answering.
    void beaconAnswered();

    // The results, one per operation.
    void readFinished(bool ok, const QString &text);
    void bootLogFinished(bool ok, const QString &text);
    void writeFinished(ProgrammingSession::WriteOutcome outcome, const QString &text);

    // A write stopped before the beacon was touched: another beacon carries its hex ID.
    // Answer with programAnyway() or cancelDuplicateWrite().
    void duplicateIdFound();
    void duplicateQuestionChanged();
    // A refusal the technician must read whatever page is shown (title, text).
    void warningRaised(const QString &title, const QString &text);

    // Each request as it goes to the link.
    void requestComStop(const QString &msg);
    void requestReceiveStart();
    void requestReciveLogStart();
    void requestVerifyStart();
    void requestWriteStart();
    void requestProductionStart();

private:
    void showStatusText(const QString &text);
    enum class Operation { None, Read, ProductionRead, BootLog, Programming, Verify, ProductionWrite };
    // Which step the link's next success completes.
    enum class Step { None, Read, BootLog, ReadBeforeWrite, Write, Verify };
    // What a link failure is taken for.
    enum class FailureKind { None, Read, BootLog, Write };

    void setPhase(Phase phase);
    void setWriteInProgress(bool inProgress);
    void startProgress(int steps);
    void prepareWrite();
    // Passes the pending record through the gate; false (refused or asked) when the link
    // must not start. allowQuestion: a duplicate is asked about, else refused.
    bool passGate(bool allowQuestion);
    void beginWrite();
    bool stillAsChecked() const;
    void endRunningOperation();
    void arm(Step step, FailureKind failure);
    void clearHandlers();

    // Requests to the link, each announced as it goes.
    void emitStop(const QString &msg);
    void requestRead(quint8 page, bool bootLog);
    void requestVerify();
    void requestWrite(const QByteArray &block);
    void requestProductionWrite(const QByteArray &block);

    // What the link reports, already in this thread.
    void onSync(char ch);
    void onLinkProgress(double linkProgress);
    void onLinkSuccess(const QByteArray &data, const QByteArray &configuration);
    void onLinkFailure(int error);
    void onLinkTimeout();

    void readDone(const QByteArray &data);
    void bootLogDone(const QByteArray &data, const QByteArray &configuration);
    void readBeforeWriteDone(const QByteArray &data);
    void writeDone();
    void verifyDone(const QByteArray &data);

    void failRead(Failure failure, const QString &status, const QString &text);
    void failWrite(Failure failure, const QString &status, const QString &text);
    void refuseWrite(const QString &why);
    void refuseProduction(const QString &text);
    bool storeVerifiedBeacon();

    QString duplicateKey() const;
    void setDuplicateQuestion(const QString &hexId, const QVariantList &holders);

    Collaborators m_c;
    Options m_options;
    LinkChannel *m_channel = nullptr;

    Phase m_phase = Phase::Idle;
    Failure m_lastFailure = Failure::None;
    QString m_statusText;
    std::function<QString()> m_statusMaker;
    bool m_statusError = false;
    double m_progress = 0;
    bool m_writeInProgress = false;

    Operation m_operation = Operation::None;
    Step m_step = Step::None;
    FailureKind m_failureKind = FailureKind::None;
    bool m_onSync = false;
    bool m_onTimeout = false;
    bool m_onProgress = false;

    int m_stepCount = 1;
    int m_stepsDone = 0;
    char m_syncChar = '?';
    QByteArray m_writeBlock;
    // The block the gate passed and the message of the record it was made from: what goes
    // out is that block, and only while the record still makes that message.
    QByteArray m_checkedBlock;
    QByteArray m_checkedMessage;
    QString m_storeError;
    QString m_refusalReason;

    bool m_heldBeacon = false;

    QVariantList m_duplicateHolders;
    QString m_duplicateHexId;
    // The beacon and ID the question was asked for, and the reason given for them: a
    // retried write of the same beacon asks no more until it is programmed.
    QString m_duplicateAskedKey;
    QString m_duplicateAllowedKey;
    QString m_duplicateAllowedReason;
};
