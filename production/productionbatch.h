#pragma once

#include "production/productionplan.h"
#include "production/productionplanmodel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class ProgrammingSession;

// A production line from a plan: each beacon the operator connects is read, given the
// plan row of the serial number it reports, written through the session's
// production write, verified and stored; one line per beacon goes to the batch record
// at once. The record makes a batch resumable: a serial with an "ok" line is done.
// A failed beacon is tried again only when a beacon announces itself again.
class ProductionBatch : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the application for a plan")

    Q_PROPERTY(QString planName READ planName CONSTANT)
    Q_PROPERTY(int total READ total NOTIFY countsChanged)
    Q_PROPERTY(int done READ done NOTIFY countsChanged)
    Q_PROPERTY(int failed READ failed NOTIFY countsChanged)
    Q_PROPERTY(int left READ left NOTIFY countsChanged)
    Q_PROPERTY(QString inHand READ inHand NOTIFY inHandChanged)
    // The beacon being written as the plan has it: "serial", "country", "protocol", "battery", "tac".
    Q_PROPERTY(QVariantMap beaconInHand READ beaconInHand NOTIFY inHandChanged)
    Q_PROPERTY(QString lastResult READ lastResult NOTIFY lastResultChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // Why the plan was refused, one line per bad row; empty for a plan taken.
    Q_PROPERTY(QStringList problems READ errors CONSTANT)
    // Every row of the plan with what became of it.
    Q_PROPERTY(ProductionPlanModel *planModel READ planModel CONSTANT)

public:
    // NotStored: programmed and verified, but the database did not keep it.
    enum Outcome { Ok, Failed, Refused, NotStored };
    Q_ENUM(Outcome)

    // Without a session the batch only tells what its plan and record hold.
    ProductionBatch(ProgrammingSession *session, QObject *parent);
    ~ProductionBatch() override;

    // Reads and checks the plan and the record beside it (or recordPath). False with
    // errors() when the plan is refused or the record cannot be written.
    bool load(const QString &planPath, const QMap<QString, QString> &defaults, const QString &recordPath = QString());
    QStringList errors() const { return m_errors; }
    // What the technician should know of a plan taken: how it was read, record lines
    // skipped as damaged, beacons done with another identity than the plan's.
    QStringList notes() const { return m_notes; }
    const ProductionPlan &plan() const { return m_plan; }
    // Beacons the record has as done with another identity than their row's: what differs.
    QMap<QString, QString> differences() const { return m_differs; }
    // The technician's word: these beacons are written again with the plan's identity.
    void allowRewrite(const QSet<QString> &serials);
    // Beacons of this run the database did not keep.
    int notStored() const { return int(m_notStored.size()); }
    static QString outcomeText(int outcome);
    QString recordPath() const { return m_record.fileName(); }
    // Labels of each programmed beacon go here; none when empty.
    void setLabelFolder(const QString &folder) { m_labelFolder = folder; }
    QString labelFolder() const { return m_labelFolder; }
    // Named when no beacon ever answers on it.
    void setPortName(const QString &port) { m_portName = port; }
    static QString defaultRecordPath(const QString &planPath);
    static QString defaultLabelFolder(const QString &planPath);

    ProductionPlanModel *planModel() const { return m_model; }
    QString planName() const { return m_plan.name(); }
    int total() const { return m_plan.size(); }
    int done() const { return int(m_done.size()); }
    int failed() const;
    int left() const { return total() - done(); }
    // Left but kept from writing: done with another identity than the plan's.
    int held() const;
    bool isDone(const QString &serial) const { return m_done.contains(serial); }
    QString inHand() const { return m_inHand; }
    QVariantMap beaconInHand() const { return m_inHandDetails; }
    QString lastResult() const { return m_lastResult; }
    bool running() const { return m_running; }

    // Waits for beacons until every row is done or stop() is asked.
    Q_INVOKABLE void start();
    // Ends after the beacon in hand; at once while no beacon is being written.
    Q_INVOKABLE void stop();

signals:
    void countsChanged();
    void inHandChanged();
    void runningChanged();
    void lastResultChanged();
    // One per beacon identified: its line of the record.
    void beaconFinished(const QString &serial, const QString &hexId, int outcome, const QString &status,
                        double seconds);
    // The batch ended: every row done, stopped, or the port cannot be used (why).
    void finished(const QString &why);

private:
    enum class Phase { Idle, Reading, Writing };

    void readNext();
    void onReadFinished(bool ok);
    void onWriteFinished(int outcome);
    void onFailed();
    void finishBeacon(int outcome, const QString &status);
    void refuse(const QString &serial, const QString &status);
    void end(const QString &why);
    bool openRecord(const QString &path);
    // False, with the batch ended, when the line cannot be written and synced.
    bool appendRecord(const QString &serial, const QString &hexId, const QString &checksum, int outcome,
                      const QString &status);
    QString identityText(const EpirbConfig &config) const;
    QString differenceFromPlan(const QStringList &recordLine) const;
    void writeLabels();
    void setInHand(const QString &serial);
    // The plan list's row of a beacon identified: what its record line says.
    void showResult(const QString &serial, int outcome, const QString &hexId, const QString &status, double seconds);
    void setLastResult(const QString &text);

    ProgrammingSession *m_session;
    ProductionPlanModel *m_model;
    QString m_portName;
    ProductionPlan m_plan;
    QStringList m_errors;
    QStringList m_notes;
    QMap<QString, QString> m_differs;
    QSet<QString> m_notStored;
    QSet<QString> m_rewrite;
    QString m_recordProblem;
    QFile m_record;
    QString m_labelFolder;
    QSet<QString> m_done;
    QSet<QString> m_failed;
    QString m_inHand;
    QVariantMap m_inHandDetails;
    QString m_lastResult;
    // The last beacon refused: while it stays connected it is not refused again and again.
    QString m_lastRefused;
    Phase m_phase = Phase::Idle;
    bool m_running = false;
    bool m_stopAsked = false;
    bool m_syncSeen = false;
    int m_portFailures = 0;
    QElapsedTimer m_clock;
};
