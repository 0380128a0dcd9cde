#include "records/databaseifc.h"

#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <memory>

DatabaseIfc *DatabaseIfc::s_instance = nullptr;

namespace {

const char kDateFormat[] = "yyyyMMdd";
// A report of 10,000 beacons is about 10 MiB; anything far beyond is not one.
constexpr qint64 kMaxReportSize = 256 * 1024 * 1024;
constexpr qint64 kReadPiece = 64 * 1024;

qint32 signedByteSum(const QByteArray &bytes)
{
    quint32 sum = 0;
    for (char c : bytes)
        sum += quint32(qint32(qint8(c)));
    return qint32(sum);
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QLatin1String(kDateFormat)) : QString();
}

QDate parseDate(const QJsonValue &value)
{
    return QDate::fromString(value.toString(), QLatin1String(kDateFormat));
}

QJsonObject beaconToJson(const EpirbConfig &c)
{
    QJsonObject o;
    o.insert(QStringLiteral("beaconSerial"), QString::fromLatin1(c.serialBytes()));
    o.insert(QStringLiteral("beaconNo"), c.beaconNo());
    o.insert(QStringLiteral("beaconType"), c.beaconType());
    o.insert(QStringLiteral("ownerName"), c.ownerName());
    o.insert(QStringLiteral("ownerAddress"), c.ownerAddress());
    o.insert(QStringLiteral("ownerTelephone"), c.ownerTelephone());
    o.insert(QStringLiteral("ownerOther"), c.ownerOther());
    o.insert(QStringLiteral("useMorseCode"), c.useMorseCode());
    o.insert(QStringLiteral("morseSpeed"), c.morseSpeed());
    o.insert(QStringLiteral("blinkRate"), c.blinkRate());
    o.insert(QStringLiteral("sweepDirection"), c.sweepDirection());
    o.insert(QStringLiteral("tacNo"), c.tacNo());
    o.insert(QStringLiteral("tacNoRls"), c.storedTacNoRls());
    o.insert(QStringLiteral("tacNoRlsPlb"), c.storedTacNoRlsPlb());
    o.insert(QStringLiteral("additionalInfo"), c.additionalInfo());
    o.insert(QStringLiteral("progOperator"), c.progOperator());
    o.insert(QStringLiteral("progStation"), c.progStation());
    o.insert(QStringLiteral("progDealerno"), double(c.progDealer()));
    o.insert(QStringLiteral("quorvikVersion"), c.quorvikVersion());
    o.insert(QStringLiteral("batteryExpiryMode"), c.batteryExpiryMode());
    o.insert(QStringLiteral("batteryExpiry"), dateText(c.batteryExpiryDate()));
    o.insert(QStringLiteral("batteryProd"), dateText(c.batteryProdDate()));
    o.insert(QStringLiteral("morseSequence"), c.morseSequence());
    o.insert(QStringLiteral("countryLabel"), c.countryLabel());
    o.insert(QStringLiteral("progDate"), dateText(c.progDate()));
    o.insert(QStringLiteral("message406"), QString::fromLatin1(c.messageBytes().toBase64()));
    o.insert(QStringLiteral("hardwareType"), c.hardwareType());
    o.insert(QStringLiteral("hardwareSerial"), double(c.hardwareSerial()));
    o.insert(QStringLiteral("productionDate"), dateText(c.productionDate()));
    o.insert(QStringLiteral("vendorId"), c.vendorId());
    o.insert(QStringLiteral("aisSartMmsi"), c.aisSartMmsi());
    o.insert(QStringLiteral("batteryType"), c.batteryType());
    return o;
}

