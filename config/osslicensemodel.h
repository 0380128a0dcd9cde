#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPair>
#include <QString>

// Names and texts of the licences of the libraries shipped with the program.
class OSSLicenseModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles { NameRole = Qt::UserRole + 1, LicenseRole };

    explicit OSSLicenseModel(QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    static QString readLicense(const QString &fileName);

private:
    QList<QPair<QString, QString>> m_rows;
};
