#include "session/programmingsession.h"

#include "config/configextrametadata.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "documents/epirbdatablkwrapper.h"
#include "link/epirbcomm.h"
#include "records/databaseifc.h"
#include "records/duplicateguard.h"
#include "records/epirblogdb.h"
#include "records/registeroutbox.h"
#include "session/linkchannel.h"
#include "session/writegate.h"

#include <QDate>
#include <QDebug>

namespace {
// Verification codes beside the compare() bits: the block read back does not decode,
// or it differs in bytes that compare() does not look at.
constexpr int kVerifyUndecodable = -1;
constexpr int kVerifyBytesDiffer = -2;
}

ProgrammingSession::ProgrammingSession(const Collaborators &collaborators, const Options &options, QObject *parent)
    : QObject(parent)
    , m_c(collaborators)
    , m_options(options)
    , m_channel(new LinkChannel(collaborators.link, this))
{
    connect(m_channel, &LinkChannel::succeeded, this, &ProgrammingSession::onLinkSuccess);
    connect(m_channel, &LinkChannel::progressed, this, &ProgrammingSession::onLinkProgress);
    connect(m_channel, &LinkChannel::syncReceived, this, &ProgrammingSession::onSync);
    connect(m_channel, &LinkChannel::failed, this, &ProgrammingSession::onLinkFailure);
    connect(m_channel, &LinkChannel::timedOut, this, &ProgrammingSession::onLinkTimeout);
}

ProgrammingSession::~ProgrammingSession() = default;

EpirbComm *ProgrammingSession::link() const
{
    return m_channel->link();
}


// ---------------------------------------------------------------------------
// State shown

void ProgrammingSession::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

void ProgrammingSession::setStatusText(const QString &text)
{
    m_statusMaker = nullptr;
    showStatusText(text);
}

void ProgrammingSession::showStatusText(const QString &text)
{
    if (m_statusText == text)
        return;
    m_statusText = text;
    emit statusTextChanged();
}

void ProgrammingSession::setStatusError(bool error)
{
    if (m_statusError == error)
        return;
    m_statusError = error;
    emit statusErrorChanged();
}

void ProgrammingSession::setStatus(const QString &text, bool error)
{
    setStatusText(text);
    setStatusError(error);
}

void ProgrammingSession::setStatus(std::function<QString()> make, bool error)
{
    showStatusText(make());
    m_statusMaker = std::move(make);
    setStatusError(error);
}

void ProgrammingSession::retranslateStatus()
{
    // A status made from a fixed text is said again in the language just chosen; one made
    // from a failure's details stays as it was said.
    if (m_statusMaker)
        showStatusText(m_statusMaker());
}

void ProgrammingSession::setProgress(double progress)
{
    m_progress = progress;
    emit progressChanged();
}

void ProgrammingSession::setWriteInProgress(bool inProgress)
{
    if (m_writeInProgress == inProgress)
        return;
    m_writeInProgress = inProgress;
    emit writeInProgressChanged();
}

void ProgrammingSession::startProgress(int steps)
{
    setProgress(0);
    m_stepCount = steps;
    m_stepsDone = 0;
}

void ProgrammingSession::onLinkProgress(double linkProgress)
{
    if (!m_channel->isCurrent() || !m_onProgress)
        return;
    m_progress = qBound(0.0, (m_stepsDone * 100 + linkProgress) / m_stepCount, 100.0);
    emit progressChanged();
}

// ---------------------------------------------------------------------------
// Requests to the link

void ProgrammingSession::clearHandlers()
{
    m_step = Step::None;
    m_failureKind = FailureKind::None;
    m_onSync = m_onTimeout = m_onProgress = false;
}

void ProgrammingSession::arm(Step step, FailureKind failure)
{
    m_step = step;
    m_failureKind = failure;
    m_onSync = m_onTimeout = m_onProgress = true;
}

void ProgrammingSession::emitStop(const QString &msg)
{
    // A stop also ends a question left open.
    setDuplicateQuestion(QString(), {});
    m_heldBeacon = false;
    setWriteInProgress(false);
    clearHandlers();
    m_channel->stop(msg);
    emit requestComStop(msg);
}

void ProgrammingSession::endRunningOperation()
{
    // A start while an operation is under way ends that one first, so nothing it still
    // reports can be taken for the new one's.
    if (m_channel->isActive())
        emitStop(QString());
    clearHandlers();
}

