#pragma once

#include <QDateTime>
#include <QModelIndex>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QPointer>
#include <QVariant>

#include <memory>
#include <QtQml/qqmlregistration.h>

Q_MOC_INCLUDE("app/epirbapp.h")
Q_MOC_INCLUDE("config/countrycodemodel.h")
Q_MOC_INCLUDE("config/epirbconfig.h")
Q_MOC_INCLUDE("records/progbeaconlist.h")
Q_MOC_INCLUDE("records/databaseifc.h")
Q_MOC_INCLUDE("records/registeroutbox.h")
Q_MOC_INCLUDE("records/registerquerymodel.h")

class CountryCodeModel;
class DatabaseIfc;
class EpirbApp;
class EpirbConfig;
class ProgBeaconList;
class RegisterOutbox;
class RegisterQueryModel;
class QJSEngine;
class QQmlEngine;

// "QMLProxy": the pages' way to the controller, both records, the database and
// country models, and the small services QML does not do well by itself.
class EpirbQMLProxy : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(QMLProxy)
    QML_SINGLETON
    QML_UNCREATABLE("Created during context creation")

    Q_PROPERTY(EpirbApp *app READ app CONSTANT)
    Q_PROPERTY(EpirbConfig *configCurrent READ configCurrent CONSTANT)
    Q_PROPERTY(EpirbConfig *configPending READ configPending CONSTANT)
    Q_PROPERTY(ProgBeaconList *beaconListModel READ beaconListModel CONSTANT)
    // The stored beacons' file: its problems, backups and restore.
    Q_PROPERTY(DatabaseIfc *database READ database CONSTANT)
    // The shared register: its settings, status and "Send now".
    Q_PROPERTY(RegisterOutbox *sharedRegister READ sharedRegister CONSTANT)
    // Reports "All stations": the register's rows; null while no register is set up.
    Q_PROPERTY(RegisterQueryModel *registerRows READ registerRows NOTIFY registerRowsChanged)
    Q_PROPERTY(CountryCodeModel *countryModel READ countryModel CONSTANT)
    Q_PROPERTY(int dbBeacon READ dbBeacon WRITE setDbBeacon NOTIFY dbBeaconChanged)
    Q_PROPERTY(bool isHelpAvailable READ isHelpAvailable CONSTANT)
    Q_PROPERTY(bool isBetaVersion READ isBetaVersion CONSTANT)
    Q_PROPERTY(bool menuVisible READ menuVisible WRITE setMenuVisible NOTIFY menuVisibleChanged)
    Q_PROPERTY(QString exportIcon READ exportIcon CONSTANT)
    Q_PROPERTY(QString exportIconDisabled READ exportIconDisabled CONSTANT)
    Q_PROPERTY(QString exportReportIcon READ exportReportIcon CONSTANT)
    Q_PROPERTY(QString exportReportIconDisabled READ exportReportIconDisabled CONSTANT)
    Q_PROPERTY(QString shareReportIcon READ shareReportIcon CONSTANT)
    Q_PROPERTY(bool wantContactInfoConfig READ wantContactInfoConfig CONSTANT)
    Q_PROPERTY(QString currentStyle READ currentStyle CONSTANT)
    Q_PROPERTY(QString applicationVariant READ applicationVariant CONSTANT)
    Q_PROPERTY(QString applicationVersion READ applicationVersion CONSTANT)
    Q_PROPERTY(QString qtBuildVersion READ qtBuildVersion CONSTANT)
    Q_PROPERTY(QString qtRuntimeVersion READ qtRuntimeVersion CONSTANT)

