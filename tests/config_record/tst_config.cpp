#include "coding/epirbmsgbase.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Generated with the back-end module; makes its types known to a QML engine.
void qml_register_types_Quorvik_Backend();

namespace {

// Message bit n (1..144, bit 1 = MSB of byte 0), read straight from the bytes.
uint messageBits(const QByteArray &bytes, int first, int width)
{
    uint v = 0;
    for (int n = first; n < first + width; ++n) {
        const int byte = (n - 1) / 8;
        const uint bit = (quint8(bytes.at(byte)) >> (7 - (n - 1) % 8)) & 1u;
        v = (v << 1) | bit;
    }
    return v;
}

quint16 u16(const QByteArray &block, int offset)
{
    return quint16(quint8(block.at(offset)) | (quint8(block.at(offset + 1)) << 8));
}

// Every member the data block carries, filled with values that survive the block's widths.
void fillRecord(EpirbConfig &c, int protocol)
{
    c.setBeaconType(ConfigTables::E_SkuaP5);
    c.setSerial(QStringLiteral("12345"));
    c.setAisSartMmsi(12);
    c.setTacNo(1234);
    c.setTacNumberRls(123);
    c.setTacNumberRlsPlb(456);
    c.setProductionDate(QDate(2024, 2, 29));
    c.setBatteryExpiry(QDateTime(QDate(2031, 3, 15), QTime(0, 0)));
    c.setBatteryProd(QDateTime(QDate(2026, 1, 31), QTime(0, 0)));
    c.setProtocolId(protocol);
    c.setMmsi(QStringLiteral("257123456"));
    c.setCountryCode(257);
    c.setBeaconNo(3);
    c.setMorseSequence(QString::fromUtf8("PØ7"));
    c.setUseMorseCode(true);
    c.setSweepDirection(true);
    c.setOwnerName(QStringLiteral("Kari Nordmann"));
    c.setOwnerAddress(QString::fromUtf8("Strandgata 1, Ålesund"));
    c.setOwnerTelephone(QStringLiteral("+47 123"));
    c.setOwnerOther(QStringLiteral("MS Terna"));
    c.setProgDealer(4242);
    c.setProgStation(QString::fromUtf8("Bergen Ø-1"));
    c.setProgOperator(QStringLiteral("Ola N"));
    c.setProgDate(QDate(2026, 12, 9));
    c.setQuorvikVersion(QStringLiteral("5.3.9"));
    c.calculateCsMsg();
}

QByteArray encodedP5Block(int protocol = ConfigTables::E_StdLocationSerialPlb)
{
    EpirbConfig c;
    fillRecord(c, protocol);
    return encodeDataBlock(c);
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Record: identity rules.
    void countryCode_data();
    void countryCode();
    void serialNumbers_data();
    void serialNumbers();
    void tacNumbers_data();
    void tacNumbers();
    void aisUserId_data();
    void aisUserId();
    void sgBeaconByType_data();
    void sgBeaconByType();

    // Record: message computation and decoding.
    void calculatedMessageCarriesIdentity_data();
    void calculatedMessageCarriesIdentity();
    void unknownProtocolKeepsMessage();
    void messageDecodesBackToIdentity_data();
    void messageDecodesBackToIdentity();
    void customSerialFromMessage_data();
    void customSerialFromMessage();
    void emptyMessageClearsIdentity();
    void countryLabelFollowsCountryList();

    // Record: life cycle.
    void compareMarksEachField_data();
    void compareMarksEachField();
    void resetKeepsSerialOnly();
    void copyFromCopiesEverything();
    void propertiesAndSignals();
    void batteryExpiryFromMetadata_data();
    void batteryExpiryFromMetadata();
    void qmlSeesTheRecord();

    // Data block codec.
    void packedDates_data();
    void packedDates();
    void morseCodes_data();
    void morseCodes();
    void morseAlphabetRoundTrip();
    void morseTexts_data();
    void morseTexts();
    void blockLayout();
    void typeIdentifiers_data();
    void typeIdentifiers();
    void roundTripEveryP5Protocol_data();
    void roundTripEveryP5Protocol();
    void ownerTextsCutAt61Bytes();
    void ownerCutNeverSplitsACharacter();
    void serialField_data();
    void serialField();
    void badBlocksLeaveRecordUntouched_data();
    void badBlocksLeaveRecordUntouched();
    void blockWithoutMarkerDecodes();
    void messageLengthsWithinField_data();
    void messageLengthsWithinField();
    void oversizedMessageIsNotEncoded();
    void randomBlocksNeverCrash();
    void limitTexts_data();
    void limitTexts();

    // quorvik-cli block.
    void cliEncodeDecodeRoundTrip();
    void cliRejectsNonBlocks_data();
    void cliRejectsNonBlocks();
    void cliFlagsABrokenStoredMessage_data();
    void cliFlagsABrokenStoredMessage();

private:
    QTemporaryDir m_dir;
};

void TestConfig::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The message computation traces every step at debug level.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QSettings().clear();
    QVERIFY(m_dir.isValid());
    QVERIFY(ConfigTables::instance(nullptr)->beaconPresent(ConfigTables::E_SkuaP5));
}

void TestConfig::countryCode_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("encoded");
    QTest::addColumn<bool>("warns");
    QTest::newRow("plain") << 257 << "257123456" << 257 << 257 << false;
    QTest::newRow("98 prefix") << 985 << "571234" << 557 << 557 << false;
    QTest::newRow("98 prefix, one-character mmsi") << 985 << "5" << 985 << 985 << true;
    QTest::newRow("98 prefix, mmsi not a number") << 982 << "AB1234" << 982 << 982 << true;
    QTest::newRow("981 is no associated craft") << 981 << "5" << 981 << 981 << false;
    QTest::newRow("Cayman goes out as UK") << 319 << "" << 319 << 232 << false;
    QTest::newRow("98 prefix giving 319") << 983 << "19" << 319 << 232 << false;
}

void TestConfig::countryCode()
{
    QFETCH(int, raw);
    QFETCH(QString, mmsi);
    QFETCH(int, code);
    QFETCH(int, encoded);
    QFETCH(bool, warns);
    const QString warning = QStringLiteral("Could not recreate country code with 98 prefix from code %1 and MMSI %2.")
                                .arg(raw)
                                .arg(mmsi);
    EpirbConfig c;
    c.setMmsi(mmsi);
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    c.setCountryCode(raw);
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QCOMPARE(c.countryCode(), code);
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QCOMPARE(c.encodedCountryCode(), encoded);
    QCOMPARE(c.rawCountryCode(), raw);
    QCOMPARE(c.isAssociatedCraft(), raw >= 982 && raw <= 989);
}

void TestConfig::serialNumbers_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("custom");
    QTest::addColumn<int>("encoded");
    QTest::addColumn<int>("protocolSerial");
    QTest::newRow("serial text") << int(ConfigTables::E_UserSerialPlb) << "12345" << 0 << 12345 << 12345;
    QTest::newRow("custom serial wins") << int(ConfigTables::E_UserSerialPlb) << "12345" << 77 << 77 << 77;
    QTest::newRow("14-bit field truncates") << int(ConfigTables::E_StdLocationSerialEpirb) << "20000" << 0 << 20000 << 3616;
    QTest::newRow("not a number") << int(ConfigTables::E_UserSerialPlb) << "12A45" << 0 << 0 << 0;
    QTest::newRow("protocol without serial") << int(ConfigTables::E_UserMmsi) << "12345" << 0 << 12345 << 0;
    QTest::newRow("no message object") << 99 << "12345" << 0 << 12345 << 12345;
}

void TestConfig::serialNumbers()
{
    QFETCH(int, protocol);
    QFETCH(QString, serial);
    QFETCH(int, custom);
    QFETCH(int, encoded);
    QFETCH(int, protocolSerial);
    EpirbConfig c;
    c.setProtocolId(protocol);
    c.setSerial(serial);
    c.setCustomSerial(custom);
    QCOMPARE(c.encodedSerial(), encoded);
    QCOMPARE(c.protocolSerial(), protocolSerial);
    QCOMPARE(c.beaconSerial(), serial);
}