void ProgrammingSession::requestRead(quint8 page, bool bootLog)
{
    // The configuration comes first for a boot log: the log alone does not say whose it is.
    m_channel->read(page, bootLog);
    if (bootLog)
        emit requestReciveLogStart();
    else
        emit requestReceiveStart();
}

void ProgrammingSession::requestVerify()
{
    m_channel->verify();
    emit requestVerifyStart();
}

void ProgrammingSession::requestWrite(const QByteArray &block)
{
    m_channel->write(block);
    emit requestWriteStart();
}

void ProgrammingSession::requestProductionWrite(const QByteArray &block)
{
    m_channel->productionWrite(block);
    emit requestProductionStart();
}

void ProgrammingSession::setPortName(const QString &name)
{
    m_channel->setPortName(name);
}

void ProgrammingSession::stop(const QString &reason)
{
    emitStop(reason);
    if (m_phase != Phase::Done && m_phase != Phase::Failed)
        setPhase(Phase::Idle);
}

// ---------------------------------------------------------------------------
// Reading a beacon and its boot log

void ProgrammingSession::startRead(bool readbackMode)
{
    startProgress(1);
    qDebug() << "startRead: startEpirbReceive activated from QML";
    if (m_options.skipReadback && !readbackMode) {
        m_c.pending->reset();
        return;
    }
    endRunningOperation();
    m_operation = Operation::Read;
    m_syncChar = '?';
    arm(Step::Read, FailureKind::Read);
    setStatus([] { return tr("Waiting for connection..."); }, false);
    setPhase(Phase::WaitingForBeacon);
    requestRead(0, false);
}

void ProgrammingSession::startProductionRead()
{
    startRead(true);
    m_operation = Operation::ProductionRead;
}

void ProgrammingSession::startManualRun(int beaconType)
{
    // Without a read-out nothing is known of the beacon, and nothing of an earlier run
    // (serial, owner, note, identity, battery expiry) may pass for it.
    for (EpirbConfig *config : { m_c.current, m_c.pending }) {
        config->reset();
        config->setSerial(QString());
        config->setMessageBytes(QByteArray());
        config->setBatteryExpiry(QDateTime());
    }
    m_c.pending->setProtocolId(ConfigTables::E_StdLocationMmsi);
    m_c.pending->setBeaconType(beaconType);
    qDebug() << "startManualRun: manual run for beacon type" << beaconType;
}

void ProgrammingSession::startBootLogRead()
{
    startProgress(1);
    qDebug() << "startBootLogRead: startEpirbLogRead activated from QML";
    endRunningOperation();
    m_operation = Operation::BootLog;
    m_syncChar = '?';
    arm(Step::BootLog, FailureKind::BootLog);
    setStatus([] { return tr("Waiting for connection..."); }, false);
    setPhase(Phase::WaitingForBeacon);
    requestRead(2, true);
}

void ProgrammingSession::onSync(char ch)
{
    if (!m_channel->isCurrent() || !m_onSync)
        return;
    m_syncChar = ch;
    qDebug() << "onSync: " << ch;
    switch (m_operation) {
    case Operation::ProductionWrite:
        setWriteInProgress(true);
        setStatus([] { return tr("Writing to PLB..."); }, false);
        setPhase(Phase::Writing);
        break;
    case Operation::Programming:
        setWriteInProgress(true);
        if (m_stepsDone > 0) {
            // A retried write: the beacon was checked before.
            setStatus([] { return tr("Writing data to PLB..."); }, false);
            setPhase(Phase::Writing);
        } else {
            setStatus([] { return tr("Checking PLB before programming..."); }, false);
            setPhase(Phase::CheckingBeacon);
        }
        break;
    default:
        setStatus([] { return tr("Reading data from PLB..."); }, false);
        setPhase(m_step == Step::Verify ? Phase::Verifying : Phase::Reading);
        break;
    }
    emit beaconAnswered();
}

void ProgrammingSession::onLinkSuccess(const QByteArray &data, const QByteArray &configuration)
{
    if (!m_channel->isCurrent())
        return;
    switch (m_step) {
    case Step::Read:
        readDone(data);
        break;
    case Step::BootLog:
        bootLogDone(data, configuration);
        break;
    case Step::ReadBeforeWrite:
        readBeforeWriteDone(data);
        break;
    case Step::Write:
        writeDone();
        break;
    case Step::Verify:
        verifyDone(data);
        break;
    case Step::None:
        break;
    }
}