public:
    // engine may be null (no image provider then).
    EpirbQMLProxy(QQmlEngine *engine, EpirbApp *app, EpirbConfig *configCurrent, EpirbConfig *configPending,
                  CountryCodeModel *countryModel, QObject *parent);

    // The objects the controller publishes at start-up for the singleton factory.
    static void setGlobals(EpirbApp *app, EpirbConfig *configCurrent, EpirbConfig *configPending,
                           CountryCodeModel *countryModel);
    static EpirbQMLProxy *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    Q_INVOKABLE void deleteCurrent();
    // Shows row of registerRows on the record page, read-only; false when it cannot be read.
    Q_INVOKABLE bool showRegisterRow(int row);
    Q_INVOKABLE bool regexTest(const QString &expr, const QString &str) const;
    Q_INVOKABLE QString dateString(const QDateTime &date, const QString &format, const QString &locale = QString()) const;
    Q_INVOKABLE QString dateTimeString(const QDateTime &date, const QString &format,
                                       const QString &locale = QString()) const;
    Q_INVOKABLE void alternateRowColors(QObject *item, const QVariant &color1, const QVariant &color2,
                                        int offset = 0) const;
    Q_INVOKABLE void hideInputMethod() const;
    Q_INVOKABLE int bitOr(int a, int b) const { return a | b; }
    Q_INVOKABLE QString getObjectName(QObject *item) const { return item ? item->objectName() : QString(); }
    Q_INVOKABLE QModelIndex toModelIndex(const QVariant &var) const;
    Q_INVOKABLE QStringList programmingPages() const;
    Q_INVOKABLE bool createContactLabelLBX(const QString &number);
    Q_INVOKABLE bool createContactLabelPDF(const QString &number);
    Q_INVOKABLE QString initialStackItem() const { return QStringLiteral("Main_StartProg.qml"); }
    Q_INVOKABLE void resetConfig(bool fullReset);
    Q_INVOKABLE qsizetype utf8ByteLength(const QString &s) const { return s.toUtf8().size(); }
    // A text as a screen reader speaks it (see QuickAccessibleItem::plainText).
    Q_INVOKABLE QString plainText(const QString &text) const;

    EpirbApp *app() const { return m_app; }
    EpirbConfig *configCurrent() const { return m_configCurrent; }
    EpirbConfig *configPending() const { return m_configPending; }
    ProgBeaconList *beaconListModel() const { return m_beaconListModel; }
    DatabaseIfc *database() const;
    RegisterOutbox *sharedRegister() const;
    RegisterQueryModel *registerRows();
    CountryCodeModel *countryModel() const { return m_countryModel; }
    int dbBeacon() const;
    void setDbBeacon(int row);
    bool isHelpAvailable() const;
    bool isBetaVersion() const { return false; }
    bool menuVisible() const { return m_menuVisible; }
    void setMenuVisible(bool visible);
    QString exportIcon() const { return QStringLiteral("Pictures/desktop-export.png"); }
    QString exportIconDisabled() const { return QStringLiteral("Pictures/desktop-export-disabled.png"); }
    QString exportReportIcon() const { return QStringLiteral("Pictures/desktop-export-report-pdf.png"); }
    QString exportReportIconDisabled() const { return QStringLiteral("Pictures/desktop-export-report-pdf-disabled.png"); }
    QString shareReportIcon() const { return exportIcon(); }
    bool wantContactInfoConfig() const { return true; }
    QString currentStyle() const;
    QString applicationVariant() const { return QStringLiteral("PLB"); }
    QString applicationVersion() const;
    QString qtBuildVersion() const;
    QString qtRuntimeVersion() const;

signals:
    void dbBeaconChanged();
    void registerRowsChanged();
    void menuVisibleChanged();

private:
    bool createContactLabel(const QString &number, bool pdf);

    EpirbApp *m_app;
    EpirbConfig *m_configCurrent;
    EpirbConfig *m_configPending;
    ProgBeaconList *m_beaconListModel;
    CountryCodeModel *m_countryModel;
    bool m_menuVisible = true;
    QPointer<RegisterQueryModel> m_registerRows;
    // The register record on show; the view forgets it when it goes.
    std::unique_ptr<EpirbConfig> m_registerRecord;
};
