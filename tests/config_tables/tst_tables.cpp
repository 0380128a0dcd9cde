#include "app/epirbapp.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"
#include "config/osslicensemodel.h"
#include "config/protocolmodel.h"

#include "coding/protocolnames.h"

#include <QCoreApplication>
#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

void qml_register_types_Quorvik_Backend();

namespace {
// Collects the warnings logged while it lives.
class WarningLog
{
public:
    WarningLog()
    {
        s_current = this;
        m_previous = qInstallMessageHandler(&WarningLog::handler);
    }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    QStringList lines;

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &msg)
    {
        if (type == QtWarningMsg && s_current)
            s_current->lines << msg;
    }
    static inline WarningLog *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
};

QList<int> modelIds(const ProtocolModel *model)
{
    QList<int> ids;
    for (int row = 0; row < model->rowCount(); ++row)
        ids << model->data(model->index(row), Qt::DisplayRole).toInt();
    return ids;
}
} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Country list
    void parseCountryLine_data();
    void parseCountryLine();
    void parseKeepsFileOrderAndDuplicates();
    void shippedCountryList();
    void countryLabelText_data();
    void countryLabelText();
    void loadCountryListPreselects_data();
    void loadCountryListPreselects();
    void loadCountryListMissingFileEmptiesModel();
    void badCountryFilesAreBoundedAndQuiet_data();
    void badCountryFilesAreBoundedAndQuiet();
    void countryModelItemInterface();
    void countryTests_data();
    void countryTests();
    void protocolModel();

    // Configuration tables
    void defaultsWithEmptySettings();
    void storedBeaconsOnlyAffectSupportedModels();
    void shortOrOddProtocolSettings();
    void settingsRoundTrip();
    void propertyWritesSignalOnlyOnChange();
    void protocolGroups_data();
    void protocolGroups();
    void bracketLists_data();
    void bracketLists();
    void indexAccessorsOutOfRange();
    void csApproval_data();
    void csApproval();
    void serialNumberLimit_data();
    void serialNumberLimit();
    void csBeaconType();
    void countryRules();
    void inputRules_data();
    void inputRules();
    void hiddenAndTestProtocols();
    void protocolNamesAndLimits();
    void serialWrapping_data();
    void serialWrapping();
    void selfTestMessages_data();
    void selfTestMessages();
    void batteryTypeDisplayString_data();
    void batteryTypeDisplayString();
    void labelingPagesAndPictures();
    void countryNameUsesCountryModel();
    void identityFollowsProtocolAndCountry();
    void checkRecordAppliesWizardRules_data();
    void checkRecordAppliesWizardRules();
    void prepareConfig_data();
    void prepareConfig();
    void documentFolders();
    void licenseModel();
    void singletonIsSharedWithQml();
    void startupWiresTablesAndCountries();

private:
    static void writeFile(const QString &path, const QByteArray &content);
    QTemporaryDir m_dir;
};

void TestTables::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QVERIFY(m_dir.isValid());
}

void TestTables::init()
{
    QSettings().clear();
}

void TestTables::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

void TestTables::parseCountryLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("codeText");
    QTest::addColumn<QString>("name");

    QTest::newRow("space") << QByteArray("257 Norway") << true << 257 << "257" << "Norway";
    QTest::newRow("tab") << QByteArray("319\tCayman Islands") << true << 319 << "319" << "Cayman Islands";
    QTest::newRow("crlf") << QByteArray("224 Spain\r\n") << true << 224 << "224" << "Spain";
    QTest::newRow("lower bound") << QByteArray("200 Low") << true << 200 << "200" << "Low";
    QTest::newRow("upper bound") << QByteArray("799 High") << true << 799 << "799" << "High";
    QTest::newRow("trailing blanks and tab kept") << QByteArray("257 Nor\tway  ") << true << 257 << "257"
                                                  << "Nor\tway  ";
    QTest::newRow("any separator") << QByteArray("257xNorway") << true << 257 << "257" << "Norway";
    QTest::newRow("code only") << QByteArray("257") << true << 257 << "257" << "";
    QTest::newRow("utf8 name") << QByteArray("227 Fran\xc3\xa7" "e") << true << 227 << "227" << QString::fromUtf8("Fran\xc3\xa7" "e");
    QTest::newRow("below range") << QByteArray("199 X") << false << 199 << "" << "";
    QTest::newRow("above range") << QByteArray("800 X") << false << 800 << "" << "";
    QTest::newRow("two digits and blank") << QByteArray("25 X") << false << 25 << "" << "";
    QTest::newRow("not a number") << QByteArray("ABC Nowhere") << false << 0 << "" << "";
    QTest::newRow("empty line") << QByteArray("\n") << false << 0 << "" << "";
    QTest::newRow("associated craft") << QByteArray("982 Craft") << false << 982 << "" << "";
}

void TestTables::parseCountryLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, accepted);
    QFETCH(int, code);
    QFETCH(QString, codeText);
    QFETCH(QString, name);

    const QString path = m_dir.filePath(QStringLiteral("line.txt"));
    writeFile(path, line);
    WarningLog log;
    const QList<CountryRow> rows = CountryCodeModel::parseCountryFile(path);
    if (accepted) {
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().code, code);
        QCOMPARE(rows.first().codeText, codeText);
        QCOMPARE(rows.first().name, name);
        QVERIFY(log.lines.isEmpty());
    } else {
        QVERIFY(rows.isEmpty());
        QCOMPARE(log.lines, QStringList { QStringLiteral("Ignoring invalid counry code %1").arg(code) });
    }
}

void TestTables::parseKeepsFileOrderAndDuplicates()
{
    const QString path = m_dir.filePath(QStringLiteral("dups.txt"));
    writeFile(path, "366 United States\n257 Norway\n100 Bad\n257 Norge\n");
    CountryCodeModel model(nullptr);
    WarningLog log;
    QVERIFY(model.loadCountryList(m_dir.path(), QString()) == false); // wrong file name: nothing loaded
    QFile::remove(m_dir.filePath(QStringLiteral("Country.txt")));
    QVERIFY(QFile::copy(path, m_dir.filePath(QStringLiteral("Country.txt"))));
    QVERIFY(model.loadCountryList(m_dir.path(), QStringLiteral("Nor")));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("United States"));
    QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("Norge"));
    QCOMPARE(model.selectedIndex(), 1);
    model.selectCountry(257);
    QCOMPARE(model.selectedIndex(), 1);
    QCOMPARE(model.countryLabelText(257), QStringLiteral("257  Norway"));
    model.selectCountry(258);
    QCOMPARE(model.selectedIndex(), -1);
    QVERIFY(log.lines.contains(QStringLiteral("Ignoring invalid counry code 100")));
    QFile::remove(m_dir.filePath(QStringLiteral("Country.txt")));
}

void TestTables::shippedCountryList()
{
    const QString bin = QStringLiteral(QUORVIK_BIN_DIR);
    WarningLog log;
    const QList<CountryRow> rows = CountryCodeModel::parseCountryFile(bin + QStringLiteral("/Country.txt"));
    QCOMPARE(rows.size(), 292);
    QVERIFY2(log.lines.isEmpty(), qPrintable(log.lines.join(QLatin1Char('\n'))));

    QSet<int> codes;
    for (const CountryRow &row : rows) {
        QVERIFY2(!codes.contains(row.code), qPrintable(row.codeText));
        codes.insert(row.code);
        QVERIFY(!row.name.trimmed().isEmpty());
        QCOMPARE(row.name, row.name.trimmed());
    }

    CountryCodeModel model(nullptr);
    QVERIFY(model.loadCountryList(bin, QStringLiteral("Norway")));
    QCOMPARE(model.index(model.selectedIndex(), 0).data().toString(), QStringLiteral("257"));
    QCOMPARE(model.countryLabelText(257), QStringLiteral("257  Norway"));
    QCOMPARE(model.countryLabelText(319), QStringLiteral("319/232  Cayman Islands"));
    for (int code : { 338, 366, 503, 512, 224, 247 })
        QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
}

