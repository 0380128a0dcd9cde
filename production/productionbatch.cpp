#include "productionbatch.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "documents/documentfiles.h"
#include "documents/labelfonts.h"
#include "documents/labelwriter.h"
#include "session/programmingsession.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <functional>

namespace {
const QStringList kRecordColumns = {
    QStringLiteral("serial"),  QStringLiteral("hexid"),         QStringLiteral("checksum"), QStringLiteral("protocol"),
    QStringLiteral("country"), QStringLiteral("batteryexpiry"), QStringLiteral("result"),   QStringLiteral("status"),
    QStringLiteral("time"),    QStringLiteral("station"),       QStringLiteral("operator"),
};

QString outcomeText(int outcome)
{
    return outcome == ProductionBatch::Ok ? QStringLiteral("ok")
         : outcome == ProductionBatch::Refused ? QStringLiteral("refused")
                                                : QStringLiteral("failed");
}
}

ProductionBatch::ProductionBatch(ProgrammingSession *session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    if (!m_session)
        return;
    connect(m_session, &ProgrammingSession::readFinished, this, [this](bool ok) { onReadFinished(ok); });
    connect(m_session, &ProgrammingSession::writeFinished, this,
            [this](ProgrammingSession::WriteOutcome outcome) { onWriteFinished(int(outcome)); });
    connect(m_session, &ProgrammingSession::beaconAnswered, this, [this] {
        if (m_phase == Phase::Reading && !m_syncSeen) {
            m_syncSeen = true;
            m_portFailures = 0;
            m_clock.start();
        }
    });
}

ProductionBatch::~ProductionBatch()
{
    m_record.close();
}

QString ProductionBatch::defaultRecordPath(const QString &planPath)
{
    const QFileInfo plan(planPath);
    return plan.absoluteDir().filePath(plan.completeBaseName() + QStringLiteral("-record.csv"));
}

QString ProductionBatch::defaultLabelFolder(const QString &planPath)
{
    const QFileInfo plan(planPath);
    return plan.absoluteDir().filePath(plan.completeBaseName() + QStringLiteral("-labels"));
}

bool ProductionBatch::load(const QString &planPath, const QMap<QString, QString> &defaults, const QString &recordPath)
{
    m_errors.clear();
    m_done.clear();
    m_failed.clear();
    if (!m_plan.load(planPath, defaults)) {
        m_errors = m_plan.errors();
        return false;
    }
    if (!openRecord(recordPath.isEmpty() ? defaultRecordPath(planPath) : recordPath))
        return false;
    emit countsChanged();
    return true;
}

bool ProductionBatch::openRecord(const QString &path)
{
    m_record.close();
    m_record.setFileName(path);
    QByteArray before;
    if (m_record.exists()) {
        if (!m_record.open(QIODevice::ReadOnly)) {
            m_errors << QStringLiteral("%1: %2").arg(path, m_record.errorString());
            return false;
        }
        before = m_record.readAll();
        m_record.close();
        const QList<QPair<int, QStringList>> lines = ProductionPlan::splitCsv(before);
        for (int i = 1; i < lines.size(); ++i) {
            const QStringList f = lines.at(i).second;
            // A line cut short by a crash holds no result: its beacon is not done.
            if (f.size() < kRecordColumns.size())
                continue;
            const QString serial = f.at(0);
            if (m_plan.indexOf(serial) < 0)
                continue;
            if (f.at(6) == QLatin1String("ok"))
                m_done.insert(serial);
            else if (f.at(6) == QLatin1String("failed"))
                m_failed.insert(serial);
        }
    }
    if (!m_record.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_errors << QStringLiteral("%1: %2").arg(path, m_record.errorString());
        return false;
    }
    if (before.isEmpty()) {
        m_record.write(kRecordColumns.join(QLatin1Char(',')).toUtf8() + '\n');
    } else if (!before.endsWith('\n')) {
        // The crash cut the last line: the next one starts on its own line.
        m_record.write("\n");
    }
    if (!m_record.flush()) {
        m_errors << QStringLiteral("%1: %2").arg(path, m_record.errorString());
        return false;
    }
    return true;
}

int ProductionBatch::failed() const
{
    int n = 0;
    for (const QString &serial : m_failed)
        n += m_done.contains(serial) ? 0 : 1;
    return n;
}

