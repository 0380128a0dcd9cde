#pragma once

#include "records/epirblogdb.h"

#include <QAbstractTableModel>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;

// The boot-log entries, newest first, one row each; whose log it is and where its
// export went.
class EpirbLogDbBinding : public QAbstractTableModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(LogDBModel)
    QML_SINGLETON
    Q_PROPERTY(QString beaconModel READ beaconModel NOTIFY beaconChanged)
    Q_PROPERTY(QString beaconSerial READ beaconSerial NOTIFY beaconChanged)
    Q_PROPERTY(QString hexId READ hexId NOTIFY beaconChanged)
    Q_PROPERTY(QString readTime READ readTime NOTIFY beaconChanged)
    Q_PROPERTY(int exportState READ exportState NOTIFY exportChanged)
    Q_PROPERTY(QString exportPath READ exportPath NOTIFY exportChanged)
    Q_PROPERTY(QString exportFileName READ exportFileName NOTIFY exportChanged)

public:
    enum ExportState {
        NotExported = EpirbLogDb::NotExported,
        Exported = EpirbLogDb::Exported,
        ExportExists = EpirbLogDb::ExportExists,
        ExportFailed = EpirbLogDb::ExportFailed,
    };
    Q_ENUM(ExportState)

    // The decoder is also the parent.
    explicit EpirbLogDbBinding(EpirbLogDb *db);

    static EpirbLogDbBinding *create(QQmlEngine *, QJSEngine *);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QString beaconModel() const { return m_db->beaconModel(); }
    QString beaconSerial() const { return m_db->beaconSerial(); }
    QString hexId() const { return m_db->hexId(); }
    QString readTime() const { return m_db->readTime().toString(Qt::ISODate); }
    int exportState() const { return m_db->exportState(); }
    QString exportPath() const { return m_db->exportPath(); }
    QString exportFileName() const;

    // The technician's answer when an earlier export holds the file name.
    Q_INVOKABLE bool replaceExport() { return m_db->replaceExport(); }
    Q_INVOKABLE bool exportAsNewFile() { return m_db->exportAsNewFile(); }

signals:
    void beaconChanged();
    void exportChanged();

private:
    EpirbLogDb *m_db;
};