void ProgrammingSession::readDone(const QByteArray &data)
{
    EpirbConfig *current = m_c.current;
    qDebug() << "readDone: Readback successfully: bytes read" << data.size();
    if (m_syncChar != 'H' || !decodeDataBlock(data, *current)) {
        const QString text = tr("Unsupported beacon type");
        emitStop(text);
        m_lastFailure = Failure::Unsupported;
        setStatus(text, true);
        setPhase(Phase::Failed);
        emit readFinished(false, text);
        return;
    }
    current->setExtraMetadata(ConfigExtraMetadata());
    current->applyMetadataBatteryExpiry();
    // The block carries no note: one left in the record belongs to an earlier beacon.
    current->setAdditionalInfo(QString());
    // Nor a duplicate reason, which belongs to a programming, not to the beacon.
    current->setDuplicateReason(QString());
    current->setRegisterPending(false);
    m_c.pending->copyFrom(*current);
    if (m_c.view)
        m_c.view->setConfig(current, epirbdatablkWrapper::ReadbackView);
    m_lastFailure = Failure::None;
    if (m_operation == Operation::ProductionRead) {
        // The beacon stays answered on the open link: its write needs no second sync.
        m_heldBeacon = true;
        m_step = Step::None;
        setPhase(Phase::Done);
        emit readFinished(true, QString());
        return;
    }
    emitStop(QString());
    setPhase(Phase::Done);
    emit readFinished(true, QString());
}

void ProgrammingSession::bootLogDone(const QByteArray &data, const QByteArray &configuration)
{
    emitStop(QString());
    qDebug() << "bootLogDone: Log successfully: bytes read" << data.size();
    EpirbLogDb *log = m_c.bootLog;
    QString text;
    if (m_syncChar != 'H') {
        // An older beacon's page 2 is no boot log.
        text = tr("Unsupported beacon type");
    } else {
        // The export is written only by a good decode.
        const int result = log->parseRead(configuration, data);
        if (result == EpirbLogDb::Ok) {
            m_lastFailure = Failure::None;
            setPhase(Phase::Done);
            emit bootLogFinished(true, QString());
            return;
        }
        text = result == EpirbLogDb::ShortBlock ? tr("Boot log incomplete. Please retry.")
                                                : tr("Unsupported boot log version");
    }
    // The previous beacon's log must not pass for this one's.
    log->clear();
    qWarning().noquote() << "bootLogDone: boot log rejected: " + text;
    m_lastFailure = Failure::BootLogRejected;
    setStatus(text, true);
    setPhase(Phase::Failed);
    emit bootLogFinished(false, text);
}

// ---------------------------------------------------------------------------
// Programming

void ProgrammingSession::prepareWrite()
{
    EpirbConfig *pending = m_c.pending;
    ConfigTables *tables = m_c.tables;
    pending->setQuorvikVersion(m_options.version);
    bool ok = false;
    const uint dealer = tables->dealerNo().toUInt(&ok);
    pending->setProgDealer(ok ? dealer : 0);
    pending->setProgStation(tables->progStation());
    pending->setProgOperator(tables->operatorName());
    pending->setProgDate(QDate::currentDate());
    tables->prepareConfig(*pending);
    pending->calculateCsMsg();
    // What the block cannot hold is cut before the check, so the check sees what is written.
    limitDataBlockTexts(*pending);
}

void ProgrammingSession::refuseWrite(const QString &why)
{
    const QString text = tr("Write refused: %1").arg(why);
    qWarning().noquote() << "Write refused, nothing written: " + why;
    m_refusalReason = why;
    emitStop(text);
    m_lastFailure = Failure::Refused;
    setStatus(text, true);
    setPhase(Phase::Failed);
    emit writeFinished(WriteOutcome::Refused, text);
}

