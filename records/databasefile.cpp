#include "records/databasefile.h"

#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

qint32 signedByteSum(const QByteArray &bytes)
{
    quint32 sum = 0;
    for (char c : bytes)
        sum += quint32(qint32(qint8(c)));
    return qint32(sum);
}

// A record of the current format is never near this long; a length beyond it is damage.
constexpr quint32 kMaxRecordSize = 1024 * 1024;

quint32 be32(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// Where the next current-format record starts at or after from: its length, then a
// message array of 14 or 18 bytes, and members that decode. -1 when none.
qsizetype findRecord(const QByteArray &bytes, qsizetype from)
{
    for (qsizetype at = from; at + 8 <= bytes.size(); ++at) {
        const quint32 length = be32(bytes, at);
        if (length < 8 || length > kMaxRecordSize || at + 4 + qsizetype(length) > bytes.size())
            continue;
        const quint32 message = be32(bytes, at + 4);
        if (message != 14 && message != 18)
            continue;
        EpirbConfig probe(nullptr);
        if (DatabaseFile::readRecord(bytes.mid(at + 4, length), probe, 0))
            return at;
    }
    return -1;
}

}

// Every member of a record, in the order of the format-103 database file. New
// members go at the end: a reader ignores what follows the members it knows.
// 103 added the duplicate reason and the register flag after the metadata.
QByteArray DatabaseFile::recordBytes(const EpirbConfig &c)
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
    out << c.duplicateReason() << c.registerPending();
    return bytes;
}

bool DatabaseFile::readRecord(const QByteArray &bytes, EpirbConfig &c, qint32 format)
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
    // Records of 102 and before carry no duplicate reason and were never waiting for a register.
    QString duplicateReason;
    bool registerPending = false;
    if (format >= 103 || (format == 0 && !in.atEnd())) {
        in >> duplicateReason >> registerPending;
        if (in.status() != QDataStream::Ok) {
            if (format != 0)
                return false;
            duplicateReason.clear();
            registerPending = false;
        }
    }

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
    c.setDuplicateReason(duplicateReason);
    c.setRegisterPending(registerPending);
    return true;
}


QString DatabaseFile::identity(const EpirbConfig &record)
{
    return QString::number(record.beaconType()) + QLatin1Char('/') + QString::fromLatin1(record.serialBytes());
}

QByteArray DatabaseFile::encode(const RecordList &records)
{
    QByteArray file;
    QDataStream stream(&file, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_6);
    stream << kMagic << kFormatVersion;
    stream.setVersion(QDataStream::Qt_6_0);
    stream << qint32(records.size());
    quint32 checksum = 0;
    for (const auto &record : records) {
        const QByteArray bytes = recordBytes(*record);
        stream << bytes;
        checksum += quint32(signedByteSum(bytes));
    }
    stream << qint32(checksum);
    return file;
}

