#include "production/productionplan.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

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

QList<QPair<int, QStringList>> ProductionPlan::splitCsv(const QString &text, QChar separator, QStringList *errors)
{
    QList<QPair<int, QStringList>> records;
    QStringList fields;
    QString field;
    enum class State { FieldStart, Plain, Quoted, QuoteClosed } state = State::FieldStart;
    int line = 1;
    int recordLine = 1;
    int quoteLine = 1;
    bool bad = false;
    auto fail = [&](const QString &why) {
        if (errors)
            *errors << QStringLiteral("line %1: %2").arg(recordLine).arg(why);
        bad = true;
    };
    auto endRecord = [&] {
        fields << field;
        const bool blank = fields.size() == 1 && fields.first().isEmpty();
        if (!bad && !blank)
            records.append({ recordLine, fields });
        fields.clear();
        field.clear();
        bad = false;
        state = State::FieldStart;
    };
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (bad) {
            // The rest of a damaged record's line is not read as values.
            if (c == QLatin1Char('\n')) {
                endRecord();
                recordLine = ++line;
            }
            continue;
        }
        switch (state) {
        case State::Quoted:
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    state = State::QuoteClosed;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        case State::QuoteClosed:
            if (c != separator && c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
                fail(QStringLiteral("text after the closing quote of a field (a quote inside a quoted field is "
                                    "written twice: \"\")"));
                continue;
            }
            break;
        case State::FieldStart:
            if (c == QLatin1Char('"')) {
                state = State::Quoted;
                quoteLine = line;
                continue;
            }
            break;
        case State::Plain:
            break;
        }
        if (c == separator) {
            fields << field;
            field.clear();
            state = State::FieldStart;
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            recordLine = ++line;
        } else if (c == QLatin1Char('\r')) {
            // CRLF line ends; a lone CR inside a value is dropped as before.
        } else if (c == QLatin1Char('"')) {
            fail(QStringLiteral("a quote inside a value (a value with a quote must be quoted whole, the quote "
                                "written twice)"));
        } else {
            field += c;
            state = State::Plain;
        }
    }
    if (state == State::Quoted && !bad) {
        if (errors)
            *errors << QStringLiteral("line %1: a quote opened here is never closed").arg(quoteLine);
        bad = true;
    }
    if (!field.isEmpty() || !fields.isEmpty() || bad || state != State::FieldStart)
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