void TestTables::countryLabelText_data()
{
    QTest::addColumn<QString>("fileLine");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("label");

    QTest::newRow("norway") << "257 Norway" << 257 << "257  Norway";
    QTest::newRow("cayman") << "319 Cayman Islands" << 319 << "319/232  Cayman Islands";
    QTest::newRow("missing") << "257 Norway" << 258 << "(N/A)";
    // 3 + 2 + 40 = 45 characters stay whole; one more is cut to 45 and marked.
    QTest::newRow("45 kept") << "257 " + QString(40, QLatin1Char('a')) << 257 << "257  " + QString(40, QLatin1Char('a'));
    QTest::newRow("46 cut") << "257 " + QString(40, QLatin1Char('a')) + "b" << 257
                            << "257  " + QString(40, QLatin1Char('a')) + "...";
    QTest::newRow("cayman cut") << "319 " + QString(40, QLatin1Char('c')) << 319
                                << "319/232  " + QString(36, QLatin1Char('c')) + "...";
}

void TestTables::countryLabelText()
{
    QFETCH(QString, fileLine);
    QFETCH(int, code);
    QFETCH(QString, label);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), fileLine.toUtf8());
    CountryCodeModel model(nullptr);
    model.loadCountryList(dir.path(), QString());
    QCOMPARE(model.countryLabelText(code), label);
    QVERIFY(model.countryLabelText(code).size() <= 48);
}

void TestTables::loadCountryListPreselects_data()
{
    QTest::addColumn<QString>("preselect");
    QTest::addColumn<int>("selected");

    QTest::newRow("empty matches first") << QString() << 0;
    QTest::newRow("substring") << "Kingdom" << 1;
    QTest::newRow("case sensitive") << "norway" << -1;
    QTest::newRow("unknown") << "Atlantis" << -1;
}

void TestTables::loadCountryListPreselects()
{
    QFETCH(QString, preselect);
    QFETCH(int, selected);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), "257 Norway\n232 United Kingdom\n");
    CountryCodeModel model(nullptr);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(model.loadCountryList(dir.path(), preselect));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.selectedIndex(), selected);
}

void TestTables::loadCountryListMissingFileEmptiesModel()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), "257 Norway\n");
    CountryCodeModel model(nullptr);
    QVERIFY(model.loadCountryList(dir.path(), QString()));
    QCOMPARE(model.selectedIndex(), 0);

    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Country.txt"))));
    const QString path = dir.path() + QDir::separator() + QStringLiteral("Country.txt");
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Country list " + path + " is not a valid country list"));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(!model.loadCountryList(dir.path(), QString()));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.selectedIndex(), -1);
    QCOMPARE(model.countryLabelText(257), QStringLiteral("(N/A)"));
}

void TestTables::badCountryFilesAreBoundedAndQuiet_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("binary") << "binary";
    QTest::newRow("huge") << "huge";
    QTest::newRow("many bad lines") << "badlines";
    QTest::newRow("endless device") << "device";
}

void TestTables::badCountryFilesAreBoundedAndQuiet()
{
    QFETCH(QString, kind);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Country.txt"));
    int expectedRows = 0;
    if (kind == QLatin1String("binary")) {
        QByteArray bytes(200 * 1024, Qt::Uninitialized);
        QRandomGenerator gen(42);
        for (char &c : bytes)
            c = char(gen.bounded(256));
        writeFile(path, bytes);
    } else if (kind == QLatin1String("huge")) {
        // 50 MB of valid lines: far more than any country list, refused without reading it whole.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray("257 Norway\n").repeated(100000);
        while (file.size() < 50 * 1024 * 1024)
            QVERIFY(file.write(block) == block.size());
    } else if (kind == QLatin1String("badlines")) {
        writeFile(path, QByteArray("XX\n").repeated(20000) + "257 Norway\n");
        expectedRows = 1;
    } else {
        if (!QFile::exists(QStringLiteral("/dev/zero")))
            QSKIP("No endless device on this platform");
        path = QStringLiteral("/dev/zero");
    }

    WarningLog log;
    const QList<CountryRow> rows = CountryCodeModel::parseCountryFile(path);
    QCOMPARE(rows.size(), expectedRows);
    // The log stays readable: a bounded number of lines whatever the file holds.
    QVERIFY2(log.lines.size() <= 60, qPrintable(QString::number(log.lines.size())));
    QVERIFY(!log.lines.isEmpty());
}

void TestTables::countryModelItemInterface()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), "257 Norway\n");
    CountryCodeModel model(nullptr);
    model.loadCountryList(dir.path(), QString());
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.data(model.index(0, 0)), QVariant(QStringLiteral("257")));
    QCOMPARE(model.data(model.index(0, 1)), QVariant(QStringLiteral("Norway")));
    QVERIFY(!model.data(model.index(0, 0), Qt::EditRole).isValid());
    QVERIFY(!model.data(model.index(1, 0)).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());
    CountryCodeModel other(nullptr);
    QVERIFY(!model.data(other.index(0, 0)).isValid());
    QCOMPARE(model.headerData(0, Qt::Horizontal), QVariant(QStringLiteral("CODE")));
    QCOMPARE(model.headerData(1, Qt::Horizontal), QVariant(QStringLiteral("COUNTRY")));
    QVERIFY(!model.headerData(2, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    QObject owner;
    CountryCodeModel *first = CountryCodeModel::instance(&owner);
    QCOMPARE(CountryCodeModel::instance(nullptr), first);
    QCOMPARE(first->parent(), &owner);
}

void TestTables::countryTests_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("country"); // which test must hold; empty: none

    QTest::newRow("337") << 337 << "";
    QTest::newRow("338") << 338 << "usa";
    QTest::newRow("365") << 365 << "";
    QTest::newRow("366") << 366 << "usa";
    QTest::newRow("369") << 369 << "usa";
    QTest::newRow("370") << 370 << "";
    QTest::newRow("502") << 502 << "";
    QTest::newRow("503") << 503 << "aus";
    QTest::newRow("505") << 505 << "aus";
    QTest::newRow("506") << 506 << "";
    QTest::newRow("512") << 512 << "nz";
    QTest::newRow("513") << 513 << "nz";
    QTest::newRow("514") << 514 << "";
    QTest::newRow("224") << 224 << "es/it";
    QTest::newRow("225") << 225 << "es/it";
    QTest::newRow("226") << 226 << "";
    QTest::newRow("247") << 247 << "es/it";
    QTest::newRow("256") << 256 << "";
    QTest::newRow("257") << 257 << "no";
    QTest::newRow("259") << 259 << "no";
    QTest::newRow("260") << 260 << "";
}

void TestTables::countryTests()
{
    QFETCH(int, code);
    QFETCH(QString, country);
    QCOMPARE(CountryCodeModel::isCountryUsa(code), country == QLatin1String("usa"));
    QCOMPARE(CountryCodeModel::isCountryAustralia(code), country == QLatin1String("aus"));
    QCOMPARE(CountryCodeModel::isCountryNewZealand(code), country == QLatin1String("nz"));
    QCOMPARE(CountryCodeModel::isCountrySpainorItaly(code), country == QLatin1String("es/it"));
    QCOMPARE(CountryCodeModel::isCountryNorway(code), country == QLatin1String("no"));
}

void TestTables::protocolModel()
{
    ProtocolModel model({ 19, 0, 18 }, nullptr);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.rowCount(model.index(0)), 0);
    QCOMPARE(modelIds(&model), (QList<int> { 19, 0, 18 }));
    QVERIFY(!model.data(model.index(0), Qt::EditRole).isValid());
    QVERIFY(!model.data(model.index(3)).isValid());
    QCOMPARE(model.roleNames().value(Qt::DisplayRole), QByteArray("protocol"));
    QCOMPARE(model.roleNames().size(), 1);
}

