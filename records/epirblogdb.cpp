#include "records/epirblogdb.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStringList>

#include <iterator>

EpirbLogDb *EpirbLogDb::s_instance = nullptr;

namespace {

quint16 le16(const uchar *p)
{
    return quint16(p[0] | (p[1] << 8));
}

quint32 le32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

// Boot reasons whose slot carries pressure and temperature instead of a time.
bool carriesSensorValues(quint8 reason)
{
    return reason == 0 || reason == 2;
}

// Serial numbers come from the beacon's memory: nothing of them may leave the folder
// or upset a file system.
QString fileNamePart(const QString &text)
{
    QString out;
    for (QChar ch : text.trimmed()) {
        const bool plain = ch.unicode() < 0x80 && (ch.isLetterOrNumber() || ch == QLatin1Char('-'));
        out += plain ? ch : QLatin1Char('_');
    }
    return out.isEmpty() ? QStringLiteral("unknown") : out;
}

// A value in one CSV cell: the separator and line breaks would start another.
QByteArray csvCell(const QString &text)
{
    QString cell = text;
    for (QChar &ch : cell) {
        if (ch == QLatin1Char(';') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            ch = QLatin1Char(' ');
    }
    return cell.toUtf8() + ';';
}

}

EpirbLogDb::EpirbLogDb(QObject *parent)
    : QObject(parent)
{
}

EpirbLogDb::~EpirbLogDb()
{
    if (s_instance == this)
        s_instance = nullptr;
}

EpirbLogDb *EpirbLogDb::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new EpirbLogDb(parent);
    return s_instance;
}

const LogEntry *EpirbLogDb::entryAt(int row) const
{
    if (row < 0 || row >= entryCount())
        return nullptr;
    return m_entries[size_t(row)].get();
}

quint16 EpirbLogDb::crc16(const char *data, qsizetype size)
{
    quint16 crc = 0;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= quint16(quint8(data[i]) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x8005) : quint16(crc << 1);
    }
    return crc;
}

QString EpirbLogDb::bootReasonName(int code)
{
    static const char *const names[] = {
        "STD test", "GNSS test", "Test aborted", "Quorvik", "IR protocol", "Seawater",
        "Manual", "NFC config", "Spurious", "IR FWUpd.", "Unknown Test",
    };
    const int c = code & 0xFF;
    if (c < int(std::size(names)))
        return QString::fromLatin1(names[c]);
    return QStringLiteral("Unknown");
}

QString EpirbLogDb::columnTitle(int column)
{
    static const char *const titles[] = {
        "Boot reason", "Boot mask", "Test result", "Duration", "Timestamp / Pressure", "Flags", "Notices",
    };
    if (column < 0 || column >= int(std::size(titles)))
        return QString();
    return QString::fromLatin1(titles[column]);
}

QString EpirbLogDb::beaconModel() const
{
    return m_beacon.type < 0 ? QString() : ConfigTables::instance(nullptr)->beaconLongName(m_beacon.type);
}

QString EpirbLogDb::entryText(const LogEntry &e, int column)
{
    switch (column) {
    case 0:
        return bootReasonName(e.bootReason);
    case 1:
        return QString::asprintf("0x%02x", e.bootMask);
    case 2:
        if (e.bootReason == 0 || e.bootReason == 1)
            return e.testResult == 0 ? QStringLiteral("OK") : QString::number(e.testResult);
        return QStringLiteral("-");
    case 3:
        return e.durationMinutes ? QString::asprintf("%u minutes", unsigned(e.durationMinutes)) : QStringLiteral("-");
    case 4:
        if (e.bootReason == 2)
            return QString::asprintf("T=%.1fC, P=%.1fhPa", e.temperature, e.pressure);
        if (!e.timestamp.isValid())
            return QString();
        if (e.timestamp.date().year() == 1970)
            return QStringLiteral("N/A");
        return e.timestamp.toString(Qt::ISODate);
    case 5:
        return QStringLiteral("0x") + QString::number(e.flags, 16);
    case 6: {
        QStringList notices;
        if (!e.cleanShutdown)
            notices << QStringLiteral("UNCLEAN_SHUTDOWN");
        if (e.excessiveShutdownTime)
            notices << QStringLiteral("EXCESSIVE_SHUTDOWN_TIME");
        return notices.join(QLatin1Char(','));
    }
    default:
        return QString();
    }
}

void EpirbLogDb::clear()
{
    emit logAboutToChange();
    m_counters.fill(0);
    m_sensors.fill(0);
    m_headerWord = 0;
    m_version = 0;
    m_entries.clear();
    forgetBeacon();
    emit logChanged();
    m_exportState = NotExported;
    m_exportPath.clear();
    emit exportChanged();
}

void EpirbLogDb::forgetBeacon()
{
    m_beacon = Beacon();
}