bool ProductionPlan::parse(const QByteArray &bytes, const QMap<QString, QString> &defaults)
{
    m_rows.clear();
    m_errors.clear();
    m_notes.clear();
    m_defaults.clear();
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        if (it.key() == kSerial || !columns().contains(it.key()))
            m_errors << QStringLiteral("default %1: not a value every beacon can share").arg(it.key());
        else if (!it.value().trimmed().isEmpty())
            m_defaults.insert(it.key(), it.value().trimmed());
    }

    // Owner texts go to the beacon as UTF-8: a file in another encoding would put other
    // letters there than the ones the plan shows.
    const QList<QByteArray> rawLines = bytes.split('\n');
    for (int i = 0; i < rawLines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(rawLines.at(i));
        Q_UNUSED(decoded);
        if (utf8.hasError())
            m_errors << QStringLiteral("line %1: not UTF-8 text; save the plan as CSV UTF-8").arg(i + 1);
    }
    if (!m_errors.isEmpty())
        return false;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    // Spreadsheets in many locales separate with ";": the header tells which one this is.
    const QString headerLine = text.left(text.indexOf(QLatin1Char('\n')));
    QChar separator = QLatin1Char(',');
    if (!headerLine.contains(QLatin1Char(',')) && headerLine.contains(QLatin1Char(';'))) {
        separator = QLatin1Char(';');
        m_notes << QStringLiteral("The plan is read as separated by semicolons (\";\"): its header has no comma.");
    }

    // A record the reader could not take is named; the others are still checked, so one
    // run names every bad row.
    const QList<QPair<int, QStringList>> records = splitCsv(text, separator, &m_errors);
    if (records.isEmpty() || records.first().first != 1) {
        if (m_errors.isEmpty() || records.isEmpty())
            m_errors << QStringLiteral("line 1: the plan is empty; it needs a header with the column serial");
        return false;
    }
    const int readerErrors = int(m_errors.size());
    QStringList header;
    for (const QString &h : records.first().second)
        header << h.trimmed().toLower();
    QSet<QString> seen;
    for (const QString &h : header) {
        if (!columns().contains(h)) {
            QString hint;
            if (h.contains(QLatin1Char(';')) || h.contains(QLatin1Char('\t')))
                hint = QStringLiteral("; the values must be separated all by \",\" or all by \";\"");
            m_errors << QStringLiteral("line 1: unknown column \"%1\" (columns: %2)%3")
                            .arg(h, columns().join(QLatin1String(", ")), hint);
        } else if (seen.contains(h)) {
            m_errors << QStringLiteral("line 1: column %1 twice").arg(h);
        }
        seen.insert(h);
    }
    if (!header.contains(kSerial))
        m_errors << QStringLiteral("line 1: no column serial");
    if (m_errors.size() > readerErrors)
        return false;

    QMap<QString, int> firstLineOf;
    QMap<QString, QPair<int, QString>> hexIdAt; // hex ID -> line, serial
    for (int r = 1; r < records.size(); ++r) {
        const int line = records.at(r).first;
        const QStringList fields = records.at(r).second;
        bool blank = true;
        for (const QString &f : fields)
            blank = blank && f.trimmed().isEmpty();
        if (blank)
            continue;
        if (fields.size() != header.size()) {
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
        firstLineOf.insert(row.serial, line);
        EpirbConfig config(nullptr);
        const QString why = checkRow(row, config);
        if (!why.isEmpty()) {
            m_errors << QStringLiteral("line %1: %2").arg(line).arg(why);
            continue;
        }
        const QString hexId = config.epirbHexMsg();
        if (hexIdAt.contains(hexId)) {
            m_errors << QStringLiteral("line %1: serial %2 would get hex ID %3, as serial %4 on line %5")
                            .arg(line)
                            .arg(row.serial, hexId, hexIdAt.value(hexId).second)
                            .arg(hexIdAt.value(hexId).first);
            continue;
        }
        hexIdAt.insert(hexId, { line, row.serial });
        m_rows.append(row);
    }
    if (m_errors.isEmpty() && m_rows.isEmpty())
        m_errors << QStringLiteral("line 2: the plan has no beacon");
    if (!m_errors.isEmpty())
        m_rows.clear();
    return m_errors.isEmpty();
}

QString ProductionPlan::checkRow(const Row &row, EpirbConfig &config) const
{
    const QString serialProblem = IdentityRules::checkBeaconSerial(ConfigTables::E_SkuaP5, row.serial);
    if (!serialProblem.isEmpty())
        return QStringLiteral("serial \"%1\": %2").arg(row.serial, serialProblem);
    QMap<QString, QString> values = m_defaults;
    for (auto it = row.values.cbegin(); it != row.values.cend(); ++it)
        values.insert(it.key(), it.value());
    // What a beacon read before programming holds of its own: model and serial number.
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(row.serial);
    const QString why = applyValues(values, config);
    if (why.isEmpty())
        config.calculateCsMsg();
    return why;
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

QString ProductionPlan::recordOf(int row, EpirbConfig &config) const
{
    if (row < 0 || row >= m_rows.size())
        return QStringLiteral("no such row");
    return checkRow(m_rows.at(row), config);
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
    // A value the protocol has no place for would be dropped without a word.
    const QStringList carried = IdentityRules::fields(protocol);
    static const QList<QPair<QString, QString>> identityColumns = {
        { QStringLiteral("mmsi"), QStringLiteral("mmsi") },
        { QStringLiteral("callsign"), QStringLiteral("mmsi") },
        { QStringLiteral("beaconno"), QStringLiteral("beaconNo") },
        { QStringLiteral("nationalid"), QStringLiteral("nationalId") },
    };
    for (const auto &column : identityColumns) {
        if (values.contains(column.first) && !carried.contains(column.second))
            return QStringLiteral("%1 \"%2\": protocol %3 does not carry it")
                    .arg(column.first, values.value(column.first))
                    .arg(protocol);
    }

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
        // The protocol tells first and second EPIRB apart only: 1 is the second.
        if (protocol == ConfigTables::E_RlsUserMmsiEpirb)
            config.setFirstEpirb(n == 0);
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
    if (ownerTextBytes(config) > ownerTextCapacity())
        return QStringLiteral("owner texts: %1 bytes as UTF-8 with the separators between them, the beacon holds %2; shorten them")
                .arg(ownerTextBytes(config))
                .arg(ownerTextCapacity());
    return IdentityRules::checkRecord(config);
}