void TestTables::defaultsWithEmptySettings()
{
    qputenv("USER", "tester");
    ConfigTables tables(nullptr, false);
    QCOMPARE(tables.beaconMaxNo(), 14);
    QCOMPARE(tables.beaconAvailableNo(), 1);
    QCOMPARE(tables.beaconIndexToId(0), int(ConfigTables::E_SkuaP5));
    QCOMPARE(tables.beaconIndexToId(1), 0);
    for (int p = 0; p < 24; ++p)
        QCOMPARE(tables.protocolAvailable(p), p < 5 || p > 7);
    QVERIFY(tables.needFirstTimeSetup());
    QCOMPARE(tables.operatorName(), QStringLiteral("tester"));
    QCOMPARE(tables.progStation(), QStringLiteral("tester"));
    QVERIFY(tables.dealerNo().isEmpty());
    QVERIFY(tables.defaultContactInfo().isEmpty());
    QCOMPARE(tables.testProtocolAllowed(), 0);
    QCOMPARE(tables.serialOverrideAllowed(), 0);
    QCOMPARE(tables.beaconLongName(13), QStringLiteral("Skua P5"));
    QCOMPARE(tables.beaconShortName(14), QStringLiteral("Undef"));
    QCOMPARE(tables.beaconLongName(15), QStringLiteral("N/A"));
    QCOMPARE(tables.bracketShortName(5), QStringLiteral("HM12X"));
    QCOMPARE(tables.bracketLongName(16), QStringLiteral("Undefined"));
    QCOMPARE(tables.bracketLongName(-1), QStringLiteral("N/A"));
}

void TestTables::storedBeaconsOnlyAffectSupportedModels()
{
    QVariantList stored;
    for (int i = 0; i < 14; ++i)
        stored << (i != 13); // everything but the P5
    QSettings().setValue(QStringLiteral("BeaconsAvailable"), stored);
    {
        ConfigTables tables(nullptr, false);
        QCOMPARE(tables.beaconAvailableNo(), 0);
        QVERIFY(!tables.beaconPresent(13));
        tables.setBeaconPresent(3, true);
        tables.setBeaconPresent(13, true);
        tables.setBeaconPresent(14, true);
        tables.setBeaconPresent(-1, true);
        QCOMPARE(tables.beaconAvailableNo(), 2);
        QVERIFY(!tables.beaconPresent(14));
    } // the destructor writes the settings back
    const QVariantList written = QSettings().value(QStringLiteral("BeaconsAvailable")).toList();
    QCOMPARE(written.size(), 14);
    for (int i = 0; i < 14; ++i)
        QCOMPARE(written.at(i).toBool(), i == 13);
}

void TestTables::shortOrOddProtocolSettings()
{
    QSettings().setValue(QStringLiteral("ProtocolsAvailable"), QVariantList { false, false, true, true, true, true });
    {
        ConfigTables tables(nullptr, true);
        tables.loadPersistentData();
        QVERIFY(!tables.protocolAvailable(0));
        QVERIFY(!tables.protocolAvailable(1));
        QVERIFY(tables.protocolAvailable(5)); // enabled by the stored list
        QVERIFY(!tables.protocolAvailable(6)); // beyond the list: initial value
        QVERIFY(tables.protocolAvailable(23));
    }
    // Values of the wrong type are tolerated.
    QSettings().setValue(QStringLiteral("ProtocolsAvailable"), QStringLiteral("garbage"));
    QSettings().setValue(QStringLiteral("Operator"), QVariantList { 1, 2 });
    QSettings().setValue(QStringLiteral("BeaconsAvailable"), 17);
    ConfigTables tables(nullptr, true);
    tables.loadPersistentData();
    QCOMPARE(tables.beaconAvailableNo(), 1);
    QVERIFY(tables.protocolAvailable(0));
    QVERIFY(!tables.protocolAvailable(5));
    QVERIFY(tables.needFirstTimeSetup());
    QCOMPARE(tables.operatorName(), ConfigTables::defaultUserName());

    // A list longer than the table only fills the table.
    QVariantList longList;
    for (int i = 0; i < 40; ++i)
        longList << false;
    QSettings().setValue(QStringLiteral("ProtocolsAvailable"), longList);
    tables.loadPersistentData();
    for (int p = 0; p < 24; ++p)
        QVERIFY(!tables.protocolAvailable(p));
    QVERIFY(!tables.protocolAvailable(24));
}

void TestTables::settingsRoundTrip()
{
    {
        ConfigTables tables(nullptr, false);
        QVERIFY(tables.needFirstTimeSetup());
        tables.setOperatorName(QStringLiteral("Ola"));
        tables.setProgStation(QStringLiteral("Bench 2"));
        tables.setDealerNo(QStringLiteral("4711"));
        tables.setDefaultContactInfo(QStringLiteral("Aldmar service\n+47 000"));
        tables.setProtocolAvailable(0, false);
        tables.setProtocolAvailable(24, false);
        tables.setPersistentData();
    }
    {
        // Stored, but set-up not finished (the welcome page's window closed): asked again.
        ConfigTables tables(nullptr, false);
        QVERIFY(tables.needFirstTimeSetup());
        QCOMPARE(tables.operatorName(), QStringLiteral("Ola"));
        tables.finishFirstTimeSetup();
        QVERIFY(!tables.needFirstTimeSetup());
    }
    ConfigTables tables(nullptr, false);
    QVERIFY(!tables.needFirstTimeSetup());
    QCOMPARE(tables.operatorName(), QStringLiteral("Ola"));
    QCOMPARE(tables.progStation(), QStringLiteral("Bench 2"));
    QCOMPARE(tables.dealerNo(), QStringLiteral("4711"));
    QCOMPARE(tables.defaultContactInfo(), QStringLiteral("Aldmar service\n+47 000"));
    QVERIFY(!tables.protocolAvailable(0));
    QVERIFY(tables.protocolAvailable(1));
    QCOMPARE(QSettings().value(QStringLiteral("ProtocolsAvailable")).toList().size(), 24);

    // Without settings nothing is read or written.
    QSettings().clear();
    {
        ConfigTables quiet(nullptr, true);
        quiet.setOperatorName(QStringLiteral("Nobody"));
    }
    QVERIFY(!QSettings().contains(QStringLiteral("Operator")));
}

void TestTables::propertyWritesSignalOnlyOnChange()
{
    ConfigTables tables(nullptr, true);
    QSignalSpy op(&tables, &ConfigTables::operatorNameChanged);
    QSignalSpy station(&tables, &ConfigTables::progStationChanged);
    QSignalSpy dealer(&tables, &ConfigTables::dealerNoChanged);
    QSignalSpy contact(&tables, &ConfigTables::defaultContactInfoChanged);
    QSignalSpy serial(&tables, &ConfigTables::serialOverrideAllowedChanged);

    QVERIFY(tables.setProperty("operatorName", QStringLiteral("A")));
    QVERIFY(tables.setProperty("operatorName", QStringLiteral("A")));
    QVERIFY(tables.setProperty("progStation", QStringLiteral("S")));
    QVERIFY(tables.setProperty("dealerNo", QStringLiteral("1")));
    QVERIFY(tables.setProperty("dealerNo", QStringLiteral("1")));
    QVERIFY(tables.setProperty("defaultContactInfo", QStringLiteral("c")));
    QCOMPARE(op.count(), 1);
    QCOMPARE(station.count(), 1);
    QCOMPARE(dealer.count(), 1);
    QCOMPARE(contact.count(), 1);
    QVERIFY(!tables.setProperty("serialOverrideAllowed", true)); // read only

    tables.setSerialOverrideAllowed(true);
    QCOMPARE(serial.count(), 1);
    QCOMPARE(tables.property("serialOverrideAllowed").toBool(), true);
    QCOMPARE(tables.serialOverrideAllowed(), 1);
}