int EpirbLogDb::parseLog(const QByteArray &block, bool exportCsv)
{
    Beacon unknown;
    unknown.readTime = QDateTime::currentDateTime();
    return parse(block, exportCsv, unknown);
}

int EpirbLogDb::parseRead(const QByteArray &configBlock, const QByteArray &block, const QDateTime &readTime)
{
    Beacon beacon;
    beacon.readTime = readTime;
    EpirbConfig config;
    if (decodeDataBlock(configBlock, config)) {
        beacon.type = config.beaconType();
        beacon.serial = config.beaconSerial().trimmed();
        beacon.hexId = config.epirbHexMsg();
    } else {
        qWarning().noquote() << QStringLiteral("The configuration read with the boot log does not decode (%1 bytes): "
                                               "the log's beacon is not known")
                                    .arg(configBlock.size());
    }
    return parse(block, true, beacon);
}

int EpirbLogDb::parse(const QByteArray &block, bool withExport, const Beacon &beacon)
{
    // Counters and version change on every path, a decode replaces the entries too.
    emit logAboutToChange();
    const auto changed = qScopeGuard([this] { emit logChanged(); });
    m_counters.fill(0);
    m_sensors.fill(0);
    m_headerWord = 0;
    m_version = 0;

    const auto byteAt = [&block](int i) { return quint8(block.at(i)); };
    if (block.size() >= 387) {
        if (block.size() >= kLayout2Size && byteAt(511) != 0 && byteAt(511) != 0xFF)
            m_version = byteAt(511);
        else if (byteAt(386) != 0 && byteAt(386) != 0xFF)
            m_version = byteAt(386);
    }

    int layoutSize = 0;
    int slotCount = 0;
    if (m_version <= 1) {
        layoutSize = kLayout1Size;
        slotCount = kLayout1Slots;
    } else if (m_version == 2) {
        layoutSize = kLayout2Size;
        slotCount = kLayout2Slots;
    } else {
        qWarning().noquote() << QStringLiteral("Log version %1 is not supported").arg(m_version);
        return UnsupportedVersion;
    }
    // The decoders walk the whole layout: a truncated read must not be decoded from
    // whatever lies past its end.
    if (block.size() < layoutSize) {
        qWarning().noquote() << QStringLiteral("Boot log block too short: %1 bytes, log version %2 needs %3")
                                    .arg(block.size()).arg(m_version).arg(layoutSize);
        return ShortBlock;
    }

    decode(block, layoutSize, slotCount);
    // Only the entries decoded from this block are this beacon's.
    m_beacon = beacon;
    m_exportState = NotExported;
    m_exportPath.clear();

    if (withExport)
        exportCsv();
    emit exportChanged();
    return Ok;
}

void EpirbLogDb::decode(const QByteArray &block, int layoutSize, int slotCount)
{
    const auto *p = reinterpret_cast<const uchar *>(block.constData());
    const bool v2 = m_version == 2;

    if (crc16(block.constData() + 2, layoutSize - 2) != le16(p))
        qWarning() << "WARNING: Boot log CRC is not valid, output might not be correct";

    const int counterCount = v2 ? 16 : 8;
    for (int i = 0; i < counterCount; ++i)
        m_counters[size_t(i)] = p[6 + i];
    const int sensorOffset = v2 ? 22 : 14;
    for (int i = 0; i < 6; ++i)
        m_sensors[size_t(i)] = qint16(le16(p + sensorOffset + 2 * i));
    if (v2)
        m_headerWord = le16(p + 490);
    else if (m_version == 1)
        m_headerWord = le16(p + 387);

    uint count = le16(p + 2);
    uint index = le16(p + 4);
    if (count > uint(slotCount)) {
        qWarning().noquote() << QStringLiteral("Max log entry count exceeded: %1 for log version %2").arg(count).arg(m_version);
        qWarning().noquote() << QStringLiteral("Showing last %1 entries").arg(slotCount);
        count = uint(slotCount);
    }
    if (count != 0 && index >= count) {
        qWarning().noquote() << QStringLiteral("Invalid log current index: %1").arg(index);
        index = 0;
    }
    qDebug().noquote() << QString::asprintf("Entries: %u, index: %u, version: %u", count, index, unsigned(m_version));

    const int firstSlot = v2 ? 34 : 26;
    const int slotSize = v2 ? 12 : 8;
    m_entries.clear();
    m_entries.reserve(count);
    for (int k = 0; k < int(count); ++k) {
        int slot = int(index) - k;
        if (slot < 0)
            slot += slotCount;
        m_entries.push_back(decodeSlot(p + firstSlot + slot * slotSize, slot));
    }
}