void TestConfig::tacNumbers_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("rls");
    QTest::addColumn<int>("rlsPlb");
    QTest::addColumn<int>("encoded");
    // tacNo 7 throughout; the stored RLS numbers get their offsets below 1000.
    QTest::newRow("RLS EPIRB") << int(ConfigTables::E_RlsUserTacEpirb) << 25 << 1025 << 3025 << 25;
    QTest::newRow("RLS test uses the EPIRB number") << int(ConfigTables::E_RlsUserTacTest) << 25 << 1025 << 3025 << 25;
    QTest::newRow("RLS PLB") << int(ConfigTables::E_RlsUserTacPlb) << 1500 << 1500 << 1500 << 1500;
    QTest::newRow("other protocols use tacNo") << int(ConfigTables::E_StdLocationSerialPlb) << 25 << 1025 << 3025 << 7;
    QTest::newRow("16 bits kept") << int(ConfigTables::E_RlsUserTacEpirb) << 0x12345 << 0x2345 << 0x2345 << 0x2345;
}

void TestConfig::tacNumbers()
{
    QFETCH(int, protocol);
    QFETCH(int, stored);
    QFETCH(int, rls);
    QFETCH(int, rlsPlb);
    QFETCH(int, encoded);
    EpirbConfig c;
    c.setProtocolId(protocol);
    c.setTacNo(7);
    c.setTacNumberRls(stored);
    c.setTacNumberRlsPlb(stored);
    QCOMPARE(c.tacNoRls(), rls);
    QCOMPARE(c.tacNoRlsPlb(), rlsPlb);
    QCOMPARE(c.encodedTacNo(), encoded);
}

void TestConfig::aisUserId_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("id");
    QTest::newRow("P5") << 13 << 12 << "34567" << 974124567;
    QTest::newRow("older model") << 5 << 12 << "34567" << 0;
    QTest::newRow("no AIS code") << 13 << 0 << "34567" << 0;
    QTest::newRow("serial not a number") << 10 << 1 << "X" << 974010000;
}

void TestConfig::aisUserId()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, serial);
    QFETCH(int, id);
    EpirbConfig c;
    c.setBeaconType(type);
    c.setAisSartMmsi(code);
    c.setSerial(serial);
    QCOMPARE(c.aisUserId(), id);
}

void TestConfig::sgBeaconByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("sg");
    QTest::newRow("Skua 11") << 0 << false;
    QTest::newRow("Skua 11R") << 9 << false;
    QTest::newRow("Skua 11A") << 10 << true;
    QTest::newRow("Skua P5") << 13 << true;
    QTest::newRow("undefined") << 14 << true;
}

void TestConfig::sgBeaconByType()
{
    QFETCH(int, type);
    QFETCH(bool, sg);
    EpirbConfig c;
    c.setBeaconType(type);
    if (type > 13)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Using default isSgBeacon value as type +%1 is not defined$").arg(type)));
    QCOMPARE(c.isSgBeacon(), sg);
    QCOMPARE(c.beaconSelected(), type);
}

void TestConfig::calculatedMessageCarriesIdentity_data()
{
    QTest::addColumn<int>("beaconType");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("rawCountry");
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<int>("country");
    QTest::addColumn<int>("firstBit");
    QTest::addColumn<int>("width");
    QTest::addColumn<uint>("value");
    QTest::newRow("serial user EPIRB is non-float-free on an EPIRB")
        << 0 << int(ConfigTables::E_UserSerialEpirb) << 257 << "" << 257 << 40 << 3 << 4u;
    QTest::newRow("serial user EPIRB is non-float-free on a PLB")
        << 13 << int(ConfigTables::E_UserSerialEpirb) << 257 << "" << 257 << 40 << 3 << 4u;
    QTest::newRow("serial user-location EPIRB likewise")
        << 13 << int(ConfigTables::E_UserLocationSerialEpirb) << 257 << "" << 257 << 40 << 3 << 4u;
    QTest::newRow("serial user PLB keeps its category")
        << 13 << int(ConfigTables::E_UserSerialPlb) << 257 << "" << 257 << 40 << 3 << 6u;
    QTest::newRow("PLB: manual activation only") << 13 << int(ConfigTables::E_UserMmsi) << 257 << "257123456" << 257 << 108 << 1 << 0u;
    QTest::newRow("EPIRB: automatic and manual") << 0 << int(ConfigTables::E_UserMmsi) << 257 << "257123456" << 257 << 108 << 1 << 1u;
    QTest::newRow("Cayman carries 232") << 13 << int(ConfigTables::E_StdLocationSerialPlb) << 319 << "" << 319 << 27 << 10 << 232u;
    QTest::newRow("98 prefix resolved") << 13 << int(ConfigTables::E_StdLocationMmsi) << 985 << "571234" << 557 << 27 << 10 << 557u;
    QTest::newRow("MMSI: last six digits") << 13 << int(ConfigTables::E_StdLocationMmsi) << 257 << "257123456" << 257 << 41 << 20 << 123456u;
    QTest::newRow("RLS TAC number mod 1000") << 13 << int(ConfigTables::E_RlsUserTacPlb) << 257 << "" << 257 << 43 << 10 << 456u;
}

void TestConfig::calculatedMessageCarriesIdentity()
{
    QFETCH(int, beaconType);
    QFETCH(int, protocol);
    QFETCH(int, rawCountry);
    QFETCH(QString, mmsi);
    QFETCH(int, country);
    QFETCH(int, firstBit);
    QFETCH(int, width);
    QFETCH(uint, value);
    EpirbConfig c;
    c.setBeaconType(beaconType);
    c.setProtocolId(protocol);
    c.setMmsi(mmsi);
    c.setCountryCode(rawCountry);
    c.setSerial(QStringLiteral("4711"));
    c.setTacNumberRlsPlb(3456);
    c.calculateCsMsg();

    const QByteArray msg = c.messageBytes();
    QVERIFY(msg.size() == 14 || msg.size() == 18);
    QVERIFY(EpirbMsgBase::isBchValid(msg));
    QCOMPARE(messageBits(msg, 27, 10), uint(country == 319 ? 232 : country));
    QCOMPARE(messageBits(msg, firstBit, width), value);
    std::unique_ptr<EpirbMsgBase> back(c.createMessage());
    QVERIFY(back);
    QCOMPARE(back->protocolType(), protocol);
    QCOMPARE(c.epirbAsciiMsg(), QString::fromLatin1(msg.toHex().toUpper()));
    QCOMPARE(c.epirbHexMsg(), QString::fromLatin1(back->hexId()));
    QCOMPARE(c.epirbHexMsg().size(), 15);
    QCOMPARE(c.epirbHexChecksum().size(), 5);
}

void TestConfig::unknownProtocolKeepsMessage()
{
    EpirbConfig c;
    c.setProtocolId(ConfigTables::E_UserSerialPlb);
    c.setSerial(QStringLiteral("99"));
    c.calculateCsMsg();
    const QByteArray before = c.messageBytes();
    QVERIFY(!before.isEmpty());
    c.setProtocolId(77);
    c.calculateCsMsg();
    QCOMPARE(c.messageBytes(), before);
}

void TestConfig::messageDecodesBackToIdentity_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<QString>("identity");
    QTest::addColumn<int>("beaconNo");
    QTest::addColumn<bool>("firstEpirb");
    QTest::newRow("std location MMSI") << int(ConfigTables::E_StdLocationMmsi) << "257123456" << "123456" << 5 << true;
    QTest::newRow("user MMSI") << int(ConfigTables::E_UserMmsi) << "257123456" << "123456" << 5 << true;
    QTest::newRow("radio call sign") << int(ConfigTables::E_UserRadiocall) << "LABC123" << "LABC123" << 5 << true;
    QTest::newRow("RLS MMSI, second EPIRB") << int(ConfigTables::E_RlsUserMmsiEpirb) << "257123456" << "123456" << 0 << false;
    QTest::newRow("serial PLB") << int(ConfigTables::E_StdLocationSerialPlb) << "" << "04711" << 0 << true;
}