bool ProgrammingSession::passGate(bool allowQuestion)
{
    m_checkedBlock.clear();
    const WriteGate::Verdict verdict = m_c.gate->check(*m_c.pending);
    if (verdict.kind == WriteGate::Verdict::Refused) {
        refuseWrite(verdict.text);
        return false;
    }
    if (verdict.kind == WriteGate::Verdict::Duplicate || verdict.kind == WriteGate::Verdict::Unchecked) {
        const QString hexId = verdict.text;
        const bool unchecked = verdict.kind == WriteGate::Verdict::Unchecked;
        QStringList lines;
        QVariantList holders;
        if (unchecked) {
            lines << WriteGate::uncheckedText();
            holders << QVariantMap { { QStringLiteral("unchecked"), true }, { QStringLiteral("text"), lines.first() },
                                     { QStringLiteral("foundIn"), verdict.registerError } };
        }
        for (const DuplicateGuard::Holder &h : verdict.holders) {
            const QString line = DuplicateGuard::describe(h);
            lines << line;
            holders << QVariantMap { { QStringLiteral("model"), h.model },
                                     { QStringLiteral("serial"), h.serial },
                                     { QStringLiteral("date"), h.progDate.toString(Qt::ISODate) },
                                     { QStringLiteral("station"), h.station },
                                     { QStringLiteral("operator"), h.operatorName },
                                     { QStringLiteral("foundIn"), h.foundIn },
                                     { QStringLiteral("text"), line } };
        }
        if (!allowQuestion) {
            // Nobody at a production line may decide that two beacons share an ID.
            const QString text = unchecked
                ? tr("Write refused: hex ID %1 could not be checked. %2. Nothing was written.").arg(hexId, lines.first())
                : tr("Write refused: hex ID %1 is already carried by "
                     "%2. Nothing was written.")
                      .arg(hexId, lines.first());
            qWarning().noquote() << "Production write refused, nothing written: hex ID " + hexId + " of PLB "
                    + m_c.pending->beaconSerial() + (unchecked ? QStringLiteral(": ") : QStringLiteral(" is already carried by "))
                    + lines.join(QStringLiteral("; "));
            refuseProduction(text);
            return false;
        }
        const QString key = duplicateKey();
        // A reason given for an unchecked ID does not cover a holder found later, nor the reverse.
        const QString allowedKey = key + (unchecked ? QStringLiteral(" unchecked") : QString());
        if (!m_duplicateAllowedKey.isEmpty() && allowedKey == m_duplicateAllowedKey) {
            // Answered already for this beacon and ID; the write is being tried again.
            m_c.pending->setDuplicateReason(m_duplicateAllowedReason);
            qWarning().noquote() << "Hex ID " + hexId + " is also carried by " + lines.join(QStringLiteral("; "))
                    + "; programming anyway as allowed before, reason: " + m_duplicateAllowedReason;
        } else {
            qWarning().noquote() << "Hex ID " + hexId + " of PLB " + m_c.pending->beaconSerial()
                    + (unchecked ? QStringLiteral(": ") : QStringLiteral(" is already carried by "))
                    + lines.join(QStringLiteral("; ")) + "; nothing written, asking the technician";
            m_duplicateAskedKey = key;
            setStatus(unchecked ? tr("Not written: hex ID %1 could not be checked in the shared register. Cancel, or "
                                     "program anyway with a reason.")
                                      .arg(hexId)
                                : tr("Not written: hex ID %1 is already carried by another beacon. Cancel, or program "
                                     "anyway with a reason.")
                                      .arg(hexId),
                      true);
            setPhase(Phase::WaitingForAnswer);
            setDuplicateQuestion(hexId, holders);
            emit duplicateIdFound();
            return false;
        }
    }
    m_checkedBlock = verdict.block;
    m_checkedMessage = m_c.pending->messageBytes();
    return true;
}

void ProgrammingSession::startWrite()
{
    m_refusalReason.clear();
    startProgress(3);
    qDebug() << "startWrite: startEpirbWrite activated from QML";
    endRunningOperation();
    m_operation = Operation::Programming;
    setDuplicateQuestion(QString(), {});
    // A reason given for an earlier write does not carry over to this one.
    m_c.pending->setDuplicateReason(QString());
    prepareWrite();
    if (!passGate(true))
        return;
    beginWrite();
}

bool ProgrammingSession::duplicateUnchecked() const
{
    for (const QVariant &h : m_duplicateHolders) {
        if (h.toMap().value(QStringLiteral("unchecked")).toBool())
            return true;
    }
    return false;
}

QString ProgrammingSession::duplicateKey() const
{
    const EpirbConfig *pending = m_c.pending;
    return pending->epirbHexMsg() + QLatin1Char(' ') + QString::number(pending->beaconType()) + QLatin1Char(' ')
        + pending->beaconSerial();
}

void ProgrammingSession::setDuplicateQuestion(const QString &hexId, const QVariantList &holders)
{
    if (m_duplicateHexId == hexId && m_duplicateHolders == holders)
        return;
    m_duplicateHexId = hexId;
    m_duplicateHolders = holders;
    if (holders.isEmpty())
        m_duplicateAskedKey.clear();
    emit duplicateQuestionChanged();
}