void TestTables::protocolGroups_data()
{
    QTest::addColumn<int>("beacon");
    QTest::addColumn<bool>("test");
    QTest::addColumn<QList<int>>("expected");

    const QList<int> uTypes { 0, 1, 2, 5, 7 };
    for (int t : uTypes) {
        QTest::addRow("U %d", t) << t << false << QList<int> { 2, 4, 3 };
        QTest::addRow("U %d test", t) << t << true << QList<int> { 2, 4, 3, 11 };
    }
    for (int t : { 3, 6, 8 }) {
        QTest::addRow("G %d", t) << t << false << QList<int> { 0, 1 }; // 5, 7, 6 disabled by default
        QTest::addRow("G %d test", t) << t << true << QList<int> { 0, 1, 10, 12 };
    }
    for (int t : { 4, 9 }) {
        QTest::addRow("V %d", t) << t << false << QList<int> { 0, 1 };
        QTest::addRow("V %d test", t) << t << true << QList<int> { 0, 1, 10 };
    }
    for (int t : { 10, 11, 12 }) {
        QTest::addRow("A %d", t) << t << false << QList<int> { 0, 1, 9, 8 };
        QTest::addRow("A %d test", t) << t << true << QList<int> { 0, 1, 9, 8, 10, 13, 14 };
    }
    QTest::newRow("P5") << 13 << false << QList<int> { 0, 1, 15, 9, 8, 20, 19, 18 };
    QTest::newRow("P5 test") << 13 << true << QList<int> { 0, 1, 15, 9, 8, 20, 19, 18, 12, 22, 13, 14, 23 };
    QTest::newRow("undefined") << 14 << true << QList<int> {};
    QTest::newRow("negative") << -1 << true << QList<int> {};
}

void TestTables::protocolGroups()
{
    QFETCH(int, beacon);
    QFETCH(bool, test);
    QFETCH(QList<int>, expected);

    // The rules ask the process-wide tables.
    QObject owner;
    ConfigTables &tables = *ConfigTables::instance(&owner);
    tables.setTestProtocolAllowed(test);
    QCOMPARE(tables.updateProtocolList(beacon), expected);
    QCOMPARE(tables.protocolsAvailableNo(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(tables.protocolId(i), expected.at(i));
        QVERIFY(tables.isProtocolValid(expected.at(i)));
    }
    std::unique_ptr<ProtocolModel> model(IdentityRules::allowedProtocols(0));
    QCOMPARE(modelIds(model.get()), expected);
    QVERIFY(model->parent() == nullptr);
}

void TestTables::bracketLists_data()
{
    QTest::addColumn<int>("beacon");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("SK11") << 0 << QList<int> { -1, 2, 3, 8, 9, 1, 6, 7, 14, 15 };
    QTest::newRow("SK12") << 1 << QList<int> { -1, 4 };
    QTest::newRow("SK12X") << 2 << QList<int> { -1, 5 };
    QTest::newRow("R-CAP") << 4 << QList<int> { -1, 0 };
    QTest::newRow("SK31G") << 8 << QList<int> { -1, 11, 10 };
    QTest::newRow("SK11R") << 9 << QList<int> { -1, 12, 13 };
    QTest::newRow("SK11A") << 10 << QList<int> { -1, 14, 15 };
    QTest::newRow("SK11R A") << 11 << QList<int> { -1, 12, 13 };
    QTest::newRow("P5") << 13 << QList<int> { -1 };
    QTest::newRow("undefined") << 14 << QList<int> { -1 };
}

void TestTables::bracketLists()
{
    QFETCH(int, beacon);
    QFETCH(QList<int>, expected);

    ConfigTables tables(nullptr, true);
    QCOMPARE(tables.updateBracketList(beacon), expected);
    QCOMPARE(tables.bracketAvailableNo(), expected.size());
    QCOMPARE(tables.bracketId(expected.size() - 1), expected.last());
}

void TestTables::indexAccessorsOutOfRange()
{
    ConfigTables tables(nullptr, true);
    tables.updateBracketList(13);
    tables.updateProtocolList(13);
    QCOMPARE(tables.bracketId(-1), 0);
    QCOMPARE(tables.bracketId(1), 0);
    QCOMPARE(tables.protocolId(-1), 0);
    QCOMPARE(tables.protocolId(8), 0);
    QVERIFY(!tables.protocolAvailable(-1));
    QVERIFY(!tables.beaconPresent(-1));
    tables.setProtocolAvailable(-1, false);
    tables.setProtocolAvailable(24, false);
    QCOMPARE(tables.maxNoProtocolsAvailable(), 24);
}

void TestTables::csApproval_data()
{
    QTest::addColumn<int>("beacon");
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("tac");
    QTest::addColumn<bool>("warns");

    QTest::newRow("SK31 39999") << 7 << 39999 << 222 << false;
    QTest::newRow("SK31 40000") << 7 << 40000 << 334 << false;
    QTest::newRow("SK31G 16383") << 8 << 16383 << 222 << false;
    QTest::newRow("SK31G 16384") << 8 << 16384 << 334 << false;
    QTest::newRow("SK31G 32767") << 8 << 32767 << 334 << false;
    QTest::newRow("SK31G 32768") << 8 << 32768 << 0 << true;
    QTest::newRow("SK11 0") << 0 << 0 << 95 << false;
    QTest::newRow("SK11R B") << 9 << 20000 << 318 << false;
    QTest::newRow("SK11A") << 10 << 1 << 0 << false;
    QTest::newRow("P5") << 13 << 1 << 0 << false;
    QTest::newRow("negative type") << -1 << 1 << 0 << false;
    // Types as a damaged record or a production command line may carry them.
    QTest::newRow("end of the enumeration") << 14 << 1 << 0 << false;
    QTest::newRow("type 16") << 16 << 1 << 0 << false;
    QTest::newRow("type 255") << 255 << 1 << 0 << false;
    QTest::newRow("negative serial") << 3 << -5 << 0 << true;
}

void TestTables::csApproval()
{
    QFETCH(int, beacon);
    QFETCH(int, serial);
    QFETCH(int, tac);
    QFETCH(bool, warns);

    ConfigTables tables(nullptr, true);
    WarningLog log;
    QCOMPARE(tables.csApproval(beacon, serial), tac);
    if (warns)
        QCOMPARE(log.lines, QStringList { QStringLiteral("Unspported serial number %1 for beacon type %2").arg(serial).arg(beacon) });
    else
        QVERIFY(log.lines.isEmpty());
}

void TestTables::serialNumberLimit_data()
{
    QTest::addColumn<int>("beacon");
    QTest::addColumn<int>("limit");

    const int limits[] = { -1, -1, -1, 32767, 16383, -1, 32767, -1, 32767, 32767, -1, -1, -1, -1 };
    for (int t = 0; t < 14; ++t)
        QTest::addRow("type %d", t) << t << limits[t];
}

void TestTables::serialNumberLimit()
{
    QFETCH(int, beacon);
    QFETCH(int, limit);

    ConfigTables tables(nullptr, true);
    QCOMPARE(tables.beaconSerialNumberLimit(ConfigTables::e_beaconTypes(beacon)), limit);
    QTest::ignoreMessage(QtWarningMsg, "beaconSerialNumberLimit: Unsupported beacon type 14, returning 16383 as sane default");
    QCOMPARE(tables.beaconSerialNumberLimit(ConfigTables::E_BeaconMax), 16383);
}

void TestTables::csBeaconType()
{
    ConfigTables tables(nullptr, true);
    for (int t = 0; t < 13; ++t)
        QCOMPARE(tables.csBeaconType(t), int(ConfigTables::E_csEPIRB));
    QCOMPARE(tables.csBeaconType(13), int(ConfigTables::E_csPLB));
    // The record keeps the type in a byte.
    QCOMPARE(tables.csBeaconType(256 + 13), int(ConfigTables::E_csPLB));
    QTest::ignoreMessage(QtWarningMsg, "Undefined C/S type for beacon type 14, defaulting to EPIRB");
    QCOMPARE(tables.csBeaconType(14), int(ConfigTables::E_csEPIRB));
}

void TestTables::countryRules()
{
    // The rules ask the process-wide tables.
    QObject owner;
    ConfigTables &tables = *ConfigTables::instance(&owner);
    tables.updateProtocolList(ConfigTables::E_Skua11A); // no protocol 19
    for (int country : { 257, 258, 259 }) {
        std::unique_ptr<ProtocolModel> model(IdentityRules::allowedProtocols(country));
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(IdentityRules::isProtocolAllowed(19, country));
        QVERIFY(!IdentityRules::isProtocolAllowed(0, country));
        QVERIFY(IdentityRules::isCustomSerialForced(19, country));
        QVERIFY(!IdentityRules::isCustomSerialForced(0, country));
        QCOMPARE(IdentityRules::customProtocolInputDescriptionText(19, country), QStringLiteral("Call Sign (LCxxxx):"));
        QVERIFY(tables.hasLocalizedProtocolName(19, country));
        QVERIFY(!tables.hasLocalizedProtocolName(18, country));
    }
    QVERIFY(!tables.hasLocalizedProtocolName(19, 0));
    QVERIFY(!tables.hasLocalizedProtocolName(19, 260));
    QVERIFY(IdentityRules::isProtocolAllowed(0, 232));
    QVERIFY(!IdentityRules::isProtocolAllowed(19, 232));
    QVERIFY(!IdentityRules::isCustomSerialForced(19, 232));
    QVERIFY(IdentityRules::customProtocolInputDescriptionText(19, 232).isEmpty());

    tables.updateProtocolList(ConfigTables::E_SkuaP5);
    std::unique_ptr<ProtocolModel> norway(IdentityRules::allowedProtocols(257));
    QCOMPARE(modelIds(norway.get()), QList<int> { 19 });
    tables.setProtocolAvailable(19, false);
    tables.updateProtocolList(ConfigTables::E_SkuaP5);
    std::unique_ptr<ProtocolModel> none(IdentityRules::allowedProtocols(257));
    QCOMPARE(none->rowCount(), 0);
}

void TestTables::inputRules_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("country");
    QTest::addColumn<uint>("identity");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("captured");
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("expr");

    const QString lc = QStringLiteral("[Ll][Cc]([0-9]{4})");
    QTest::newRow("no 259") << 19 << 259 << 123456u << "LC3456" << "lc0123" << "0123" << 0x840000 << lc;
    QTest::newRow("no padded") << 19 << 257 << 7u << "LC0007" << "LC12345" << "1234" << 0x840000 << lc;
    QTest::newRow("no mismatch") << 19 << 258 << 4294967295u << "LC7295" << "AB1234" << "AB1234" << 0x840000 << lc;
    QTest::newRow("no other protocol") << 18 << 257 << 123456u << "123456" << "lc0123" << "lc0123" << 0x10000 << "";
    QTest::newRow("no rule") << 19 << 232 << 123456u << "123456" << "lc0123" << "lc0123" << 0x10000 << "";
    QTest::newRow("max identity") << 0 << 0 << 4294967295u << "4294967295" << "x" << "x" << 0x10000 << "";
}

