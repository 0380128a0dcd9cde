#include "config/osslicensemodel.h"

#include <QFile>

namespace {
const char *const kLicenseFolder = ":/qt/qml/Quorvik/Backend/Licenses/";
}

OSSLicenseModel::OSSLicenseModel(QObject *parent)
    : QAbstractListModel(parent)
{
    m_rows = {
        { QStringLiteral(QT_TR_NOOP("-- Select License --")), QString() },
        { QStringLiteral("Qt6"), readLicense(QStringLiteral("Qt6_LGPL3.txt")) },
        { QStringLiteral("Libarchive"), readLicense(QStringLiteral("libarchive_BSD.txt")) },
        { QStringLiteral("WebP"), readLicense(QStringLiteral("WebP_BSD.txt")) },
        // Fonts we ship: Carlito for the pages, Liberation Sans for the labels.
        { QStringLiteral("Carlito"), readLicense(QStringLiteral("Carlito_OFL.txt")) },
        { QStringLiteral("Liberation"), readLicense(QStringLiteral("Liberation_OFL.txt")) },
    };
}

QString OSSLicenseModel::readLicense(const QString &fileName)
{
    const QString path = QString::fromLatin1(kLicenseFolder) + fileName;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "Could not open license file " + path + ": " + file.errorString();
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

int OSSLicenseModel::rowCount(const QModelIndex &) const
{
    return int(m_rows.size());
}

QVariant OSSLicenseModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.column() != 0 || index.row() >= m_rows.size())
        return {};
    const auto &row = m_rows.at(index.row());
    // The first row is the prompt, in the language shown; the rest are the components' names.
    if (role == Qt::DisplayRole || role == NameRole)
        return index.row() == 0 ? tr(qPrintable(row.first)) : row.first;
    if (role == LicenseRole)
        return row.second;
    return {};
}

QHash<int, QByteArray> OSSLicenseModel::roleNames() const
{
    return { { NameRole, QByteArrayLiteral("modelData") }, { LicenseRole, QByteArrayLiteral("license") } };
}