std::unique_ptr<LogEntry> EpirbLogDb::decodeSlot(const uchar *s, int slotIndex) const
{
    auto e = std::make_unique<LogEntry>();
    const uchar *tail = nullptr;
    if (m_version == 2) {
        e->bootReason = s[0];
        e->bootMask = s[1];
        e->testResult = s[2];
        e->durationMinutes = le16(s + 3);
        e->flags = quint32(s[5]) | (quint32(s[6]) << 8) | (quint32(s[7]) << 16);
        e->cleanShutdown = e->flags & 1;
        e->excessiveShutdownTime = e->flags & 2;
        tail = s + 8;
    } else {
        e->bootReason = s[0] & 7;
        e->bootMask = s[0] >> 3;
        // A standard test with only mask bit 0 among the low two bits is a spurious boot.
        if (e->bootReason == 0 && !(e->bootMask & 2) && (e->bootMask & 1)) {
            e->bootReason = 8;
            if (e->bootMask & ~1)
                e->bootMask &= ~1;
        }
        e->testResult = s[1];
        e->durationMinutes = le16(s + 2);
        tail = s + 4;
    }

    if (carriesSensorValues(e->bootReason)) {
        e->pressure = qint16(le16(tail)) / 100.0;
        e->temperature = qint16(le16(tail + 2)) / 10.0;
    } else {
        e->timestamp = QDateTime::fromSecsSinceEpoch(qint64(le32(tail)));
    }
    if (m_version == 0 && slotIndex == 44) {
        e->timestamp = QDateTime();
        e->temperature = 0.0;
    }
    return e;
}

QString EpirbLogDb::csvPath() const
{
    if (!m_csvPath.isEmpty())
        return m_csvPath;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') + defaultCsvName();
}

QString EpirbLogDb::defaultCsvName() const
{
    const QString model = m_beacon.type < 0 ? QString()
                                            : ConfigTables::instance(nullptr)->beaconShortName(m_beacon.type);
    const QDateTime time = m_beacon.readTime.isValid() ? m_beacon.readTime : QDateTime::currentDateTime();
    return QStringLiteral("log_%1_%2_%3.csv")
        .arg(fileNamePart(model), fileNamePart(m_beacon.serial), time.toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
}

QString EpirbLogDb::freeCsvPath() const
{
    const QString path = csvPath();
    if (!QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2; n < 1000; ++n) {
        const QString candidate = QStringLiteral("%1_%2%3").arg(stem).arg(n).arg(suffix);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

bool EpirbLogDb::exportCsv()
{
    const QString path = csvPath();
    if (m_csvPath.isEmpty() && QFileInfo::exists(path)) {
        qWarning().noquote() << "Boot log export not written: an earlier export holds" << path;
        m_exportState = ExportExists;
        m_exportPath = path;
        emit exportChanged();
        return false;
    }
    return writeExport(path);
}

bool EpirbLogDb::replaceExport()
{
    if (m_exportState != ExportExists)
        return false;
    qDebug().noquote() << "Replacing the earlier boot log export" << m_exportPath;
    return writeExport(m_exportPath);
}

bool EpirbLogDb::exportAsNewFile()
{
    if (m_exportState != ExportExists)
        return false;
    const QString path = freeCsvPath();
    if (path.isEmpty()) {
        qWarning().noquote() << "No free file name beside" << csvPath();
        m_exportState = ExportFailed;
        emit exportChanged();
        return false;
    }
    return writeExport(path);
}

bool EpirbLogDb::writeExport(const QString &path)
{
    const bool written = writeCsv(path);
    m_exportState = written ? Exported : ExportFailed;
    m_exportPath = path;
    emit exportChanged();
    return written;
}

bool EpirbLogDb::writeCsv(const QString &path) const
{
    qDebug().noquote() << "Exporting CSV log to" << path;
    // A fresh account may have no documents folder yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "Could not write" << path << ":" << file.errorString();
        return false;
    }
    // Whose log it is and when it was read, then every column the page shows.
    QByteArray text;
    text += csvCell(QStringLiteral("Model")) + csvCell(beaconModel());
    text += csvCell(QStringLiteral("Serial no")) + csvCell(m_beacon.serial);
    text += csvCell(QStringLiteral("Hex ID")) + csvCell(m_beacon.hexId);
    text += csvCell(QStringLiteral("Read at")) + csvCell(m_beacon.readTime.toString(Qt::ISODate));
    text += '\n';
    const int columns = columnCount();
    text += "Boot reason;Boot mask;Test result;Duration;Timestamp;";
    for (int column = 5; column < columns; ++column)
        text += csvCell(columnTitle(column));
    text += '\n';
    for (const auto &entry : m_entries) {
        for (int column = 0; column < columns; ++column)
            text += csvCell(entryText(*entry, column));
        text += '\n';
    }
    file.write(text);
    return file.commit();
}