void TestTables::inputRules()
{
    QFETCH(int, protocol);
    QFETCH(int, country);
    QFETCH(uint, identity);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, captured);
    QFETCH(int, hints);
    QFETCH(QString, expr);

    ConfigTables tables(nullptr, true);
    QCOMPARE(IdentityRules::protocolTransformIdentity(protocol, country, identity), shown);
    QCOMPARE(IdentityRules::protocolInputValidationExprCapture(protocol, country, typed), captured);
    QCOMPARE(int(IdentityRules::protocolInputMethodHints(protocol, country)), hints);
    QCOMPARE(IdentityRules::protocolInputValidationExpr(protocol, country), expr);
}

void TestTables::hiddenAndTestProtocols()
{
    ConfigTables tables(nullptr, true);
    const QList<int> tests { 10, 11, 21, 12, 22, 13, 14, 23 };
    const QList<int> hidden { 2, 3, 4, 5, 6, 7, 11, 12, 16, 17 };
    for (int p = 0; p <= 24; ++p) {
        QCOMPARE(tables.isTestProtocol(p), tests.contains(p));
        QCOMPARE(tables.isProtocolHidden(p), hidden.contains(p) || tests.contains(p));
    }
    tables.setTestProtocolAllowed(true);
    QCOMPARE(tables.testProtocolAllowed(), 1);
    for (int p = 0; p <= 24; ++p)
        QCOMPARE(tables.isProtocolHidden(p), hidden.contains(p));
    const QList<int> rls { 9, 8, 13, 14, 20, 19 };
    for (int p = 0; p <= 24; ++p)
        QCOMPARE(tables.isRlsProtocol(ConfigTables::e_protocolTypes(p)), rls.contains(p));
}

void TestTables::protocolNamesAndLimits()
{
    ConfigTables tables(nullptr, true);
    QCOMPARE(tables.protocolName(19, 258), QStringLiteral("RLS Location - TAC/Call Sign (PLB)"));
    QCOMPARE(tables.protocolName(19, 0), QStringLiteral("RLS Location - Serial/TAC (PLB)"));
    QCOMPARE(tables.protocolName(19, 232), ProtocolNames::longName(19));
    QCOMPARE(tables.protocolName(18, 257), ProtocolNames::longName(18));
    for (int p = 0; p <= 24; ++p)
        QCOMPARE(tables.protocolName(p, 0), ProtocolNames::longName(p));
    QCOMPARE(tables.protocolName(30, 0), ProtocolNames::longName(24));

    QCOMPARE(IdentityRules::protocolInputValidationInt(19, 257), 16383);
    QCOMPARE(IdentityRules::protocolInputValidationInt(4, 0), 1048575);
    QCOMPARE(IdentityRules::protocolInputValidationInt(9, 0), 999999);
    QCOMPARE(IdentityRules::protocolInputValidationInt(3, 0), 0);
    QCOMPARE(IdentityRules::protocolInputValidationInt(25, 0), 0);
}

void TestTables::serialWrapping_data()
{
    QTest::addColumn<QString>("beaconSerial");
    QTest::addColumn<QString>("protocolSerial");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<bool>("customInUse");
    QTest::addColumn<QString>("warning");

    QTest::newRow("14-bit wrap") << "16389" << "5" << 19 << true << false << "";
    QTest::newRow("20-bit wrap") << "1048577" << "1" << 4 << true << false << "";
    QTest::newRow("fits, differs") << "12345" << "12346" << 19 << false << true << "";
    QTest::newRow("equal") << "777" << "777" << 19 << false << false << "";
    QTest::newRow("equal with zeros") << "00777" << "777" << 19 << false << false << "";
    QTest::newRow("no serial field") << "16389" << "5" << 0 << false << true << "";
    QTest::newRow("no protocol serial") << "16389" << "" << 19 << false << false
                                        << "ConfigTables::isSerialWrapped: Invalid protocol serial number ";
    QTest::newRow("bad beacon serial") << "12a" << "5" << 19 << false << true
                                       << "ConfigTables::isSerialWrapped: Invalid beacon serial number 12a";
    QTest::newRow("negative") << "-1" << "16383" << 19 << false << true
                              << "ConfigTables::isSerialWrapped: Invalid beacon serial number -1";
    QTest::newRow("bad protocol") << "16389" << "5" << 25 << false << true
                                  << "ConfigTables: cannot check for wrapped serial, invalid protocol id 25";
}

void TestTables::serialWrapping()
{
    QFETCH(QString, beaconSerial);
    QFETCH(QString, protocolSerial);
    QFETCH(int, protocol);
    QFETCH(bool, wrapped);
    QFETCH(bool, customInUse);
    QFETCH(QString, warning);

    ConfigTables tables(nullptr, true);
    WarningLog log;
    QCOMPARE(IdentityRules::isSerialWrapped(beaconSerial, protocolSerial, protocol, 257), wrapped);
    QCOMPARE(log.lines, warning.isEmpty() ? QStringList() : QStringList { warning });
    QCOMPARE(IdentityRules::isCustomSerialInUse(beaconSerial, protocolSerial, protocol, 257), customInUse);
}

