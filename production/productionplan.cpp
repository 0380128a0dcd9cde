#include "production/productionplan.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString kSerial = QStringLiteral("serial");

bool toInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

// "MMyyyy" as on the command line; "MM/yyyy" as the pages take it.
QDateTime expiryOf(const QString &text)
{
    QString t = text.trimmed();
    if (t.size() == 6 && !t.contains(QLatin1Char('/')))
        t.insert(2, QLatin1Char('/'));
    return IdentityRules::batteryExpiryDate(t);
}

} // namespace

const QStringList &ProductionPlan::columns()
{
    static const QStringList names = {
        QStringLiteral("serial"),      QStringLiteral("protocol"),      QStringLiteral("country"),
        QStringLiteral("batteryexpiry"), QStringLiteral("mmsi"),        QStringLiteral("beaconno"),
        QStringLiteral("callsign"),    QStringLiteral("nationalid"),    QStringLiteral("owner_name"),
        QStringLiteral("owner_address"), QStringLiteral("owner_phone"), QStringLiteral("owner_other"),
    };
    return names;
}

QList<QPair<int, QStringList>> ProductionPlan::splitCsv(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<QPair<int, QStringList>> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false;
    int line = 1;
    int recordLine = 1;
    auto endRecord = [&] {
        if (any || !field.isEmpty() || !fields.isEmpty()) {
            fields << field;
            records.append({ recordLine, fields });
        }
        fields.clear();
        field.clear();
        any = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            recordLine = ++line;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    endRecord();
    return records;
}

QString ProductionPlan::csvField(const QString &text)
{
    // One line per record whatever a text holds; a leading formula sign is no formula.
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!t.isEmpty() && QStringLiteral("=+-@").contains(t.at(0)))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('"')) || t != t.trimmed())
        return QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return t;
}

bool ProductionPlan::load(const QString &path, const QMap<QString, QString> &defaults)
{
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_rows.clear();
        m_errors = QStringList{ QStringLiteral("%1: %2").arg(path, file.errorString()) };
        return false;
    }
    return parse(file.readAll(), defaults);
}

QString ProductionPlan::name() const
{
    return QFileInfo(m_path).completeBaseName();
}

bool ProductionPlan::parse(const QByteArray &text, const QMap<QString, QString> &defaults)
{
    m_rows.clear();
    m_errors.clear();
    m_defaults.clear();
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        if (it.key() == kSerial || !columns().contains(it.key()))
            m_errors << QStringLiteral("default %1: not a value every beacon can share").arg(it.key());
        else if (!it.value().trimmed().isEmpty())
            m_defaults.insert(it.key(), it.value().trimmed());
    }

    const QList<QPair<int, QStringList>> records = splitCsv(text);
    if (records.isEmpty()) {
        m_errors << QStringLiteral("line 1: the plan is empty; it needs a header with the column serial");
        return false;
    }
    QStringList header;
    for (const QString &h : records.first().second)
        header << h.trimmed().toLower();
    QSet<QString> seen;
    for (const QString &h : header) {
        if (!columns().contains(h))
            m_errors << QStringLiteral("line 1: unknown column \"%1\" (columns: %2)").arg(h, columns().join(QLatin1String(", ")));
        else if (seen.contains(h))
            m_errors << QStringLiteral("line 1: column %1 twice").arg(h);
        seen.insert(h);
    }
    if (!header.contains(kSerial))
        m_errors << QStringLiteral("line 1: no column serial");
    if (!m_errors.isEmpty())
        return false;

    QMap<QString, int> firstLineOf;
    for (int r = 1; r < records.size(); ++r) {
        const int line = records.at(r).first;
        const QStringList fields = records.at(r).second;
        bool blank = true;
        for (const QString &f : fields)
            blank = blank && f.trimmed().isEmpty();
        if (blank)
            continue;
        if (fields.size() > header.size()) {
            m_errors << QStringLiteral("line %1: %2 values for %3 columns").arg(line).arg(fields.size()).arg(header.size());
            continue;
        }
        Row row;
        row.line = line;
        for (int c = 0; c < fields.size(); ++c) {
            const QString v = fields.at(c).trimmed();
            if (!v.isEmpty())
                row.values.insert(header.at(c), v);
        }
        row.serial = row.values.value(kSerial);
        if (firstLineOf.contains(row.serial) && !row.serial.isEmpty()) {
            m_errors << QStringLiteral("line %1: serial %2 is planned on line %3 already")
                            .arg(line)
                            .arg(row.serial)
                            .arg(firstLineOf.value(row.serial));
            continue;
        }
        const QString why = checkRow(row);
        if (!why.isEmpty()) {
            m_errors << QStringLiteral("line %1: %2").arg(line).arg(why);
            continue;
        }
        firstLineOf.insert(row.serial, line);
        m_rows.append(row);
    }
    if (m_errors.isEmpty() && m_rows.isEmpty())
        m_errors << QStringLiteral("line 2: the plan has no beacon");
    if (!m_errors.isEmpty())
        m_rows.clear();
    return m_errors.isEmpty();
}