void TestConfig::messageDecodesBackToIdentity()
{
    QFETCH(int, protocol);
    QFETCH(QString, mmsi);
    QFETCH(QString, identity);
    QFETCH(int, beaconNo);
    QFETCH(bool, firstEpirb);
    EpirbConfig c;
    c.setBeaconType(ConfigTables::E_SkuaP5);
    c.setProtocolId(protocol);
    c.setMmsi(mmsi);
    c.setCountryCode(257);
    c.setSerial(QStringLiteral("4711"));
    c.setBeaconNo(beaconNo);
    c.setFirstEpirb(firstEpirb);
    c.calculateCsMsg();

    EpirbConfig d;
    d.setSerial(QStringLiteral("4711"));
    d.setCustomSerial(99);
    d.setMessageBytes(c.messageBytes());
    QCOMPARE(d.messageBytes(), c.messageBytes());
    QCOMPARE(d.protocolId(), protocol);
    QCOMPARE(d.rawCountryCode(), 257);
    QCOMPARE(d.mmsi(), identity);
    QCOMPARE(d.beaconNo(), beaconNo);
    QCOMPARE(d.firstEpirb(), firstEpirb);
    QCOMPARE(d.customSerial(), 0);
}

void TestConfig::customSerialFromMessage_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("serialWritten");
    QTest::addColumn<int>("customWritten");
    QTest::addColumn<QString>("serialOfReader");
    QTest::addColumn<int>("custom");
    QTest::newRow("national identity is always custom") << int(ConfigTables::E_NationalLocationPlb) << "" << 5 << "" << 5;
    QTest::newRow("same serial") << int(ConfigTables::E_StdLocationSerialPlb) << "4711" << 0 << "4711" << 0;
    QTest::newRow("merely truncated") << int(ConfigTables::E_StdLocationSerialEpirb) << "20000" << 0 << "20000" << 0;
    QTest::newRow("serial of its own") << int(ConfigTables::E_RlsUserTacPlb) << "4711" << 1234 << "4711" << 1234;
    QTest::newRow("reader without serial text") << int(ConfigTables::E_UserSerialPlb) << "4711" << 0 << "" << 4711;
}

void TestConfig::customSerialFromMessage()
{
    QFETCH(int, protocol);
    QFETCH(QString, serialWritten);
    QFETCH(int, customWritten);
    QFETCH(QString, serialOfReader);
    QFETCH(int, custom);
    EpirbConfig c;
    c.setProtocolId(protocol);
    c.setCountryCode(257);
    c.setSerial(serialWritten);
    c.setCustomSerial(customWritten);
    c.calculateCsMsg();

    EpirbConfig d;
    d.setSerial(serialOfReader);
    d.setMessageBytes(c.messageBytes());
    QCOMPARE(d.protocolId(), protocol);
    QCOMPARE(d.customSerial(), custom);
}

void TestConfig::emptyMessageClearsIdentity()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationMmsi);
    c.setMessageBytes(QByteArray());
    QVERIFY(c.messageBytes().isEmpty());
    QCOMPARE(c.protocolId(), int(ConfigTables::E_ProtocolMax));
    QCOMPARE(c.rawCountryCode(), 0);
    QVERIFY(c.mmsi().isEmpty());
    QCOMPARE(c.beaconNo(), 0);
    QVERIFY(c.epirbHexMsg().isEmpty());
    QVERIFY(c.epirbHexChecksum().isEmpty());
    QVERIFY(c.epirbAsciiMsg().isEmpty());
    QVERIFY(!c.createMessage());
}

void TestConfig::countryLabelFollowsCountryList()
{
    QFile file(m_dir.filePath(QStringLiteral("Country.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("257 Norway\n319 Cayman Islands\n557 Solomon Islands\n");
    file.close();
    CountryCodeModel *countries = CountryCodeModel::instance(nullptr);
    countries->loadCountryList(m_dir.path(), QString());

    EpirbConfig c;
    c.setCountryCode(257);
    QCOMPARE(c.countryLabel(), QStringLiteral("257  Norway"));
    c.setCountryCode(319);
    QCOMPARE(c.countryLabel(), QStringLiteral("319/232  Cayman Islands"));
    c.setMmsi(QStringLiteral("571234"));
    c.setCountryCode(985);
    QCOMPARE(c.countryLabel(), QStringLiteral("557  Solomon Islands"));
    c.setCountryCode(700);
    QCOMPARE(c.countryLabel(), QStringLiteral("(N/A)"));

    // Decoding a message labels it with the message's own identity.
    EpirbConfig src;
    src.setProtocolId(ConfigTables::E_StdLocationMmsi);
    src.setCountryCode(257);
    src.setMmsi(QStringLiteral("257000001"));
    src.calculateCsMsg();
    EpirbConfig d;
    d.setMessageBytes(src.messageBytes());
    QCOMPARE(d.countryLabel(), QStringLiteral("257  Norway"));

    // Later cases expect no country list.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Country list .* is not a valid country list$")));
    countries->loadCountryList(m_dir.filePath(QStringLiteral("missing")), QString());
}

void TestConfig::compareMarksEachField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("mask");
    QTest::newRow("message") << "message" << 0x1;
    QTest::newRow("sweepDirection") << "sweepDirection" << 0x2;
    QTest::newRow("useMorseCode") << "useMorseCode" << 0x4;
    QTest::newRow("morseSequence") << "morseSequence" << 0x8;
    QTest::newRow("blinkRate") << "blinkRate" << 0x10;
    QTest::newRow("morseSpeed") << "morseSpeed" << 0x20;
    QTest::newRow("ownerName") << "ownerName" << 0x100;
    QTest::newRow("ownerAddress") << "ownerAddress" << 0x200;
    QTest::newRow("ownerTelephone") << "ownerTelephone" << 0x400;
    QTest::newRow("ownerOther") << "ownerOther" << 0x800;
    QTest::newRow("progOperator") << "progOperator" << 0x8000;
    QTest::newRow("progDealer") << "progDealer" << 0x10000;
    QTest::newRow("progStation") << "progStation" << 0x20000;
    QTest::newRow("progDate") << "progDate" << 0x40000;
    QTest::newRow("version") << "version" << 0x80000;
    QTest::newRow("additionalInfo is not compared") << "additionalInfo" << 0;
    QTest::newRow("identity is not compared") << "identity" << 0;
    QTest::newRow("nothing changed") << "" << 0;
}

void TestConfig::compareMarksEachField()
{
    QFETCH(QString, field);
    QFETCH(int, mask);
    EpirbConfig a;
    fillRecord(a, ConfigTables::E_StdLocationSerialPlb);
    EpirbConfig b;
    b.copyFrom(a);
    QCOMPARE(a.compare(a), 0);

    if (field == QLatin1String("message"))
        b.setMessageBytes(QByteArray(18, '\x7F'));
    else if (field == QLatin1String("sweepDirection"))
        b.setSweepDirection(!a.sweepDirection());
    else if (field == QLatin1String("useMorseCode"))
        b.setUseMorseCode(!a.useMorseCode());
    else if (field == QLatin1String("morseSequence"))
        b.setMorseSequence(QStringLiteral("V"));
    else if (field == QLatin1String("blinkRate"))
        b.setBlinkRate(9);
    else if (field == QLatin1String("morseSpeed"))
        b.setMorseSpeed(9);
    else if (field == QLatin1String("ownerName"))
        b.setOwnerName(QStringLiteral("x"));
    else if (field == QLatin1String("ownerAddress"))
        b.setOwnerAddress(QStringLiteral("x"));
    else if (field == QLatin1String("ownerTelephone"))
        b.setOwnerTelephone(QStringLiteral("x"));
    else if (field == QLatin1String("ownerOther"))
        b.setOwnerOther(QStringLiteral("x"));
    else if (field == QLatin1String("progOperator"))
        b.setProgOperator(QStringLiteral("x"));
    else if (field == QLatin1String("progDealer"))
        b.setProgDealer(1);
    else if (field == QLatin1String("progStation"))
        b.setProgStation(QStringLiteral("x"));
    else if (field == QLatin1String("progDate"))
        b.setProgDate(QDate(2001, 1, 1));
    else if (field == QLatin1String("version"))
        b.setQuorvikVersion(QStringLiteral("x"));
    else if (field == QLatin1String("additionalInfo"))
        b.setAdditionalInfo(QStringLiteral("x"));
    else if (field == QLatin1String("identity")) {
        b.setProtocolId(1);
        b.setSerial(QStringLiteral("1"));
        b.setBeaconType(3);
        b.setTacNo(1);
        b.setBatteryExpiry(QDateTime(QDate(2040, 1, 1), QTime(0, 0)));
    }
    QCOMPARE(a.compare(b), mask);
    QCOMPARE(b.compare(a), mask);
}

void TestConfig::resetKeepsSerialOnly()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_NationalLocationPlb);
    c.setFirstEpirb(false);
    c.setAdditionalDataType(false);
    c.setCustomSerial(5);
    c.setAdditionalInfo(QStringLiteral("info"));
    ConfigExtraMetadata meta;
    meta.setValid(true);
    c.setExtraMetadata(meta);
    c.reset();

    const EpirbConfig fresh;
    QCOMPARE(c.beaconSerial(), QStringLiteral("12345"));
    QCOMPARE(c.compare(fresh), 0);
    QVERIFY(c.firstEpirb());
    QVERIFY(c.additionalDataType());
    QCOMPARE(c.beaconType(), 0);
    QCOMPARE(c.protocolId(), 0);
    QCOMPARE(c.customSerial(), 0);
    QCOMPARE(c.tacNo(), 0);
    QCOMPARE(c.storedTacNoRls(), 0);
    QCOMPARE(c.rawCountryCode(), 0);
    QVERIFY(c.mmsi().isEmpty());
    QVERIFY(c.additionalInfo().isEmpty());
    QVERIFY(c.progDate().isNull());
    QCOMPARE(c.productionDate(), QDate::currentDate());
    QCOMPARE(c.batteryExpiryDate(), QDate::currentDate());
    QCOMPARE(c.batteryProdDate(), QDate::currentDate());
    QCOMPARE(c.aisSartMmsi(), 0);
    QVERIFY(!c.extraMetadata().valid());
}