void ProductionBatch::setInHand(const QString &serial)
{
    if (m_inHand == serial)
        return;
    m_inHand = serial;
    m_inHandDetails.clear();
    if (!serial.isEmpty()) {
        const EpirbConfig *pending = m_session->pending();
        m_inHandDetails = { { QStringLiteral("serial"), serial },
                            { QStringLiteral("country"), pending->rawCountryCode() },
                            { QStringLiteral("protocol"), pending->protocolId() },
                            { QStringLiteral("battery"), pending->batteryExpiryDate().toString(QStringLiteral("MM yyyy")) },
                            { QStringLiteral("tac"), IdentityRules::writtenTac(m_session->pending()) } };
    }
    emit inHandChanged();
}

void ProductionBatch::setLastResult(const QString &text)
{
    m_lastResult = text;
    emit lastResultChanged();
}

void ProductionBatch::start()
{
    if (!m_session || m_running || total() == 0)
        return;
    m_stopAsked = false;
    m_running = true;
    emit runningChanged();
    QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
}

void ProductionBatch::stop()
{
    if (!m_running)
        return;
    m_stopAsked = true;
    // Waiting for a beacon, or holding one only read: nothing is written, end now.
    if (m_phase != Phase::Writing)
        end(QStringLiteral("stopped"));
}

void ProductionBatch::end(const QString &why)
{
    if (!m_running)
        return;
    if (m_phase != Phase::Idle)
        m_session->stop();
    m_phase = Phase::Idle;
    m_running = false;
    setInHand(QString());
    setLastResult(left() == 0 ? tr("Plan %1 complete: %2 beacons programmed").arg(planName()).arg(done())
                              : tr("Batch ended (%1): %2 of %3 beacons left").arg(why).arg(left()).arg(total()));
    emit runningChanged();
    emit finished(why);
}

void ProductionBatch::readNext()
{
    if (!m_running)
        return;
    if (left() == 0) {
        end(QStringLiteral("every beacon of the plan is programmed"));
        return;
    }
    if (m_stopAsked) {
        end(QStringLiteral("stopped"));
        return;
    }
    m_phase = Phase::Reading;
    m_syncSeen = false;
    setInHand(QString());
    m_session->startProductionRead();
}

void ProductionBatch::onWriteFinished(int outcome)
{
    if (m_phase != Phase::Writing)
        return;
    switch (ProgrammingSession::WriteOutcome(outcome)) {
    case ProgrammingSession::WriteOutcome::Verified:
    case ProgrammingSession::WriteOutcome::VerifiedNotStored:
        finishBeacon(Ok, m_session->statusText());
        break;
    case ProgrammingSession::WriteOutcome::Failed:
    case ProgrammingSession::WriteOutcome::Refused:
        finishBeacon(Failed, m_session->statusText());
        break;
    }
}

void ProductionBatch::onReadFinished(bool ok)
{
    if (!ok) {
        onFailed();
        return;
    }
    if (m_phase != Phase::Reading)
        return;
    EpirbConfig *pending = m_session->pending();
    const QString serial = m_session->current()->beaconSerial();
    const int row = m_plan.indexOf(serial);
    if (row < 0) {
        refuse(serial, tr("Serial number %1 is not in the plan").arg(serial));
        return;
    }
    if (m_done.contains(serial)) {
        refuse(serial, tr("Serial number %1 is programmed already").arg(serial));
        return;
    }
    const QString problem = m_plan.applyTo(row, *pending);
    if (!problem.isEmpty()) {
        refuse(serial, tr("Write refused: ") + problem);
        return;
    }
    m_lastRefused.clear();
    m_phase = Phase::Writing;
    setInHand(serial);
    m_session->startProductionWrite();
}

void ProductionBatch::onFailed()
{
    if (m_phase != Phase::Reading)
        return;
    m_phase = Phase::Idle;
    // No beacon answered at all: the port is not there, or not ours.
    if (!m_syncSeen && ++m_portFailures >= 3) {
        end(tr("the port %1 cannot be used: %2").arg(m_portName, m_session->statusText()));
        return;
    }
    // Nothing identified the beacon; it is read again when it announces itself again.
    QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
}

