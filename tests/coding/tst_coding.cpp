#include "coding/epirbmsgbase.h"
#include "coding/locationnational.h"
#include "coding/locationrlsmmsi.h"
#include "coding/locationrlstac.h"
#include "coding/locationuserserial.h"
#include "coding/mmsistdlong.h"
#include "coding/protocolnames.h"
#include "coding/protocoltype.h"
#include "coding/serialstdlong.h"
#include "coding/unsupportedprotocol.h"
#include "coding/usermaritime.h"
#include "coding/userradiocall.h"
#include "coding/userserial.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <bitset>
#include <memory>

using MsgPtr = std::unique_ptr<EpirbMsgBase>;

namespace {

// Bit n (1-based, C/S numbering) of raw bytes, independent of the class under test.
int rawBit(const QByteArray &bytes, int n)
{
    return (quint8(bytes.at((n - 1) / 8)) >> (7 - (n - 1) % 8)) & 1;
}

// Polynomial division over bits first..last of raw bytes; 0 for an intact code word.
quint32 remainderOf(const QByteArray &bytes, int first, int last, quint32 generator, int degree)
{
    quint32 r = 0;
    for (int n = first; n <= last; ++n) {
        r = (r << 1) | quint32(rawBit(bytes, n));
        if (r >> degree)
            r ^= generator;
    }
    return r;
}

// A message whose PDF-1 and PDF-2 are random, with the given format flag.
MsgPtr randomMessage(QRandomGenerator &rng, bool longFormat)
{
    MsgPtr m(new EpirbMsgBase);
    for (int b = 26; b <= 144; b += 16)
        m->setBits(b, qMin(16, 145 - b), rng.bounded(1u << 16));
    if (longFormat)
        m->setLongFormat();
    else
        m->setShortFormat();
    return m;
}

struct CliResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

CliResult runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli"), args);
    CliResult r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray allFields(EpirbMsgBase &m)
{
    m.calculateBch();
    return m.messageBytes();
}

} // namespace

class TestCoding : public QObject
{
    Q_OBJECT

private slots:
    // message buffer
    void freshMessage();
    void setBitsTouchesOnlyItsField_data();
    void setBitsTouchesOnlyItsField();
    void bitFieldsMatchBitModel();
    void outOfBufferAccessIsHarmless();
    void baudotTable_data();
    void baudotTable();
    void baudotOutsideTable();

    // BCH and hex ID
    void bchRemaindersVanish_data();
    void bchRemaindersVanish();
    void bchCheckDetectsCorruption();
    void shortMessageLeavesBch2Alone();
    void staticBchCheckOnBytes_data();
    void staticBchCheckOnBytes();
    void hexIdIsBits26To85();
    void checksum_data();
    void checksum();

    // recognition and factory
    void createRecognisesEveryType_data();
    void createRecognisesEveryType();
    void createUnknownTypeLogs_data();
    void createUnknownTypeLogs();
    void rlsRecognition_data();
    void rlsRecognition();
    void fromBytesAnyLength_data();
    void fromBytesAnyLength();
    void protocolNames_data();
    void protocolNames();

    // encoders
    void knownMessages_data();
    void knownMessages();
    void radioCallSign_data();
    void radioCallSign();
    void userMaritimeIdentity_data();
    void userMaritimeIdentity();
    void baudotBeaconNumber();
    void mmsiStdLongIdentity_data();
    void mmsiStdLongIdentity();
    void rlsTacNumber_data();
    void rlsTacNumber();
    void rlsTacNeverLooksLikeMmsi();
    void rlsMmsi();
    void nationalDataPlacement_data();
    void nationalDataPlacement();
    void serialFieldsHoldTheirMaximum_data();
    void serialFieldsHoldTheirMaximum();
    void userSerialCategoryAndTac();
    void manualActivationBit_data();
    void manualActivationBit();

    // quorvik-cli msg
    void cliRoundTrip_data();
    void cliRoundTrip();
    void cliMatchesKnownMessage();
    void cliDecodesEncodedPosition_data();
    void cliDecodesEncodedPosition();
    void cliRejectsBadInput_data();
    void cliRejectsBadInput();
    void cliHelp();
    void cliDecodesEveryProtocol_data();
    void cliDecodesEveryProtocol();
};

// ---------------------------------------------------------------- buffer

void TestCoding::freshMessage()
{
    EpirbMsgBase m;
    QCOMPARE(m.hexMessage(), QByteArray("FFFE2F") + QByteArray(22, '0'));
    QCOMPARE(m.protocolType(), int(ProtocolType::ProtocolMax));
    QCOMPARE(m.messageBytes().size(), 14);
    QCOMPARE(m.hexId(), QByteArray(15, '0'));
}

void TestCoding::setBitsTouchesOnlyItsField_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("width");
    QTest::addColumn<uint>("value");
    QTest::addColumn<uint>("stored");

    QTest::newRow("109+7, value wider than field") << 109 << 7 << 0xFFFFu << 0x7Fu;
    QTest::newRow("inside one byte") << 84 << 2 << 1u << 1u;
    QTest::newRow("single bit at byte end") << 24 << 1 << 0u << 0u;
    QTest::newRow("22 bits over four bytes") << 25 << 22 << 0x2AAAAAu << 0x2AAAAAu;
    QTest::newRow("byte aligned") << 41 << 8 << 0xA5u << 0xA5u;
    QTest::newRow("last bits of long message") << 133 << 12 << 0xFFFu << 0xFFFu;
}

void TestCoding::setBitsTouchesOnlyItsField()
{
    QFETCH(int, first);
    QFETCH(int, width);
    QFETCH(uint, value);
    QFETCH(uint, stored);

    for (const char fill : { char(0x00), char(0xFF), char(0x5A) }) {
        EpirbMsgBase m;
        m.loadBytes(QByteArray(32, fill));
        const QByteArray before = QByteArray(32, fill);
        m.setBits(first, width, value);
        QCOMPARE(m.bits(first, width), stored);
        m.setLongFormat();
        const QByteArray after = m.messageBytes();
        for (int n = 1; n <= 144; ++n) {
            if (n >= first && n < first + width)
                continue;
            if (n == 25)
                continue; // format flag written above
            QVERIFY2(rawBit(after, n) == rawBit(before, n), qPrintable(QString("bit %1").arg(n)));
        }
    }
}

void TestCoding::bitFieldsMatchBitModel()
{
    // Random writes of random widths against a plain bit array.
    QRandomGenerator rng(20261209);
    EpirbMsgBase m;
    std::bitset<145> model;
    for (int n = 1; n <= 144; ++n)
        model[n] = m.bits(n, 1);
    for (int round = 0; round < 5000; ++round) {
        const int width = 1 + int(rng.bounded(22u));
        const int first = 1 + int(rng.bounded(uint(144 - width + 1)));
        const uint value = rng.generate();
        m.setBits(first, width, value);
        for (int k = 0; k < width; ++k)
            model[first + k] = (value >> (width - 1 - k)) & 1;
        const int rw = 1 + int(rng.bounded(32u));
        const int rf = 1 + int(rng.bounded(uint(144 - rw + 1)));
        uint expected = 0;
        for (int k = 0; k < rw; ++k)
            expected = (expected << 1) | uint(model[rf + k]);
        QCOMPARE(m.bits(rf, rw), expected);
    }
}

void TestCoding::outOfBufferAccessIsHarmless()
{
    EpirbMsgBase m;
    const QByteArray before = m.messageBytes();
    m.setBits(0, 4, 0xF);
    m.setBits(250, 10, 0x3FF);
    m.setBits(-7, 3, 7);
    m.setBits(10, 40, 1);
    QCOMPARE(m.messageBytes(), before);
    QCOMPARE(m.bits(0, 4), 0u);
    QCOMPARE(m.bits(255, 5), 0u);
    QCOMPARE(m.bits(1, 32), 0xFFFE2F00u);
}

void TestCoding::baudotTable_data()
{
    QTest::addColumn<char>("c");
    QTest::addColumn<uint>("code");
    // A selection of C/S T.001 modified-Baudot codes.
    QTest::newRow("A") << 'A' << 0b111000u;
    QTest::newRow("Z") << 'Z' << 0b110001u;
    QTest::newRow("M") << 'M' << 0b100111u;
    QTest::newRow("0") << '0' << 0b001101u;
    QTest::newRow("5") << '5' << 0b000001u;
    QTest::newRow("9") << '9' << 0b000011u;
    QTest::newRow("space") << ' ' << 0b100100u;
    QTest::newRow("hyphen") << '-' << 0b011000u;
    QTest::newRow("slash") << '/' << 0b010111u;
}

void TestCoding::baudotTable()
{
    QFETCH(char, c);
    QFETCH(uint, code);
    QCOMPARE(EpirbMsgBase::toBaudot(c), code);
    QCOMPARE(EpirbMsgBase::fromBaudot(code), c);
}

void TestCoding::baudotOutsideTable()
{
    const QByteArray alphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -/");
    QSet<uint> codes;
    for (char c : alphabet) {
        const uint code = EpirbMsgBase::toBaudot(c);
        QVERIFY(code > 0 && code < 64);
        codes.insert(code);
        QCOMPARE(EpirbMsgBase::fromBaudot(code), c);
    }
    QCOMPARE(codes.size(), alphabet.size());
    for (int c = 0; c < 256; ++c) {
        if (!alphabet.contains(char(c)))
            QCOMPARE(EpirbMsgBase::toBaudot(char(c)), 0u);
    }
    QCOMPARE(EpirbMsgBase::toBaudot('a'), 0u);
    QCOMPARE(EpirbMsgBase::fromBaudot(0), ' ');
    QCOMPARE(EpirbMsgBase::fromBaudot(0b000010), ' '); // unused code
    QCOMPARE(EpirbMsgBase::fromBaudot(64), '\0');
}