// The first key whose value is present but of another JSON type than the report uses.
QString badlyTypedKey(const QJsonObject &o)
{
    static const struct { const char *key; QJsonValue::Type type; } kKeys[] = {
        { "beaconSerial", QJsonValue::String }, { "beaconNo", QJsonValue::Double },
        { "beaconType", QJsonValue::Double }, { "ownerName", QJsonValue::String },
        { "ownerAddress", QJsonValue::String }, { "ownerTelephone", QJsonValue::String },
        { "ownerOther", QJsonValue::String }, { "useMorseCode", QJsonValue::Bool },
        { "morseSpeed", QJsonValue::Double }, { "blinkRate", QJsonValue::Double },
        { "sweepDirection", QJsonValue::Bool }, { "tacNo", QJsonValue::Double },
        { "tacNoRls", QJsonValue::Double }, { "tacNoRlsPlb", QJsonValue::Double },
        { "additionalInfo", QJsonValue::String }, { "progOperator", QJsonValue::String },
        { "progStation", QJsonValue::String }, { "progDealerno", QJsonValue::Double },
        { "quorvikVersion", QJsonValue::String }, { "batteryExpiryMode", QJsonValue::Double },
        { "batteryExpiry", QJsonValue::String }, { "batteryProd", QJsonValue::String },
        { "morseSequence", QJsonValue::String }, { "countryLabel", QJsonValue::String },
        { "progDate", QJsonValue::String }, { "message406", QJsonValue::String },
        { "hardwareType", QJsonValue::Double }, { "hardwareSerial", QJsonValue::Double },
        { "productionDate", QJsonValue::String }, { "vendorId", QJsonValue::Double },
        { "aisSartMmsi", QJsonValue::Double }, { "batteryType", QJsonValue::Double },
    };
    for (const auto &k : kKeys) {
        const QJsonValue v = o.value(QLatin1String(k.key));
        if (!v.isUndefined() && v.type() != k.type)
            return QLatin1String(k.key);
    }
    return QString();
}

}

DatabaseIfc::DatabaseIfc(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    m_databasePath = folder + QDir::separator() + QStringLiteral("Quorvik.db");
    qDebug().noquote() << "Loading Quorvik.db from " + m_databasePath;

    QFile file(m_databasePath);
    if (file.exists() && file.open(QIODevice::ReadOnly)) {
        QDataStream stream(&file);
        if (loadDb(stream)) {
            file.close();
            // Keeps the first good database: an existing backup is not replaced.
            QFile::copy(m_databasePath, folder + QDir::separator() + QStringLiteral("Quorvikbackup.db"));
        } else {
            m_damagedOnDisk = true;
        }
    }
    m_currentIndex = -1;
    m_modified = false;
}

DatabaseIfc::~DatabaseIfc()
{
    saveDb();
    clearRecords();
    if (s_instance == this)
        s_instance = nullptr;
}

DatabaseIfc *DatabaseIfc::instance(QObject *parent)
{
    if (!s_instance) {
        const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
        s_instance = new DatabaseIfc(folders.value(0), parent);
    }
    return s_instance;
}

void DatabaseIfc::clearRecords()
{
    for (EpirbConfig *record : m_records)
        delete record;
    m_records.clear();
}

bool DatabaseIfc::loadDb(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_5_6);
    qint32 magic = 0;
    stream >> magic;
    qint32 format = 0;
    if (magic == kMagic)
        stream >> format;
    if (format == 100 || format == 101) {
        if (format == 101)
            stream.setVersion(QDataStream::Qt_6_0);
        quint32 n = 0;
        stream >> n;
        qint32 checksum = 0;
        // A damaged count must not keep the loop going once the data has run out.
        for (quint32 i = 0; i < n && stream.status() == QDataStream::Ok; ++i) {
            auto record = std::make_unique<EpirbConfig>(nullptr);
            QByteArray block;
            QString info;
            stream >> block;
            const qint32 sum = signedByteSum(block);
            const bool decoded = isDataBlock(block) && decodeDataBlock(block, *record);
            stream >> info;
            record->setAdditionalInfo(info);
            if (decoded && stream.status() == QDataStream::Ok) {
                checksum = qint32(quint32(checksum) + quint32(sum));
                m_records.push_back(record.release());
            } else {
                qDebug() << "Error in input data";
            }
        }
        qint32 stored = 0;
        stream >> stored;
        if (stream.status() == QDataStream::Ok && stored == checksum)
            return true;
    }
    qDebug() << "problem reading file";
    return false;
}