QString ProductionPlan::checkRow(const Row &row) const
{
    const QString serialProblem = IdentityRules::checkBeaconSerial(ConfigTables::E_SkuaP5, row.serial);
    if (!serialProblem.isEmpty())
        return QStringLiteral("serial \"%1\": %2").arg(row.serial, serialProblem);
    QMap<QString, QString> values = m_defaults;
    for (auto it = row.values.cbegin(); it != row.values.cend(); ++it)
        values.insert(it.key(), it.value());
    // What a beacon read before programming holds of its own: model and serial number.
    EpirbConfig config(nullptr);
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(row.serial);
    return applyValues(values, config);
}

int ProductionPlan::indexOf(const QString &serial) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).serial == serial)
            return i;
    }
    return -1;
}

QString ProductionPlan::value(int row, const QString &column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).values.value(column, m_defaults.value(column));
}

QString ProductionPlan::applyTo(int row, EpirbConfig &config) const
{
    if (row < 0 || row >= m_rows.size())
        return QStringLiteral("no such row");
    QMap<QString, QString> values = m_defaults;
    const Row &r = m_rows.at(row);
    for (auto it = r.values.cbegin(); it != r.values.cend(); ++it)
        values.insert(it.key(), it.value());
    return applyValues(values, config);
}

QString ProductionPlan::applyValues(const QMap<QString, QString> &values, EpirbConfig &config)
{
    int protocol = 0;
    int country = 0;
    if (!values.contains(QStringLiteral("protocol")))
        return QStringLiteral("protocol: none given (a column or --protocol)");
    if (!toInt(values.value(QStringLiteral("protocol")), protocol) || protocol < 0
        || protocol >= ConfigTables::E_ProtocolMax)
        return QStringLiteral("protocol \"%1\": not a protocol number (0-%2)")
                .arg(values.value(QStringLiteral("protocol")))
                .arg(ConfigTables::E_ProtocolMax - 1);
    if (!values.contains(QStringLiteral("country")))
        return QStringLiteral("country: none given (a column or --country)");
    if (!toInt(values.value(QStringLiteral("country")), country) || country < 100 || country > 999)
        return QStringLiteral("country \"%1\": not a three-digit country code").arg(values.value(QStringLiteral("country")));
    if (!values.contains(QStringLiteral("batteryexpiry")))
        return QStringLiteral("batteryexpiry: none given (a column or --batteryexpiry)");
    const QDateTime expiry = expiryOf(values.value(QStringLiteral("batteryexpiry")));
    if (!expiry.isValid())
        return QStringLiteral("batteryexpiry \"%1\": not a month and year as MMyyyy")
                .arg(values.value(QStringLiteral("batteryexpiry")));
    if (values.contains(QStringLiteral("mmsi")) && values.contains(QStringLiteral("callsign")))
        return QStringLiteral("mmsi and callsign: a beacon carries one of them");

    // Nothing of an identity the beacon carried before may pass for the planned one.
    config.setMmsi(QString());
    config.setBeaconNo(0);
    config.setFirstEpirb(true);
    config.setCustomSerial(0);
    config.setAdditionalData(0);
    config.setProtocolId(protocol);
    config.setCountryCode(country);
    config.setBatteryExpiry(expiry);
    if (config.tacNo() == 0)
        config.setTacNo(ConfigTables::instance(nullptr)->csApproval(config.beaconType(), config.beaconSerial().toInt()));
    config.setMmsi(values.value(QStringLiteral("mmsi"), values.value(QStringLiteral("callsign"))));
    if (values.contains(QStringLiteral("beaconno"))) {
        int n = 0;
        if (!toInt(values.value(QStringLiteral("beaconno")), n) || n < 0 || n > 255)
            return QStringLiteral("beaconno \"%1\": not a beacon number").arg(values.value(QStringLiteral("beaconno")));
        config.setBeaconNo(n);
    }
    if (values.contains(QStringLiteral("nationalid"))) {
        int n = 0;
        if (!toInt(values.value(QStringLiteral("nationalid")), n) || n < 0)
            return QStringLiteral("nationalid \"%1\": not a number").arg(values.value(QStringLiteral("nationalid")));
        config.setCustomSerial(n);
    }
    config.setOwnerName(values.value(QStringLiteral("owner_name")));
    config.setOwnerAddress(values.value(QStringLiteral("owner_address")));
    config.setOwnerTelephone(values.value(QStringLiteral("owner_phone")));
    config.setOwnerOther(values.value(QStringLiteral("owner_other")));
    return IdentityRules::checkRecord(config);
}