void TestTables::selfTestMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "Passed";
    QTest::newRow("1") << 1 << "Failed (1), Wrong programming";
    QTest::newRow("2") << 2 << "Failed (2), Too many extended self-tests performed";
    QTest::newRow("3") << 3 << "Failed (3)";
    QTest::newRow("4") << 4 << "Failed (4), Insufficient battery capacity";
    QTest::newRow("5") << 5 << "Failed (5), Battery failure / Counterfeit battery";
    QTest::newRow("8") << 8 << "Failed (8), Battery failure / Counterfeit battery";
    QTest::newRow("9") << 9 << "Failed (9), No GNSS position acquired";
    QTest::newRow("10") << 10 << "Failed (10)";
    QTest::newRow("11") << 11 << "Failed (11), Transmitter failure";
    QTest::newRow("12") << 12 << "Failed (12), Transmitter failure";
    QTest::newRow("25") << 25 << "Failed (25), Transmitter failure";
    QTest::newRow("26") << 26 << "Failed (26)";
    QTest::newRow("27") << 27 << "Failed (27)";
    QTest::newRow("28") << 28 << "Failed (28), Wrong programming";
    QTest::newRow("29") << 29 << "Failed (29), Battery expire date exceeded";
    QTest::newRow("30") << 30 << "Failed (30)";
    QTest::newRow("-1") << -1 << "Failed (-1)";
}

void TestTables::selfTestMessages()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    ConfigTables tables(nullptr, true);
    QCOMPARE(tables.selfTestErrorMessage(code), text);
}

void TestTables::batteryTypeDisplayString_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("shown");

    QTest::newRow("thionyl") << "Li_SOCl2" << "Lithium Metal";
    QTest::newRow("thionyl typo") << "li_soci2" << "Lithium Metal";
    QTest::newRow("disulfide") << "LI/FES2" << "Lithium Metal";
    QTest::newRow("disulfide lower") << "li/fes2" << "Lithium Metal";
    QTest::newRow("other") << "LiMnO2" << "LiMnO2";
    QTest::newRow("padded") << " Li/FeS2" << " Li/FeS2";
    QTest::newRow("empty") << "" << "";
}

void TestTables::batteryTypeDisplayString()
{
    QFETCH(QString, type);
    QFETCH(QString, shown);
    ConfigTables tables(nullptr, true);
    QCOMPARE(tables.batteryTypeDisplayString(type), shown);
}

void TestTables::labelingPagesAndPictures()
{
    ConfigTables tables(nullptr, true);
    const QStringList p5 { QStringLiteral("LabelingPage_BoxCountry.qml"), QStringLiteral("LabelingPage_Programming.qml"),
                           QStringLiteral("LabelingPage_ContactInfo.qml"), QStringLiteral("LabelingPage_Protection.qml") };
    QCOMPARE(tables.labelingPages(ConfigTables::E_SkuaP5, 19), p5);
    QCOMPARE(tables.labelingPages(ConfigTables::E_SkuaP5, 0), p5 + QStringList { QStringLiteral("LabelingPage_BlockRLS.qml") });
    for (auto beacon : { ConfigTables::E_Skua11A, ConfigTables::E_Skua11RA, ConfigTables::E_Skua31A })
        QCOMPARE(tables.labelingPages(beacon, 0), QStringList { QStringLiteral("LabelingPage_Programming.qml") });
    QVERIFY(tables.labelingPages(ConfigTables::E_Skua11G, 0).isEmpty());
    QVERIFY(tables.labelingPages(ConfigTables::E_BeaconMax, 0).isEmpty());

    QCOMPARE(tables.beaconLablingGuideImageURL(ConfigTables::E_Skua31A, 0),
             QStringLiteral("Pictures/LabelGuide_SK31A_RLS_Disabled.png"));
    QCOMPARE(tables.beaconLablingGuideImageURL(ConfigTables::E_Skua11A, 8),
             QStringLiteral("Pictures/LabelGuide_SK11A_RLS_Enabled.png"));
    QCOMPARE(tables.beaconLablingGuideImageURL(ConfigTables::E_Skua11RA, 14),
             QStringLiteral("Pictures/LabelGuide_SK11R_A_RLS_Enabled.png"));
    QVERIFY(tables.beaconLablingGuideImageURL(ConfigTables::E_SkuaP5, 19).isEmpty());
}

void TestTables::countryNameUsesCountryModel()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), "257 Norway\n319 Cayman Islands\n257 Norge\n");
    QObject owner;
    CountryCodeModel::instance(&owner)->loadCountryList(dir.path(), QString());
    ConfigTables tables(nullptr, true);
    QCOMPARE(tables.countryName(257), QStringLiteral("Norway"));
    QCOMPARE(tables.countryName(319), QStringLiteral("Cayman Islands"));
    QVERIFY(tables.countryName(232).isEmpty());
    QVERIFY(tables.countryName(0).isEmpty());
}

// A new protocol or country keeps only what is valid and means the same for it; with one
// protocol enabled, the country's own one is applied, or the record says why none fits.
void TestTables::identityFollowsProtocolAndCountry()
{
    // The rules ask the process-wide tables; they go with their owner at the end.
    QObject owner;
    ConfigTables *tables = ConfigTables::instance(&owner);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), "211 Germany\n219 Denmark\n257 Norway\n265 Sweden\n");
    CountryCodeModel::instance(&owner)->loadCountryList(dir.path(), QString());
    tables->updateProtocolList(ConfigTables::E_SkuaP5);

    EpirbConfig c(nullptr);
    c.setBeaconType(ConfigTables::E_SkuaP5);
    c.setSerial(QStringLiteral("33333"));
    c.setCountryCode(211);
    c.setProtocolId(ConfigTables::E_NationalLocationPlb);
    c.setCustomSerial(4711);
    IdentityRules::changeProtocol(&c, ConfigTables::E_StdLocationSerialPlb);
    QCOMPARE(c.customSerial(), 0); // a national ID is no serial number

    IdentityRules::changeCountry(&c, 257);
    IdentityRules::changeProtocol(&c, ConfigTables::E_RlsUserTacPlb);
    c.setCustomSerial(1234); // "LC1234"
    IdentityRules::changeCountry(&c, 265);
    QCOMPARE(c.customSerial(), 0); // elsewhere 1234 would be a serial number nobody typed

    c.setProtocolId(ConfigTables::E_StdLocationMmsi);
    c.setMmsi(QStringLiteral("123456"));
    c.setBeaconNo(9);
    IdentityRules::changeProtocol(&c, ConfigTables::E_RlsUserMmsiPlb);
    QCOMPARE(c.mmsi(), QStringLiteral("123456"));
    QCOMPARE(c.beaconNo(), 0);
    IdentityRules::changeProtocol(&c, ConfigTables::E_StdLocationSerialPlb);
    QVERIFY(c.mmsi().isEmpty());

    for (int p = 0; p < ConfigTables::E_ProtocolMax; ++p)
        tables->setProtocolAvailable(p, p == ConfigTables::E_RlsUserMmsiPlb);
    tables->updateProtocolList(ConfigTables::E_SkuaP5);
    QCOMPARE(tables->protocolsAvailableNo(), 1);
    c.setProtocolId(ConfigTables::E_StdLocationSerialPlb); // as read: now disabled
    IdentityRules::changeCountry(&c, 219);
    QCOMPARE(c.protocolId(), int(ConfigTables::E_RlsUserMmsiPlb));
    QVERIFY(IdentityRules::protocolProblem(&c).isEmpty());
    IdentityRules::changeCountry(&c, 257);
    QCOMPARE(IdentityRules::protocolProblem(&c),
             QStringLiteral("No enabled protocol fits country 257: check the protocol settings"));
    c.setMmsi(QStringLiteral("123456"));
    QVERIFY2(IdentityRules::checkRecord(c).endsWith(QLatin1String(" is not allowed for country 257")),
             qPrintable(IdentityRules::checkRecord(c)));
}