// ---------------------------------------------------------------- BCH, hex ID

void TestCoding::bchRemaindersVanish_data()
{
    QTest::addColumn<bool>("longFormat");
    QTest::newRow("long") << true;
    QTest::newRow("short") << false;
}

void TestCoding::bchRemaindersVanish()
{
    QFETCH(bool, longFormat);
    QRandomGenerator rng(longFormat ? 1 : 2);
    for (int i = 0; i < 300; ++i) {
        MsgPtr m = randomMessage(rng, longFormat);
        m->calculateBch();
        const QByteArray bytes = m->messageBytes();
        QCOMPARE(bytes.size(), longFormat ? 18 : 14);
        QCOMPARE(remainderOf(bytes, 25, 106, 0x26D9E3, 21), 0u);
        if (longFormat)
            QCOMPARE(remainderOf(bytes, 107, 144, 0x1539, 12), 0u);
        QVERIFY(m->isBchValid());
        QVERIFY(m->isBch1Valid());
        if (longFormat)
            QVERIFY(m->isBch2Valid());
    }
}

void TestCoding::bchCheckDetectsCorruption()
{
    QRandomGenerator rng(3);
    MsgPtr m = randomMessage(rng, true);
    m->calculateBch();
    const QByteArray good = m->messageBytes();
    // Any single flipped bit of either protected field is caught; the check never changes the message.
    for (int n = 25; n <= 144; ++n) {
        m->loadBytes(good);
        m->setBits(n, 1, m->bits(n, 1) ^ 1);
        const QByteArray bad = m->messageBytes();
        QVERIFY2(!m->isBchValid(), qPrintable(QString("bit %1").arg(n)));
        QCOMPARE(m->isBch1Valid(), n > 106);
        QCOMPARE(m->isBch2Valid(), n <= 106);
        QCOMPARE(m->messageBytes(), bad);
    }
}

void TestCoding::shortMessageLeavesBch2Alone()
{
    UserMaritime m;
    m.setBits(113, 20, 0xABCDE);
    m.setBits(133, 12, 0x5A5);
    m.calculateBch();
    QCOMPARE(m.bits(133, 12), 0x5A5u);
    QCOMPARE(m.bits(113, 20), 0xABCDEu);
    QCOMPARE(m.messageBytes().size(), 14);
    QCOMPARE(m.hexMessage().size(), 28);
    QVERIFY(m.isBchValid());
    QVERIFY(!m.isBch2Valid());
}

void TestCoding::staticBchCheckOnBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    MsgPtr longMsg(EpirbMsgBase::create(ProtocolType::StdLocationMmsi));
    const QByteArray longBytes = allFields(*longMsg);
    MsgPtr shortMsg(EpirbMsgBase::create(ProtocolType::UserSerialPlb));
    const QByteArray shortBytes = allFields(*shortMsg);

    QTest::newRow("long") << longBytes << true;
    QTest::newRow("long, cut to 14 bytes") << longBytes.left(14) << false;
    QTest::newRow("short") << shortBytes << true;
    QTest::newRow("short, padded") << shortBytes + QByteArray(18, '\x55') << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("13 bytes") << shortBytes.left(13) << false;
    QByteArray flipped = longBytes;
    flipped[16] = char(flipped.at(16) ^ 0x10);
    QTest::newRow("long, BCH-2 broken") << flipped << false;
}

void TestCoding::staticBchCheckOnBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(EpirbMsgBase::isBchValid(bytes), valid);
}

void TestCoding::hexIdIsBits26To85()
{
    EpirbMsgBase m;
    m.setBits(25, 1, 0);
    m.setBits(26, 32, 0x9C6F40C0);
    m.setBits(58, 28, 0xE4003D5);
    m.setBits(86, 21, 0x1FFFFF);
    QCOMPARE(m.hexId(), QByteArray("9C6F40C0E4003D5"));
    m.setBits(1, 24, 0);
    QCOMPARE(m.hexId(), QByteArray("9C6F40C0E4003D5"));
}

void TestCoding::checksum_data()
{
    QTest::addColumn<QByteArray>("hexId");
    QTest::addColumn<QByteArray>("checksum");
    QTest::newRow("fifteen zeros") << QByteArray(15, '0') << QByteArray("E9EE6");
    QTest::newRow("user serial PLB") << QByteArray("9C6F40C0E4003D5") << QByteArray("DA045");
    QTest::newRow("std location MMSI") << QByteArray("2DC43C4802FFBFF") << QByteArray("99F09");
    QTest::newRow("all F") << QByteArray(15, 'F') << QByteArray("19DE9");
}

void TestCoding::checksum()
{
    QFETCH(QByteArray, hexId);
    QFETCH(QByteArray, checksum);
    const QByteArray got = EpirbMsgBase::checksumOfHexId(hexId);
    QCOMPARE(got.size(), 5);
    QCOMPARE(got, checksum);

    // The member works on the message's own bits 26-85.
    EpirbMsgBase m;
    for (int k = 0; k < 15; ++k)
        m.setBits(26 + 4 * k, 4, QByteArray(1, hexId.at(k)).toUInt(nullptr, 16));
    QCOMPARE(m.hexId(), hexId);
    QCOMPARE(m.hexIdChecksum(), got);
}

// ---------------------------------------------------------------- recognition

void TestCoding::createRecognisesEveryType_data()
{
    QTest::addColumn<int>("type");
    for (int t = 0; t <= ProtocolType::ProtocolMax; ++t)
        QTest::newRow(qPrintable(ProtocolNames::longName(t))) << t;
}

void TestCoding::createRecognisesEveryType()
{
    QFETCH(int, type);
    MsgPtr m(EpirbMsgBase::create(type));
    QVERIFY(m);
    QCOMPARE(m->protocolType(), type);
    m->setCountryCode(503);
    m->calculateBch();
    QCOMPARE(m->protocolType(), type);
    QVERIFY(m->isBchValid());
    QCOMPARE(m->countryCode(), 503);
    QVERIFY(m->hexMessage().startsWith("FFFE2F"));

    // Rebuilt from its bytes the message is the same protocol with the same bits.
    // An unsupported object carries UserMaritime bits and is read back as one.
    MsgPtr back(EpirbMsgBase::fromBytes(m->messageBytes()));
    QVERIFY(back);
    const int backType = type == ProtocolType::ProtocolMax ? int(ProtocolType::UserMmsi) : type;
    QCOMPARE(back->protocolType(), backType);
    QCOMPARE(back->messageBytes(), m->messageBytes());
    QCOMPARE(back->protocolName(), ProtocolNames::longName(backType));
    QCOMPARE(back->protocolGroupName(), ProtocolNames::groupName(backType));

    if (type == ProtocolType::ProtocolMax) {
        // Built as UserMaritime, but never recognised as one.
        UserMaritime plain;
        plain.setCountryCode(503);
        plain.calculateBch();
        QCOMPARE(m->messageBytes(), plain.messageBytes());
    }
}

void TestCoding::createUnknownTypeLogs_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("25") << 25;
    QTest::newRow("-1") << -1;
    QTest::newRow("1000") << 1000;
}

void TestCoding::createUnknownTypeLogs()
{
    QFETCH(int, type);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("Unhandled protocol type %1").arg(type)));
    QVERIFY(!EpirbMsgBase::create(type));
}

void TestCoding::rlsRecognition_data()
{
    QTest::addColumn<uint>("beaconType");
    QTest::addColumn<uint>("bits43to46");
    QTest::addColumn<int>("type");
    QTest::newRow("MMSI, 00") << 0u << 0xFu << int(ProtocolType::RlsUserMmsiEpirb);
    QTest::newRow("MMSI, 01") << 1u << 0xFu << int(ProtocolType::RlsUserMmsiEpirb);
    QTest::newRow("MMSI, 10") << 2u << 0xFu << int(ProtocolType::RlsUserMmsiPlb);
    QTest::newRow("MMSI, 11") << 3u << 0xFu << int(ProtocolType::RlsUserMmsiTest);
    QTest::newRow("TAC, 00 (ELT)") << 0u << 0x7u << int(ProtocolType::ProtocolMax);
    QTest::newRow("TAC, 01") << 1u << 0x0u << int(ProtocolType::RlsUserTacEpirb);
    QTest::newRow("TAC, 10") << 2u << 0xEu << int(ProtocolType::RlsUserTacPlb);
    QTest::newRow("TAC, 11") << 3u << 0x1u << int(ProtocolType::RlsUserTacTest);
}

void TestCoding::rlsRecognition()
{
    QFETCH(uint, beaconType);
    QFETCH(uint, bits43to46);
    QFETCH(int, type);
    for (bool longFormat : { true, false }) {
        EpirbMsgBase m;
        if (longFormat)
            m.setLongFormat();
        m.setLocationProtocol(13);
        m.setBits(41, 2, beaconType);
        m.setBits(43, 4, bits43to46);
        QCOMPARE(m.protocolType(), type);
    }
}

