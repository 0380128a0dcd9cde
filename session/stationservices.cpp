#include "session/stationservices.h"

#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "documents/epirbdatablkwrapper.h"
#include "link/linkthread.h"
#include "records/databaseifc.h"
#include "records/duplicateguard.h"
#include "records/epirblogdb.h"
#include "records/registeroutbox.h"
#include "session/writegate.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

StationServices::StationServices(QObject *owner, const Setup &setup)
    : m_owner(owner)
{
    m_linkThread = std::make_unique<LinkThread>(setup.portName, setup.forceSinglePage, setup.answerDelay);

    m_countries = CountryCodeModel::instance(owner);
    m_customCountryFile = loadCountryList(m_countries, setup.appDir, setup.appDataDir, setup.territoryName);

    DatabaseIfc *db = DatabaseIfc::instance(owner);
    m_guard = std::make_unique<DuplicateGuard>(db);
    EpirbLogDb *log = EpirbLogDb::instance(owner);
    // Programmings left waiting by an earlier run go to the shared register once the
    // event loop runs; an unreachable register only leaves them waiting.
    RegisterOutbox *outbox = RegisterOutbox::instance(owner);
    m_guard->setExtraLookup(outbox->duplicateLookup());
    if (outbox->isSetUp() && outbox->waitingCount() > 0)
        QTimer::singleShot(0, outbox, [outbox] { outbox->sendNow(); });
    m_gate = std::make_unique<WriteGate>(m_guard.get());

    ProgrammingSession::Collaborators c;
    c.link = m_linkThread->link();
    c.tables = ConfigTables::instance(owner);
    c.current = setup.current;
    c.pending = setup.pending;
    c.database = db;
    c.gate = m_gate.get();
    c.outbox = outbox;
    c.bootLog = log;
    c.view = epirbdatablkWrapper::instance(owner);
    m_session = std::make_unique<ProgrammingSession>(c, setup.session);
    // A reservation in the register lives as long as the write it was made for.
    QObject::connect(m_session.get(), &ProgrammingSession::writeFinished, outbox,
                     [outbox](ProgrammingSession::WriteOutcome outcome) {
                         outbox->writeEnded(outcome == ProgrammingSession::WriteOutcome::Verified
                                            || outcome == ProgrammingSession::WriteOutcome::VerifiedNotStored);
                     });
    // A write stopped half-way (the technician's stop, a closed window) ends without a result.
    ProgrammingSession *session = m_session.get();
    QObject::connect(session, &ProgrammingSession::phaseChanged, outbox, [session, outbox] {
        if (session->phase() == ProgrammingSession::Phase::Idle)
            outbox->writeEnded(false);
    });
}

QString StationServices::loadCountryList(CountryCodeModel *countries, const QString &appDir, const QString &appDataDir,
                                         const QString &territoryName)
{
    // A custom copy in the user's data folder replaces the shipped list.
    QString folder = appDir;
    QString customFile;
    const QString custom = appDataDir + QDir::separator() + QStringLiteral("Country.txt");
    if (!appDataDir.isEmpty() && QFileInfo::exists(custom)) {
        folder = appDataDir;
        customFile = QFileInfo(custom).absoluteFilePath();
        qDebug().noquote() << "Using custom Country.txt file from " + customFile;
    }
    countries->loadCountryList(folder, territoryName);
    return customFile;
}

StationServices::~StationServices()
{
    stopLink();
    m_session.reset();
    m_gate.reset();
    m_guard.reset();
    // Every change is on disk already; this only writes what a failed save left pending.
    delete DatabaseIfc::instance(m_owner);
}

void StationServices::followDatabaseInView()
{
    DatabaseIfc *db = DatabaseIfc::instance(m_owner);
    epirbdatablkWrapper *view = epirbdatablkWrapper::instance(m_owner);
    // Direct: the view lets go of a record before the database deletes it.
    QObject::connect(db, &DatabaseIfc::dbBeaconChanged, view, [db, view] {
        if (db->currentIndex() >= 0)
            view->setConfig(db->beaconAt(db->currentIndex()), epirbdatablkWrapper::DatabaseView);
    });
    QObject::connect(db, &DatabaseIfc::showInDatablock, view, [view](EpirbConfig *record) {
        // A replaced record is followed only while the database's record is on show; a
        // read-out or programming result stays.
        if (view->config() && view->viewMode() == epirbdatablkWrapper::DatabaseView)
            view->setConfig(record, epirbdatablkWrapper::DatabaseView);
    });
    QObject::connect(db, &DatabaseIfc::clearDatablock, view, &epirbdatablkWrapper::clearConfig);
    // A note written on a stored beacon's page must survive the run.
    // Right after a run the page shows the controller's record; the note belongs to the
    // stored copy of that beacon.
    QObject::connect(view, &epirbdatablkWrapper::addInfoChanged, db, [db, view] {
        if (view->viewMode() == epirbdatablkWrapper::DatabaseView || view->viewMode() == epirbdatablkWrapper::ProgrammingView)
            db->noteEdited(view->config());
    });
}

EpirbComm *StationServices::link() const
{
    return m_linkThread ? m_linkThread->link() : nullptr;
}

QThread *StationServices::linkThread() const
{
    return m_linkThread ? m_linkThread->thread() : nullptr;
}

void StationServices::stopLink()
{
    m_linkThread.reset();
}