void TestTables::checkRecordAppliesWizardRules_data()
{
    QTest::addColumn<int>("beacon");
    QTest::addColumn<int>("country");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<int>("beaconNo");
    QTest::addColumn<bool>("firstEpirb");
    QTest::addColumn<int>("customSerial");
    QTest::addColumn<int>("nationalData");
    QTest::addColumn<QString>("settings"); // t: test protocols on, o: serial override on, d: protocol disabled
    QTest::addColumn<QString>("refusal"); // the start of the refusal; empty: accepted

    const int p5 = ConfigTables::E_SkuaP5;
    const int a = ConfigTables::E_Skua11A;
    // Accepted as the wizard accepts them.
    QTest::newRow("serial PLB") << p5 << 211 << 15 << "" << 0 << true << 0 << 0 << "" << "";
    QTest::newRow("MMSI, beacon 3") << p5 << 211 << 0 << "123456" << 3 << true << 0 << 0 << "" << "";
    QTest::newRow("test protocol, switch on") << a << 211 << 10 << "" << 0 << true << 0 << 0 << "t" << "";
    QTest::newRow("test protocol, own serial") << a << 211 << 10 << "" << 0 << true << 777 << 0 << "t" << "";
    QTest::newRow("override on") << p5 << 211 << 15 << "" << 0 << true << 777 << 0 << "o" << "";
    QTest::newRow("wrapped beacon serial") << p5 << 211 << 15 << "" << 0 << true << 23456 % 16384 << 0 << "" << "";
    QTest::newRow("Norway call sign") << p5 << 257 << 19 << "" << 0 << true << 1234 << 0 << "" << "";
    QTest::newRow("serial kept as MMSI") << a << 211 << 1 << "23456" << 0 << true << 0 << 0 << "" << "";
    QTest::newRow("second EPIRB") << a << 211 << 9 << "123456" << 0 << false << 0 << 0 << "" << "";
    QTest::newRow("second EPIRB, number 1") << a << 211 << 9 << "123456" << 1 << false << 0 << 0 << "" << "";
    // Protocols.
    QTest::newRow("test protocol, switch off")
        << a << 211 << 10 << "" << 0 << true << 0 << 0 << "" << "Standard Location - Test is a test protocol";
    QTest::newRow("not the model's") << p5 << 211 << 2 << "123456" << 0 << true << 0 << 0 << ""
                                     << "User - MMSI is not a protocol of the";
    QTest::newRow("disabled") << p5 << 211 << 15 << "" << 0 << true << 0 << 0 << "d"
                              << "This protocol is not enabled";
    QTest::newRow("USA serial EPIRB") << int(ConfigTables::E_Skua11) << 366 << 4 << "" << 0 << true << 0 << 0 << ""
                                      << "Serial protocols for USA cannot be programmed";
    // Countries.
    QTest::newRow("not in the list") << p5 << 999 << 15 << "" << 0 << true << 0 << 0 << ""
                                     << "Country 999 is not in the country list";
    QTest::newRow("country rule, PLB") << p5 << 257 << 15 << "" << 0 << true << 0 << 0 << ""
                                       << "Std Location - Serial/TAC (PLB) is not allowed for country 257";
    // The countries' protocol restrictions are those of personal locator beacons.
    QTest::newRow("country rule, EPIRB") << a << 257 << 0 << "123456" << 0 << true << 0 << 0 << "" << "";
    QTest::newRow("forced serial missing") << p5 << 257 << 19 << "" << 0 << true << 0 << 0 << ""
                                           << "Call Sign (LCxxxx): none entered";
    // Serial override.
    QTest::newRow("override off") << p5 << 211 << 15 << "" << 0 << true << 777 << 0 << ""
                                  << "Serial number 777 is not the beacon's own";
    // What the protocol does not carry.
    QTest::newRow("MMSI on a serial protocol") << p5 << 211 << 15 << "265123" << 0 << true << 0 << 0 << ""
                                               << "MMSI: Std Location - Serial/TAC (PLB) does not carry it";
    QTest::newRow("beacon number on a serial protocol") << p5 << 211 << 15 << "" << 2 << true << 0 << 0 << ""
                                                        << "Beacon number: ";
    QTest::newRow("national ID on an MMSI protocol") << p5 << 211 << 0 << "123456" << 0 << true << 4711 << 0 << ""
                                                     << "Serial number: ";
    QTest::newRow("national data on an MMSI protocol") << p5 << 211 << 0 << "123456" << 0 << true << 0 << 5 << ""
                                                       << "National data: ";
    // First or second EPIRB on board.
    QTest::newRow("number 1 marked first") << a << 211 << 9 << "123456" << 1 << true << 0 << 0 << ""
                                           << "Beacon number 1 is the second EPIRB on board";
    QTest::newRow("number 2") << a << 211 << 9 << "123456" << 2 << false << 0 << 0 << ""
                              << "Beacon number must be 0 to 1";
    // The field checks themselves.
    QTest::newRow("short MMSI") << p5 << 211 << 0 << "12345" << 0 << true << 0 << 0 << ""
                                << "The MMSI needs 6 digits";
}

// The rules the wizard's pages apply, for a record any write path made.
void TestTables::checkRecordAppliesWizardRules()
{
    QFETCH(int, beacon);
    QFETCH(int, country);
    QFETCH(int, protocol);
    QFETCH(QString, mmsi);
    QFETCH(int, beaconNo);
    QFETCH(bool, firstEpirb);
    QFETCH(int, customSerial);
    QFETCH(int, nationalData);
    QFETCH(QString, settings);
    QFETCH(QString, refusal);

    QObject owner;
    ConfigTables *tables = ConfigTables::instance(&owner);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Country.txt")), "211 Germany\n257 Norway\n366 United States\n");
    CountryCodeModel::instance(&owner)->loadCountryList(dir.path(), QString());
    tables->setTestProtocolAllowed(settings.contains(QLatin1Char('t')));
    tables->setSerialOverrideAllowed(settings.contains(QLatin1Char('o')));
    if (settings.contains(QLatin1Char('d')))
        tables->setProtocolAvailable(protocol, false);
    // The wizard's stateful list is of another model: the rules must not depend on it.
    tables->updateProtocolList(ConfigTables::E_Skua11);

    EpirbConfig c(nullptr);
    c.setBeaconType(beacon);
    c.setSerial(QStringLiteral("23456"));
    c.setCountryCode(country);
    c.setProtocolId(protocol);
    c.setMmsi(mmsi);
    c.setBeaconNo(beaconNo);
    c.setFirstEpirb(firstEpirb);
    c.setCustomSerial(customSerial);
    c.setAdditionalData(nationalData);
    const QString why = IdentityRules::checkRecord(c);
    if (refusal.isEmpty())
        QVERIFY2(why.isEmpty(), qPrintable(why));
    else
        QVERIFY2(why.startsWith(refusal), qPrintable(why));
}

void TestTables::prepareConfig_data()
{
    QTest::addColumn<int>("beacon");
    QTest::addColumn<int>("country");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QString>("morse");
    QTest::addColumn<bool>("useMorse");
    QTest::addColumn<bool>("sweepUp");
    QTest::addColumn<QString>("mmsi");

    // Previous values: morse "X" off, sweep up, mmsi "111111"; serial 12345.
    QTest::newRow("P5 Norway") << 13 << 257 << 19 << "P" << true << false << "111111";
    QTest::newRow("P5 in the USA stays down") << 13 << 366 << 0 << "P" << true << false << "111111";
    QTest::newRow("R-CAP") << 4 << 257 << 0 << "V" << true << false << "111111";
    QTest::newRow("SK11R USA") << 9 << 338 << 1 << "V" << true << true << "12345";
    QTest::newRow("SK11R A") << 11 << 232 << 7 << "V" << true << false << "12345";
    QTest::newRow("EPIRB Australia") << 10 << 503 << 4 << "" << false << true << "12345";
    QTest::newRow("EPIRB New Zealand") << 3 << 513 << 0 << "" << false << true << "111111";
    QTest::newRow("EPIRB Norway") << 0 << 257 << 2 << "" << false << false << "111111";
    QTest::newRow("associated craft of the USA") << 0 << 983 << 2 << "" << false << true << "661234";
}