void TestCoding::fromBytesAnyLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("type");
    QTest::newRow("0") << 0 << int(ProtocolType::ProtocolMax);
    QTest::newRow("14") << 14 << int(ProtocolType::RlsUserTacPlb);
    QTest::newRow("18") << 18 << int(ProtocolType::RlsUserTacPlb);
    QTest::newRow("32") << 32 << int(ProtocolType::RlsUserTacPlb);
    QTest::newRow("40") << 40 << int(ProtocolType::RlsUserTacPlb);
    QTest::newRow("4 (only PDF start)") << 4 << int(ProtocolType::ProtocolMax);
}

void TestCoding::fromBytesAnyLength()
{
    QFETCH(int, length);
    QFETCH(int, type);
    LocationRlsTac src(2);
    src.setCountryCode(257);
    src.setTacNo(123);
    src.setSerialNumber(4567);
    src.calculateBch();
    QByteArray bytes = src.messageBytes() + QByteArray(32, '\xA5');
    bytes.truncate(length);

    MsgPtr m(EpirbMsgBase::fromBytes(bytes));
    QVERIFY(m);
    QCOMPARE(m->protocolType(), type);
    if (length >= 18) {
        QCOMPARE(m->messageBytes(), src.messageBytes());
        QCOMPARE(m->serialNumber(), 4567);
        QCOMPARE(m->tacNo(), 3123);
    }
}

void TestCoding::protocolNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("longName");
    QTest::addColumn<QString>("groupName");
    QTest::newRow("0") << 0 << "Std Location - MMSI" << "Standard Location";
    QTest::newRow("10") << 10 << "Standard Location - Test" << "Standard Location";
    QTest::newRow("13") << 13 << "RLS Location Serial/TAC - Test" << "RLS Location";
    QTest::newRow("18") << 18 << "National Location (PLB)" << "National Location";
    QTest::newRow("22") << 22 << "User Location - Test (PLB)" << "User Location";
    QTest::newRow("24") << 24 << "N/A" << "Unknown";
    QTest::newRow("30") << 30 << "N/A" << "Unknown";
    QTest::newRow("-3") << -3 << "N/A" << "Unknown";
}

void TestCoding::protocolNames()
{
    QFETCH(int, type);
    QFETCH(QString, longName);
    QFETCH(QString, groupName);
    QCOMPARE(ProtocolNames::longName(type), longName);
    QCOMPARE(ProtocolNames::groupName(type), groupName);
    QCOMPARE(ProtocolNames::longNames().size(), 25);
    QCOMPARE(ProtocolNames::groupNames().size(), 25);
}

// ---------------------------------------------------------------- encoders

void TestCoding::knownMessages_data()
{
    // Expected messages built bit by bit from the C/S T.001 layouts by a
    // separate reference script (not from this code).
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("country");
    QTest::addColumn<QByteArray>("identity");
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("tac");
    QTest::addColumn<int>("beaconNo");
    QTest::addColumn<int>("nationalData");
    QTest::addColumn<bool>("manualOnly");
    QTest::addColumn<QByteArray>("hexMessage");
    QTest::addColumn<QByteArray>("hexId");
    QTest::addColumn<QByteArray>("checksum");

    QTest::newRow("user serial PLB") << int(ProtocolType::UserSerialPlb) << 227 << QByteArray() << 12345 << 245
                                     << 0 << 0 << true << QByteArray("FFFE2F4E37A06072001EAD4EC540")
                                     << QByteArray("9C6F40C0E4003D5") << QByteArray("DA045");
    QTest::newRow("std location MMSI") << int(ProtocolType::StdLocationMmsi) << 366 << QByteArray("366123456") << 0
                                       << 0 << 1 << 0 << false
                                       << QByteArray("FFFE2F96E21E24017FDFFFFAF33783E0F66C")
                                       << QByteArray("2DC43C4802FFBFF") << QByteArray("99F09");
    QTest::newRow("RLS TAC PLB") << int(ProtocolType::RlsUserTacPlb) << 257 << QByteArray() << 4567 << 123 << 0 << 0
                                 << true << QByteArray("FFFE2F901D87B475DFEFFA9DF4B861F0FABE")
                                 << QByteArray("203B0F68EBBFDFF") << QByteArray("F4BF0");
    QTest::newRow("national PLB") << int(ProtocolType::NationalLocationPlb) << 227 << QByteArray() << 1000 << 0 << 0
                                  << 5 << true << QByteArray("FFFE2F8E3B00FA1FC0FF06E64DB79F3C54F4")
                                  << QByteArray("1C7601F43F81FE0") << QByteArray("C0943");
    QTest::newRow("user location call sign") << int(ProtocolType::UserLocationRadioCallsign) << 232
                                             << QByteArray("GABC123") << 0 << 0 << 0 << 0 << false
                                             << QByteArray("FFFE2FCE8D5F19DC24668A98022FE0FF0146")
                                             << QByteArray("9D1ABE33B848CD1") << QByteArray("A801F");
    QTest::newRow("user MMSI") << int(ProtocolType::UserMmsi) << 211 << QByteArray("211234567") << 0 << 0 << 0 << 0
                               << false << QByteArray("FFFE2F4D34CA0502AB868CB0C390")
                               << QByteArray("9A69940A05570D1") << QByteArray("979C5");
}

void TestCoding::knownMessages()
{
    QFETCH(int, type);
    QFETCH(int, country);
    QFETCH(QByteArray, identity);
    QFETCH(int, serial);
    QFETCH(int, tac);
    QFETCH(int, beaconNo);
    QFETCH(int, nationalData);
    QFETCH(bool, manualOnly);
    QFETCH(QByteArray, hexMessage);
    QFETCH(QByteArray, hexId);
    QFETCH(QByteArray, checksum);

    // The calling order of the configuration record.
    MsgPtr m(EpirbMsgBase::create(type));
    m->setCountryCode(country);
    m->setIdentity(identity);
    m->setSerialNumber(serial);
    m->setBeaconNo(beaconNo);
    m->setTacNo(tac % 1000);
    m->setFirstEpirb(true);
    m->setAdditionalDataType(true);
    m->setNationalData(nationalData);
    if (manualOnly)
        m->setManualActivationOnly(true);
    m->calculateBch();

    QCOMPARE(m->hexMessage(), hexMessage);
    QCOMPARE(m->hexId(), hexId);
    QCOMPARE(m->hexIdChecksum(), checksum);
    QCOMPARE(QByteArray::fromHex(hexMessage), m->messageBytes());
}

void TestCoding::radioCallSign_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("identity");
    QTest::newRow("four letters") << QByteArray("ABCD") << true << QByteArray("ABCD   ");
    QTest::newRow("letters and digits") << QByteArray("GABC123") << true << QByteArray("GABC123");
    QTest::newRow("two letters") << QByteArray("XY") << true << QByteArray("XY     ");
    QTest::newRow("blanks trimmed") << QByteArray("  ABCD12 \t") << true << QByteArray("ABCD12 ");
    QTest::newRow("lower case") << QByteArray("abcd1") << true << QByteArray("ABCD1  ");
    QTest::newRow("eight characters") << QByteArray("ABCD1234") << false << QByteArray();
    QTest::newRow("fifth not a digit") << QByteArray("ABCDE12") << false << QByteArray();
    QTest::newRow("outside Baudot table") << QByteArray("AB.D") << false << QByteArray();
}

void TestCoding::radioCallSign()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, written);
    QFETCH(QByteArray, identity);

    for (int type : { int(ProtocolType::UserRadiocall), int(ProtocolType::UserLocationRadioCallsign) }) {
        MsgPtr m(EpirbMsgBase::create(type));
        m->setIdentity("OLD");
        const QByteArray before = m->messageBytes();
        QSignalSpy update(m.get(), &EpirbMsgBase::Update);
        if (!written)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Invalid radio call sign"));
        m->setIdentity(text);
        QCOMPARE(update.count(), 1);
        QCOMPARE(UserRadioCall::isValidCallSign(text), written);
        if (!written) {
            QCOMPARE(m->messageBytes(), before);
            continue;
        }
        QCOMPARE(m->identity(), identity);
        // Missing digits are 1010, missing letters Baudot space.
        for (int i = 0; i < 3; ++i) {
            const char c = identity.at(4 + i);
            QCOMPARE(m->bits(64 + 4 * i, 4), c == ' ' ? 0xAu : uint(c - '0'));
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m->bits(40 + 6 * i, 6), EpirbMsgBase::toBaudot(identity.at(i)));
        QCOMPARE(m->protocolType(), type);
    }
}

void TestCoding::userMaritimeIdentity_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("identity");
    QTest::newRow("four digits") << QByteArray("1234") << QByteArray("  1234");
    QTest::newRow("nine digit MMSI") << QByteArray("211234567") << QByteArray("234567");
    QTest::newRow("six digits") << QByteArray("987654") << QByteArray("987654");
    QTest::newRow("empty") << QByteArray() << QByteArray("      ");
}

void TestCoding::userMaritimeIdentity()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, identity);
    for (int type : { int(ProtocolType::UserMmsi), int(ProtocolType::UserLocationMmsi) }) {
        MsgPtr m(EpirbMsgBase::create(type));
        QSignalSpy update(m.get(), &EpirbMsgBase::Update);
        m->setIdentity(text);
        QCOMPARE(update.count(), 1);
        QCOMPARE(m->identity(), identity);
        QCOMPARE(m->bits(40, 6), EpirbMsgBase::toBaudot(identity.at(0)));
    }
}

