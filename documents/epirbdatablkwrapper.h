#pragma once

#include "config/configextrametadata.h"
#include "config/configtables.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class EpirbConfig;
class EpirbMsgBase;
class QJSEngine;
class QQmlEngine;

// "Datablock": one configuration record formatted for pages and documents,
// with the actions that turn it into a report or labels. Nothing is cached:
// every read looks at the record as it is now.
class epirbdatablkWrapper : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Datablock)
    QML_SINGLETON

    Q_PROPERTY(ConfigTables::e_beaconTypes beaconType READ beaconType NOTIFY configChanged)
    Q_PROPERTY(ConfigTables::e_bracketTypes bracketType READ bracketType NOTIFY configChanged)
    Q_PROPERTY(QString bracketSerial READ bracketSerial NOTIFY configChanged)
    Q_PROPERTY(QString progDate READ progDate NOTIFY configChanged)
    Q_PROPERTY(QString serialNo READ serialNo NOTIFY configChanged)
    Q_PROPERTY(QString countryCode READ countryCode NOTIFY configChanged)
    Q_PROPERTY(int countryCodeNumber READ countryCodeNumber NOTIFY configChanged)
    Q_PROPERTY(QString protocol READ protocol NOTIFY configChanged)
    Q_PROPERTY(QString category READ category NOTIFY configChanged)
    Q_PROPERTY(QString hexId READ hexId NOTIFY configChanged)
    Q_PROPERTY(QString hexMsg READ hexMsg NOTIFY configChanged)
    // The stored message fails BCH-1 or BCH-2: rescuers' receivers would reject it.
    Q_PROPERTY(bool messageFails READ messageFails NOTIFY configChanged)
    Q_PROPERTY(QString hexChecksum READ hexChecksum NOTIFY configChanged)
    Q_PROPERTY(QString callSign READ callSign NOTIFY configChanged)
    Q_PROPERTY(QString vesselName READ vesselName NOTIFY configChanged)
    Q_PROPERTY(QString vesselFileName READ vesselFileName NOTIFY configChanged)
    Q_PROPERTY(QString hullNo READ hullNo NOTIFY configChanged)
    Q_PROPERTY(QString imoNo READ imoNo NOTIFY configChanged)
    Q_PROPERTY(QString ownerName READ ownerName NOTIFY configChanged)
    Q_PROPERTY(QString ownerAddress READ ownerAddress NOTIFY configChanged)
    Q_PROPERTY(QString ownerTelephone READ ownerTelephone NOTIFY configChanged)
    Q_PROPERTY(QString ownerOther READ ownerOther NOTIFY configChanged)
    // Why the beacon was programmed with a hex ID another beacon carries; empty normally.
    Q_PROPERTY(QString duplicateReason READ duplicateReason NOTIFY configChanged)
    Q_PROPERTY(QString battExpiry READ battExpiry NOTIFY configChanged)
    Q_PROPERTY(QString nextSBM READ nextSBM NOTIFY configChanged)
    Q_PROPERTY(int aisUserID READ aisUserID NOTIFY configChanged)
    Q_PROPERTY(int protocolCode READ protocolCode NOTIFY configChanged)
    Q_PROPERTY(QString idValue READ idValue NOTIFY configChanged)
    Q_PROPERTY(QString beaconNo READ beaconNo NOTIFY configChanged)
    Q_PROPERTY(bool firstEpirb READ firstEpirb NOTIFY configChanged)
    Q_PROPERTY(QString csApproval READ csApproval NOTIFY configChanged)
    Q_PROPERTY(QString additionalData READ additionalData NOTIFY configChanged)
    Q_PROPERTY(bool additionalDataType READ additionalDataType NOTIFY configChanged)
    Q_PROPERTY(ConfigExtraMetadata extraMetadata READ extraMetadata NOTIFY configChanged)
    Q_PROPERTY(QString addInfoNote READ addInfoNote WRITE setAddInfoNote NOTIFY addInfoChanged)

