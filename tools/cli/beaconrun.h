#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class EpirbConfig;
class ProgrammingSession;
class StationServices;

// One beacon operation of the programming session, driven without a window: the same
// session, link, codec and database as the program, with a text progress bar on stderr
// instead of the pages.
class BeaconRun : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool skipReadback = false;
        bool production = false;
        // A test protocol may be written (the program's "testprotocol").
        bool testProtocol = false;
    };

    BeaconRun(const QString &port, const Options &options, QObject *parent);
    ~BeaconRun() override;

    ProgrammingSession *session() const { return m_session; }
    EpirbConfig *pending() const { return m_pending; }
    EpirbConfig *current() const { return m_current; }
    // Starts the operation and waits for its result, at most waitSeconds for the beacon
    // to answer at all; true on success. On failure status() tells why.
    bool run(const std::function<void(ProgrammingSession *)> &start, int waitSeconds);
    QString status() const;
    // The operation ended with the session's success, whatever its status says.
    bool succeeded() const { return m_succeeded; }
    // A write verified on the beacon but not kept by the database.
    bool notStored() const { return m_notStored; }

    // Takes "--port PATH" and "--wait SECONDS" out of args. False with a reason when
    // the port is missing or a value is bad.
    static bool takeLinkOptions(QStringList &args, QString &port, int &waitSeconds, QString &error);
    // Keeps stderr for the progress bar and warnings unless --verbose was given.
    static void quietLog();

private:
    void drawProgress(bool final);

    EpirbConfig *m_current = nullptr;
    EpirbConfig *m_pending = nullptr;
    std::unique_ptr<StationServices> m_services;
    ProgrammingSession *m_session = nullptr;
    QString m_finalStatus;
    bool m_succeeded = false;
    bool m_notStored = false;
    int m_lastPercent = -1;
    QString m_lastStatus;
};