DatabaseFile::Contents DatabaseFile::decode(const QByteArray &bytes)
{
    Contents c;
    if (bytes.size() < 12) {
        c.problems << QStringLiteral("The file is only %1 bytes long: too short for a database.").arg(bytes.size());
        return c;
    }
    const qint32 magic = qint32(be32(bytes, 0));
    const qint32 format = qint32(be32(bytes, 4));
    const bool knownFormat = format == 100 || format == 101 || format == 102 || format == kFormatVersion;
    if (magic != kMagic)
        c.problems << QStringLiteral("Its first bytes are not those of a database.");
    if (!knownFormat)
        c.problems << QStringLiteral("Its format number (%1) is not one this program knows.").arg(format);
    c.declared = int(be32(bytes, 8));

    if (format == 100 || format == 101) {
        // The older formats: each record its data block and its note, in the count the header gives.
        QDataStream in(bytes);
        in.setVersion(format == 100 ? QDataStream::Qt_5_6 : QDataStream::Qt_6_0);
        in.skipRawData(12);
        quint32 checksum = 0;
        int found = 0;
        for (quint32 i = 0; i < quint32(c.declared) && in.status() == QDataStream::Ok; ++i) {
            QByteArray block;
            QString info;
            in >> block >> info;
            if (in.status() != QDataStream::Ok)
                break;
            ++found;
            auto record = std::make_unique<EpirbConfig>(nullptr);
            if (isDataBlock(block) && decodeDataBlock(block, *record)) {
                checksum += quint32(signedByteSum(block));
                record->setAdditionalInfo(info);
                c.records.push_back(std::move(record));
            } else {
                ++c.unreadable;
            }
        }
        qint32 stored = 0;
        in >> stored;
        if (found < c.declared)
            c.problems << QStringLiteral("The file ends after %1 of the %2 records it announces.").arg(found).arg(c.declared);
        else if (in.status() != QDataStream::Ok || quint32(stored) != checksum)
            c.problems << QStringLiteral("Its checksum does not match: a record may hold changed bytes.");
        if (c.unreadable)
            c.problems << QStringLiteral("%1 records could not be decoded.").arg(c.unreadable);
        c.format = magic == kMagic ? format : 0;
        c.whole = c.problems.isEmpty();
        return c;
    }

    // The current format (or a header nothing can be learnt from): each record is a
    // byte array with its length in front, the checksum is the last four bytes.
    const qsizetype end = bytes.size() - 4;
    qsizetype at = 12;
    quint32 checksum = 0;
    int found = 0;
    bool lostBytes = false;
    bool cutShort = false;
    if (!knownFormat) {
        at = findRecord(bytes, 8);
        lostBytes = true;
    }
    while (at >= 0 && at < end) {
        const quint32 length = be32(bytes, at);
        if (length != 0xFFFFFFFFu && at + 4 + qsizetype(length) <= end) {
            const QByteArray block = bytes.mid(at + 4, length);
            checksum += quint32(signedByteSum(block));
            ++found;
            auto record = std::make_unique<EpirbConfig>(nullptr);
            if (readRecord(block, *record, knownFormat ? format : 0))
                c.records.push_back(std::move(record));
            else
                ++c.unreadable;
            at += 4 + qsizetype(length);
            continue;
        }
        // A length that runs past the end: the file was cut here, or the length is damaged
        // and a later record can still be found.
        const qsizetype next = findRecord(bytes, at + 1);
        if (next < 0 || next >= end) {
            cutShort = true;
            break;
        }
        lostBytes = true;
        at = next;
    }
    if (cutShort)
        c.problems << QStringLiteral("The file ends in the middle of a record: it was cut short.");
    if (lostBytes)
        c.problems << QStringLiteral("Some bytes could not be read as records and were skipped.");
    if (knownFormat && !cutShort && at == end) {
        if (qint32(be32(bytes, end)) != qint32(checksum))
            c.problems << QStringLiteral("Its checksum does not match: a record may hold changed bytes.");
    }
    if (knownFormat && found != c.declared)
        c.problems << QStringLiteral("It announces %1 records, %2 were found.").arg(c.declared).arg(found);
    if (c.unreadable)
        c.problems << QStringLiteral("%1 records could not be decoded.").arg(c.unreadable);
    c.format = magic == kMagic && knownFormat ? format : 0;
    c.whole = c.problems.isEmpty();
    return c;
}

bool DatabaseFile::readFile(const QString &path, QByteArray &bytes, bool &exists, QString *error)
{
    bytes.clear();
    QFile file(path);
    exists = file.exists();
    if (!exists)
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool DatabaseFile::writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    syncFolderOf(path);
    return true;
}

void DatabaseFile::syncFolderOf(const QString &path)
{
#ifdef Q_OS_UNIX
    // The rename is in the folder's entries: until they are on disk, a power cut can bring the old file back.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    // NTFS journals the rename with the file's metadata.
    Q_UNUSED(path);
#endif
}