void TestConfig::copyFromCopiesEverything()
{
    EpirbConfig a;
    fillRecord(a, ConfigTables::E_RlsUserTacPlb);
    a.setHardwareType(3);
    a.setHardwareSerial(0xDEADBEEF);
    a.setVendorId(7);
    a.setBatteryType(2);
    a.setBlinkRate(4);
    a.setMorseSpeed(5);
    a.setCustomSerial(42);
    a.setAdditionalInfo(QStringLiteral("info"));
    a.setBatteryExpiryMode(2);
    ConfigExtraMetadata meta;
    meta.setBatteryExpireDate(QStringLiteral("2030-01-01"));
    meta.setNumSelfTests(12);
    meta.setValid(true);
    a.setExtraMetadata(meta);

    EpirbConfig b;
    QSignalSpy typeSpy(&b, &EpirbConfig::beaconTypeChanged);
    b.copyFrom(a);
    QCOMPARE(typeSpy.count(), 1);
    QCOMPARE(b.compare(a), 0);
    QCOMPARE(b.beaconSerial(), a.beaconSerial());
    QCOMPARE(b.beaconType(), a.beaconType());
    QCOMPARE(b.hardwareType(), 3);
    QCOMPARE(b.hardwareSerial(), 0xDEADBEEFu);
    QCOMPARE(b.vendorId(), 7);
    QCOMPARE(b.batteryType(), 2);
    QCOMPARE(b.customSerial(), 42);
    QCOMPARE(b.additionalInfo(), QStringLiteral("info"));
    QCOMPARE(b.batteryExpiryMode(), 2);
    QCOMPARE(b.storedTacNoRlsPlb(), 456);
    QCOMPARE(b.productionDate(), a.productionDate());
    QCOMPARE(b.batteryExpiry(), a.batteryExpiry());
    QCOMPARE(b.countryLabel(), a.countryLabel());
    QCOMPARE(b.mmsi(), a.mmsi());
    QVERIFY(b.extraMetadata() == meta);
}

void TestConfig::propertiesAndSignals()
{
    EpirbConfig c;
    QSignalSpy typeSpy(&c, &EpirbConfig::beaconTypeChanged);
    QSignalSpy expirySpy(&c, &EpirbConfig::batteryExpiryChanged);
    QSignalSpy prodSpy(&c, &EpirbConfig::batteryProdChanged);
    QSignalSpy metaSpy(&c, &EpirbConfig::extraMetadataChanged);

    QVERIFY(c.setProperty("beaconType", 256 + 13));
    QCOMPARE(c.property("beaconType").toInt(), 13);
    QCOMPARE(typeSpy.count(), 1);

    QVERIFY(c.setProperty("batteryExpiry", QDateTime(QDate(2031, 3, 15), QTime(17, 45))));
    QCOMPARE(c.property("batteryExpiry").toDateTime(), QDateTime(QDate(2031, 3, 15), QTime(0, 0)));
    QCOMPARE(expirySpy.count(), 1);
    QVERIFY(c.setProperty("batteryProd", QDateTime(QDate(2026, 3, 1), QTime(8, 0))));
    QCOMPARE(c.batteryProdDate(), QDate(2026, 3, 1));
    QCOMPARE(prodSpy.count(), 1);

    ConfigExtraMetadata meta;
    QCOMPARE(meta.lastTestError(), -1);
    QCOMPARE(meta.numGnssSelfTests(), -1);
    QVERIFY(!meta.valid());
    meta.setHexId(QStringLiteral("ABC"));
    c.setExtraMetadata(meta);
    QCOMPARE(metaSpy.count(), 1);
    QCOMPARE(c.property("extraMetadata").value<ConfigExtraMetadata>().hexId(), QStringLiteral("ABC"));
    QVERIFY(!c.setProperty("extraMetadata", QVariant::fromValue(ConfigExtraMetadata())));

    // Plain setters neither emit nor leave untrimmed owner texts.
    c.setOwnerName(QStringLiteral("  Kari \t  Nord "));
    QCOMPARE(c.ownerName(), QStringLiteral("Kari Nord"));
    c.setAdditionalInfo(QStringLiteral("  as is "));
    QCOMPARE(c.additionalInfo(), QStringLiteral("  as is "));
    c.setBeaconNo(0x1FF);
    QCOMPARE(c.beaconNo(), 0xFF);
    QCOMPARE(typeSpy.count(), 1);
}

void TestConfig::batteryExpiryFromMetadata_data()
{
    QTest::addColumn<QString>("metaDate");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<bool>("changed");
    QTest::newRow("no metadata date") << "" << QDate(2030, 5, 1) << false;
    QTest::newRow("same date") << "2030-05-01" << QDate(2030, 5, 1) << false;
    QTest::newRow("metadata wins") << "2031-03-15" << QDate(2031, 3, 15) << true;
    QTest::newRow("unparsable") << "15.03.2031" << QDate(2030, 5, 1) << false;
    QTest::newRow("impossible date") << "2031-02-30" << QDate(2030, 5, 1) << false;
}

void TestConfig::batteryExpiryFromMetadata()
{
    QFETCH(QString, metaDate);
    QFETCH(QDate, expected);
    QFETCH(bool, changed);
    EpirbConfig c;
    c.setBatteryExpiry(QDateTime(QDate(2030, 5, 1), QTime(0, 0)));
    ConfigExtraMetadata meta;
    meta.setBatteryExpireDate(metaDate);
    c.setExtraMetadata(meta);
    QSignalSpy spy(&c, &EpirbConfig::batteryExpiryChanged);
    if (changed)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Wrong battery expire date detected (2030-05-01), using date from NFC metadata (%1)").arg(metaDate)));
    c.applyMetadataBatteryExpiry();
    QCOMPARE(c.batteryExpiryDate(), expected);
    QCOMPARE(spy.count(), changed ? 1 : 0);
}