void ProductionBatch::refuse(const QString &serial, const QString &status)
{
    m_phase = Phase::Idle;
    m_session->stop();
    m_session->setStatus(status, true);
    qWarning().noquote() << "Production batch: " + status;
    // A beacon left connected announces itself again; it is refused once.
    if (serial != m_lastRefused) {
        m_lastRefused = serial;
        const EpirbConfig *read = m_session->current();
        appendRecord(serial, read->epirbHexMsg(), read->epirbHexChecksum(), Refused, status);
        setLastResult(serial + QStringLiteral(": ") + status);
        emit beaconFinished(serial, read->epirbHexMsg(), Refused, status, m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0);
    }
    QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
}

void ProductionBatch::finishBeacon(int outcome, const QString &status)
{
    m_phase = Phase::Idle;
    const QString serial = m_inHand;
    const EpirbConfig *record = outcome == Ok ? m_session->current() : m_session->pending();
    const double seconds = m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
    if (outcome == Ok) {
        m_done.insert(serial);
        if (!m_labelFolder.isEmpty())
            writeLabels();
    } else {
        m_failed.insert(serial);
    }
    appendRecord(serial, record->epirbHexMsg(), record->epirbHexChecksum(), outcome, status);
    setLastResult(serial + QStringLiteral(": ") + status);
    emit countsChanged();
    emit beaconFinished(serial, record->epirbHexMsg(), outcome, status, seconds);
    QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
}

void ProductionBatch::appendRecord(const QString &serial, const QString &hexId, const QString &checksum, int outcome,
                                   const QString &status)
{
    const int row = m_plan.indexOf(serial);
    const EpirbConfig *record = outcome == Ok ? m_session->current() : m_session->pending();
    const bool planned = row >= 0;
    const QStringList fields = {
        serial,
        hexId,
        checksum,
        planned ? QString::number(record->protocolId()) : QString(),
        planned ? QString::number(record->rawCountryCode()) : QString(),
        planned ? record->batteryExpiryDate().toString(QStringLiteral("MMyyyy")) : QString(),
        outcomeText(outcome),
        status,
        QDateTime::currentDateTime().toString(Qt::ISODate),
        ConfigTables::instance(nullptr)->progStation(),
        ConfigTables::instance(nullptr)->operatorName(),
    };
    QStringList line;
    for (const QString &f : fields)
        line << ProductionPlan::csvField(f);
    // Flushed per line: a crash keeps every beacon recorded before it.
    if (m_record.write((line.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8()) < 0 || !m_record.flush())
        qWarning().noquote() << "Production batch: the record " + m_record.fileName()
                                    + " could not be written: " + m_record.errorString();
}

void ProductionBatch::writeLabels()
{
    const EpirbConfig *record = m_session->current();
    if (!QDir().mkpath(m_labelFolder)) {
        qWarning().noquote() << "Production batch: no label folder " + m_labelFolder;
        return;
    }
    static bool fontsReady = false;
    if (!fontsReady) {
        LabelFonts::install();
        fontsReady = true;
    }
    const QString base = QDir(m_labelFolder).filePath(DocumentFiles::safeFileNamePart(record->beaconSerial())
                                                     + QLatin1Char('_')
                                                     + DocumentFiles::safeFileNamePart(record->epirbHexMsg()));
    struct Label
    {
        const char *suffix;
        std::function<int(QIODevice *)> write;
    };
    const QList<Label> labels = {
        { "_programming.lbx", [&](QIODevice *d) { return LabelWriter::writeProgrammingLabelLbx(*record, d); } },
        { "_programming.pdf", [&](QIODevice *d) { return LabelWriter::writeProgrammingLabelPdf(*record, d); } },
        { "_country.lbx", [&](QIODevice *d) { return LabelWriter::writeCountryLabelLbx(record->countryCode(), QString(), d); } },
        { "_country.pdf", [&](QIODevice *d) { return LabelWriter::writeCountryLabelPdf(record->countryCode(), QString(), d); } },
    };
    for (const Label &label : labels) {
        QSaveFile file(base + QLatin1String(label.suffix));
        if (!file.open(QIODevice::WriteOnly) || label.write(&file) != 0 || !file.commit())
            qWarning().noquote() << "Production batch: label " + file.fileName() + " not written";
    }
}