void TestCoding::baudotBeaconNumber()
{
    for (int type : { int(ProtocolType::UserMmsi), int(ProtocolType::UserRadiocall) }) {
        MsgPtr m(EpirbMsgBase::create(type));
        for (int n = 0; n <= 35; ++n) {
            m->setBeaconNo(n);
            QCOMPARE(m->beaconNo(), n);
            QVERIFY(m->bits(76, 6) != 0);
        }
        m->setBeaconNo(7);
        for (int bad : { 36, -1, 255 }) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Beacon number out of range"));
            m->setBeaconNo(bad);
            QCOMPARE(m->beaconNo(), 7);
        }
    }
    UserMaritime maritime;
    QCOMPARE(maritime.bits(76, 6), EpirbMsgBase::toBaudot('0'));
    UserRadioCall radio;
    QCOMPARE(radio.bits(76, 6), 0u);
}

void TestCoding::mmsiStdLongIdentity_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("identity");
    QTest::newRow("nine digits") << QByteArray("366123456") << QByteArray("123456");
    QTest::newRow("leading zeros") << QByteArray("000042") << QByteArray("000042");
    QTest::newRow("short number") << QByteArray("42") << QByteArray("000042");
    QTest::newRow("with blanks") << QByteArray(" 366999001 ") << QByteArray("999001");
    QTest::newRow("letter") << QByteArray("12A456") << QByteArray("777777");
    QTest::newRow("negative") << QByteArray("-12345") << QByteArray("777777");
    QTest::newRow("plus sign") << QByteArray("+12345") << QByteArray("777777");
    QTest::newRow("empty") << QByteArray() << QByteArray("777777");
}

void TestCoding::mmsiStdLongIdentity()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, identity);
    MmsiStdLong m;
    m.setIdentity("777777");
    m.calculateBch();
    const QByteArray before = m.messageBytes();
    QSignalSpy update(&m, &EpirbMsgBase::Update);
    m.setIdentity(text);
    QCOMPARE(m.identity(), identity);
    QCOMPARE(m.bits(41, 20), identity.toUInt());
    const bool ignored = identity == "777777";
    QCOMPARE(update.count(), ignored ? 0 : 1);
    if (ignored)
        QCOMPARE(m.messageBytes(), before);
}

void TestCoding::rlsTacNumber_data()
{
    QTest::addColumn<int>("beaconType");
    QTest::addColumn<int>("tac");
    QTest::addColumn<uint>("stored");
    QTest::addColumn<int>("readBack");
    QTest::addColumn<QString>("category");
    QTest::newRow("123, EPIRB") << 1 << 123 << 123u << 1123 << "EPIRB";
    QTest::newRow("123, PLB") << 2 << 123 << 123u << 3123 << "PLB";
    QTest::newRow("123, ELT") << 0 << 123 << 123u << 2123 << "ELT";
    QTest::newRow("123, test") << 3 << 123 << 123u << 123 << "Test";
    QTest::newRow("959 wraps to 1") << 2 << 959 << 1u << 3001 << "PLB";
    QTest::newRow("0 becomes 1") << 1 << 0 << 1u << 1001 << "EPIRB";
    QTest::newRow("999") << 1 << 999 << 40u << 1040 << "EPIRB";
    QTest::newRow("negative") << 1 << -5 << 954u << 1954 << "EPIRB";
}

void TestCoding::rlsTacNumber()
{
    QFETCH(int, beaconType);
    QFETCH(int, tac);
    QFETCH(uint, stored);
    QFETCH(int, readBack);
    QFETCH(QString, category);
    LocationRlsTac m(beaconType);
    QSignalSpy update(&m, &EpirbMsgBase::Update);
    m.setTacNo(tac);
    m.setSerialNumber(16383);
    QCOMPARE(update.count(), 0);
    QCOMPARE(m.bits(43, 10), stored);
    QCOMPARE(m.tacNo(), readBack);
    QCOMPARE(m.serialNumber(), 16383);
    QCOMPARE(m.beaconCategoryName(), category);
}

void TestCoding::rlsTacNeverLooksLikeMmsi()
{
    for (int type : { 1, 2, 3 }) {
        LocationRlsTac m(type);
        for (int n = -1000; n <= 65535; ++n) {
            m.setTacNo(n);
            QVERIFY2(m.bits(43, 4) != 0xF, qPrintable(QString::number(n)));
            QVERIFY(m.bits(43, 10) >= 1 && m.bits(43, 10) <= 958);
        }
        m.calculateBch();
        QVERIFY(m.protocolType() != ProtocolType::ProtocolMax);
    }
}

void TestCoding::rlsMmsi()
{
    LocationRlsMmsi first(0);
    QVERIFY(first.firstEpirb());
    first.setFirstEpirb(false);
    QCOMPARE(first.bits(41, 2), 1u);
    QVERIFY(!first.firstEpirb());
    QCOMPARE(first.protocolType(), int(ProtocolType::RlsUserMmsiEpirb));
    first.setFirstEpirb(true);
    QCOMPARE(first.bits(41, 2), 0u);
    QCOMPARE(first.beaconCategoryName(), QStringLiteral("EPIRB"));

    LocationRlsMmsi plb(2);
    plb.setFirstEpirb(false);
    QCOMPARE(plb.bits(41, 2), 2u);
    QVERIFY(plb.firstEpirb());
    QCOMPARE(plb.beaconCategoryName(), QStringLiteral("PLB"));

    const struct { const char *text; const char *identity; } cases[] = {
        { "257123456", "123456" }, { "42", "000042" }, { "abc", "000000" }, { "-1", "000000" },
        { "12345678901234567890123", "000000" }, { " 235000123", "000123" },
    };
    for (const auto &c : cases) {
        plb.setIdentity(c.text);
        QCOMPARE(plb.identity(), QByteArray(c.identity));
        QCOMPARE(plb.bits(43, 4), 0xFu);
    }
}

void TestCoding::nationalDataPlacement_data()
{
    QTest::addColumn<bool>("offsets");
    QTest::addColumn<int>("data");
    QTest::addColumn<uint>("bits113to132");
    // 1 00 1111 1 00 1111 followed by the six national-use bits.
    QTest::newRow("offsets, 5") << true << 5 << ((10191u << 6) | 5u);
    QTest::newRow("offsets, 63") << true << 63 << ((10191u << 6) | 63u);
    QTest::newRow("offsets, 64 truncated") << true << 64 << (10191u << 6);
    QTest::newRow("no offsets, 5") << false << 5 << 5u;
    QTest::newRow("no offsets, 20 bits") << false << 0xFFFFF << 0xFFFFFu;
}

void TestCoding::nationalDataPlacement()
{
    QFETCH(bool, offsets);
    QFETCH(int, data);
    QFETCH(uint, bits113to132);
    for (bool test : { false, true }) {
        LocationNational m(test);
        QVERIFY(m.additionalDataType());
        QCOMPARE(m.bits(113, 14), 10191u);
        m.setAdditionalDataType(offsets);
        m.setNationalData(data);
        QCOMPARE(m.bits(110, 1), offsets ? 1u : 0u);
        QCOMPARE(m.bits(113, 20), bits113to132);
        QCOMPARE(m.additionalDataType(), offsets);
        QCOMPARE(m.nationalData(), int(offsets ? bits113to132 & 0x3F : bits113to132));
        QCOMPARE(m.bits(107, 3), 6u);
        m.calculateBch();
        QCOMPARE(m.protocolType(), test ? int(ProtocolType::NationalLocationTest)
                                        : int(ProtocolType::NationalLocationPlb));
    }
}

void TestCoding::serialFieldsHoldTheirMaximum_data()
{
    QTest::addColumn<int>("type");
    for (int t = 0; t < ProtocolType::ProtocolMax; ++t)
        QTest::newRow(qPrintable(ProtocolNames::longName(t))) << t;
}

void TestCoding::serialFieldsHoldTheirMaximum()
{
    // The published limit must fit the field: input up to maxSerialNumber()
    // may never be truncated into another serial.
    QFETCH(int, type);
    MsgPtr m(EpirbMsgBase::create(type));
    const int max = m->maxSerialNumber();
    const bool serialInMessage = m->serialNumber() == 0 && [&] {
        m->setSerialNumber(1);
        return m->serialNumber() == 1;
    }();
    if (!serialInMessage)
        return;
    for (int n : { 0, 1, max / 2, max - 1, max }) {
        m->setSerialNumber(n);
        QCOMPARE(m->serialNumber(), n);
    }
    m->setSerialNumber(max + 1);
    QVERIFY(m->serialNumber() != max + 1);
}

