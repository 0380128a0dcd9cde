#pragma once

#include "config/epirbconfig.h"

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include <memory>

class BeaconSimulator;
class EpirbApp;
class PgCluster;

// What a page test sees of the world outside the window: the simulated beacon on a
// pseudo-terminal, the log, the files handed to the desktop, settings and database.
class TestBeacon : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString devicePath READ devicePath NOTIFY restarted)
    Q_PROPERTY(QStringList openedFiles READ openedFiles NOTIFY openedFilesChanged)
    Q_PROPERTY(QString dataFolder READ dataFolder CONSTANT)
    Q_PROPERTY(QString homeFolder READ homeFolder CONSTANT)

public:
    TestBeacon(const QString &home, QObject *parent);
    ~TestBeacon() override;

    // Also notes the tables' start-up choices, which resetSettings() brings back.
    void setApp(EpirbApp *app);
    QString devicePath() const;
    QStringList openedFiles() const { return m_opened; }
    QString dataFolder() const;
    QString homeFolder() const { return m_home; }

    // Replaces the beacon by a new one. Keys: serial ("31337"), owner, sync ("H"), baud (0),
    // silent, stallAfter, nakFirst, dropRate, corruptRate, garbage, syncIntervalMs (500),
    // resyncMs (0), block (the whole block in hex, instead of serial and owner).
    // The program's port follows the new device.
    Q_INVOKABLE bool restart(const QVariantMap &options = {});
    // The configuration the beacon holds now, decoded; null when its block does not decode.
    Q_INVOKABLE EpirbConfig *stored();
    Q_INVOKABLE QString storedBlockHex() const;
    Q_INVOKABLE QVariantMap stats() const;
    Q_INVOKABLE void pressTest();

    // Log lines (every level, "qml" console lines included) since the last clearLog().
    Q_INVOKABLE QStringList logLines() const;
    Q_INVOKABLE bool logged(const QString &part) const;
    Q_INVOKABLE void clearLog();
    // The test log takes over message handling when the first test case starts; this
    // puts the capture back in front (openScene() and clearLog() do it).
    Q_INVOKABLE void captureLog() { installLogCapture(); }

    Q_INVOKABLE void clearOpenedFiles();
    // false: the desktop has no program for files (none is opened, openUrl fails).
    Q_INVOKABLE void setViewerInstalled(bool installed);
    // Empties the settings and brings the enabled protocols and models back to how the run
    // started; unless firstStart, an operator is stored so the start page shows.
    Q_INVOKABLE void resetSettings(bool firstStart = false);
    // Reads the stored settings again, as the next start of the program does.
    Q_INVOKABLE void reloadSettings();
    // A file of the source tree; what pdftotext finds in a PDF.
    Q_INVOKABLE QString sourceFile(const QString &relativePath) const;
    Q_INVOKABLE QString pdfText(const QString &path) const;
    Q_INVOKABLE int databaseCount() const;
    Q_INVOKABLE bool addBeaconToDatabase(const QString &serial, const QString &owner);
    Q_INVOKABLE void clearDatabase();
    // Stores another PLB of that serial, programmed today at station by operatorName, whose
    // message is identity's: a beacon that carries the same hex ID.
    Q_INVOKABLE bool storeBeaconWithIdentityOf(const QString &serial, EpirbConfig *identity, const QString &station,
                                               const QString &operatorName);
    // The duplicate reason of the stored beacon of that serial, as on disk.
    Q_INVOKABLE QString databaseFileDuplicateReason(const QString &serial) const;
    // Whether the front-end module holds a page file (pages of other work may be absent).
    Q_INVOKABLE bool hasPage(const QString &file) const;
    // The serials (in file order) that Quorvik.db holds on disk, read by a second database.
    Q_INVOKABLE QStringList databaseFileSerials() const;
    // The additional information of the stored beacon of that serial, as on disk.
    Q_INVOKABLE QString databaseFileNote(const QString &serial) const;
    // Whole text files, for exported and damaged files; readTextFile gives "" when missing.
    Q_INVOKABLE QString readTextFile(const QString &path) const;
    Q_INVOKABLE bool writeTextFile(const QString &path, const QString &text) const;
    // The names of the files of folder matching a wildcard, sorted.
    Q_INVOKABLE QStringList filesIn(const QString &folder, const QString &nameFilter) const;
    // Makes Quorvik.db unwritable (a folder takes its place, which holds even for root) and
    // back, the file as it was.
    Q_INVOKABLE bool setDatabaseWritable(bool writable) const;
    // A byte copy (binary files such as database copies); false when to exists or it fails.
    Q_INVOKABLE bool copyFile(const QString &from, const QString &to) const { return QFile::copy(from, to); }

    // A throwaway PostgreSQL server holding an empty database "register"; empty when it runs,
    // else why not ("skip: ..." when PostgreSQL or Qt's driver is not installed).
    Q_INVOKABLE QString startRegister();
    Q_INVOKABLE void stopRegister();
    // Where the program finds that register: host (its socket folder), port, database, user.
    Q_INVOKABLE QVariantMap registerPlace() const;
    // Records a programming of beacon serial at station in the register, as that station would.
    Q_INVOKABLE bool sendToRegister(const QString &serial, const QString &owner, const QString &station);

    static void installLogCapture();

public slots:
    void openFile(const QUrl &url);

signals:
    void restarted();
    void openedFilesChanged();

private:
    QString m_home;
    EpirbApp *m_app = nullptr;
    std::unique_ptr<BeaconSimulator> m_sim;
    std::unique_ptr<PgCluster> m_register;
    EpirbConfig m_stored;
    QStringList m_opened;
    QList<bool> m_protocols;
    QList<bool> m_beacons;
};