void TestConfig::qmlSeesTheRecord()
{
    qml_register_types_Quorvik_Backend();
    QQmlEngine engine;
    EpirbConfig c;
    ConfigExtraMetadata meta;
    meta.setNumSelfTests(7);
    meta.setBatteryExpireDate(QStringLiteral("2031-03-15"));
    c.setExtraMetadata(meta);
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("config"), &c);
    auto eval = [&](const char *js) {
        QQmlExpression expr(context, nullptr, QString::fromLatin1(js));
        const QVariant v = expr.evaluate();
        if (expr.hasError())
            qWarning().noquote() << expr.error().toString();
        return v;
    };
    QCOMPARE(eval("config.extraMetadata.numSelfTests").toInt(), 7);
    QCOMPARE(eval("config.extraMetadata.batteryExpireDate").toString(), QStringLiteral("2031-03-15"));
    QCOMPARE(eval("config.extraMetadata.valid").toBool(), false);
    eval("config.beaconType = 13; config.setSerial('34567'); config.setProtocolId(19); config.setProgDate(new Date(2026, 11, 9))");
    QCOMPARE(c.beaconType(), 13);
    QCOMPARE(c.beaconSerial(), QStringLiteral("34567"));
    QCOMPARE(c.progDate(), QDate(2026, 12, 9));
    QCOMPARE(eval("config.isTestProtocol()").toBool(), false);
    QCOMPARE(eval("config.encodedTacNo()").toInt(), 0);
    eval("config.batteryExpiry = new Date(2030, 0, 31, 15, 0)");
    QCOMPARE(c.batteryExpiryDate(), QDate(2030, 1, 31));
}

void TestConfig::packedDates_data()
{
    QTest::addColumn<quint16>("word");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("packsBack");
    QTest::newRow("15 March 2031") << quint16(0x799F) << QDate(2031, 3, 15) << true;
    QTest::newRow("31 December 2099") << quint16((31 << 11) | (12 << 7) | 99) << QDate(2099, 12, 31) << true;
    QTest::newRow("29 February 2024") << quint16((29 << 11) | (2 << 7) | 24) << QDate(2024, 2, 29) << true;
    QTest::newRow("word 0 is 1 January 2000") << quint16(0) << QDate(2000, 1, 1) << false;
    QTest::newRow("month 0 is no date") << quint16(5 << 11) << QDate() << false;
    QTest::newRow("month 13 is no date") << quint16((1 << 11) | (13 << 7) | 30) << QDate() << false;
    QTest::newRow("30 February falls back to the 1st") << quint16((30 << 11) | (2 << 7) | 30) << QDate(2030, 2, 1) << false;
    QTest::newRow("day 0 falls back to the 1st") << quint16((6 << 7) | 30) << QDate(2030, 6, 1) << false;
}

void TestConfig::packedDates()
{
    QFETCH(quint16, word);
    QFETCH(QDate, date);
    QFETCH(bool, packsBack);
    QCOMPARE(unpackDate(word), date);
    if (packsBack)
        QCOMPARE(packDate(date), word);
    if (date.isValid())
        QCOMPARE(unpackDate(packDate(date)), date);
}

void TestConfig::morseCodes_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("code");
    QTest::newRow("A") << "A" << 0x42;
    QTest::newRow("E") << "E" << 0x20;
    QTest::newRow("T") << "T" << 0x21;
    QTest::newRow("P") << "P" << 0x86;
    QTest::newRow("V") << "V" << 0x88;
    QTest::newRow("0") << "0" << 0xBF;
    QTest::newRow("5") << "5" << 0xA0;
    QTest::newRow("/") << "/" << 0xA9;
    QTest::newRow("AE") << QString::fromUtf8("Æ") << 0x8A;
    QTest::newRow("OE") << QString::fromUtf8("Ø") << 0x87;
    QTest::newRow("AA") << QString::fromUtf8("Å") << 0xB6;
}

void TestConfig::morseCodes()
{
    QFETCH(QString, character);
    QFETCH(int, code);
    QCOMPARE(morseToBytes(character), QByteArray(1, char(code)));
    QCOMPARE(bytesToMorse(QByteArray(1, char(code))), character);
}

void TestConfig::morseAlphabetRoundTrip()
{
    const QString alphabet = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÆØÅ0123456789/");
    const QByteArray bytes = morseToBytes(alphabet);
    QCOMPARE(bytes.size(), 40);
    QSet<char> distinct(bytes.begin(), bytes.end());
    QCOMPARE(distinct.size(), 40);
    for (const char b : bytes) {
        const int count = quint8(b) >> 5;
        QVERIFY(count >= 1 && count <= 5);
        QCOMPARE(quint8(b) & ~((1u << count) - 1) & 0x1F, 0u);
    }
    QCOMPARE(bytesToMorse(bytes), alphabet);
}

void TestConfig::morseTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("digit and AE") << QString::fromUtf8("SK1Æ") << QString::fromUtf8("SK1Æ");
    QTest::newRow("lower case stored upper") << QString::fromUtf8("pøå") << QString::fromUtf8("PØÅ");
    QTest::newRow("ten letters keep nine") << "ABCDEFGHIJ" << "ABCDEFGHI";
    QTest::newRow("character outside the alphabet") << "SOS!" << "";
    QTest::newRow("blank is outside the alphabet") << "P P" << "";
    QTest::newRow("empty") << "" << "";
}

void TestConfig::morseTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    c.setMorseSequence(text);
    const QByteArray block = encodeDataBlock(c);
    QCOMPARE(block.mid(52, 9), morseToBytes(stored).leftJustified(9, '\0'));
    EpirbConfig d;
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(d.morseSequence(), stored);
    QCOMPARE(d.useMorseCode(), !stored.isEmpty());
    // A byte that is no Morse character ends the sequence.
    QCOMPARE(bytesToMorse(QByteArray("\x42\x20\xFF\x21", 4)), QStringLiteral("AE"));
}

void TestConfig::blockLayout()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    c.setVendorId(9);
    c.setBatteryType(8);
    const QByteArray block = encodeDataBlock(c);
    QCOMPARE(block.size(), 192);
    QCOMPARE(quint8(block.at(0)), quint8(21));
    QCOMPARE(quint8(block.at(30)), quint8(0xFE));
    QCOMPARE(quint8(block.at(31)), quint8(0xCA));
    QCOMPARE(block.mid(2, 8), QByteArray("12345\0\0\0", 8));
    QCOMPARE(quint8(block.at(10)), quint8(12));
    QCOMPARE(block.at(1), '\0');
    QCOMPARE(block.at(11), '\0');
    QCOMPARE(u16(block, 12), quint16(1234));
    QCOMPARE(u16(block, 20), quint16(3456));
    QCOMPARE(u16(block, 22), quint16(1123));
    QCOMPARE(u16(block, 28), packDate(QDate(2024, 2, 29)));
    QCOMPARE(quint8(block.at(32)), quint8(18));
    QCOMPARE(block.mid(33, 18), c.messageBytes());
    QCOMPARE(block.at(51), '\x01');
    QCOMPARE(quint32(quint8(block.at(126))) | quint32(quint8(block.at(127))) << 8, 4242u);
    QCOMPARE(block.mid(130, 16), QString::fromUtf8("Bergen Ø-1").toLatin1().leftJustified(16, '\0'));
    QCOMPARE(block.mid(146, 10), QByteArray("Ola N").leftJustified(10, '\0'));
    QCOMPARE(u16(block, 156), packDate(QDate(2026, 12, 9)));
    QCOMPARE(block.mid(158, 8), QByteArray("5.3.9").leftJustified(8, '\0'));
    QCOMPARE(u16(block, 168), packDate(QDate(2026, 1, 31)));
    QCOMPARE(block.mid(170, 2), QByteArray::fromHex("9F79"));
    for (const auto &[from, to] : { std::pair{ 14, 19 }, { 24, 27 }, { 61, 64 }, { 166, 167 }, { 172, 191 } }) {
        for (int i = from; i <= to; ++i)
            QVERIFY2(block.at(i) == '\0', qPrintable(QStringLiteral("byte %1").arg(i)));
    }
    QVERIFY(isDataBlock(block));

    QByteArray changed = block;
    changed[0] = char(22);
    QVERIFY(!isDataBlock(changed));
    changed = block;
    changed[30] = char(0xFF);
    QVERIFY(!isDataBlock(changed));
    QVERIFY(!isDataBlock(block.left(171)));
}