void TestCoding::userSerialCategoryAndTac()
{
    UserSerial m(2, false);
    QCOMPARE(m.beaconCategoryName(), QStringLiteral("Float-free"));
    m.setBeaconCategory(4);
    QCOMPARE(m.beaconCategoryName(), QStringLiteral("Non float free"));
    QCOMPARE(m.protocolType(), int(ProtocolType::UserSerialEpirb));
    m.setBeaconCategory(6);
    QCOMPARE(m.beaconCategoryName(), QStringLiteral("Personal (PLB)"));
    QCOMPARE(m.protocolType(), int(ProtocolType::UserSerialPlb));
    m.setBeaconCategory(1);
    QVERIFY(m.beaconCategoryName().isEmpty());

    QCOMPARE(m.bits(43, 1), 0u);
    m.setTacNo(245);
    QCOMPARE(m.bits(43, 1), 1u);
    QCOMPARE(m.tacNo(), 245);
    m.setTacNo(0);
    QCOMPARE(m.bits(43, 1), 0u);
    m.setSerialNumber(1048575);
    QCOMPARE(m.identity(), QByteArray("1048575"));

    LocationUserSerial test(6, true);
    QCOMPARE(test.protocolLabel(), QStringLiteral("User location - Test"));
    QCOMPARE(LocationUserSerial(2, false).protocolLabel(), QStringLiteral("User Location - Serial"));
    SerialStdLong std(7);
    std.setSerialNumber(42);
    QCOMPARE(std.identity(), QByteArray("00042"));
    QCOMPARE(std.beaconCategoryName(), QStringLiteral("PLB"));
}

void TestCoding::manualActivationBit_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("user MMSI") << int(ProtocolType::UserMmsi);
    QTest::newRow("user call sign") << int(ProtocolType::UserRadiocall);
    QTest::newRow("user serial") << int(ProtocolType::UserSerialPlb);
    QTest::newRow("user test") << int(ProtocolType::UserTestEpirb);
}

void TestCoding::manualActivationBit()
{
    QFETCH(int, type);
    MsgPtr m(EpirbMsgBase::create(type));
    QCOMPARE(m->bits(107, 6), 0b010000u);
    m->setManualActivationOnly(true);
    QCOMPARE(m->bits(108, 1), 0u);
    m->setManualActivationOnly(false);
    QCOMPARE(m->bits(108, 1), 1u);
}

// ---------------------------------------------------------------- CLI

void TestCoding::cliRoundTrip_data()
{
    QTest::addColumn<int>("type");
    for (int t = 0; t < ProtocolType::ProtocolMax; ++t)
        QTest::newRow(qPrintable(ProtocolNames::longName(t))) << t;
}

void TestCoding::cliRoundTrip()
{
    using namespace ProtocolType;
    QFETCH(int, type);
    MsgPtr probe(EpirbMsgBase::create(type));

    QStringList args = { "msg", "encode", "--protocol", QString::number(type), "--country", "366" };
    QJsonObject expected;
    expected["protocolType"] = type;
    expected["countryCode"] = 366;
    const QList<int> mmsi = { StdLocationMmsi, UserMmsi, UserLocationMmsi, RlsUserMmsiEpirb, RlsUserMmsiTest,
                              RlsUserMmsiPlb };
    const QList<int> callSign = { UserRadiocall, UserLocationRadioCallsign };
    const QList<int> rlsTac = { RlsUserTacEpirb, RlsUserTacTest, RlsUserTacPlb };
    const QList<int> national = { NationalLocationPlb, NationalLocationTest };
    if (mmsi.contains(type)) {
        args << "--identity" << "366123456";
        expected["identity"] = "123456";
    } else if (callSign.contains(type)) {
        args << "--identity" << "GABC12";
        expected["identity"] = "GABC12 ";
    } else if (probe->maxSerialNumber() > 0) {
        const int serial = qMin(12345, probe->maxSerialNumber());
        args << "--serial" << QString::number(serial);
        expected["serialNumber"] = serial;
        if (!national.contains(type)) {
            args << "--tac" << "123";
            const int rlsOffset = type == RlsUserTacEpirb ? 1000 : type == RlsUserTacPlb ? 3000 : 0;
            expected["tacNo"] = rlsTac.contains(type) ? 123 + rlsOffset : 123;
        }
    }
    if (type == StdLocationMmsi || callSign.contains(type) || type == UserMmsi || type == UserLocationMmsi) {
        args << "--beacon-no" << (type == StdLocationMmsi ? "9" : "27");
        expected["beaconNo"] = type == StdLocationMmsi ? 9 : 27;
    }
    if (type == RlsUserMmsiEpirb) {
        args << "--first-epirb" << "0";
        expected["firstEpirb"] = false;
    }
    if (national.contains(type)) {
        args << "--additional-data-type" << "0" << "--national-data" << "777777";
        expected["additionalDataType"] = false;
        expected["nationalData"] = 777777;
    }
    if (type == UserSerialPlb)
        args << "--manual-only";

    const CliResult enc = runCli(args);
    QCOMPARE(enc.exitCode, 0);
    QVERIFY(enc.err.isEmpty());
    const QJsonObject e = enc.json();
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(e.value(it.key()), it.value());
    QCOMPARE(e["bch1Valid"].toBool(), true);
    QCOMPARE(e["bch2Valid"].isNull(), !probe->isLongFormat());
    if (type == UserSerialEpirb || type == UserLocationSerialEpirb)
        QCOMPARE(e["beaconCategoryName"].toString(), QStringLiteral("Non float free"));

    const QString hex = e["hexMessage"].toString();
    QCOMPARE(hex.size(), probe->isLongFormat() ? 36 : 28);
    MsgPtr fromHex(EpirbMsgBase::fromBytes(QByteArray::fromHex(hex.toLatin1())));
    QCOMPARE(fromHex->protocolType(), type);
    QCOMPARE(QString::fromLatin1(fromHex->hexId()), e["hexId"].toString());
    if (type == UserSerialPlb)
        QCOMPARE(fromHex->bits(108, 1), 0u);

    // Decoding the message, with and without sync, gives back every field.
    const CliResult dec = runCli({ "msg", "decode", hex.toLower() });
    QCOMPARE(dec.exitCode, 0);
    QJsonObject d = dec.json();
    QCOMPARE(d.take("selfTest").toBool(true), false);
    // Decode adds the fields read from the bits; what encode prints it gives back unchanged.
    const auto holdsEncode = [&e](const QJsonObject &decoded) {
        for (auto it = e.begin(); it != e.end(); ++it)
            QCOMPARE(decoded.value(it.key()), it.value());
        QVERIFY(decoded.value("problems").toArray().isEmpty());
    };
    holdsEncode(d);
    const CliResult noSync = runCli({ "msg", "decode", hex.mid(6) });
    QCOMPARE(noSync.exitCode, 0);
    QVERIFY(!noSync.json().contains("selfTest"));
    holdsEncode(noSync.json());

    // The hex ID holds the identity but not the format, BCH or national data.
    const CliResult id = runCli({ "msg", "decode", e["hexId"].toString() });
    QCOMPARE(id.exitCode, 0);
    const QJsonObject i = id.json();
    for (const char *key : { "hexId", "checksum", "countryCode", "identity", "serialNumber", "tacNo", "beaconNo",
                             "beaconCategoryName", "firstEpirb" })
        QCOMPARE(i.value(key), e.value(key));
    QVERIFY(!i.contains("hexMessage") && !i.contains("bch1Valid") && !i.contains("nationalData"));
    if (i.contains("alternativeProtocolType"))
        QVERIFY(i["protocolType"].toInt() == type || i["alternativeProtocolType"].toInt() == type);
    else
        QCOMPARE(i["protocolType"].toInt(), type);
}

void TestCoding::cliMatchesKnownMessage()
{
    const CliResult r = runCli({ "msg", "encode", "--protocol", "19", "--country", "257", "--serial", "4567",
                                 "--tac", "3123", "--manual-only" });
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.json()["hexMessage"].toString(), QStringLiteral("FFFE2F901D87B475DFEFFA9DF4B861F0FABE"));
    QCOMPARE(r.json()["checksum"].toString(), QStringLiteral("F4BF0"));

    // 319 is coded as 232; an associated craft takes its country from the MMSI.
    QCOMPARE(runCli({ "msg", "encode", "--protocol", "2", "--country", "319", "--identity", "319000001" })
                 .json()["countryCode"].toInt(), 232);
    QCOMPARE(runCli({ "msg", "encode", "--protocol", "2", "--country", "985", "--identity", "571234" })
                 .json()["countryCode"].toInt(), 557);

    // A corrupted message decodes but says so.
    QByteArray bad = "FFFE2F901D87B475DFEFFA9DF4B861F0FABE";
    bad[20] = bad[20] == '0' ? '1' : '0';
    const CliResult d = runCli({ "msg", "decode", QString::fromLatin1(bad) });
    QCOMPARE(d.exitCode, 1);
    QVERIFY(d.err.contains("fails its BCH check"));
    QCOMPARE(d.json()["bch1Valid"].toBool(), false);
    QCOMPARE(d.json()["bch2Valid"].toBool(), true);
}

