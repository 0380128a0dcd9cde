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
#include <QHash>
#include <QSaveFile>

#include <functional>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
const QStringList kRecordColumns = {
    QStringLiteral("serial"),  QStringLiteral("hexid"),         QStringLiteral("checksum"), QStringLiteral("protocol"),
    QStringLiteral("country"), QStringLiteral("batteryexpiry"), QStringLiteral("result"),   QStringLiteral("status"),
    QStringLiteral("time"),    QStringLiteral("station"),       QStringLiteral("operator"), QStringLiteral("identity"),
};
// Records written before the identity column was kept.
const int kOldRecordColumns = int(kRecordColumns.size()) - 1;

QMap<QString, QString> identityValues(const QString &text)
{
    QMap<QString, QString> values;
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int eq = int(pair.indexOf(QLatin1Char('=')));
        if (eq > 0)
            values.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return values;
}
}

QString ProductionBatch::outcomeText(int outcome)
{
    switch (outcome) {
    case Ok:
        return QStringLiteral("ok");
    case Refused:
        return QStringLiteral("refused");
    case NotStored:
        return QStringLiteral("not stored");
    default:
        return QStringLiteral("failed");
    }
}

ProductionBatch::ProductionBatch(ProgrammingSession *session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_model(new ProductionPlanModel(this))
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
    m_notes.clear();
    m_differs.clear();
    m_notStored.clear();
    m_done.clear();
    m_failed.clear();
    m_model->reset({});
    if (!m_plan.load(planPath, defaults)) {
        m_errors = m_plan.errors();
        return false;
    }
    m_notes = m_plan.notes();
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
    // Per serial of the plan: its last "ok" line and its last line of any result.
    QHash<QString, QStringList> lastOk;
    QHash<QString, QStringList> lastLine;
    if (m_record.exists()) {
        if (!m_record.open(QIODevice::ReadOnly)) {
            m_errors << QStringLiteral("%1: %2").arg(path, m_record.errorString());
            return false;
        }
        before = m_record.readAll();
        m_record.close();
        // Line by line: a line cut by a power cut or a full disk costs that line only.
        const QList<QByteArray> lines = before.split('\n');
        for (int i = 1; i < lines.size(); ++i) {
            QByteArray raw = lines.at(i);
            if (raw.endsWith('\r'))
                raw.chop(1);
            if (raw.isEmpty())
                continue;
            QStringList problems;
            const QList<QPair<int, QStringList>> parsed
                    = ProductionPlan::splitCsv(QString::fromUtf8(raw), QLatin1Char(','), &problems);
            const QStringList f = parsed.size() == 1 ? parsed.first().second : QStringList();
            const QString result = f.value(6);
            if (!problems.isEmpty() || (f.size() != kRecordColumns.size() && f.size() != kOldRecordColumns)
                || !QStringList{ outcomeText(Ok), outcomeText(Failed), outcomeText(Refused), outcomeText(NotStored) }
                            .contains(result)) {
                m_notes << QStringLiteral("record line %1 is damaged and skipped").arg(i + 1);
                continue;
            }
            const QString serial = f.at(0);
            if (m_plan.indexOf(serial) < 0)
                continue;
            lastLine.insert(serial, f);
            if (result == outcomeText(Ok)) {
                lastOk.insert(serial, f);
                const QString difference = differenceFromPlan(f);
                if (difference.isEmpty()) {
                    m_done.insert(serial);
                    m_differs.remove(serial);
                } else {
                    m_done.remove(serial);
                    m_differs.insert(serial, difference);
                }
            } else if (result == outcomeText(Failed)) {
                m_failed.insert(serial);
            }
        }
        for (const QString &difference : std::as_const(m_differs))
            m_notes << difference;
    }
    QStringList serials;
    serials.reserve(m_plan.size());
    for (const ProductionPlan::Row &row : m_plan.rows())
        serials << row.serial;
    m_model->reset(serials);
    for (int row = 0; row < serials.size(); ++row) {
        const QString &serial = serials.at(row);
        if (m_done.contains(serial)) {
            m_model->setResult(row, ProductionPlanModel::Done, lastOk.value(serial).value(1), QString(), -1);
        } else if (m_differs.contains(serial)) {
            m_model->setResult(row, ProductionPlanModel::Differs, lastOk.value(serial).value(1), m_differs.value(serial),
                               -1);
        } else if (lastLine.contains(serial)) {
            const QStringList &f = lastLine.value(serial);
            const QString result = f.at(6);
            const ProductionPlanModel::State state = result == outcomeText(NotStored) ? ProductionPlanModel::NotStored
                    : result == outcomeText(Refused)                                  ? ProductionPlanModel::Refused
                                                                                      : ProductionPlanModel::Failed;
            m_model->setResult(row, state, f.at(1), f.at(7), -1);
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
    if (!m_record.flush() || ::fsync(m_record.handle()) != 0) {
        m_errors << QStringLiteral("%1: %2").arg(path, m_record.errorString());
        return false;
    }
    return true;
}

QString ProductionBatch::identityText(const EpirbConfig &config) const
{
    const QVariantMap decoded = IdentityRules::decode(config.messageBytes());
    QStringList pairs;
    for (const QString &field : IdentityRules::fields(config.protocolId()))
        pairs << field + QLatin1Char('=') + decoded.value(field).toString().simplified().remove(QLatin1Char(' '));
    return pairs.join(QLatin1Char(' '));
}

QString ProductionBatch::differenceFromPlan(const QStringList &f) const
{
    EpirbConfig planned(nullptr);
    if (!m_plan.recordOf(m_plan.indexOf(f.at(0)), planned).isEmpty())
        return {};
    QStringList parts;
    auto compare = [&parts](const QString &what, const QString &plan, const QString &programmed) {
        if (plan != programmed)
            parts << QStringLiteral("%1 %2 planned, %3 programmed")
                             .arg(what, plan.isEmpty() ? QStringLiteral("none") : plan,
                                  programmed.isEmpty() ? QStringLiteral("none") : programmed);
    };
    compare(QStringLiteral("protocol"), QString::number(planned.protocolId()), f.at(3));
    compare(QStringLiteral("country"), QString::number(planned.rawCountryCode()), f.at(4));
    if (f.size() > kOldRecordColumns) {
        const QMap<QString, QString> plan = identityValues(identityText(planned));
        const QMap<QString, QString> programmed = identityValues(f.at(kOldRecordColumns));
        QStringList keys = plan.keys() + programmed.keys();
        keys.removeDuplicates();
        for (const QString &key : keys)
            compare(key, plan.value(key), programmed.value(key));
    }
    // The hex ID also carries the beacon's TAC, which no plan gives: it is named with the
    // differences that make it, not alone.
    if (parts.isEmpty())
        return {};
    compare(QStringLiteral("hex ID"), planned.epirbHexMsg(), f.at(1));
    return QStringLiteral("%1 differs from the plan: %2").arg(f.at(0), parts.join(QStringLiteral("; ")));
}

void ProductionBatch::allowRewrite(const QSet<QString> &serials)
{
    m_rewrite = serials;
}

int ProductionBatch::held() const
{
    int n = 0;
    for (auto it = m_differs.cbegin(); it != m_differs.cend(); ++it)
        n += m_rewrite.contains(it.key()) ? 0 : 1;
    return n;
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
    m_model->setWriting(serial.isEmpty() ? -1 : m_plan.indexOf(serial));
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

void ProductionBatch::showResult(const QString &serial, int outcome, const QString &hexId, const QString &status,
                                 double seconds)
{
    const int row = m_plan.indexOf(serial);
    if (row < 0)
        return;
    if (outcome == Ok) {
        m_model->setResult(row, ProductionPlanModel::Done, hexId, QString(), seconds);
        return;
    }
    // A beacon done, or held for its difference, keeps what it is: connected again it is
    // only refused, nothing is written to it.
    const ProductionPlanModel::State now = m_model->state(row);
    if (outcome == Refused && (now == ProductionPlanModel::Done || now == ProductionPlanModel::Differs))
        return;
    const ProductionPlanModel::State state = outcome == NotStored ? ProductionPlanModel::NotStored
            : outcome == Refused                                  ? ProductionPlanModel::Refused
                                                                  : ProductionPlanModel::Failed;
    m_model->setResult(row, state, hexId, status, seconds);
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
    if (left() == held()) {
        end(QStringLiteral("the beacons left are programmed with another identity than the plan's: %1")
                    .arg(QStringList(m_differs.keys()).join(QLatin1Char(' '))));
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
        finishBeacon(Ok, m_session->statusText());
        break;
    case ProgrammingSession::WriteOutcome::VerifiedNotStored:
        finishBeacon(NotStored, m_session->statusText());
        break;
    case ProgrammingSession::WriteOutcome::Failed:
        finishBeacon(Failed, m_session->statusText());
        break;
    case ProgrammingSession::WriteOutcome::Refused:
        // Refused by the write gate (a hex ID carried already, a rule): trying again
        // while the beacon stays connected gives the same answer.
        refuse(m_inHand, m_session->statusText());
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
    if (!m_lastRefused.isEmpty() && serial == m_lastRefused) {
        // The beacon refused is still connected: said once, not written.
        m_phase = Phase::Idle;
        m_session->stop();
        QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
        return;
    }
    m_lastRefused.clear();
    const int row = m_plan.indexOf(serial);
    if (row < 0) {
        refuse(serial, tr("Serial number %1 is not in the plan").arg(serial));
        return;
    }
    if (m_done.contains(serial)) {
        refuse(serial, tr("Serial number %1 is programmed already").arg(serial));
        return;
    }
    if (m_differs.contains(serial) && !m_rewrite.contains(serial)) {
        refuse(serial, tr("%1; nothing written without the technician's word").arg(m_differs.value(serial)));
        return;
    }
    const QString problem = m_plan.applyTo(row, *pending);
    if (!problem.isEmpty()) {
        refuse(serial, tr("Write refused: %1").arg(problem));
        return;
    }
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
    m_lastRefused = serial;
    setInHand(QString());
    const EpirbConfig *read = m_session->current();
    const bool recorded = appendRecord(serial, read->epirbHexMsg(), read->epirbHexChecksum(), Refused, status);
    const double seconds = m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
    showResult(serial, Refused, read->epirbHexMsg(), status, seconds);
    setLastResult(serial + QStringLiteral(": ") + status);
    emit beaconFinished(serial, read->epirbHexMsg(), Refused, status, seconds);
    if (!recorded) {
        end(m_recordProblem);
        return;
    }
    QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
}

void ProductionBatch::finishBeacon(int outcome, const QString &status)
{
    m_phase = Phase::Idle;
    const QString serial = m_inHand;
    const bool written = outcome == Ok || outcome == NotStored;
    const EpirbConfig *record = written ? m_session->current() : m_session->pending();
    const double seconds = m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
    if (outcome == Ok) {
        m_done.insert(serial);
        m_differs.remove(serial);
        m_notStored.remove(serial);
    } else if (outcome == NotStored) {
        m_notStored.insert(serial);
    } else {
        m_failed.insert(serial);
    }
    // The record line is on disk before labels are drawn and before the next beacon.
    const bool recorded = appendRecord(serial, record->epirbHexMsg(), record->epirbHexChecksum(), outcome, status);
    if (recorded && written && !m_labelFolder.isEmpty())
        writeLabels();
    showResult(serial, outcome, record->epirbHexMsg(), status, seconds);
    setLastResult(serial + QStringLiteral(": ") + status);
    emit countsChanged();
    emit beaconFinished(serial, record->epirbHexMsg(), outcome, status, seconds);
    if (!recorded) {
        end(m_recordProblem);
        return;
    }
    QMetaObject::invokeMethod(this, &ProductionBatch::readNext, Qt::QueuedConnection);
}

bool ProductionBatch::appendRecord(const QString &serial, const QString &hexId, const QString &checksum, int outcome,
                                   const QString &status)
{
    const int row = m_plan.indexOf(serial);
    const EpirbConfig *record = (outcome == Ok || outcome == NotStored) ? m_session->current() : m_session->pending();
    if (outcome == Refused)
        record = m_session->current();
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
        planned ? identityText(*record) : QString(),
    };
    QStringList line;
    for (const QString &f : fields)
        line << ProductionPlan::csvField(f);
    const QByteArray bytes = (line.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8();
    // On the disk before anything else happens: a power cut keeps every beacon recorded.
    if (m_record.write(bytes) == bytes.size() && m_record.flush() && ::fsync(m_record.handle()) == 0)
        return true;
    const QString why = m_record.error() != QFileDevice::NoError ? m_record.errorString()
                                                                  : QString::fromLocal8Bit(std::strerror(errno));
    qWarning().noquote() << "Production batch: the record " + m_record.fileName() + " could not be written: " + why;
    m_recordProblem = tr("the record %1 cannot be written (%2): beacon %3 is not recorded; the batch is stopped")
                              .arg(m_record.fileName(), why, serial);
    return false;
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