void TestConfig::typeIdentifiers_data()
{
    QTest::addColumn<int>("beaconType");
    QTest::addColumn<int>("typeId");
    QTest::addColumn<bool>("isBlock");
    QTest::newRow("Skua 11A") << 10 << 18 << true;
    QTest::newRow("Skua 11R A") << 11 << 19 << true;
    QTest::newRow("Skua 31A") << 12 << 20 << true;
    QTest::newRow("Skua P5") << 13 << 21 << true;
    QTest::newRow("Skua 21 has no block") << 5 << 0 << false;
    QTest::newRow("undefined") << 14 << 0 << false;
}

void TestConfig::typeIdentifiers()
{
    QFETCH(int, beaconType);
    QFETCH(int, typeId);
    QFETCH(bool, isBlock);
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    c.setBeaconType(beaconType);
    const QByteArray block = encodeDataBlock(c);
    QCOMPARE(int(quint8(block.at(0))), typeId);
    QCOMPARE(isDataBlock(block), isBlock);
    // Only the P5 layout is decoded.
    EpirbConfig d;
    if (typeId != 21)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Unsupported beacon type ID %1").arg(typeId)));
    QCOMPARE(decodeDataBlock(block, d), typeId == 21);
}

void TestConfig::roundTripEveryP5Protocol_data()
{
    QTest::addColumn<int>("protocol");
    ConfigTables *tables = ConfigTables::instance(nullptr);
    tables->setTestProtocolAllowed(true);
    for (int p = 0; p < ConfigTables::E_ProtocolMax; ++p)
        tables->setProtocolAvailable(p, true);
    const QList<int> protocols = tables->updateProtocolList(ConfigTables::E_SkuaP5);
    QCOMPARE(protocols.size(), 13);
    for (int p : protocols)
        QTest::newRow(qPrintable(tables->protocolName(p, 0))) << p;
    tables->setTestProtocolAllowed(false);
}

void TestConfig::roundTripEveryP5Protocol()
{
    QFETCH(int, protocol);
    EpirbConfig c;
    fillRecord(c, protocol);
    if (protocol == ConfigTables::E_NationalLocationPlb || protocol == ConfigTables::E_NationalLocationTest)
        c.setCustomSerial(12345);
    c.calculateCsMsg();
    QCOMPARE(c.messageBytes().size(), 18);
    const QByteArray block = encodeDataBlock(c);
    QVERIFY(isDataBlock(block));

    EpirbConfig d;
    QSignalSpy typeSpy(&d, &EpirbConfig::beaconTypeChanged);
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(typeSpy.count(), 1);
    QCOMPARE(d.compare(c), 0);
    QCOMPARE(d.messageBytes(), c.messageBytes());
    QCOMPARE(d.protocolId(), protocol);
    QCOMPARE(d.rawCountryCode(), 257);
    QCOMPARE(d.customSerial(), c.customSerial());
    QCOMPARE(d.beaconType(), int(ConfigTables::E_SkuaP5));
    QCOMPARE(d.beaconSerial(), QStringLiteral("12345"));
    QCOMPARE(d.aisSartMmsi(), 12);
    QCOMPARE(d.tacNo(), 1234);
    QCOMPARE(d.tacNoRls(), 1123);
    QCOMPARE(d.tacNoRlsPlb(), 3456);
    QCOMPARE(d.storedTacNoRls(), 1123);
    QCOMPARE(d.storedTacNoRlsPlb(), 3456);
    QCOMPARE(d.productionDate(), QDate(2024, 2, 29));
    QCOMPARE(d.batteryExpiryDate(), QDate(2031, 3, 15));
    QCOMPARE(d.batteryProdDate(), QDate(2026, 1, 31));
    QCOMPARE(d.ownerAddress(), QString::fromUtf8("Strandgata 1, Ålesund"));
    QCOMPARE(d.progStation(), QString::fromUtf8("Bergen Ø-1"));
    QCOMPARE(d.progDealer(), 4242u);
    QCOMPARE(d.epirbHexMsg(), c.epirbHexMsg());
    // What was read back encodes to the very same block.
    QCOMPARE(encodeDataBlock(d), block);
}

void TestConfig::ownerTextsCutAt61Bytes()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    const QString name = QString(40, QLatin1Char('N'));
    const QString address = QString(20, QLatin1Char('A')) + QString(20, QLatin1Char('B'));
    c.setOwnerName(name);
    c.setOwnerAddress(address);
    const QByteArray block = encodeDataBlock(c);
    QCOMPARE(block.mid(65, 41), name.toLatin1() + '\0');
    QCOMPARE(block.mid(106, 20), QByteArray(20, 'A'));
    EpirbConfig d;
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(d.ownerName(), name);
    QCOMPARE(d.ownerAddress(), QString(20, QLatin1Char('A')));
    QVERIFY(d.ownerTelephone().isEmpty());
    QVERIFY(d.ownerOther().isEmpty());

    // Exactly 61 bytes with all four fields: nothing lost but the last terminator.
    c.setOwnerName(QString(15, QLatin1Char('a')));
    c.setOwnerAddress(QString(15, QLatin1Char('b')));
    c.setOwnerTelephone(QString(15, QLatin1Char('c')));
    c.setOwnerOther(QString(13, QLatin1Char('d')));
    QVERIFY(decodeDataBlock(encodeDataBlock(c), d));
    QCOMPARE(d.compare(c), 0);
}

void TestConfig::ownerCutNeverSplitsACharacter()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    c.setOwnerName(QString(59, QLatin1Char('N')));
    c.setOwnerAddress(QString::fromUtf8("ØØ"));
    const QByteArray block = encodeDataBlock(c);
    // Name, terminator, then no room for the two-byte Ø: the rest stays zero.
    QCOMPARE(block.at(65 + 59), '\0');
    QCOMPARE(block.at(125), '\0');
    EpirbConfig d;
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(d.ownerName(), QString(59, QLatin1Char('N')));
    QVERIFY(d.ownerAddress().isEmpty());

    c.setOwnerName(QString(58, QLatin1Char('N')));
    QVERIFY(decodeDataBlock(encodeDataBlock(c), d));
    QCOMPARE(d.ownerAddress(), QString::fromUtf8("Ø"));
}

void TestConfig::serialField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("serial");
    QTest::newRow("all zero") << QByteArray(8, '\0') << "";
    QTest::newRow("eight characters, no terminator") << QByteArray("12345678") << "12345678";
    QTest::newRow("cut at the first zero") << QByteArray("123\0" "567\0", 8) << "123";
    QTest::newRow("Latin-1") << QByteArray("\xC5" "1\0\0\0\0\0\0", 8) << QString::fromUtf8("Å1");
}

void TestConfig::serialField()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, serial);
    QByteArray block = encodedP5Block();
    block.replace(2, 8, field);
    EpirbConfig d;
    d.setSerial(QStringLiteral("old"));
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(d.beaconSerial(), serial);
    // A longer serial text keeps its first eight characters in the block.
    d.setSerial(serial + QStringLiteral("999"));
    QCOMPARE(encodeDataBlock(d).mid(2, 8), (serial.toLatin1() + "999").left(8).leftJustified(8, '\0'));
}