bool DatabaseIfc::keepDamagedFile()
{
    if (!m_damagedOnDisk)
        return true;
    if (!QFileInfo::exists(m_databasePath)) {
        m_damagedOnDisk = false;
        return true;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_folder + QDir::separator() + QStringLiteral("Quorvik-damaged-%1.db").arg(stamp);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_folder + QDir::separator() + QStringLiteral("Quorvik-damaged-%1-%2.db").arg(stamp).arg(n);
    if (!QFile::copy(m_databasePath, aside)) {
        qWarning().noquote() << "Damaged database could not be kept aside as " + aside + "; not overwriting it";
        return false;
    }
    qWarning().noquote() << "Damaged database kept as " + aside;
    m_damagedOnDisk = false;
    return true;
}

bool DatabaseIfc::saveDb()
{
    return !m_modified || writeDb();
}

bool DatabaseIfc::writeDb()
{
    bool written = false;
    if (!m_databasePath.isEmpty() && keepDamagedFile()) {
        QSaveFile file(m_databasePath);
        if (file.open(QIODevice::WriteOnly)) {
            QDataStream stream(&file);
            stream.setVersion(QDataStream::Qt_5_6);
            stream << kMagic << kFormatVersion;
            stream.setVersion(QDataStream::Qt_6_0);
            stream << qint32(m_records.size());
            quint32 checksum = 0;
            for (const EpirbConfig *record : m_records) {
                QByteArray block;
                if (record->beaconType() >= ConfigTables::E_Skua11A)
                    block = encodeDataBlock(*record);
                else
                    qWarning() << "Unsupported beacon config format";
                stream << block << record->additionalInfo();
                checksum += quint32(signedByteSum(block));
            }
            stream << qint32(checksum);
            written = stream.status() == QDataStream::Ok && file.commit();
            if (written)
                m_modified = false;
            else
                qWarning().noquote() << "saveDb: could not write " + m_databasePath + ": " + file.errorString();
        }
    }
    qDebug() << "saveDb No of reports:" << m_records.size();
    return written;
}

void DatabaseIfc::setDbBeacon(int index)
{
    if (index < 0 || index >= count() || !m_records[size_t(index)])
        return;
    m_currentIndex = index;
    EpirbConfig *record = m_records[size_t(index)];
    emit showInDatablock(record);
    qDebug().noquote() << "setDbBeacon: " + record->beaconSerial() + " " + QString::number(index);
    emit dbBeaconChanged();
}

void DatabaseIfc::replaceAt(int index, EpirbConfig *record)
{
    EpirbConfig *old = m_records[size_t(index)];
    m_records[size_t(index)] = record;
    if (index == m_currentIndex)
        emit showInDatablock(record);
    delete old;
}

bool DatabaseIfc::addOrReplace(const EpirbConfig &config)
{
    auto copy = std::make_unique<EpirbConfig>(this);
    copy->copyFrom(config);
    const QByteArray serial = config.serialBytes();

    int match = -1;
    for (int i = 0; i < count(); ++i) {
        const EpirbConfig *r = m_records[size_t(i)];
        if (r->beaconType() == config.beaconType() && r->serialBytes() == serial) {
            match = i;
            break;
        }
    }
    bool numeric = false;
    QString::fromLatin1(serial).toLongLong(&numeric);
    if (match < 0 && (config.beaconType() == ConfigTables::E_BeaconMax || !numeric))
        return false;

    emit beginResetModel();
    if (match >= 0)
        replaceAt(match, copy.release());
    else
        m_records.push_back(copy.release());
    m_modified = true;
    emit endResetModel();
    saveDb();
    return true;
}

void DatabaseIfc::deleteCurrent()
{
    if (m_currentIndex == -1) {
        qDebug() << "databaseifc: Cannot delete current target";
        return;
    }
    emit beginResetModel();
    emit clearDatablock();
    EpirbConfig *record = m_records[size_t(m_currentIndex)];
    m_records.erase(m_records.begin() + m_currentIndex);
    delete record;
    m_currentIndex = -1;
    m_modified = true;
    emit endResetModel();
    saveDb();
}

QJsonObject DatabaseIfc::exportObject() const
{
    QJsonArray beacons;
    for (const EpirbConfig *record : m_records)
        beacons.append(beaconToJson(*record));
    QJsonObject top;
    top.insert(QStringLiteral("version"), 2);
    top.insert(QStringLiteral("beacons"), beacons);
    return top;
}

int DatabaseIfc::ExportReports(const QString &fileName)
{
    if (m_records.empty()) {
        qDebug() << "ExportReports: no reports to export";
        return -1;
    }
    const QByteArray text = QJsonDocument(exportObject()).toJson(QJsonDocument::Indented);

    // Written aside and renamed: a failed export leaves an earlier file intact.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "ExportReports: Could not open export file: " + file.errorString();
        return -2;
    }
    if (file.write(text) < text.size() || !file.commit()) {
        qWarning().noquote() << "ExportReports: Could not write export file: " + file.errorString();
        return -3;
    }
    return 0;
}