// Messages of every first-generation protocol family: published examples where there are
// some, else built from the layout with their BCH codes (decoded by hand). Each row: the
// input, the registration ID, fields as key=value, the start of each named problem.
void TestCoding::cliDecodesEveryProtocol_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("hexId");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("problems");
    const QStringList none;
    const QString noPosition = QStringLiteral("positionText=default / no position");

    // Orbitography.
    QTest::newRow("orbitography, short") << "FFFE2F4E311D59D909AE853B1280" << "9C623AB3B2135D0"
        << QStringList { "orbitographyData=ORBIT01 / 0000", "unprotectedData=National use: 000000" } << none;
    QTest::newRow("orbitography, long") << "FFFE2FD3C1249769248E8706EC4000000000" << "A782492ED2491D0"
        << QStringList { "orbitographyData=  CS  1 / 0000", "pdf2Data=National use: 00000000000000000000000000" } << none;
    // Aviation user.
    QTest::newRow("aviation, long (E11)") << "FFFE2FE29325ACB12E938B671E0FE0FF0F61" << "C5264B59625D271"
        << QStringList { "registrationMarking=P2-HSM", "eltNumber=0", "auxiliaryDevice=121.5 MHz homing",
                         "positionSource=external navigation device", noPosition } << none;
    QTest::newRow("aviation, short, non-maritime emergency") << "FFFE2F4E3326CC572D9D4B4A67FA" << "9C664D98AE5B3A9"
        << QStringList { "registrationMarking=F-GHIJ", "eltNumber=2", "activationType=automatic and manual",
                         "emergencyCode=fire, no medical help needed, disabled" } << none;
    QTest::newRow("aviation, unassigned Baudot code") << "FFFE2F4E3326C0572D9D032E5210" << "9C664D80AE5B3A0"
        << QStringList { "registrationMarking=F<000000>GHIJ", "auxiliaryDevice=none", "activationType=automatic and manual" }
        << QStringList { "Aircraft registration marking: character 3 has no modified-Baudot meaning (000000)" };
    // Maritime user.
    QTest::newRow("maritime, long (E9)") << "FFFE2FD9D4EB28140AA6893F16A2C67282EC" << "B3A9D65028154D1"
        << QStringList { "mmsiOrCallSign=123456", "specificBeacon=0", "auxiliaryDevice=121.5 MHz homing",
                         "positionSource=internal navigation device",
                         "positionText=22°12'00\" N 114°32'00\" E (22.20000, 114.53333), 4-minute resolution" } << none;
    QTest::newRow("maritime, short, maritime emergency") << "FFFE2F5014EB28140AAE97E33AB6" << "A029D65028155D2"
        << QStringList { "mmsiOrCallSign=123456", "specificBeacon=1", "auxiliaryDevice=maritime 9 GHz SART",
                         "emergencyCode=sinking" } << none;
    // Radio call sign user.
    QTest::newRow("radio call sign, long (E10)") << "FFFE2FE0DDAE599508268E4C05E054651307" << "C1BB5CB32A104D1"
        << QStringList { "callSign=YDB4841", "specificBeacon=0",
                         "positionText=2°40'00\" N 101°04'00\" E (2.66667, 101.06667), 4-minute resolution" } << none;
    QTest::newRow("radio call sign, BCD code not a digit") << "FFFE2F501DC5D26AC3868F226040" << "A03B8BA4D5870D1"
        << QStringList { "callSign=AC Y61<1100>", "specificBeacon=0" }
        << QStringList { "Radio call sign: character 7 is not a BCD digit (1100)" };
    // Serial user, every layout and the TAC flag.
    QTest::newRow("serial EPIRB, national use (E1)") << "FFFE2F56E6804002202009655250" << "ADCD00800440401"
        << QStringList { "serialBeaconType=float-free EPIRB with a serial number (010)", "serial=8193",
                         "nationalUse64=0001000000", "csTac=none: bit 43 = 0, bits 74-83 are national use (0100000000)",
                         "auxiliaryDevice=121.5 MHz homing", "activationType=automatic and manual",
                         "emergencyCode=none (bits 109-112 national use: 0000)", "notes=bit 43 = 0: bits 74-83 are national use, no C/S type approval number" } << none;
    QTest::newRow("serial PLB without a TAC, as programmed") << "FFFE2F50178009A400000C3A71D0" << "A02F00134800001"
        << QStringList { "serialBeaconType=PLB with a serial number (110)", "serial=1234", "nationalUse64=0000000000",
                         "csTac=none: bit 43 = 0, bits 74-83 are national use (0000000000)", "notes=bit 43 = 0: bits 74-83 are national use, no C/S type approval number" } << none;
    QTest::newRow("serial ELT, operator designator, long (E12)") << "FFFE2FEDF67B7182038C2F0E10CFE0FF0F61" << "DBECF6E30407185"
        << QStringList { "serialBeaconType=ELT with aircraft operator designator and serial number (001)",
                         "operatorDesignator=FAE", "operatorSerial=1031", "csTac=97", noPosition } << none;
    QTest::newRow("serial ELT, operator designator, short") << "FFFE2F51167AFD0E6E8C216BC3C0" << "A22CF5FA1CDD184"
        << QStringList { "operatorDesignator=YKT", "operatorSerial=3293", "csTac=97", "auxiliaryDevice=none" } << none;
    QTest::newRow("serial ELT, aircraft address") << "FFFE2FCE36F5782462A82D6EAC65AB032349" << "9C6DEAF048C5505"
        << QStringList { "serialBeaconType=ELT with aircraft 24-bit address (011)", "aircraftAddress=ABC123",
                         "eltNumber=5", "csTac=321",
                         "positionText=45°20'00\" N 3°08'00\" W (45.33333, -3.13333), 4-minute resolution" } << none;
    // National user, test user, the spare user code.
    QTest::newRow("national user, short") << "FFFE2F56E8091A2B3C4D5FDFFC40" << "ADD0123456789AB"
        << QStringList { "nationalUse=0123456789AB", "unprotectedData=National use: 000000", "notes=national user protocol: bits 40-85 are national use and cannot be read" } << none;
    QTest::newRow("national user, long") << "FFFE2FDF7800000000000C353280000054E4" << "BEF000000000001"
        << QStringList { "nationalUse=000000000001", "pdf2Data=National use: 00000000000000000000000101", "notes=national user protocol: bits 40-85 are national use and cannot be read" } << none;
    QTest::newRow("test user, short") << "FFFE2F4E3E0055E6F78090FBB66A" << "9C7C00ABCDEF012"
        << QStringList { "testData=000ABCDEF012", "unprotectedData=Test use: 101010", "test=test protocol" } << none;
    QTest::newRow("test user, long") << "FFFE2FD01E00000000003C3480C000000000" << "A03C00000000007"
        << QStringList { "testData=000000000007", "test=test protocol" } << none;
    QTest::newRow("user code 101 is spare") << "FFFE2F501A00000000031C4C2200" << "A03400000000063" << none
        << QStringList { "user protocol code 101 is spare" };
    // Standard location.
    QTest::newRow("std location EPIRB MMSI (E2)") << "FFFE2F90127B92922BC022FF103504422535" << "2024F72524FFBFF"
        << QStringList { "mmsi=506153", "specificBeacon=2", "positionSource=external navigation device", "homing121=yes",
                         "positionText=43°43'56\" N 0°57'52\" E (43.73222, 0.96444), 4-second resolution" } << none;
    QTest::newRow("std location ELT aircraft address (E3)") << "FFFE2F8DB345B146202DDF3C71F59BAB7072" << "1B668B628CFFBFF"
        << QStringList { "aircraftAddress=45B146",
                         "positionText=32°06'56\" N 110°56'28\" W (32.11556, -110.94111), 4-second resolution" } << none;
    QTest::newRow("std location PLB serial (E4)") << "FFFE2FA3E7B10016150D364D8B3689C09437" << "47CF62002CFFBFF"
        << QStringList { "csTac=708", "serial=22", "positionSource=internal navigation device", "homing121=no",
                         "positionText=21°02'28\" N 105°29'24\" E (21.04111, 105.49000), 4-second resolution" } << none;
    QTest::newRow("std location ship security (E5)") << "FFFE2FA5DC19E1A07FDFFE5C803483E0FCCA" << "4BB833C340FFBFF"
        << QStringList { "mmsi=106010", "alertType=ship security alert (not distress)", noPosition } << none;
    QTest::newRow("std location ELT operator designator") << "FFFE2F8E45C5944D7FDFF90F32F483E0FCCA" << "1C8B8B289AFFBFF"
        << QStringList { "operatorDesignator=AFR", "operatorSerial=77", noPosition } << none;
    QTest::newRow("std location ELT serial, coarse position") << "FFFE2F9F743D44D2A192EF043A3683E0F00E" << "3EE87A89A4FFBFF"
        << QStringList { "csTac=245", "serial=1234",
                         "positionText=33°30'00\" S 151°15'00\" E (-33.50000, 151.25000), 15-minute resolution" } << none;
    QTest::newRow("std location test") << "FFFE2F901E00BEEF7FDFFCA6A7F483E0FCCA" << "203C017DDEFFBFF"
        << QStringList { "testIdentity=00BEEF", "test=test protocol" } << none;
    QTest::newRow("location protocol in a short message") << "FFFE2F10121E24017FDFFCB34D80" << "20243C4802FFBFF"
        << QStringList { "mmsi=123456", "specificBeacon=1" } << QStringList { "a location protocol in a short message" };
    QTest::newRow("location code 0001 is spare") << "FFFE2F901100000000002DEFB8C000000000" << "202200000000005" << none
        << QStringList { "location protocol code 0001 is spare", "a spare location protocol defines no registration ID" };
    // National location.
    QTest::newRow("national location PLB, offsets (E6)") << "FFFE2F9F7B00F9E8EC737E5312378A1802B0" << "3EF601F3BF81FE0"
        << QStringList { "nationalId=999", "pdf2NationalUse=000000", "homing121=yes",
                         "positionText=35°44'20\" S 115°29'36\" E (-35.73889, 115.49333), 4-second resolution" } << none;
    QTest::newRow("national location ELT, national data") << "FFFE2FAC6800EC142F4B1AF9CBF38034663A" << "58D001D83F81FE0"
        << QStringList { "nationalId=944", "pdf2NationalUse=10000000001101000110",
                         "positionText=80°46'00\" N 75°06'00\" W (80.76667, -75.10000), 2-minute resolution" } << none;
    QTest::newRow("national location EPIRB, no offsets") << "FFFE2F901A0A804F1E0A032BD5B20303996F" << "20341500BF81FE0"
        << QStringList { "nationalId=10753", "pdf2NationalUse=00000011000000111001",
                         "positionText=60°30'00\" N 10°00'00\" E (60.50000, 10.00000), 2-minute resolution" } << none;
    // RLS.
    QTest::newRow("RLS ELT TAC, self-test (E7)") << "FFFED096ED09900149D4D467EE0851A3B2E8" << "2DDA132002BFDFF"
        << QStringList { "rlsBeaconType=ELT (TAC series 2000)", "rlsTac=2153 (truncated 153)", "serial=5",
                         "rlsProvider=Galileo",
                         "rlmCapability=automatic Type-1 yes, manual Type-2 no; Type-1 received no, Type-2 received no",
                         "positionText=38°51'08\" N 76°56'16\" W (38.85222, -76.93778), 4-second resolution" } << none;
    QTest::newRow("RLS EPIRB TAC, coarse position") << "FFFE2F901D42A001E2A147418C3CA1F0FE3A" << "203A854003BFDFF"
        << QStringList { "rlsBeaconType=EPIRB (TAC series 1000)", "rlsTac=1042 (truncated 42)", "serial=7",
                         "rlsProvider=GLONASS", "homing121=yes",
                         "positionText=10°30'00\" S 20°00'00\" E (-10.50000, 20.00000), 30-minute resolution" } << none;
    QTest::newRow("RLS PLB, national RLS number") << "FFFE2F901DB9D0031FEFFF71204061F0F54D" << "203B73A0063FDFF"
        << QStringList { "rlsBeaconType=PLB (TAC series 3000)", "rlsTac=3925 (national RLS number, truncated 925)",
                         "serial=12", noPosition } << none;
    QTest::newRow("RLS PLB, truncated TAC above 949") << "FFFE2F901DBBB0031FEFFC17694061F0F54D" << "203B7760063FDFF"
        << QStringList { "rlsBeaconType=PLB (TAC series 3000)", "rlsTac=none: truncated TAC 955 is above 949", "serial=12" }
        << QStringList { "the truncated RLS TAC is 955: above 949" };
    QTest::newRow("RLS MMSI test, hex ID (B3)") << "193BFCE031BFDFF" << "193BFCE031BFDFF"
        << QStringList { "rlsBeaconType=RLS location test", "mmsi=639075", "test=test protocol",
                         "positionBits=default / no position" } << none;
    // ELT(DT).
    QTest::newRow("ELT(DT) aircraft address, self-test (E8)") << "FFFED08E39048D158AC01E3AA482856824CE" << "1C72091A2B3FDFF"
        << QStringList { "aircraftAddress=123456", "activation=manual by the user", "altitude=800-1200 m",
                         "freshness=more than 2 s and up to 60 s old",
                         "positionText=42°57'16\" N 1°21'52\" E (42.95444, 1.36444), 4-second resolution" } << none;
    QTest::newRow("ELT(DT) operator designator") << "FFFE2F8E3971654B1FEFFFC0EEDF61F0F28E" << "1C72E2CA963FDFF"
        << QStringList { "operatorDesignator=AFR", "operatorSerial=300", "activation=automatic by the beacon",
                         "altitude=not available", "freshness=more than 60 s old, or the default position", noPosition } << none;
    QTest::newRow("ELT(DT) cancellation") << "FFFE2F8E392AF37BFF5FD3AB954F1E0F01EE" << "1C7255E6F7BFDFF"
        << QStringList { "aircraftAddress=ABCDEF", "eltDtMessage=cancellation: the alert is cancelled",
                         "positionText=none (cancellation message)" } << none;
    QTest::newRow("ELT(DT) cancellation, other PDF-2") << "FFFE2F8E392AF37BFF5FD3AB955F1E0F0C61" << "1C7255E6F7BFDFF"
        << QStringList { "eltDtMessage=cancellation: the alert is cancelled", "activation=automatic by the beacon" }
        << QStringList { "ELT(DT) cancellation: bits 107-132 are 01111100011110000011110000, not 00111100011110000011110000" };
    QTest::newRow("ELT(DT) rotating field, operator designator") << "FFFE2F8E392AF37BCAE010011713062CA377" << "1C7255E6F7BFDFF"
        << QStringList { "freshness=rotating field", "rotatingField=aircraft operator designator (000)",
                         "rotatingDesignator=AFR", "altitude=1200-1600 m",
                         "positionText=43°30'00\" N 1°00'00\" E (43.50000, 1.00000), 30-minute resolution" } << none;
    QTest::newRow("ELT(DT) rotating field, spare identifier") << "FFFE2F8E392AF37BCAE01001171329234C60" << "1C7255E6F7BFDFF"
        << QStringList { "rotatingField=spare (101)" } << QStringList { "ELT(DT) rotating field identifier 101 is spare" };
    // Hex IDs: defaulted, and bits 26-85 as sent.
    QTest::newRow("hex ID, national location EPIRB") << "20341500BF81FE0" << "20341500BF81FE0"
        << QStringList { "nationalId=10753" } << none;
    QTest::newRow("hex ID with a position") << "2024F7252457804" << "2024F72524FFBFF"
        << QStringList { "mmsi=506153", "specificBeacon=2" }
        << QStringList { "position bits not defaulted: the registration ID is 2024F72524FFBFF" };
}