void TestConfig::badBlocksLeaveRecordUntouched_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("isBlock");
    const QByteArray good = encodedP5Block();
    QByteArray b;
    QTest::newRow("empty") << QByteArray() << "Data block of 0 bytes is too short" << false;
    QTest::newRow("171 bytes") << good.left(171) << "Data block of 171 bytes is too short" << false;
    b = good;
    b[0] = char(20);
    QTest::newRow("other model") << b << "Unsupported beacon type ID 20" << true;
    b[0] = char(0);
    QTest::newRow("identifier 0") << b << "Unsupported beacon type ID 0" << false;
    b = good;
    b[32] = char(19);
    QTest::newRow("message length 19") << b << "Invalid 406 MHz message length 19 in data block" << false;
    b[32] = char(255);
    QTest::newRow("message length 255") << b << "Invalid 406 MHz message length 255 in data block" << false;
}

void TestConfig::badBlocksLeaveRecordUntouched()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, warning);
    QFETCH(bool, isBlock);
    EpirbConfig d;
    fillRecord(d, ConfigTables::E_RlsUserTacPlb);
    d.setBeaconType(ConfigTables::E_Skua31A);
    EpirbConfig before;
    before.copyFrom(d);
    QSignalSpy typeSpy(&d, &EpirbConfig::beaconTypeChanged);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QVERIFY(!decodeDataBlock(block, d));
    QCOMPARE(typeSpy.count(), 0);
    QCOMPARE(d.compare(before), 0);
    QCOMPARE(d.beaconType(), int(ConfigTables::E_Skua31A));
    QCOMPARE(d.beaconSerial(), before.beaconSerial());
    QCOMPARE(d.protocolId(), before.protocolId());
    QCOMPARE(d.batteryExpiry(), before.batteryExpiry());
    QCOMPARE(isDataBlock(block), isBlock);
}

void TestConfig::blockWithoutMarkerDecodes()
{
    // Identifier 21 of a known model is all a decode needs; the marker only tells a
    // stored block from other data.
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_UserSerialPlb);
    QByteArray block = encodeDataBlock(c);
    block[30] = 0;
    block[31] = 0;
    EpirbConfig d;
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(d.beaconSerial(), c.beaconSerial());
    QCOMPARE(d.messageBytes(), c.messageBytes());
    QCOMPARE(d.ownerName(), c.ownerName());
    QVERIFY(!isDataBlock(block));
}

void TestConfig::messageLengthsWithinField_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("never programmed") << 0;
    QTest::newRow("short message") << 14;
    QTest::newRow("long message") << 18;
}

void TestConfig::messageLengthsWithinField()
{
    QFETCH(int, length);
    EpirbConfig c;
    fillRecord(c, length == 14 ? ConfigTables::E_UserSerialPlb : ConfigTables::E_StdLocationSerialPlb);
    QByteArray block = encodeDataBlock(c);
    block[32] = char(length);
    // Bytes of the 18-byte field after the message are not part of it.
    if (length < 18)
        block[33 + 17] = char(0x5A);
    EpirbConfig d;
    QVERIFY(decodeDataBlock(block, d));
    QCOMPARE(d.messageBytes(), block.mid(33, length));
    QCOMPARE(d.protocolId(), length ? c.protocolId() : int(ConfigTables::E_ProtocolMax));
    QCOMPARE(d.epirbHexMsg().isEmpty(), length == 0);
    const QByteArray again = encodeDataBlock(d);
    QCOMPARE(quint8(again.at(32)), quint8(length));
    QCOMPARE(again.mid(33, 18), block.mid(33, length).leftJustified(18, '\0'));
}

void TestConfig::oversizedMessageIsNotEncoded()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    c.setMessageBytes(c.messageBytes() + QByteArray(2, '\x55'));
    QTest::ignoreMessage(QtWarningMsg, "A message of 20 bytes does not fit the data block");
    QVERIFY(encodeDataBlock(c).isEmpty());
}

void TestConfig::randomBlocksNeverCrash()
{
    // Fixed seed: a failure can be replayed.
    QRandomGenerator rng(20261209);
    const QByteArray good = encodedP5Block();
    int decoded = 0;
    // Only the decoder's own rejections may be logged; keep them out of the test output.
    static QStringList unexpected;
    unexpected.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        static const QRegularExpression expected(QStringLiteral("^(Data block|Unsupported beacon type ID|Invalid 406 MHz message length|Could not recreate country code)"));
        if (type != QtDebugMsg && !expected.match(text).hasMatch())
            unexpected.append(text);
    });
    for (int i = 0; i < 3000; ++i) {
        QByteArray block(i % 10 == 0 ? int(rng.bounded(200)) : kDataBlockSize, '\0');
        for (char &b : block)
            b = char(rng.bounded(256));
        // Most blocks get past the header checks so the field decoding is exercised.
        if (block.size() >= 33 && i % 4 != 0) {
            block[0] = char(21);
            block[30] = char(0xFE);
            block[31] = char(0xCA);
            block[32] = char(rng.bounded(20));
        }
        if (i % 7 == 0 && block.size() >= kDataBlockMinSize)
            block.replace(33, 18, good.mid(33, 18));
        EpirbConfig d;
        const bool ok = decodeDataBlock(block, d);
        if (ok != (isDataBlock(block) && quint8(block.at(0)) == 21))
            unexpected.append(QStringLiteral("decoder and isDataBlock disagree on block %1").arg(i));
        if (ok) {
            ++decoded;
            const QByteArray again = encodeDataBlock(d);
            if (again.size() != kDataBlockSize)
                unexpected.append(QStringLiteral("re-encoding failed for block %1").arg(i));
            if (again.mid(32, 1 + quint8(block.at(32))) != block.mid(32, 1 + quint8(block.at(32))))
                unexpected.append(QStringLiteral("message changed in block %1").arg(i));
        }
    }
    qInstallMessageHandler(previous);
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    QVERIFY(decoded > 1000);
}

void TestConfig::limitTexts_data()
{
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("station16");
    QTest::addColumn<QString>("op10");
    QTest::addColumn<QString>("version8");
    QTest::newRow("fits") << "Bergen" << "Ola" << "5.3.9" << "Bergen" << "Ola" << "5.3.9";
    QTest::newRow("cut and simplified") << "ABCDEFGHIJKLMNO PQR" << "Ola Nordma nn" << "5.3.9-beta1"
                                        << "ABCDEFGHIJKLMNO" << "Ola Nordma" << "5.3.9-be";
    QTest::newRow("outside Latin-1") << QString::fromUtf8("Станция") << QString::fromUtf8("Ørjan€") << "v"
                                     << "???????" << QString::fromUtf8("Ørjan?") << "v";
}

void TestConfig::limitTexts()
{
    QFETCH(QString, station);
    QFETCH(QString, op);
    QFETCH(QString, version);
    QFETCH(QString, station16);
    QFETCH(QString, op10);
    QFETCH(QString, version8);
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_StdLocationSerialPlb);
    c.setProgStation(station);
    c.setProgOperator(op);
    c.setQuorvikVersion(version);
    limitDataBlockTexts(c);
    QCOMPARE(c.progStation(), station16);
    QCOMPARE(c.progOperator(), op10);
    QCOMPARE(c.quorvikVersion(), version8);
    // After limiting, a read-back compares equal.
    EpirbConfig d;
    QVERIFY(decodeDataBlock(encodeDataBlock(c), d));
    QCOMPARE(d.compare(c), 0);
}

namespace {
QString cliPath()
{
    return QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli");
}

QProcessEnvironment cliEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    return env;
}
} // namespace

