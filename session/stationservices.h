#pragma once

#include "session/programmingsession.h"

#include <QString>

#include <memory>

class CountryCodeModel;
class DatabaseIfc;
class DuplicateGuard;
class EpirbConfig;
class LinkThread;
class QObject;
class WriteGate;

// What a programming session works with, built the same way for the window and for
// quorvik-cli: the link in its thread, the country list, the database, the shared
// register's outbox, the duplicate guard, the write gate and the session itself.
class StationServices
{
public:
    struct Setup
    {
        EpirbConfig *current = nullptr;
        EpirbConfig *pending = nullptr;
        QString portName;
        bool forceSinglePage = false;
        int answerDelay = 40;
        // The shipped country list's folder, and the user's folder that may hold a custom one.
        QString appDir;
        QString appDataDir;
        QString territoryName;
        ProgrammingSession::Options session;
    };

    // owner parents the process-wide singletons (tables, countries, database, log, view).
    StationServices(QObject *owner, const Setup &setup);
    ~StationServices();

    ProgrammingSession *session() const { return m_session.get(); }
    EpirbComm *link() const;
    QThread *linkThread() const;
    DuplicateGuard *duplicateGuard() const { return m_guard.get(); }
    const WriteGate *writeGate() const { return m_gate.get(); }
    CountryCodeModel *countries() const { return m_countries; }
    // The custom country list in use, or empty for the shipped one.
    QString customCountryFile() const { return m_customCountryFile; }

    // Loads the custom list when the user installed one, else the shipped one; returns
    // the custom list's path, or empty.
    static QString loadCountryList(CountryCodeModel *countries, const QString &appDir, const QString &appDataDir,
                                   const QString &territoryName);

    // The Datablock view shows the database's record and follows its changes; a note
    // written on a shown record goes to its stored copy (the window's pages).
    void followDatabaseInView();

    // The link is stopped and its thread ended; the rest stays until destruction.
    void stopLink();

private:
    QObject *m_owner;
    CountryCodeModel *m_countries = nullptr;
    QString m_customCountryFile;
    std::unique_ptr<LinkThread> m_linkThread;
    std::unique_ptr<DuplicateGuard> m_guard;
    std::unique_ptr<WriteGate> m_gate;
    std::unique_ptr<ProgrammingSession> m_session;
};
