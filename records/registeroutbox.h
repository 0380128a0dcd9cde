#pragma once

#include "records/databasefile.h"
#include "records/duplicateguard.h"
#include "records/sharedregister.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <optional>

class DatabaseIfc;
class QLockFile;
class RegisterLine;

// Sends the programmed beacons of the local database to the shared register. A beacon
// is stored locally first, marked waiting when a register is set up, and stops waiting
// once the register has it: after each programming, at start, and on "Send now". An
// unreachable register leaves the records waiting; the station goes on working.
// The register is asked on a thread of its own (RegisterLine): the window never waits on
// the network. The command line asks the same way and waits for the answer.
// Also holds the register's "Register/" settings for the Options page.
class RegisterOutbox : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The register is reached through QMLProxy.sharedRegister")

    Q_PROPERTY(bool enabled READ enabled NOTIFY settingsChanged)
    Q_PROPERTY(QString service READ service NOTIFY settingsChanged)
    Q_PROPERTY(QString host READ host NOTIFY settingsChanged)
    Q_PROPERTY(int port READ port NOTIFY settingsChanged)
    Q_PROPERTY(QString database READ database NOTIFY settingsChanged)
    Q_PROPERTY(QString user READ user NOTIFY settingsChanged)
    // "Register: connected", "N waiting", the last failure, or "Register: off".
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(bool statusError READ statusError NOTIFY statusChanged)
    Q_PROPERTY(int waitingCount READ waitingCount NOTIFY statusChanged)
    Q_PROPERTY(QString waitingText READ waitingText NOTIFY statusChanged)
    // A send to the register is under way.
    Q_PROPERTY(bool sending READ sending NOTIFY statusChanged)

public:
    RegisterOutbox(DatabaseIfc *database, QObject *parent);
    ~RegisterOutbox() override;

    // The process-wide outbox of DatabaseIfc::instance(), created on the first call.
    static RegisterOutbox *instance(QObject *parent);
    // A register given for this run only (quorvik-cli --register); replaces the settings.
    static void setConnectionOverride(const SharedRegister::Connection &connection);

    bool isSetUp() const { return m_connection.isSet(); }
    SharedRegister::Connection connection() const { return m_connection; }
    bool enabled() const;
    QString service() const;
    QString host() const;
    int port() const;
    QString database() const;
    QString user() const;
    QString statusText() const;
    bool statusError() const { return !m_error.isEmpty(); }
    int waitingCount() const;
    QString waitingText() const;
    QString lastError() const { return m_error; }
    bool sending() const { return m_sendRunning; }

    // Writes the "Register/" settings and connects anew. Empty when they are taken, else why not.
    Q_INVOKABLE QString applySettings(bool enabled, const QString &service, const QString &host, int port,
                                      const QString &database, const QString &user);
    // Sends every waiting record and waits for the register; how many it took as new, or -1
    // when it could not be reached (the records keep waiting; statusText says why).
    int sendNow();
    // The same without waiting: sendFinished() tells the result. A send asked for while one
    // runs follows it.
    Q_INVOKABLE void sendInBackground();
    // Until the sends asked for have ended (the command line, before it says the status).
    void waitForSends();
    // After a failed send the records are tried again, later each time (5 s doubling up to
    // 5 minutes), while the program runs: for the window, where nobody runs "Send now".
    void setRetrying(bool on);
    int retryDelayMs() const { return m_backoffMs; }
    // Connects (and creates the tables) to show the status, without waiting.
    Q_INVOKABLE void checkConnection();

    // Other beacons carrying hexId in the register; when none, the ID is reserved for this
    // beacon. False with error set when the register could not answer.
    bool claim(const QString &hexId, int model, const QString &serial, const QString &station,
               const QString &operatorName, QList<SharedRegister::Entry> *others, QString *error,
               bool reserve = true);
    // The write the reservations were made for has ended: a write that was not verified gives
    // them up at once; a verified one keeps them until its programming is recorded.
    void writeEnded(bool verified);
    bool who(const QString &hexId, QList<SharedRegister::Entry> *entries, QString *error);
    // The guard's look into the register; asking reserves a free ID for the beacon asking.
    // An answer asked ahead for the same beacon and ID is taken instead of waiting.
    DuplicateGuard::ExtraLookup duplicateLookup();
    // Asks the register about hexId without waiting; done runs (on this thread, unless context
    // is gone) once the answer is in hand for the guard's next look.
    void askAhead(const QString &hexId, int model, const QString &serial, bool reserve, QObject *context,
                  std::function<void()> done);
    // An answer asked ahead that no write will use: its reservation is given up.
    void dropAnswer();

    // Where such programmings wait; the file exists only while some do.
    QString supersededPath() const;

signals:
    void settingsChanged();
    void statusChanged();
    // A send has ended: how many rows were new, -1 when the register could not be reached.
    void sendFinished(int sent);

private:
    struct SendJob;
    struct SendResult
    {
        bool ok = false;
        int sent = 0;
        QString error;
        QList<SharedRegister::Rejected> rejected;
    };
    struct Answer
    {
        QString hexId;
        int model = 0;
        QString serial;
        bool reserve = false;
        bool ok = false;
        QList<SharedRegister::Entry> others;
        QString error;
    };

    RegisterLine *line();
    void retireLine();
    std::shared_ptr<SendJob> prepareSend() const;
    static SendResult runSend(SharedRegister &r, const SendJob &job);
    int finishSend(const SendJob &job, const SendResult &result);
    // Gives up a reservation no write in hand holds, without waiting.
    void writeEndedFor(const QString &hexId, int model, const QString &serial);
    void takeClaim(const Answer &answer, QList<SharedRegister::Entry> *others, QString *error);
    // A waiting programming the database let go of is kept beside it and sent with the others,
    // so that programming the beacon again while the register is away does not lose a row.
    void keepAside(const EpirbConfig &waiting);
    DatabaseFile::RecordList superseded(QString *error = nullptr) const;
    bool lockSuperseded(QLockFile &lock) const;
    void dropSuperseded(const QSet<QString> &sentKeys);
    void setError(const QString &error, bool connected = false);
    void reload();

    static RegisterOutbox *s_instance;
    // Gone before this at the end of the program: both are children of the application.
    QPointer<DatabaseIfc> m_database;
    SharedRegister::Connection m_connection;
    RegisterLine *m_line = nullptr;
    // Results of a line given up since are not this register's.
    int m_lineGeneration = 0;
    QString m_error;
    bool m_connected = false;
    bool m_sendRunning = false;
    bool m_sendAgain = false;
    bool m_retrying = false;
    int m_backoffMs = 0;
    QTimer m_retry;
    std::optional<Answer> m_answer;
    int m_askGeneration = 0;
    // Reservations made for the write in hand: hex ID, model, serial.
    struct Claim
    {
        QString hexId;
        int model = 0;
        QString serial;
    };
    QList<Claim> m_claims;
};