void TestCoding::cliDecodesEveryProtocol()
{
    QFETCH(QString, input);
    QFETCH(QString, hexId);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, problems);

    const CliResult r = runCli({ "msg", "decode", input });
    const QJsonObject json = r.json();
    QCOMPARE(json.value("hexId").toString(), hexId);
    for (const QString &f : fields) {
        const QString key = f.section(QLatin1Char('='), 0, 0);
        QVERIFY2(json.contains(key), qPrintable("no " + key));
        const QJsonValue v = json.value(key);
        const QString shown = v.isArray() ? v.toVariant().toStringList().join(QStringLiteral("; ")) : v.toString();
        QCOMPARE(shown, f.section(QLatin1Char('='), 1));
    }
    const QJsonArray shown = json.value("problems").toArray();
    QCOMPARE(shown.size(), problems.size());
    for (int i = 0; i < problems.size(); ++i)
        QVERIFY2(shown.at(i).toString().startsWith(problems.at(i)), qPrintable(shown.at(i).toString()));
    // One meaning for the exit code: a named problem fails the decode, and stderr names it.
    QCOMPARE(r.exitCode, problems.isEmpty() ? 0 : 1);
    for (const QString &p : problems)
        QVERIFY2(r.err.contains(p.toUtf8()), r.err.constData());
}

// Position fields written as a beacon with a navigation input would: {first bit, width, value}.
using BitFields = QList<QList<int>>;
Q_DECLARE_METATYPE(BitFields)

void TestCoding::cliDecodesEncodedPosition_data()
{
    using namespace ProtocolType;
    QTest::addColumn<int>("type");
    QTest::addColumn<BitFields>("fields");
    QTest::addColumn<bool>("known");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");

    // 43°31'56"N 1°25'32"W: 43.5° +1'56", 1.5° -4'28".
    QTest::newRow("standard location, offsets") << int(StdLocationSerialPlb)
        << BitFields { { 65, 1, 0 }, { 66, 9, 174 }, { 75, 1, 1 }, { 76, 10, 6 },
                       { 113, 1, 1 }, { 114, 5, 1 }, { 119, 4, 14 }, { 123, 1, 0 }, { 124, 5, 4 }, { 129, 4, 7 } }
        << true << 43 + 31 / 60.0 + 56 / 3600.0 << -(1 + 25 / 60.0 + 32 / 3600.0);
    // Offsets left at their defaults: the 1/4-degree position alone.
    QTest::newRow("standard location MMSI, coarse") << int(StdLocationMmsi)
        << BitFields { { 65, 1, 1 }, { 66, 9, 49 }, { 75, 1, 0 }, { 76, 10, 683 } }
        << true << -12.25 << 170.75;
    // 60°25'12"N 10°44'40"E: 60.5° -4'48", 10.5° +14'40".
    QTest::newRow("RLS") << int(RlsUserTacPlb)
        << BitFields { { 67, 1, 0 }, { 68, 8, 121 }, { 76, 1, 0 }, { 77, 9, 21 },
                       { 115, 1, 0 }, { 116, 4, 4 }, { 120, 4, 12 }, { 124, 1, 1 }, { 125, 4, 14 }, { 129, 4, 10 } }
        << true << 60.42 << 10 + 44 / 60.0 + 40 / 3600.0;
    // 43°31'56"N 1°25'32"E: 43°32' -4", 1°26' -28".
    QTest::newRow("national") << int(NationalLocationPlb)
        << BitFields { { 59, 1, 0 }, { 60, 7, 43 }, { 67, 5, 16 }, { 72, 1, 0 }, { 73, 8, 1 }, { 81, 5, 13 },
                       { 113, 1, 0 }, { 114, 2, 0 }, { 116, 4, 1 }, { 120, 1, 0 }, { 121, 2, 0 }, { 123, 4, 7 } }
        << true << 43 + 31 / 60.0 + 56 / 3600.0 << 1 + 25 / 60.0 + 32 / 3600.0;
    // Without the additional data flag PDF-2 is national data, not offsets.
    QTest::newRow("national, national data in PDF-2") << int(NationalLocationTest)
        << BitFields { { 59, 1, 1 }, { 60, 7, 45 }, { 67, 5, 15 }, { 72, 1, 1 }, { 73, 8, 100 }, { 81, 5, 0 },
                       { 110, 1, 0 }, { 113, 20, 0x12345 } }
        << true << -45.5 << -100.0;
    // User-location protocols carry the position in PDF-2 only, 4-minute steps.
    QTest::newRow("user location") << int(UserLocationSerialPlb)
        << BitFields { { 108, 1, 1 }, { 109, 7, 33 }, { 116, 4, 14 }, { 120, 1, 1 }, { 121, 8, 70 }, { 129, 4, 5 } }
        << true << -(33 + 56 / 60.0) << -(70 + 20 / 60.0);
    QTest::newRow("standard location, no position") << int(StdLocationTest) << BitFields {} << false << 0.0 << 0.0;
    QTest::newRow("RLS, latitude out of range") << int(RlsUserMmsiPlb)
        << BitFields { { 67, 1, 0 }, { 68, 8, 200 }, { 76, 1, 0 }, { 77, 9, 21 } } << false << 0.0 << 0.0;
}