bool ProgrammingSession::programAnyway(const QString &reasonIn)
{
    const QString reason = reasonIn.simplified();
    if (m_duplicateHolders.isEmpty()) {
        qWarning() << "programAnyway: no write is waiting for an answer";
        return false;
    }
    if (reason.isEmpty()) {
        setStatus([] { return tr("Not written: give the reason for programming a hex ID another beacon carries."); }, true);
        return false;
    }
    if (duplicateKey() != m_duplicateAskedKey) {
        // The record changed under the question: what was asked no longer holds.
        const QString text = tr("Write cancelled: the configuration changed while the question was open. "
                                "Nothing was written.");
        qWarning().noquote() << "programAnyway: the pending record changed since the question; nothing written";
        setDuplicateQuestion(QString(), {});
        m_lastFailure = Failure::Cancelled;
        setStatus(text, true);
        setPhase(Phase::Failed);
        emit writeFinished(WriteOutcome::Refused, text);
        return false;
    }
    const QString hexId = m_duplicateHexId;
    QStringList lines;
    for (const QVariant &h : std::as_const(m_duplicateHolders))
        lines << h.toMap().value(QStringLiteral("text")).toString();
    qWarning().noquote() << "Programming PLB " + m_c.pending->beaconSerial() + " with hex ID " + hexId
            + " although it is carried by " + lines.join(QStringLiteral("; ")) + "; reason given by "
            + m_c.pending->progOperator() + ": " + reason;
    m_duplicateAllowedKey = m_duplicateAskedKey + (duplicateUnchecked() ? QStringLiteral(" unchecked") : QString());
    m_duplicateAllowedReason = reason;
    setDuplicateQuestion(QString(), {});
    // Asked again with the answer in hand: the gate sees the record as it is now.
    m_c.pending->setDuplicateReason(QString());
    if (!passGate(true))
        return false;
    beginWrite();
    return true;
}

void ProgrammingSession::cancelDuplicateWrite()
{
    if (m_duplicateHolders.isEmpty())
        return;
    const QString text = duplicateUnchecked()
        ? tr("Write cancelled: hex ID %1 could not be checked in the shared register. Nothing was written to the PLB.")
              .arg(m_duplicateHexId)
        : tr("Write cancelled: hex ID %1 is carried by another "
             "beacon. Nothing was written to the PLB.")
              .arg(m_duplicateHexId);
    qInfo().noquote() << "Write of PLB " + m_c.pending->beaconSerial() + " cancelled: hex ID " + m_duplicateHexId
            + " is carried by another beacon; nothing written";
    setDuplicateQuestion(QString(), {});
    m_lastFailure = Failure::Cancelled;
    setStatus(text, true);
    setPhase(Phase::Failed);
    emit writeFinished(WriteOutcome::Refused, text);
}

void ProgrammingSession::beginWrite()
{
    arm(Step::ReadBeforeWrite, FailureKind::Write);
    setStatus([] { return tr("Waiting for connection..."); }, false);
    setPhase(Phase::WaitingForBeacon);
    requestRead(0, false);
}

void ProgrammingSession::readBeforeWriteDone(const QByteArray &data)
{
    ++m_stepsDone;
    qDebug() << "readBeforeWriteDone: Readback before write: bytes read" << data.size();
    m_step = Step::None;

    if (m_syncChar != 'H') {
        qDebug() << "readBeforeWriteDone: Abort programming, legacy not supported";
        failWrite(Failure::WrongBeacon, tr("Wrong beacon type or serial number..."), QString());
        return;
    }

    EpirbConfig onBeacon(nullptr);
    const bool decoded = decodeDataBlock(data, onBeacon);
    // An undecodable block carries no serial or type to compare: it never matches.
    const bool sameBeacon = decoded && onBeacon.serialBytes() == m_c.pending->serialBytes()
        && onBeacon.beaconType() == m_c.pending->beaconType();
    if (!sameBeacon && !m_options.skipReadback) {
        qDebug() << "readBeforeWriteDone: Abort programming";
        failWrite(Failure::WrongBeacon, tr("Wrong beacon type or serial number..."), QString());
        return;
    }

    // The last look before the beacon gets it: the block is the one checked, and the
    // record is still the one it was made from.
    if (!stillAsChecked()) {
        refuseWrite(tr("the configuration changed after it was checked. Nothing was written."));
        return;
    }
    qDebug() << "readBeforeWriteDone: Allowed to program: " << m_syncChar;
    m_writeBlock = m_checkedBlock;
    setStatus([] { return tr("Writing data to PLB..."); }, false);
    setPhase(Phase::Writing);
    m_step = Step::Write;
    requestWrite(m_writeBlock);
}

