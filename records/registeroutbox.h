#pragma once

#include "records/databasefile.h"
#include "records/duplicateguard.h"
#include "records/sharedregister.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class DatabaseIfc;
class QLockFile;

// Sends the programmed beacons of the local database to the shared register. A beacon
// is stored locally first, marked waiting when a register is set up, and stops waiting
// once the register has it: after each programming, at start, and on "Send now". An
// unreachable register leaves the records waiting; the station goes on working.
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

    // Writes the "Register/" settings and connects anew. Empty when they are taken, else why not.
    Q_INVOKABLE QString applySettings(bool enabled, const QString &service, const QString &host, int port,
                                      const QString &database, const QString &user);
    // Sends every waiting record; how many the register took as new, or -1 when it could not
    // be reached (the records keep waiting; statusText says why).
    Q_INVOKABLE int sendNow();
    // Connects (and creates the tables) to show the status; true when connected.
    Q_INVOKABLE bool checkConnection();

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
    DuplicateGuard::ExtraLookup duplicateLookup();

    // Called before incoming replaces the stored record of the same beacon: a programming of it
    // that still waits is kept aside (beside the database) and sent with the others, so that
    // programming the beacon again while the register is away does not lose the earlier row.
    void beforeReplacing(const EpirbConfig &incoming);
    // Where such programmings wait; the file exists only while some do.
    QString supersededPath() const;

signals:
    void settingsChanged();
    void statusChanged();

private:
    SharedRegister *reg();
    DatabaseFile::RecordList superseded(QString *error = nullptr) const;
    bool lockSuperseded(QLockFile &lock) const;
    void dropSuperseded(const DatabaseFile::RecordList &sent);
    void setError(const QString &error);
    void reload();

    static RegisterOutbox *s_instance;
    DatabaseIfc *m_database;
    SharedRegister::Connection m_connection;
    std::unique_ptr<SharedRegister> m_register;
    QString m_error;
    bool m_connected = false;
    // Reservations made for the write in hand: hex ID, model, serial.
    struct Claim
    {
        QString hexId;
        int model = 0;
        QString serial;
    };
    QList<Claim> m_claims;
};