public:
    // 0 database record, 1 read back from a beacon, 2 result of a programming run.
    // RegisterView: another station's programming, from the shared register; not to be changed here.
    enum ViewMode { DatabaseView = 0, ReadbackView = 1, ProgrammingView = 2, RegisterView = 3 };

    explicit epirbdatablkWrapper(QObject *parent);
    static epirbdatablkWrapper *instance(QObject *parent);
    static epirbdatablkWrapper *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    // The record stays owned by the caller; the view forgets it if it is destroyed.
    void setConfig(EpirbConfig *config, int mode);
    void clearConfig();
    EpirbConfig *config() const { return m_config.data(); }
    int viewMode() const { return m_mode; }
    // Folder of the kind + "/" + serial + "_" + hex ID, made safe as a file name; empty without a folder.
    QString reportFileBase(int kind) const;
    QString reportFileName() const;
    QString programmingLabelFileName(bool pdf) const;
    QString countryLabelFileName(bool pdf) const;

    ConfigTables::e_beaconTypes beaconType() const;
    ConfigTables::e_bracketTypes bracketType() const { return ConfigTables::e_bracketTypes(-1); }
    QString bracketSerial() const { return QString(); }
    QString progDate() const;
    QString serialNo() const;
    QString countryCode() const;
    int countryCodeNumber() const;
    QString protocol() const;
    QString category() const;
    QString hexId() const;
    QString hexMsg() const;
    bool messageFails() const;
    QString hexChecksum() const;
    QString callSign() const { return QStringLiteral("N/A"); }
    QString vesselName() const { return QStringLiteral("N/A"); }
    QString vesselFileName() const;
    QString hullNo() const { return QStringLiteral("N/A"); }
    QString imoNo() const { return QStringLiteral("N/A"); }
    QString ownerName() const;
    QString ownerAddress() const;
    QString ownerTelephone() const;
    QString ownerOther() const;
    QString duplicateReason() const;
    QString battExpiry() const;
    QString nextSBM() const { return QStringLiteral("N/A"); }
    int aisUserID() const;
    int protocolCode() const;
    QString idValue() const;
    QString beaconNo() const;
    bool firstEpirb() const;
    QString csApproval() const;
    QString additionalData() const;
    bool additionalDataType() const;
    ConfigExtraMetadata extraMetadata() const;
    QString addInfoNote() const;
    void setAddInfoNote(const QString &note);

    // True when the report file was written; otherwise documentNotWritten() tells why.
    Q_INVOKABLE bool createReport();
    Q_INVOKABLE bool createProgrammingLabelPDF();
    Q_INVOKABLE bool createProgrammingLabelLBX();
    Q_INVOKABLE bool createCountryLabelLBX(const QString &customName);
    Q_INVOKABLE bool createCountryLabelPDF(const QString &customName);
    // True when a viewer took the report; otherwise documentNotOpened() names the file.
    Q_INVOKABLE bool showReport();
    // Hands a written document to the desktop; a refusal is announced, not only logged.
    bool openDocument(const QString &path, const QString &title, const QString &mimeType, const QString &uti);
    // Announces a document that could not be written, with the reason.
    void reportNotWritten(const QString &path, const QString &reason);
    // Opens the folder that holds the file, for when no viewer takes the file itself.
    Q_INVOKABLE bool openFolderOf(const QString &path);
    Q_INVOKABLE bool shareReport();
    Q_INVOKABLE QString getReportFileNameURI();
    Q_INVOKABLE bool isReadback();
    Q_INVOKABLE bool isProgramming();
    Q_INVOKABLE bool isRegister();

signals:
    void addInfoChanged();
    // The file was saved, but no program on this computer opened it.
    void documentNotOpened(const QString &path);
    void documentNotWritten(const QString &path, const QString &reason);
    void configChanged();

private:
    // The message rebuilt from the stored bytes; caller owns it.
    EpirbMsgBase *rebuildMessage() const;
    bool createProgrammingLabel(bool pdf);
    bool createCountryLabel(const QString &customName, bool pdf);

    QPointer<EpirbConfig> m_config;
    int m_mode = DatabaseView;
    static QPointer<epirbdatablkWrapper> s_instance;
};