bool ProgrammingSession::stillAsChecked() const
{
    if (m_checkedBlock.isEmpty() || encodeDataBlock(*m_c.pending) != m_checkedBlock)
        return false;
    // The identity as the record holds it now must still make the message checked.
    EpirbConfig now(nullptr);
    now.copyFrom(*m_c.pending);
    now.calculateCsMsg();
    return now.messageBytes() == m_checkedMessage;
}

void ProgrammingSession::writeDone()
{
    ++m_stepsDone;
    qDebug() << "writeDone: Success Writing to Epirb";
    m_step = Step::Verify;
    requestVerify();
    setStatus([] { return tr("Verifying Data Written to PLB..."); }, false);
    setPhase(Phase::Verifying);
}

void ProgrammingSession::startVerify()
{
    // On its own, not as the last step of a write: the link opens the port and waits
    // for the beacon as for a read, with the same time-out and failure path.
    startProgress(1);
    qDebug() << "startVerify";
    endRunningOperation();
    m_operation = Operation::Verify;
    m_syncChar = '?';
    arm(Step::Verify, FailureKind::Read);
    setStatus([] { return tr("Waiting for connection..."); }, false);
    setPhase(Phase::WaitingForBeacon);
    requestVerify();
}

void ProgrammingSession::verifyDone(const QByteArray &readback)
{
    qDebug() << "verifyDone: Success Writing to Epirb";
    const QString failedText = QStringLiteral("Verification failed");
    if (m_syncChar != 'H') {
        qWarning() << "Legacy protocol not supported";
        m_lastFailure = Failure::VerifyMismatch;
        setStatus([] { return tr("PLB verification failed"); }, true);
        emitStop(failedText);
        setPhase(Phase::Failed);
        emit writeFinished(WriteOutcome::Failed, failedText);
        return;
    }

    EpirbConfig *current = m_c.current;
    EpirbConfig *pending = m_c.pending;
    // Every byte the program wrote must come back; the record's compare misses most of them.
    const int differsAt = writtenBlockDifference(m_writeBlock, readback);
    int d = 0;
    if (m_options.production) {
        // Production models are not decoded.
        if (differsAt < 0)
            current->copyFrom(*pending);
        else
            d = kVerifyBytesDiffer;
    } else if (!decodeDataBlock(readback, *current)) {
        // A block that does not decode proves nothing, whatever the current record holds.
        d = kVerifyUndecodable;
    } else if (m_writeBlock.isEmpty()) {
        // A verification on its own follows no write of this run: there are no written bytes,
        // only the pending record to hold the beacon against.
        d = pending->compare(*current);
    } else if (differsAt >= 0) {
        // The field groups tell what differs; the bytes decide.
        d = pending->compare(*current);
        if (d == 0)
            d = kVerifyBytesDiffer;
    }
    current->setExtraMetadata(ConfigExtraMetadata());
    current->applyMetadataBatteryExpiry();

    if (d == 0) {
        qDebug() << "verifyDone: Verify succeeded!";
        // Programmed: the next write of this beacon asks again.
        m_duplicateAllowedKey.clear();
        m_duplicateAllowedReason.clear();
        const bool stored = storeVerifiedBeacon();
        if (stored) {
            setStatus([] { return tr("PLB programmed successfully"); }, false);
        } else {
            // The beacon is programmed, but no record of it will be found later.
            qWarning().noquote() << "verifyDone: PLB programmed, but not saved in the database: " + m_storeError;
            setStatus([] { return tr("PLB programmed successfully, but not saved in the database"); }, true);
        }
        m_lastFailure = Failure::None;
        setPhase(Phase::Done);
        emit writeFinished(stored ? WriteOutcome::Verified : WriteOutcome::VerifiedNotStored, QString());
        if (m_options.production && m_c.view)
            m_c.view->createReport();
        qDebug() << "Stopped Epirb Receive";
        emitStop(QString());
        return;
    }

    m_lastFailure = Failure::VerifyMismatch;
    setStatus([] { return tr("PLB verification failed"); }, true);
    emitStop(failedText);
    setPhase(Phase::Failed);
    emit writeFinished(WriteOutcome::Failed, failedText);
    if (differsAt >= 0)
        qWarning().noquote() << QStringLiteral("verifyDone: block read back differs from the written one at byte %1")
                                    .arg(differsAt);
    qWarning() << "on_successVerify:Verify Error: Count/Code:" << d;
    qWarning() << "Expected Configuration:";
    for (const QString &line : hexDump(m_writeBlock))
        qWarning().noquote() << line;
    qWarning() << "Received from beacon:";
    for (const QString &line : hexDump(readback))
        qWarning().noquote() << line;
}

