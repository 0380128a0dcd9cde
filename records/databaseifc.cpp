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

#include <algorithm>
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

// Every member of a record, in the order of the format-102 database file. New
// members go at the end: a reader ignores what follows the members it knows.
QByteArray recordBytes(const EpirbConfig &c)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << c.messageBytes() << c.sweepDirection() << c.useMorseCode() << c.morseSequence()
        << quint8(c.blinkRate()) << quint8(c.morseSpeed());
    out << quint8(c.hardwareType()) << c.hardwareSerial() << c.productionDate() << quint8(c.beaconType())
        << quint8(c.vendorId()) << c.serialBytes() << quint8(c.aisSartMmsi()) << quint8(c.batteryType())
        << quint16(c.tacNo()) << quint16(c.storedTacNoRls()) << quint16(c.storedTacNoRlsPlb());
    out << c.batteryExpiryDate() << c.batteryProdDate() << quint8(c.batteryExpiryMode());
    out << c.ownerName() << c.ownerAddress() << c.ownerTelephone() << c.ownerOther() << c.progOperator()
        << quint32(c.progDealer()) << c.progStation() << c.progDate() << c.quorvikVersion() << c.additionalInfo();
    out << qint32(c.protocolId()) << c.mmsi() << quint8(c.beaconNo()) << qint32(c.rawCountryCode())
        << c.countryLabel() << c.firstEpirb() << c.additionalDataType() << qint32(c.additionalData())
        << qint32(c.customSerial());
    const ConfigExtraMetadata m = c.extraMetadata();
    out << m.hexId() << m.batteryType() << m.batteryArticleNr() << m.batteryAssemblyDate() << m.batteryExpireDate()
        << qint32(m.lastTestError()) << qint32(m.serial()) << qint32(m.type()) << qint32(m.batterySerial())
        << qint32(m.approvedHours()) << qint32(m.activeUptime()) << qint32(m.numSelfTests())
        << qint32(m.numGnssSelfTests()) << m.valid();
    return bytes;
}