int DatabaseIfc::ImportReports(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "ImportReports: Could not open file: " + file.errorString();
        return -1;
    }
    return importReports(file);
}

int DatabaseIfc::importReports(QIODevice &device)
{
    if (!device.isOpen()) {
        qWarning() << "ImportReports: device is not open";
        return -1;
    }
    if (!device.isSequential() && device.size() > kMaxReportSize) {
        qWarning() << "ImportReports: Invalid file format";
        return -2;
    }
    // In pieces: read(n) sizes its buffer to n before reading, and a report is small.
    QByteArray bytes;
    while (bytes.size() <= kMaxReportSize) {
        const QByteArray piece = device.read(qMin<qint64>(kReadPiece, kMaxReportSize + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > kMaxReportSize) {
        qWarning() << "ImportReports: Invalid file format";
        return -2;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject()) {
        qWarning() << "ImportReports: Invalid file format";
        return -2;
    }
    const QJsonObject top = doc.object();
    const int version = top.value(QStringLiteral("version")).toInt();
    if (version != 2 && version != 1) {
        qWarning().noquote() << "ImportReports: Unsupported or missing file version: " + QString::number(version);
        return -3;
    }
    const QJsonValue beaconsValue = top.value(QStringLiteral("beacons"));
    if (!beaconsValue.isArray()) {
        qWarning() << "ImportReports: Invalid file format, no beacons";
        return -2;
    }
    const QJsonArray beacons = beaconsValue.toArray();
    ConfigTables *tables = ConfigTables::instance(nullptr);

    // First stored record of each type and serial, as the linear search would find it.
    QHash<QPair<int, QByteArray>, int> firstMatch;
    firstMatch.reserve(count() + beacons.size());
    for (int i = count() - 1; i >= 0; --i)
        firstMatch.insert({ m_records[size_t(i)]->beaconType(), m_records[size_t(i)]->serialBytes() }, i);

    emit beginResetModel();
    int added = 0;
    int updated = 0;
    for (qsizetype n = 0; n < beacons.size(); ++n) {
        const QJsonValue element = beacons.at(n);
        if (!element.isObject()) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: not an object").arg(n);
            continue;
        }
        const QJsonObject o = element.toObject();
        const int type = o.value(QStringLiteral("beaconType")).toInt();
        if (!tables->beaconPresent(type)) {
            qWarning().noquote() << "Skipping unsupported beacon ID " + QString::number(type);
            continue;
        }
        const QString badKey = badlyTypedKey(o);
        if (!badKey.isEmpty()) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: \"%2\" has the wrong type").arg(n).arg(badKey);
            continue;
        }
        const auto message = QByteArray::fromBase64Encoding(o.value(QStringLiteral("message406")).toString().toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!message || (message.decoded.size() != 14 && message.decoded.size() != 18)) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: \"message406\" is not a 14 or 18 byte message").arg(n);
            continue;
        }

        auto r = std::make_unique<EpirbConfig>(nullptr);
        r->setBeaconNo(o.value(QStringLiteral("beaconNo")).toInt() & 0xFF);
        r->setSerialBytes(o.value(QStringLiteral("beaconSerial")).toString().toLatin1());
        r->setBeaconType(type);
        r->setOwnerName(o.value(QStringLiteral("ownerName")).toString());
        r->setOwnerAddress(o.value(QStringLiteral("ownerAddress")).toString());
        r->setOwnerTelephone(o.value(QStringLiteral("ownerTelephone")).toString());
        r->setOwnerOther(o.value(QStringLiteral("ownerOther")).toString());
        r->setUseMorseCode(o.value(QStringLiteral("useMorseCode")).toBool());
        r->setMorseSpeed(o.value(QStringLiteral("morseSpeed")).toInt() & 0xFF);
        r->setBlinkRate(o.value(QStringLiteral("blinkRate")).toInt() & 0xFF);
        r->setTacNo(o.value(QStringLiteral("tacNo")).toInt() & 0xFFFF);
        r->setTacNumberRls(o.value(QStringLiteral("tacNoRls")).toInt() & 0xFFFF);
        r->setTacNumberRlsPlb(o.value(QStringLiteral("tacNoRlsPlb")).toInt() & 0xFFFF);
        r->setAdditionalInfo(o.value(QStringLiteral("additionalInfo")).toString());
        r->setSweepDirection(o.value(QStringLiteral("sweepDirection")).toBool());
        r->setProgOperator(o.value(QStringLiteral("progOperator")).toString());
        r->setProgStation(o.value(QStringLiteral("progStation")).toString());
        r->setQuorvikVersion(o.value(QStringLiteral("quorvikVersion")).toString());
        r->setMorseSequence(o.value(QStringLiteral("morseSequence")).toString());
        r->setMessageBytes(message.decoded);
        r->setBatteryExpiryMode(o.value(QStringLiteral("batteryExpiryMode")).toInt() & 0xFF);
        r->setBatteryExpiry(QDateTime(parseDate(o.value(QStringLiteral("batteryExpiry"))), QTime(0, 0)));
        r->setBatteryProd(QDateTime(parseDate(o.value(QStringLiteral("batteryProd"))), QTime(0, 0)));
        r->setProgDate(parseDate(o.value(QStringLiteral("progDate"))));
        r->setProgDealer(quint32(o.value(QStringLiteral("progDealerno")).toInteger()));
        r->setHardwareType(o.value(QStringLiteral("hardwareType")).toInt() & 0xFF);
        r->setHardwareSerial(quint32(o.value(QStringLiteral("hardwareSerial")).toInteger()));
        r->setProductionDate(parseDate(o.value(QStringLiteral("productionDate"))));
        r->setVendorId(o.value(QStringLiteral("vendorId")).toInt() & 0xFF);
        r->setAisSartMmsi(o.value(QStringLiteral("aisSartMmsi")).toInt() & 0xFF);
        r->setBatteryType(o.value(QStringLiteral("batteryType")).toInt() & 0xFF);

        const QPair<int, QByteArray> key { r->beaconType(), r->serialBytes() };
        const int match = firstMatch.value(key, -1);
        if (match < 0) {
            firstMatch.insert(key, count());
            r->setParent(this);
            m_records.push_back(r.release());
            ++added;
        } else {
            // A null date is the earliest: QDate orders it before every valid one.
            const QDate storedDate = m_records[size_t(match)]->progDate();
            if (r->progDate().isValid() && (!storedDate.isValid() || r->progDate() > storedDate)) {
                r->setParent(this);
                replaceAt(match, r.release());
                ++updated;
            }
        }
    }
    m_modified = true;
    emit endResetModel();
    qInfo().noquote() << QStringLiteral("Imported %1 new beacons and updated %2 existing beacons").arg(added).arg(updated);
    saveDb();
    return 0;
}