bool ProgrammingSession::storeVerifiedBeacon()
{
    EpirbConfig *current = m_c.current;
    if (m_c.view)
        m_c.view->setConfig(current, epirbdatablkWrapper::ProgrammingView);
    // The data block does not carry the note, nor why a duplicate hex ID was written.
    current->setAdditionalInfo(m_c.pending->additionalInfo());
    current->setDuplicateReason(m_c.pending->duplicateReason());
    DatabaseIfc *db = m_c.database;
    RegisterOutbox *outbox = m_c.outbox;
    const bool shared = outbox && outbox->isSetUp();
    // Locally first; the register gets it from there, now or later.
    current->setRegisterPending(shared);
    if (outbox)
        outbox->beforeReplacing(*current);
    m_storeError.clear();
    if (!db->addOrReplace(*current))
        m_storeError = QStringLiteral("the database keeps beacons by a numeric serial number, not \"%1\"")
                           .arg(current->beaconSerial());
    else if (db->isModified())
        // Written as soon as the database can be written again; meanwhile in the pending file.
        m_storeError = (db->writeProblem().isEmpty()
                            ? QStringLiteral("the database file %1 could not be written.").arg(db->databasePath())
                            : db->writeProblem() + QLatin1Char('.'))
            + (db->pendingFile().isEmpty()
                   ? QStringLiteral(" No pending file could be written either: the record is kept in memory only, "
                                    "and written to the database as soon as it can be while the program runs.")
                   : QStringLiteral(" The record is kept in %1 and is written to the database as soon as it can be.")
                         .arg(db->pendingFile()));
    // The register's failure is its own status: the beacon is safe in the local database.
    if (shared)
        outbox->sendNow();
    return m_storeError.isEmpty();
}

QStringList ProgrammingSession::hexDump(const QByteArray &bytes)
{
    QStringList lines;
    for (int offset = 0; offset < bytes.size(); offset += 16) {
        const QByteArray row = bytes.mid(offset, 16);
        lines << QString::asprintf("%03x: %s", offset, row.toHex(' ').constData());
    }
    return lines;
}

void ProgrammingSession::retryWrite()
{
    // Back to the write step, the second last, whatever failed before.
    m_stepsDone = qMax(0, m_stepCount - 2);
    qDebug() << "retryWrite: Retrying write after verify failure: Allowed to program: " << m_syncChar;
    endRunningOperation();
    if (m_operation != Operation::ProductionWrite)
        m_operation = Operation::Programming;
    setStatus([] { return tr("Retrying to write data to PLB..."); }, false);
    setPhase(Phase::WaitingForBeacon);
    arm(Step::Write, FailureKind::Write);
    // Every failure closed the port, and a plain write continues on an open one: the
    // retry opens the port, waits for the beacon's sync and writes the block it holds.
    requestProductionWrite(m_writeBlock);
}

// ---------------------------------------------------------------------------
// Production

void ProgrammingSession::refuseProduction(const QString &text)
{
    m_lastFailure = Failure::Refused;
    setStatus(text, true);
    emitStop(text);
    setPhase(Phase::Failed);
    emit writeFinished(WriteOutcome::Refused, text);
}