void TestCoding::cliDecodesEncodedPosition()
{
    QFETCH(int, type);
    QFETCH(BitFields, fields);
    QFETCH(bool, known);
    QFETCH(double, latitude);
    QFETCH(double, longitude);

    // The message as programmed: position fields at their defaults.
    MsgPtr m(EpirbMsgBase::create(type));
    m->setCountryCode(257);
    m->setIdentity("257123456");
    m->setSerialNumber(4567);
    m->setTacNo(123);
    m->calculateBch();
    const QString registered = QString::fromLatin1(m->hexId());
    const QString checksum = QString::fromLatin1(m->hexIdChecksum());

    for (const QList<int> &f : fields)
        m->setBits(f[0], f[1], uint(f[2]));
    m->calculateBch();
    const CliResult r = runCli({ "msg", "decode", QString::fromLatin1(m->hexMessage()) });
    const QJsonObject d = r.json();
    // A coarse position beyond 90 degrees is named, and fails the decode.
    const bool outOfRange = !known && !fields.isEmpty();
    QCOMPARE(r.exitCode, outOfRange ? 1 : 0);
    if (outOfRange)
        QVERIFY(d["problems"].toArray().at(0).toString().startsWith("the position is out of range"));
    QCOMPARE(d["protocolType"].toInt(), type);
    QCOMPARE(d["hexId"].toString(), registered);
    QCOMPARE(d["checksum"].toString(), checksum);
    QCOMPARE(d["hexMessage"].toString(), QString::fromLatin1(m->hexMessage()));
    QVERIFY(d["bch1Valid"].toBool() && d["bch2Valid"].toBool());
    QVERIFY2(d.contains("position"), r.out.constData());
    if (!known) {
        QVERIFY2(d["position"].isNull(), r.out.constData());
        return;
    }
    const QJsonObject at = d["position"].toObject();
    QVERIFY2(qAbs(at["latitude"].toDouble() - latitude) < 1e-5, r.out.constData());
    QVERIFY2(qAbs(at["longitude"].toDouble() - longitude) < 1e-5, r.out.constData());
}

void TestCoding::cliRejectsBadInput_data()
{
    QTest::addColumn<QStringList>("args");
    const QStringList enc = { "msg", "encode" };
    auto p = [&](const char *protocol, const QStringList &more) {
        return enc + QStringList { "--protocol", protocol, "--country", "227" } + more;
    };
    QTest::newRow("protocol 24") << p("24", {});
    QTest::newRow("protocol 25") << p("25", {});
    QTest::newRow("protocol -1") << p("-1", {});
    QTest::newRow("protocol text") << p("abc", {});
    QTest::newRow("country 100") << (enc + QStringList { "--protocol", "4", "--country", "100" });
    QTest::newRow("country 800") << (enc + QStringList { "--protocol", "4", "--country", "800" });
    QTest::newRow("country 990") << (enc + QStringList { "--protocol", "4", "--country", "990" });
    QTest::newRow("country 98x without MMSI") << (enc + QStringList { "--protocol", "4", "--country", "985" });
    QTest::newRow("no country") << (enc + QStringList { "--protocol", "4" });
    QTest::newRow("no protocol") << (enc + QStringList { "--country", "227" });
    QTest::newRow("user serial too big") << p("4", { "--serial", "1048576" });
    QTest::newRow("std serial too big") << p("1", { "--serial", "16384" });
    QTest::newRow("national id too big") << p("18", { "--serial", "262144" });
    QTest::newRow("negative serial") << p("4", { "--serial", "-1" });
    QTest::newRow("MMSI with letter") << p("2", { "--identity", "12A456789" });
    QTest::newRow("MMSI missing") << p("0", {});
    QTest::newRow("MMSI too long") << p("9", { "--identity", "1234567890" });
    QTest::newRow("call sign too long") << p("3", { "--identity", "ABCDEFGH" });
    QTest::newRow("call sign letter after four") << p("6", { "--identity", "ABCDE12" });
    QTest::newRow("identity not carried") << p("4", { "--identity", "123" });
    QTest::newRow("serial not carried") << p("2", { "--identity", "227123456", "--serial", "5" });
    QTest::newRow("RLS TAC 959") << p("8", { "--tac", "959" });
    QTest::newRow("RLS TAC 0") << p("8", { "--tac", "1000" });
    QTest::newRow("TAC 1000") << p("4", { "--tac", "1000" });
    QTest::newRow("TAC not carried") << p("2", { "--identity", "227123456", "--tac", "5" });
    QTest::newRow("beacon no 36") << p("2", { "--identity", "227123456", "--beacon-no", "36" });
    QTest::newRow("beacon no 16 std") << p("0", { "--identity", "227123456", "--beacon-no", "16" });
    QTest::newRow("beacon no not carried") << p("4", { "--beacon-no", "1" });
    QTest::newRow("national data 64") << p("18", { "--national-data", "64" });
    QTest::newRow("national data too big") << p("18", { "--additional-data-type", "0", "--national-data", "1048576" });
    QTest::newRow("national data not carried") << p("4", { "--national-data", "1" });
    QTest::newRow("second EPIRB on PLB") << p("20", { "--identity", "227123456", "--first-epirb", "0" });
    QTest::newRow("first-epirb 2") << p("9", { "--identity", "227123456", "--first-epirb", "2" });
    QTest::newRow("unknown option") << p("4", { "--foo" });
    QTest::newRow("missing value") << p("4", { "--serial" });
    QTest::newRow("serial and newline") << p("4", { "--serial", "5\n" });
    QTest::newRow("MMSI and newline") << p("2", { "--identity", "227123456\n" });
    const QStringList dec = { "msg", "decode" };
    QTest::newRow("odd length") << (dec + QStringList { "FFFE2F4E37A06072001EAD4EC54" });
    QTest::newRow("not hex") << (dec + QStringList { "FFFE2F4E37A06072001EAD4EC54X" });
    QTest::newRow("empty") << (dec + QStringList { "" });
    QTest::newRow("no argument") << dec;
    QTest::newRow("two arguments") << (dec + QStringList { "9C6F40C0E4003D5", "9C6F40C0E4003D5" });
    QTest::newRow("wrong sync") << (dec + QStringList { "FFFE304E37A06072001EAD4EC540" });
    QTest::newRow("long flag, short length") << (dec + QStringList { "FFFE2F901D87B475DFEFFA9DF4B8" });
    QTest::newRow("short flag, long length") << (dec + QStringList { "FFFE2F4E37A06072001EAD4EC54000000000" });
    QTest::newRow("16 digits") << (dec + QStringList { "9C6F40C0E4003D50" });
    // A line end is no digit, not even the last character ("$" matches before one).
    QTest::newRow("14 digits and newline") << (dec + QStringList { "2024F72524FFBF\n" });
    QTest::newRow("hex ID and newline") << (dec + QStringList { "9C6F40C0E4003D5\n" });
    QTest::newRow("no sub-command") << QStringList { "msg" };
    QTest::newRow("bad sub-command") << QStringList { "msg", "frob" };
}

void TestCoding::cliRejectsBadInput()
{
    QFETCH(QStringList, args);
    const CliResult r = runCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.startsWith("quorvik-cli: "));
    QCOMPARE(r.err.count('\n'), 1);
}

void TestCoding::cliHelp()
{
    const CliResult r = runCli({ "msg", "--help" });
    QCOMPARE(r.exitCode, 0);
    for (const char *word : { "--protocol", "--country", "--identity", "--serial", "--tac", "--beacon-no",
                              "--first-epirb", "--additional-data-type", "--national-data", "--manual-only",
                              "decode", "National Location - Test" })
        QVERIFY2(r.out.contains(word), word);
    const CliResult top = runCli({ "--help" });
    QVERIFY(top.out.contains("msg"));
}

QTEST_GUILESS_MAIN(TestCoding)
#include "tst_coding.moc"