void TestTables::prepareConfig()
{
    QFETCH(int, beacon);
    QFETCH(int, country);
    QFETCH(int, protocol);
    QFETCH(QString, morse);
    QFETCH(bool, useMorse);
    QFETCH(bool, sweepUp);
    QFETCH(QString, mmsi);

    ConfigTables tables(nullptr, true);
    EpirbConfig config(nullptr);
    config.setBeaconType(beacon);
    config.setMmsi(country == 983 ? QStringLiteral("661234") : QStringLiteral("111111"));
    config.setCountryCode(country);
    config.setProtocolId(protocol);
    config.setSerial(QStringLiteral("12345"));
    config.setMorseSequence(QStringLiteral("X"));
    config.setUseMorseCode(false);
    config.setSweepDirection(true);

    QVERIFY(tables.prepareConfig(config));
    QCOMPARE(config.morseSequence(), morse);
    QCOMPARE(config.useMorseCode(), useMorse);
    QCOMPARE(config.sweepDirection(), sweepUp);
    QCOMPARE(config.mmsi(), mmsi);
}

void TestTables::documentFolders()
{
    const QStringList docs = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        QSKIP("No documents location here");
    const QString reports = documentFolder(0);
    QCOMPARE(reports, docs.first() + QStringLiteral("/Quorvik-PLB-Reports"));
    QVERIFY(QFileInfo(reports).isDir());
    QCOMPARE(documentFolder(1), docs.first() + QStringLiteral("/QuorvikPLB-Exports"));
    QCOMPARE(documentFolder(2), documentFolder(1));
    QVERIFY(QFileInfo(documentFolder(1)).isDir());
    QCOMPARE(documentFolder(7), docs.first());
}

void TestTables::licenseModel()
{
    ConfigTables tables(nullptr, true);
    QAbstractListModel *model = tables.ossLicenseList();
    QVERIFY(model);
    QCOMPARE(model->parent(), &tables);
    QVERIFY(tables.ossLicenseList() != model); // a new one per read
    QCOMPARE(model->rowCount(), 6);
    const QStringList names { QStringLiteral("-- Select License --"), QStringLiteral("Qt6"),
                              QStringLiteral("Libarchive"), QStringLiteral("WebP"),
                              QStringLiteral("Carlito"), QStringLiteral("Liberation") };
    const QStringList marks { QString(), QStringLiteral("GNU LESSER GENERAL PUBLIC LICENSE"),
                              QStringLiteral("Tim Kientzle"), QStringLiteral("Google Inc."),
                              QStringLiteral("Carlito"), QStringLiteral("Liberation") };
    for (int row = 0; row < 6; ++row) {
        const QModelIndex index = model->index(row);
        QCOMPARE(index.data(Qt::DisplayRole).toString(), names.at(row));
        QCOMPARE(index.data(OSSLicenseModel::NameRole).toString(), names.at(row));
        const QString text = index.data(OSSLicenseModel::LicenseRole).toString();
        if (row == 0)
            QVERIFY(text.isEmpty());
        else
            QVERIFY2(text.contains(marks.at(row)) && text.size() > 1000 / row, qPrintable(names.at(row)));
        if (row >= 4)
            QVERIFY2(text.contains(QStringLiteral("SIL OPEN FONT LICENSE")), qPrintable(names.at(row)));
    }
    QVERIFY(!model->index(6).isValid() || !model->index(6).data().isValid());
    QVERIFY(!model->index(1).data(Qt::ToolTipRole).isValid());
    QCOMPARE(model->roleNames().value(257), QByteArray("modelData"));
    QCOMPARE(model->roleNames().value(258), QByteArray("license"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Could not open license file :/qt/qml/Quorvik/Backend/Licenses/none.txt: "));
    QVERIFY(OSSLicenseModel::readLicense(QStringLiteral("none.txt")).isEmpty());
}

void TestTables::singletonIsSharedWithQml()
{
    QObject owner;
    ConfigTables *tables = ConfigTables::instance(&owner);
    QCOMPARE(tables->parent(), &owner);
    QCOMPARE(ConfigTables::instance(nullptr), tables);

    qml_register_types_Quorvik_Backend();
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        CountryCodeModel countries(nullptr);
        engine.rootContext()->setContextProperty(QStringLiteral("countries"), &countries);
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport Quorvik.Backend\n"
                          "QtObject { property QtObject tables: ConfigTables;"
                          " property int p5: ConfigTables.E_SkuaP5;"
                          " property int plb: ConfigTables.E_csPLB;"
                          " property int unknown: ConfigTables.E_UnknownBracket;"
                          " property int none: ConfigTables.E_ProtocolMax;"
                          " property bool hidden: ConfigTables.isProtocolHidden(10);"
                          " property string overrideType: typeof ConfigTables.serialOverrideAllowed;"
                          " property string operatorName: ConfigTables.operatorName;"
                          " property int licenses: ConfigTables.ossLicenseList.rowCount();"
                          " property bool norway: countries.isCountryNorway(258) && !countries.isCountryUsa(258);"
                          " property int selected: countries.selectedIndex();"
                          " property int allowed: IdentityRules.allowedProtocols(257).rowCount() }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("tables").value<QObject *>(), tables);
        QCOMPARE(object->property("p5").toInt(), 13);
        QCOMPARE(object->property("plb").toInt(), 1);
        QCOMPARE(object->property("unknown").toInt(), -1);
        QCOMPARE(object->property("none").toInt(), 24);
        QCOMPARE(object->property("hidden").toBool(), true);
        // The read-only property, not the invokable of the same name, is what bindings see.
        QCOMPARE(object->property("overrideType").toString(), QStringLiteral("boolean"));
        QCOMPARE(object->property("operatorName").toString(), tables->operatorName());
        QCOMPARE(object->property("licenses").toInt(), 6);
        QCOMPARE(object->property("norway").toBool(), true);
        QCOMPARE(object->property("selected").toInt(), -1);
        QCOMPARE(object->property("allowed").toInt(), 0);
    }
    // The engine is gone; the tables stay with their owner.
    QCOMPARE(ConfigTables::instance(nullptr), tables);
}

void TestTables::startupWiresTablesAndCountries()
{
    const QStringList sceneArgs { QStringLiteral("qmlpath=")
                                  + QUrl::fromLocalFile(QStringLiteral(QUORVIK_TEST_QML_DIR)).toString() };
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString custom = appData + QStringLiteral("/Country.txt");
    QFile::remove(custom);

    QSettings().setValue(QStringLiteral("SerialOverrideAllowed"), true);
    {
        EpirbApp app(sceneArgs + QStringList { QStringLiteral("testprotocol") }, nullptr);
        ConfigTables *tables = ConfigTables::instance(nullptr);
        QCOMPARE(tables->parent(), &app);
        QCOMPARE(tables->testProtocolAllowed(), 1);
        QCOMPARE(tables->serialOverrideAllowed(), 1);
        // The list shipped beside the program.
        QCOMPARE(CountryCodeModel::instance(nullptr)->rowCount(), 292);
    }
    QSettings().clear();

    QVERIFY(QDir().mkpath(appData));
    writeFile(custom, "257 Norway\n319 Cayman Islands\n");
    {
        EpirbApp app(sceneArgs, nullptr);
        QCOMPARE(ConfigTables::instance(nullptr)->testProtocolAllowed(), 0);
        QCOMPARE(ConfigTables::instance(nullptr)->serialOverrideAllowed(), 0);
        QCOMPARE(CountryCodeModel::instance(nullptr)->rowCount(), 2);
    }
    QVERIFY(QFile::remove(custom));

    // A production identity gets its country label from the list loaded later in start-up.
    {
        EpirbApp app(sceneArgs + QStringList { QStringLiteral("production"), QStringLiteral("beacontype=13"),
                                               QStringLiteral("country=224") },
                     nullptr);
        QCOMPARE(app.configPending()->countryLabel(), QStringLiteral("224  Spain"));
    }
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
