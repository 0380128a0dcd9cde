#include "config/countrycodemodel.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

QPointer<CountryCodeModel> CountryCodeModel::s_instance;

namespace {
// A binary or garbled file would otherwise flood the log with one line per byte run.
constexpr int kMaxLineWarnings = 50;
constexpr int kLabelMax = 45;
}

CountryCodeModel::CountryCodeModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

CountryCodeModel *CountryCodeModel::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new CountryCodeModel(parent);
    return s_instance;
}

void CountryCodeModel::selectCountry(int nCountryCode)
{
    m_selectedIndex = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).code == nCountryCode) {
            m_selectedIndex = i;
            break;
        }
    }
}

bool CountryCodeModel::isCountryUsa(int nCode)
{
    return nCode == 338 || (nCode >= 366 && nCode <= 369);
}

bool CountryCodeModel::isCountryAustralia(int nCode)
{
    return nCode >= 503 && nCode <= 505;
}

bool CountryCodeModel::isCountryNewZealand(int nCode)
{
    return nCode == 512 || nCode == 513;
}

bool CountryCodeModel::isCountrySpainorItaly(int nCode)
{
    return nCode == 224 || nCode == 225 || nCode == 247;
}

bool CountryCodeModel::isCountryNorway(int nCode)
{
    return nCode >= 257 && nCode <= 259;
}

int CountryCodeModel::rowCount(const QModelIndex &) const
{
    return int(m_rows.size());
}

int CountryCodeModel::columnCount(const QModelIndex &) const
{
    return 2;
}

QVariant CountryCodeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_rows.size() || role != Qt::DisplayRole)
        return {};
    const CountryRow &row = m_rows.at(index.row());
    switch (index.column()) {
    case CodeColumn:
        return row.codeText;
    case CountryColumn:
        return row.name;
    default:
        return {};
    }
}

QVariant CountryCodeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == CodeColumn)
        return QStringLiteral("CODE");
    if (section == CountryColumn)
        return QStringLiteral("COUNTRY");
    return {};
}

bool CountryCodeModel::loadCountryList(const QString &folder, const QString &preselectName)
{
    beginResetModel();
    m_rows.clear();
    m_selectedIndex = -1;
    const QString path = folder + QDir::separator() + QStringLiteral("Country.txt");
    m_rows = parseCountryFile(path);
    if (!m_rows.isEmpty()) {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_rows.at(i).name.contains(preselectName)) {
                m_selectedIndex = i;
                break;
            }
        }
    } else {
        qWarning().noquote() << "Country list " + path + " is not a valid country list";
    }
    endResetModel();
    return !m_rows.isEmpty();
}

QList<CountryRow> CountryCodeModel::parseCountryFile(const QString &path)
{
    QList<CountryRow> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;

    // Read a bounded amount: a huge file, or a device without end, must not stall start-up.
    const QByteArray raw = file.read(kMaxFileSize + 1);
    if (raw.size() > kMaxFileSize) {
        qWarning().noquote() << "Country list " + path + " is larger than "
                + QString::number(kMaxFileSize) + " bytes and is ignored";
        return rows;
    }

    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(raw);
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    if (text.isEmpty())
        return rows;
    // A final line end does not start another line.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);

    int warnings = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        CountryRow row;
        row.codeText = line.left(3);
        bool ok = false;
        row.code = row.codeText.trimmed().toInt(&ok);
        if (!ok)
            row.code = 0;
        if (ok && row.code >= 200 && row.code <= 799) {
            row.name = line.mid(4);
            rows.append(row);
            continue;
        }
        if (++warnings <= kMaxLineWarnings)
            qWarning().noquote() << QStringLiteral("Ignoring invalid counry code %1").arg(row.code);
    }
    if (warnings > kMaxLineWarnings)
        qWarning().noquote() << QStringLiteral("Country list %1: %2 more invalid lines ignored")
                                    .arg(path)
                                    .arg(warnings - kMaxLineWarnings);
    return rows;
}

QString CountryCodeModel::countryLabelText(int code) const
{
    QString text = QStringLiteral("(N/A)");
    for (const CountryRow &row : m_rows) {
        if (row.code != code)
            continue;
        text = row.codeText + (code == 319 ? QStringLiteral("/232  ") : QStringLiteral("  ")) + row.name;
        break;
    }
    if (text.size() > kLabelMax)
        text = text.left(kLabelMax) + QStringLiteral("...");
    return text;
}

std::function<QString(int)> CountryCodeModel::nameLookup() const
{
    return [rows = m_rows](int code) {
        for (const CountryRow &row : rows) {
            if (row.code == code)
                return row.name;
        }
        return QString();
    };
}