void ProgrammingSession::startProductionWrite()
{
    // Write and read-back share the bar.
    startProgress(2);
    m_refusalReason.clear();
    qDebug() << "startProductionWrite: startProductionEpirbWrite activated from QML";
    prepareWrite();
    EpirbConfig *pending = m_c.pending;
    const int type = pending->beaconType();
    // A beacon just read is written as the model it reported, and only that beacon.
    const bool heldBeacon = m_heldBeacon && type == m_c.current->beaconType()
        && pending->serialBytes() == m_c.current->serialBytes();
    if (m_heldBeacon && !heldBeacon) {
        qWarning() << "Production write refused: the record is not the one of the beacon read";
        refuseProduction(tr("Wrong beacon type or serial number..."));
        return;
    }
    if (!heldBeacon && type != ConfigTables::E_Skua11A && type != ConfigTables::E_Skua11RA
        && type != ConfigTables::E_Skua31A) {
        qWarning() << "Legacy mode not supported";
        refuseProduction(tr("Legacy mode not supported."));
        return;
    }
    if (!IdentityRules::checkBeaconSerial(type, pending->beaconSerial()).isEmpty()) {
        // Nothing is written: a beacon with a wrong serial number has a wrong identity.
        const QString text = tr("Invalid serial number");
        QString reason;
        const QString given = m_options.productionSerialArgument;
        if (given.isEmpty() && !heldBeacon) {
            qWarning() << "Production write refused: no serialno given";
            reason = tr("No serial number was given. Start the production run with serialno= followed by the "
                        "beacon's serial number.");
        } else {
            const QString serial = given.isEmpty() ? pending->beaconSerial() : given;
            qWarning().noquote() << "Production write refused: serialno=" + serial
                    + " is not a serial number of 5 digits";
            reason = tr("The serial number \"%1\" is not valid: it must be the 5 digits of the beacon's "
                        "serial number. Nothing was written to the PLB.")
                         .arg(serial);
        }
        refuseProduction(text);
        emit warningRaised(text, reason);
        return;
    }
    m_operation = Operation::ProductionWrite;
    pending->setDuplicateReason(QString());
    if (!passGate(false))
        return;
    m_writeBlock = m_checkedBlock;
    if (heldBeacon) {
        // The beacon answered the read on this very link: write on it now.
        m_heldBeacon = false;
        arm(Step::Write, FailureKind::Write);
        setWriteInProgress(true);
        setStatus([] { return tr("Writing to PLB..."); }, false);
        setPhase(Phase::Writing);
        requestWrite(m_writeBlock);
        return;
    }
    endRunningOperation();
    m_operation = Operation::ProductionWrite;
    arm(Step::Write, FailureKind::Write);
    setStatus([] { return tr("Waiting for connection..."); }, false);
    setPhase(Phase::WaitingForBeacon);
    requestProductionWrite(m_writeBlock);
}

// ---------------------------------------------------------------------------
// Failures

void ProgrammingSession::failRead(Failure failure, const QString &status, const QString &text)
{
    m_lastFailure = failure;
    setStatus(status, true);
    emitStop(status);
    setPhase(Phase::Failed);
    emit readFinished(false, text);
}

void ProgrammingSession::failWrite(Failure failure, const QString &status, const QString &text)
{
    m_lastFailure = failure;
    emitStop(failure == Failure::LinkWrite ? status : QString());
    setStatus(status, true);
    setPhase(Phase::Failed);
    emit writeFinished(WriteOutcome::Failed, text);
}

void ProgrammingSession::onLinkFailure(int error)
{
    if (!m_channel->isCurrent())
        return;
    switch (m_failureKind) {
    case FailureKind::Read: {
        qDebug() << "Read error: " << error;
        const QString text = tr("Read failed. Please retry.");
        if (m_operation == Operation::Verify) {
            m_lastFailure = Failure::LinkRead;
            setStatus(text, true);
            emitStop(text);
            setPhase(Phase::Failed);
            emit writeFinished(WriteOutcome::Failed, text);
        } else {
            failRead(Failure::LinkRead, text, text);
        }
        break;
    }
    case FailureKind::BootLog: {
        qDebug() << "Read error" << error;
        const QString text = tr("Read failed. Please retry: %1").arg(error);
        m_lastFailure = Failure::LinkRead;
        emitStop(text);
        setPhase(Phase::Failed);
        setStatus(text, true);
        emit bootLogFinished(false, QString());
        break;
    }
    case FailureKind::Write: {
        qDebug() << "Write error" << error;
        const QString text = tr("Write failed. Please retry.");
        m_lastFailure = Failure::LinkWrite;
        setStatus(text, true);
        emitStop(text);
        setPhase(Phase::Failed);
        emit writeFinished(WriteOutcome::Failed, tr("Write failed. Please retry"));
        break;
    }
    case FailureKind::None:
        break;
    }
}

void ProgrammingSession::onLinkTimeout()
{
    if (!m_channel->isCurrent() || !m_onTimeout)
        return;
    qDebug() << "Timeout";
    const QString text = tr("Communication error");
    m_lastFailure = Failure::Timeout;
    setStatus(text, true);
    emitStop(text);
    setPhase(Phase::Failed);
    switch (m_operation) {
    case Operation::BootLog:
        emit bootLogFinished(false, text);
        break;
    case Operation::Programming:
    case Operation::Verify:
    case Operation::ProductionWrite:
        emit writeFinished(WriteOutcome::Failed, text);
        break;
    default:
        emit readFinished(false, text);
        break;
    }
}