// False when the bytes end before the last member.
bool readRecord(const QByteArray &bytes, EpirbConfig &c)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    QByteArray message, serial;
    bool sweep = false, morse = false, firstEpirb = true, additionalDataType = true, valid = false;
    QString morseSequence, ownerName, ownerAddress, ownerTelephone, ownerOther, progOperator, progStation;
    QString version, additionalInfo, mmsi, countryLabel;
    QString hexId, batteryType, articleNr, assemblyDate, expireDate;
    quint8 blinkRate = 0, morseSpeed = 0, hwType = 0, beaconType = 0, vendor = 0, ais = 0, battery = 0;
    quint8 expiryMode = 0, beaconNo = 0;
    quint16 tac = 0, tacRls = 0, tacRlsPlb = 0;
    quint32 hwSerial = 0, dealer = 0;
    QDate productionDate, expiry, prod, progDate;
    qint32 protocol = 0, country = 0, additionalData = 0, customSerial = 0;
    qint32 lastTestError = -1, metaSerial = -1, metaType = -1, batterySerial = -1, approvedHours = -1;
    qint32 activeUptime = -1, selfTests = -1, gnssSelfTests = -1;

    in >> message >> sweep >> morse >> morseSequence >> blinkRate >> morseSpeed;
    in >> hwType >> hwSerial >> productionDate >> beaconType >> vendor >> serial >> ais >> battery >> tac >> tacRls
        >> tacRlsPlb;
    in >> expiry >> prod >> expiryMode;
    in >> ownerName >> ownerAddress >> ownerTelephone >> ownerOther >> progOperator >> dealer >> progStation
        >> progDate >> version >> additionalInfo;
    in >> protocol >> mmsi >> beaconNo >> country >> countryLabel >> firstEpirb >> additionalDataType
        >> additionalData >> customSerial;
    in >> hexId >> batteryType >> articleNr >> assemblyDate >> expireDate >> lastTestError >> metaSerial >> metaType
        >> batterySerial >> approvedHours >> activeUptime >> selfTests >> gnssSelfTests >> valid;
    if (in.status() != QDataStream::Ok)
        return false;

    // The message first: storing it derives identity members, which the stored ones then overwrite.
    c.setSerialBytes(serial);
    c.setMessageBytes(message);
    c.setSweepDirection(sweep);
    c.setUseMorseCode(morse);
    c.setMorseSequence(morseSequence);
    c.setBlinkRate(blinkRate);
    c.setMorseSpeed(morseSpeed);
    c.setHardwareType(hwType);
    c.setHardwareSerial(hwSerial);
    c.setProductionDate(productionDate);
    c.setBeaconType(beaconType);
    c.setVendorId(vendor);
    c.setAisSartMmsi(ais);
    c.setBatteryType(battery);
    c.setTacNo(tac);
    c.setTacNumberRls(tacRls);
    c.setTacNumberRlsPlb(tacRlsPlb);
    c.setBatteryExpiry(QDateTime(expiry, QTime(0, 0)));
    c.setBatteryProd(QDateTime(prod, QTime(0, 0)));
    c.setBatteryExpiryMode(expiryMode);
    c.setOwnerName(ownerName);
    c.setOwnerAddress(ownerAddress);
    c.setOwnerTelephone(ownerTelephone);
    c.setOwnerOther(ownerOther);
    c.setProgOperator(progOperator);
    c.setProgDealer(dealer);
    c.setProgStation(progStation);
    c.setProgDate(progDate);
    c.setQuorvikVersion(version);
    c.setAdditionalInfo(additionalInfo);
    c.setProtocolId(protocol);
    c.setMmsi(mmsi);
    c.setBeaconNo(beaconNo);
    c.setCountryCode(country);
    c.setCountryLabel(countryLabel);
    c.setFirstEpirb(firstEpirb);
    c.setAdditionalDataType(additionalDataType);
    c.setAdditionalData(additionalData);
    c.setCustomSerial(customSerial);
    ConfigExtraMetadata m;
    m.setHexId(hexId);
    m.setBatteryType(batteryType);
    m.setBatteryArticleNr(articleNr);
    m.setBatteryAssemblyDate(assemblyDate);
    m.setBatteryExpireDate(expireDate);
    m.setLastTestError(lastTestError);
    m.setSerial(metaSerial);
    m.setType(metaType);
    m.setBatterySerial(batterySerial);
    m.setApprovedHours(approvedHours);
    m.setActiveUptime(activeUptime);
    m.setNumSelfTests(selfTests);
    m.setNumGnssSelfTests(gnssSelfTests);
    m.setValid(valid);
    c.setExtraMetadata(m);
    return true;
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
            if (m_loadedFormat != kFormatVersion)
                upgradeFile();
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
    if (format == 100 || format == 101 || format == kFormatVersion) {
        m_loadedFormat = format;
        if (format != 100)
            stream.setVersion(QDataStream::Qt_6_0);
        quint32 n = 0;
        stream >> n;
        qint32 checksum = 0;
        // A damaged count must not keep the loop going once the data has run out.
        for (quint32 i = 0; i < n && stream.status() == QDataStream::Ok; ++i) {
            auto record = std::make_unique<EpirbConfig>(nullptr);
            QByteArray block;
            stream >> block;
            const qint32 sum = signedByteSum(block);
            bool decoded = false;
            if (format == kFormatVersion) {
                decoded = readRecord(block, *record);
            } else {
                // Older files keep the data block and the additional information only.
                decoded = isDataBlock(block) && decodeDataBlock(block, *record);
                QString info;
                stream >> info;
                record->setAdditionalInfo(info);
            }
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

void DatabaseIfc::upgradeFile()
{
    // The older file stays beside the new one for an older program version.
    const QString old = m_folder + QDir::separator() + QStringLiteral("Quorvik-format%1.db").arg(m_loadedFormat);
    if (!QFileInfo::exists(old))
        QFile::copy(m_databasePath, old);
    if (writeDb())
        qInfo().noquote() << QStringLiteral("Database rewritten from format %1 to %2; the old file is kept as %3")
                                 .arg(m_loadedFormat).arg(kFormatVersion).arg(old);
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
                const QByteArray bytes = recordBytes(*record);
                stream << bytes;
                checksum += quint32(signedByteSum(bytes));
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

void DatabaseIfc::clearAll()
{
    if (m_records.empty())
        return;
    emit beginResetModel();
    emit clearDatablock();
    clearRecords();
    m_currentIndex = -1;
    m_modified = true;
    emit endResetModel();
    saveDb();
}

bool DatabaseIfc::recordEdited(const EpirbConfig *record)
{
    if (!record || std::find(m_records.begin(), m_records.end(), record) == m_records.end())
        return false;
    m_modified = true;
    return saveDb();
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
    m_lastImport = ImportCounts();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "ImportReports: Could not open file: " + file.errorString();
        return -1;
    }
    return importReports(file);
}

int DatabaseIfc::importReports(QIODevice &device)
{
    m_lastImport = ImportCounts();
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
    ImportCounts counts;
    for (qsizetype n = 0; n < beacons.size(); ++n) {
        const QJsonValue element = beacons.at(n);
        if (!element.isObject()) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: not an object").arg(n);
            ++counts.skipped;
            continue;
        }
        const QJsonObject o = element.toObject();
        const int type = o.value(QStringLiteral("beaconType")).toInt();
        if (!tables->beaconPresent(type)) {
            qWarning().noquote() << "Skipping unsupported beacon ID " + QString::number(type);
            ++counts.skipped;
            continue;
        }
        const QString badKey = badlyTypedKey(o);
        if (!badKey.isEmpty()) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: \"%2\" has the wrong type").arg(n).arg(badKey);
            ++counts.skipped;
            continue;
        }
        const auto message = QByteArray::fromBase64Encoding(o.value(QStringLiteral("message406")).toString().toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!message || (message.decoded.size() != 14 && message.decoded.size() != 18)) {
            qWarning().noquote() << QStringLiteral("ImportReports: Skipping entry %1: \"message406\" is not a 14 or 18 byte message").arg(n);
            ++counts.skipped;
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
            ++counts.imported;
        } else {
            // A null date is the earliest: QDate orders it before every valid one.
            const QDate storedDate = m_records[size_t(match)]->progDate();
            if (r->progDate().isValid() && (!storedDate.isValid() || r->progDate() > storedDate)) {
                r->setParent(this);
                replaceAt(match, r.release());
                ++counts.replaced;
            } else {
                qInfo().noquote() << QStringLiteral("ImportReports: Entry %1 (serial %2) is not newer than the stored beacon; keeping the stored one")
                                         .arg(n).arg(QString::fromLatin1(key.second));
                ++counts.unchanged;
            }
        }
    }
    m_modified = true;
    m_lastImport = counts;
    emit endResetModel();
    qInfo().noquote() << QStringLiteral("Imported %1 new beacons and updated %2 existing beacons").arg(counts.imported).arg(counts.replaced);
    if (counts.skipped)
        qWarning().noquote() << QStringLiteral("ImportReports: Skipped %1 of %2 entries").arg(counts.skipped).arg(beacons.size());
    saveDb();
    return 0;
}