void TestConfig::cliEncodeDecodeRoundTrip()
{
    EpirbConfig c;
    fillRecord(c, ConfigTables::E_RlsUserTacPlb);
    const QString blockPath = m_dir.filePath(QStringLiteral("p5.bin"));
    {
        QFile f(blockPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(encodeDataBlock(c));
    }
    QProcess cli;
    cli.setProcessEnvironment(cliEnvironment(m_dir.path()));
    cli.start(cliPath(), { QStringLiteral("block"), QStringLiteral("decode"), blockPath });
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QCOMPARE(json.value(QStringLiteral("beaconType")).toInt(), 13);
    QCOMPARE(json.value(QStringLiteral("beaconSerial")).toString(), QStringLiteral("12345"));
    QCOMPARE(json.value(QStringLiteral("message")).toString(), c.epirbAsciiMsg());
    QCOMPARE(json.value(QStringLiteral("hexId")).toString(), c.epirbHexMsg());
    QCOMPARE(json.value(QStringLiteral("checksum")).toString(), c.epirbHexChecksum());
    QCOMPARE(json.value(QStringLiteral("batteryExpiry")).toString(), QStringLiteral("2031-03-15"));
    QCOMPARE(json.value(QStringLiteral("progDate")).toString(), QStringLiteral("2026-12-09"));
    QCOMPARE(json.value(QStringLiteral("tacNoRlsPlb")).toInt(), 3456);
    QCOMPARE(json.value(QStringLiteral("protocolId")).toInt(), int(ConfigTables::E_RlsUserTacPlb));
    QCOMPARE(json.value(QStringLiteral("morseSequence")).toString(), QString::fromUtf8("PØ7"));
    QCOMPARE(json.value(QStringLiteral("ownerAddress")).toString(), QString::fromUtf8("Strandgata 1, Ålesund"));
    QVERIFY(json.contains(QStringLiteral("countryLabel")));
    QVERIFY(json.contains(QStringLiteral("customSerial")));

    // The printed JSON encodes back to the same block.
    const QString jsonPath = m_dir.filePath(QStringLiteral("p5.json"));
    {
        QFile f(jsonPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(json).toJson());
    }
    const QString outPath = m_dir.filePath(QStringLiteral("p5-again.bin"));
    cli.start(cliPath(), { QStringLiteral("block"), QStringLiteral("encode"), jsonPath, outPath });
    QVERIFY(cli.waitForFinished(30000));
    QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
    QFile again(outPath);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), encodeDataBlock(c));
}

void TestConfig::cliRejectsNonBlocks_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("content");
    QByteArray other = encodedP5Block();
    other[0] = char(19);
    QTest::newRow("short file") << QStringList{ "decode" } << QByteArray(100, '\x15');
    QTest::newRow("other model") << QStringList{ "decode" } << other;
    QTest::newRow("missing file") << QStringList{ "decode", "/nonexistent/block.bin" } << QByteArray();
    QTest::newRow("no action") << QStringList{} << QByteArray();
    QTest::newRow("JSON that is not an object") << QStringList{ "encode" } << QByteArray("[1,2]");
    QTest::newRow("bad message hex") << QStringList{ "encode" } << QByteArray(R"({"message":"FFFE2G"})");
    QTest::newRow("bad date") << QStringList{ "encode" } << QByteArray(R"({"progDate":"9.12.2026"})");
    QTest::newRow("message too long") << QStringList{ "encode" } << QByteArray(R"({"message":"00112233445566778899AABBCCDDEEFF001122"})");
}

void TestConfig::cliRejectsNonBlocks()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, content);
    const QString in = m_dir.filePath(QStringLiteral("input"));
    if (!content.isEmpty()) {
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        args << in;
        if (args.first() == QLatin1String("encode"))
            args << m_dir.filePath(QStringLiteral("never-written.bin"));
    }
    QProcess cli;
    cli.setProcessEnvironment(cliEnvironment(m_dir.path()));
    cli.start(cliPath(), QStringList{ QStringLiteral("block") } + args);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardOutput().isEmpty());
    const QByteArray err = cli.readAllStandardError();
    QVERIFY2(err.startsWith("quorvik-cli: "), err.constData());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never-written.bin"))));
}

QTEST_GUILESS_MAIN(TestConfig)
// A beacon whose stored message fails BCH-1 or BCH-2 transmits what receivers reject: the
// record still decodes, but block decode says so and fails.
void TestConfig::cliFlagsABrokenStoredMessage_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("flipBit"); // message bit to flip, 0 none
    QTest::addColumn<QVariant>("bch1Valid");
    QTest::addColumn<QVariant>("bch2Valid");
    QTest::newRow("long, intact") << int(ConfigTables::E_RlsUserTacPlb) << 0 << QVariant(true) << QVariant(true);
    QTest::newRow("long, PDF-1 bit flipped") << int(ConfigTables::E_RlsUserTacPlb) << 50 << QVariant(false) << QVariant(true);
    QTest::newRow("long, BCH-1 bit flipped") << int(ConfigTables::E_RlsUserTacPlb) << 90 << QVariant(false) << QVariant(true);
    QTest::newRow("long, PDF-2 bit flipped") << int(ConfigTables::E_RlsUserTacPlb) << 120 << QVariant(true) << QVariant(false);
    QTest::newRow("short, intact") << int(ConfigTables::E_UserSerialPlb) << 0 << QVariant(true) << QVariant();
    QTest::newRow("short, BCH-1 bit flipped") << int(ConfigTables::E_UserSerialPlb) << 100 << QVariant(false) << QVariant();
}

void TestConfig::cliFlagsABrokenStoredMessage()
{
    QFETCH(int, protocol);
    QFETCH(int, flipBit);
    QFETCH(QVariant, bch1Valid);
    QFETCH(QVariant, bch2Valid);

    EpirbConfig c;
    fillRecord(c, protocol);
    EpirbMsgBase msg;
    msg.loadBytes(c.messageBytes());
    QVERIFY(msg.isBchValid());
    // What a receiver expects, computed before the damage.
    const QString bch1 = QStringLiteral("%1").arg(msg.bits(86, 21), 6, 16, QLatin1Char('0')).toUpper();
    const QString bch2 = QStringLiteral("%1").arg(msg.bits(133, 12), 3, 16, QLatin1Char('0')).toUpper();
    if (flipBit)
        msg.setBits(flipBit, 1, msg.bits(flipBit, 1) ^ 1u);
    c.setMessageBytes(msg.messageBytes());
    const QString blockPath = m_dir.filePath(QStringLiteral("broken.bin"));
    {
        QFile f(blockPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(encodeDataBlock(c));
    }
    QProcess cli;
    cli.setProcessEnvironment(cliEnvironment(m_dir.path()));
    cli.start(cliPath(), { QStringLiteral("block"), QStringLiteral("decode"), blockPath });
    QVERIFY(cli.waitForFinished(30000));
    const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    const QByteArray err = cli.readAllStandardError();
    const bool broken = flipBit != 0;
    QCOMPARE(cli.exitCode(), broken ? 1 : 0);
    QCOMPARE(err.contains("The message stored in this beacon fails its check: reprogram it"), broken);
    // The record is printed all the same.
    QCOMPARE(json.value(QStringLiteral("beaconSerial")).toString(), QStringLiteral("12345"));
    QCOMPARE(json.value(QStringLiteral("message")).toString(), QString::fromLatin1(msg.hexMessage()));
    QVERIFY(json.value(QStringLiteral("bch1Valid")).isBool());
    QCOMPARE(json.value(QStringLiteral("bch1Valid")).toBool(), bch1Valid.toBool());
    if (bch2Valid.isValid()) {
        QVERIFY(json.value(QStringLiteral("bch2Valid")).isBool());
        QCOMPARE(json.value(QStringLiteral("bch2Valid")).toBool(), bch2Valid.toBool());
    } else {
        QVERIFY(json.value(QStringLiteral("bch2Valid")).isNull());
    }
    // A flipped BCH bit leaves the data the code is computed from intact.
    if (flipBit == 0 || flipBit >= 86)
        QCOMPARE(json.value(QStringLiteral("bch1Computed")).toString(), bch1);
    if (bch2Valid.isValid() && flipBit < 107)
        QCOMPARE(json.value(QStringLiteral("bch2Computed")).toString(), bch2);
    if (!bch2Valid.isValid())
        QVERIFY(json.value(QStringLiteral("bch2Computed")).isNull());
}

#include "tst_config.moc"
