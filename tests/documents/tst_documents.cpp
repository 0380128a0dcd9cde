#include "coding/epirbmsgbase.h"
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "documents/documentfiles.h"
#include "documents/epirbdatablkwrapper.h"
#include "documents/labelfonts.h"
#include "documents/labelglyphatlas.h"
#include "documents/labelimageprovider.h"
#include "documents/labelmaker.h"
#include "documents/labelwriter.h"
#include "documents/pdfreport.h"
#include "documents/ziparchivewriter.h"

#include <QApplication>
#include <QJsonDocument>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <memory>

void qml_register_types_Quorvik_Backend();

namespace {
QString run(const QString &program, const QStringList &args, int *exitCode = nullptr, QString *err = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (err)
        *err = QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &file)
{
    return run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), file, QStringLiteral("-") });
}

QString pdfInfo(const QString &file)
{
    return run(QStringLiteral("pdfinfo"), { file });
}

QString pdfField(const QString &info, const QString &name)
{
    return QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(name), QRegularExpression::MultilineOption)
        .match(info)
        .captured(1);
}

// Page size in millimetres from pdfinfo's "Page size: W x H pts".
QSizeF pdfPageMm(const QString &file)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                                          .match(pdfInfo(file));
    if (!m.hasMatch())
        return QSizeF();
    return QSizeF(m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72);
}

QStringList zipEntries(const QString &file)
{
    const QString out = run(QStringLiteral("python3"),
                            { QStringLiteral("-c"),
                              QStringLiteral("import sys,zipfile;print('\\n'.join(zipfile.ZipFile(sys.argv[1]).namelist()))"),
                              file });
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray zipEntry(const QString &file, const QString &name)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), { QStringLiteral("-p"), file, name });
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

bool wellFormed(const QByteArray &xml, QString *error)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        *error = reader.errorString();
    return !reader.hasError();
}

struct Identity
{
    int protocol;
    int country;
    QString serial;
    QString mmsi;
    int customSerial;
};

// A Skua P5 record as the controller leaves it after programming.
void fill(EpirbConfig &c, const Identity &id)
{
    c.setBeaconType(ConfigTables::E_SkuaP5);
    c.setSerial(id.serial);
    c.setProtocolId(id.protocol);
    c.setMmsi(id.mmsi);
    c.setCountryCode(id.country);
    c.setCustomSerial(id.customSerial);
    c.setTacNo(2113);
    c.setTacNumberRlsPlb(3113);
    c.setBeaconNo(1);
    c.setProgDate(QDate(2024, 3, 5));
    c.setBatteryExpiry(QDateTime(QDate(2031, 6, 1), QTime(0, 0)));
    c.setProgStation(QStringLiteral("Bench 4"));
    c.setProgOperator(QStringLiteral("Kari"));
    c.setQuorvikVersion(QStringLiteral("5.3.9"));
    c.setMorseSequence(QStringLiteral("P"));
    c.calculateCsMsg();
}

const Identity kMmsi { ConfigTables::E_RlsUserMmsiPlb, 257, QStringLiteral("12345"), QStringLiteral("123456"), 0 };
const Identity kSerial { ConfigTables::E_StdLocationSerialPlb, 257, QStringLiteral("12345"), QString(), 0 };
}

class TestDocuments : public QObject
{
    Q_OBJECT

public slots:
    void opened(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void init();

    void zipWriter();
    void fileNamePart_data();
    void fileNamePart();
    void hostileSerialStaysInFolder_data();
    void hostileSerialStaysInFolder();

    void contactFontSize_data();
    void contactFontSize();
    void countryFontSize_data();
    void countryFontSize();
    void countryString();
    void lbxArchives_data();
    void lbxArchives();
    void labelPdfPageSize_data();
    void labelPdfPageSize();
    void programmingLabelBitmap();
    void labelsReplaceAndOpen();
    void imageProvider();

    void report_data();
    void report();
    void reportOwnerRows();
    void reportModes_data();
    void reportModes();
    void reportReplacesFile();

    void datablockWithoutConfig();
    void datablockValues();
    void datablockForgetsDeletedRecord();
    void datablockSingletonInQml();
    void glyphAtlasRegenerates();

    void cliBadInput_data();
    void cliBadInput();
    void cliWritesDocuments();

private:
    QString tmp(const QString &name) const { return m_dir.filePath(name); }
    QString writeBlock(const Identity &id);

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;
};

void TestDocuments::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // QUORVIK_KEEP_DOCUMENTS=1 keeps the written files for a look.
    if (qEnvironmentVariableIsSet("QUORVIK_KEEP_DOCUMENTS")) {
        m_dir.setAutoRemove(false);
        qInfo().noquote() << "Documents kept in" << m_dir.path();
    }
    QVERIFY(QDir::home().absolutePath() != QStringLiteral("/root"));
    LabelFonts::install();
    QVERIFY(LabelGlyphAtlas::prepare());
    QVERIFY(CountryCodeModel::instance(nullptr)->loadCountryList(QCoreApplication::applicationDirPath(), QString()));
    // Opening files goes to this object instead of the desktop.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "opened");
}

void TestDocuments::init()
{
    m_opened.clear();
    epirbdatablkWrapper::instance(nullptr)->clearConfig();
}

QString TestDocuments::writeBlock(const Identity &id)
{
    EpirbConfig c;
    fill(c, id);
    const QString path = tmp(QStringLiteral("block_%1.bin").arg(id.protocol));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(encodeDataBlock(c));
    return path;
}

void TestDocuments::zipWriter()
{
    const QString path = tmp(QStringLiteral("plain.zip"));
    QFile file(path);
    {
        ZipArchiveWriter zip(&file); // opens the closed file itself
        QVERIFY(zip.isOpen());
        QVERIFY(file.isOpen());
        QVERIFY(zip.addFile(QStringLiteral("b.txt"), "second"));
        QVERIFY(zip.addFile(QStringLiteral("a.txt"), QByteArray(5000, 'x')));
        QVERIFY(zip.finalize());
        QTest::ignoreMessage(QtWarningMsg, "Archive has been finalized");
        QVERIFY(!zip.addFile(QStringLiteral("c.txt"), "late"));
    }
    file.close();
    QCOMPARE(zipEntries(path), QStringList({ QStringLiteral("b.txt"), QStringLiteral("a.txt") }));
    QCOMPARE(zipEntry(path, QStringLiteral("a.txt")), QByteArray(5000, 'x'));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Invalid output device")));
    ZipArchiveWriter none(nullptr);
    QVERIFY(!none.isOpen());
}

void TestDocuments::fileNamePart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("safe");
    QTest::newRow("plain") << "12345" << "12345";
    QTest::newRow("parent") << "../../x" << "_._.._x";
    QTest::newRow("separators") << "a/b\\c:d" << "a_b_c_d";
    QTest::newRow("nul and control") << QStringLiteral("a%1b\nc\x7f").arg(QChar(0)) << "a_b_c_";
    QTest::newRow("windows reserved") << "a*b?c\"d<e>f|g" << "a_b_c_d_e_f_g";
    QTest::newRow("trailing dot") << "abc." << "abc_";
}

void TestDocuments::fileNamePart()
{
    QFETCH(QString, text);
    QFETCH(QString, safe);
    QCOMPARE(DocumentFiles::safeFileNamePart(text), safe);
}

void TestDocuments::hostileSerialStaysInFolder_data()
{
    QTest::addColumn<QString>("serial");
    QTest::newRow("parent steps") << "../../x";
    QTest::newRow("absolute") << "/etc/x";
    QTest::newRow("backslash") << "..\\..\\x";
    QTest::newRow("drive") << "C:x";
    QTest::newRow("nul") << QStringLiteral("12%1/..").arg(QChar(0));
    QTest::newRow("newline") << "12\n..";
}

void TestDocuments::hostileSerialStaysInFolder()
{
    QFETCH(QString, serial);
    EpirbConfig c;
    fill(c, kSerial);
    c.setSerial(serial);
    epirbdatablkWrapper *view = epirbdatablkWrapper::instance(nullptr);
    view->setConfig(&c, 2);
    const QString reports = QDir(documentFolder(0)).canonicalPath();
    const QString exports = QDir(documentFolder(1)).canonicalPath();
    QDir(reports).removeRecursively();
    QDir(exports).removeRecursively();

    view->createReport();
    QVERIFY(view->createProgrammingLabelLBX());
    QVERIFY(view->createCountryLabelPDF(QString()));

    const QStringList reportFiles = QDir(reports).entryList(QDir::Files);
    QCOMPARE(reportFiles.size(), 1);
    QVERIFY(reportFiles.first().endsWith(QLatin1String("_") + c.epirbHexMsg() + QLatin1String(".pdf")));
    QCOMPARE(QDir(exports).entryList(QDir::Files).size(), 2);
    QCOMPARE(QDir(reports).entryList(QDir::AllDirs | QDir::NoDotAndDotDot).size(), 0);
    QCOMPARE(QDir(exports).entryList(QDir::AllDirs | QDir::NoDotAndDotDot).size(), 0);
    // The serial is printed as it is.
    QCOMPARE(view->serialNo(), serial);
}

void TestDocuments::contactFontSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("short") << "Call 112" << 9;
    QTest::newRow("fills at 5") << QString(60, QLatin1Char('W')).split(QString()).join(QLatin1Char(' ')) << 5;
    QTest::newRow("far too long") << QString(2000, QLatin1Char('x')) << 5;
    QTest::newRow("empty") << "" << 9;
}

void TestDocuments::contactFontSize()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QCOMPARE(LabelMaker::contactFontSize(text, LabelMaker::kScale300), size);
}

void TestDocuments::countryFontSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("short") << "Norway (257)" << 14;
    QTest::newRow("overflows at 6") << QString(120, QLatin1Char('M')) << 6;
}

void TestDocuments::countryFontSize()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QCOMPARE(LabelMaker::countryFontSize(text, LabelMaker::kScale300), size);
    QCOMPARE(LabelMaker::countryFontSize(text, LabelMaker::kScale180), size);
}

void TestDocuments::countryString()
{
    QCOMPARE(LabelMaker::countryString(257, QStringLiteral("Norge")), QStringLiteral("Norge (257)"));
    QCOMPARE(LabelMaker::countryString(257, QString()),
             ConfigTables::instance(nullptr)->countryName(257) + QStringLiteral(" (257)"));
    QVERIFY(!ConfigTables::instance(nullptr)->countryName(257).isEmpty());
    QCOMPARE(LabelMaker::countryString(999, QString()), QStringLiteral("Unknown (999)"));
}

void TestDocuments::lbxArchives_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected");
    const QStringList two { QStringLiteral("label.xml"), QStringLiteral("prop.xml") };
    const QStringList three { QStringLiteral("label.xml"), QStringLiteral("Object0.bmp"), QStringLiteral("prop.xml") };
    QTest::newRow("contact") << int(LabelMaker::ContactLabel) << "Aldmar service\nphone +47 5555 0000" << two
                             << "charLen=\"34\"";
    QTest::newRow("contact with markup") << int(LabelMaker::ContactLabel) << "R&D <team> \"24/7\"" << two
                                         << "R&amp;D &lt;team&gt;";
    QTest::newRow("country") << int(LabelMaker::CountryLabel) << "Norge" << two << ">Norge (257)<";
    QTest::newRow("country with markup") << int(LabelMaker::CountryLabel) << "A&B" << two << "A&amp;B (257)";
    QTest::newRow("programming") << int(LabelMaker::ProgrammingLabel) << "" << three << "Object0.bmp";
}

void TestDocuments::lbxArchives()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);
    const QString path = tmp(QStringLiteral("label_%1.lbx").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EpirbConfig c;
    fill(c, kMmsi);
    int code = -1;
    if (kind == LabelMaker::ContactLabel)
        code = LabelWriter::writeContactLabelLbx(text, &file);
    else if (kind == LabelMaker::CountryLabel)
        code = LabelWriter::writeCountryLabelLbx(257, text, &file);
    else
        code = LabelWriter::writeProgrammingLabelLbx(c, &file);
    file.close();
    QCOMPARE(code, 0);
    QCOMPARE(zipEntries(path), entries);

    const QByteArray label = zipEntry(path, QStringLiteral("label.xml"));
    const QByteArray prop = zipEntry(path, QStringLiteral("prop.xml"));
    QString error;
    QVERIFY2(wellFormed(label, &error), qPrintable(error));
    QVERIFY2(wellFormed(prop, &error), qPrintable(error));
    QVERIFY(!label.contains("__"));
    QVERIFY(!prop.contains("__"));
    QVERIFY2(label.contains(expected.toUtf8()), label.constData());
    QVERIFY(prop.contains("<meta:appName>PtouchEditor6.Wpf</meta:appName>"));
    QVERIFY(QRegularExpression(QStringLiteral("<dcterms:created>\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ<"))
                .match(QString::fromUtf8(prop))
                .hasMatch());
    if (kind == LabelMaker::ProgrammingLabel) {
        const QImage bmp = QImage::fromData(zipEntry(path, QStringLiteral("Object0.bmp")), "BMP");
        QCOMPARE(bmp.size(), QSize(874, 188));
        QVERIFY(label.contains("threshold=\"254\""));
        QVERIFY(label.contains("PT-P900W"));
    } else {
        QVERIFY(label.contains("PT-P710BT"));
    }
}

void TestDocuments::labelPdfPageSize_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSizeF>("mm");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("contact") << int(LabelMaker::ContactLabel) << QSizeF(44, 18) << "Contact Label" << "Call Aldmar";
    QTest::newRow("country") << int(LabelMaker::CountryLabel) << QSizeF(65, 9) << "Country Label" << "Norge (257)";
    QTest::newRow("programming") << int(LabelMaker::ProgrammingLabel) << QSizeF(41, 9)
                                 << "Skua P5 Programming Label" << "";
}

void TestDocuments::labelPdfPageSize()
{
    QFETCH(int, kind);
    QFETCH(QSizeF, mm);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const QString path = tmp(QStringLiteral("label_%1.pdf").arg(kind));
    QFile file(path); // closed: the writer opens it
    EpirbConfig c;
    fill(c, kSerial);
    int code = -1;
    if (kind == LabelMaker::ContactLabel)
        code = LabelWriter::writeContactLabelPdf(text, &file);
    else if (kind == LabelMaker::CountryLabel)
        code = LabelWriter::writeCountryLabelPdf(257, QStringLiteral("Norge"), &file);
    else
        code = LabelWriter::writeProgrammingLabelPdf(c, &file);
    file.close();
    QCOMPARE(code, 0);
    const QSizeF page = pdfPageMm(path);
    // PDF page boxes are whole points here: within 0.2 mm.
    QVERIFY2(qAbs(page.width() - mm.width()) < 0.2 && qAbs(page.height() - mm.height()) < 0.2,
             qPrintable(QStringLiteral("%1 x %2 mm").arg(page.width()).arg(page.height())));
    const QString info = pdfInfo(path);
    QCOMPARE(pdfField(info, QStringLiteral("Title")), title);
    QCOMPARE(pdfField(info, QStringLiteral("Creator")), QStringLiteral("Aldmar PLB (5.3.9)"));
    if (!text.isEmpty())
        QCOMPARE(pdfText(path).simplified(), text);
}

void TestDocuments::programmingLabelBitmap()
{
    EpirbConfig c;
    fill(c, kMmsi);
    const QImage image = LabelMaker::programmingLabelImage(c);
    QCOMPARE(image.size(), QSize(874, 188));
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QCOMPARE(image.dotsPerMeterX(), 23622);
    // Ink on both lines, nothing in the margins.
    auto inkIn = [&](const QRect &r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    QVERIFY(inkIn(QRect(0, 20, 874, 60)) > 500);
    QVERIFY(inkIn(QRect(0, 110, 874, 60)) > 500);
    QCOMPARE(inkIn(QRect(0, 0, 11, 188)), 0);
    QCOMPARE(inkIn(QRect(863, 0, 11, 188)), 0);

    // Glyph table rows that the layout depends on.
    QCOMPARE(LabelGlyphAtlas::textWidth(QStringLiteral(" ")), 11);
    QCOMPARE(LabelGlyphAtlas::textWidth(QStringLiteral(",-")), 24);
    QCOMPARE(LabelGlyphAtlas::textWidth(QStringLiteral("0123456789")), 210);
    QCOMPARE(LabelGlyphAtlas::textWidth(QString(QChar(LabelGlyphAtlas::kRlsMark))), 211);
    QCOMPARE(LabelGlyphAtlas::textWidth(QString(QChar(LabelGlyphAtlas::kOtherMark))), 220);
    QCOMPARE(LabelGlyphAtlas::textWidth(QStringLiteral("1\u00e9#2")), 42); // unknown characters take no room

    EpirbConfig empty;
    QTest::ignoreMessage(QtWarningMsg, "WARNING: Invalid configuration, cannot create label");
    QVERIFY(LabelMaker::programmingLabelImage(empty).isNull());
}

void TestDocuments::labelsReplaceAndOpen()
{
    EpirbConfig c;
    fill(c, kSerial);
    epirbdatablkWrapper *view = epirbdatablkWrapper::instance(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "No config, cannot create programming label");
    QVERIFY(!view->createProgrammingLabelPDF());
    QTest::ignoreMessage(QtWarningMsg, "No config, cannot create country label");
    QVERIFY(!view->createCountryLabelLBX(QString()));
    QVERIFY(m_opened.isEmpty());

    view->setConfig(&c, 2);
    const QString lbx = view->programmingLabelFileName(false);
    QVERIFY(lbx.endsWith(QStringLiteral("/QuorvikPLB-Exports/12345_") + c.epirbHexMsg() + QStringLiteral("_label.lbx")));
    QFile::remove(lbx);
    QVERIFY(view->createProgrammingLabelLBX());
    QFile stale(lbx);
    QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Append));
    stale.write(QByteArray(100000, 'x'));
    stale.close();
    QVERIFY(view->createProgrammingLabelLBX());
    QVERIFY(QFileInfo(lbx).size() < 100000);
    QCOMPARE(zipEntries(lbx).size(), 3);

    QVERIFY(view->createCountryLabelLBX(QStringLiteral("Norge")));
    QVERIFY(view->countryLabelFileName(false).endsWith(QStringLiteral("_country_label_257.lbx")));
    QVERIFY(QFile::exists(view->countryLabelFileName(false)));
    QCOMPARE(m_opened, QList<QUrl>({ QUrl::fromLocalFile(lbx), QUrl::fromLocalFile(lbx),
                                     QUrl::fromLocalFile(view->countryLabelFileName(false)) }));
}

void TestDocuments::imageProvider()
{
    LabelImageProvider provider;
    QSize size;
    QPixmap pixmap = provider.requestPixmap(QStringLiteral("contactlabel.png?Call%20me"), &size, QSize());
    QCOMPARE(size, QSize(472, 188));
    QCOMPARE(pixmap.size(), size);
    pixmap = provider.requestPixmap(QStringLiteral("contactlabel.png?x"), &size, QSize(100, 50));
    QCOMPARE(size, QSize(472, 188));
    QCOMPARE(pixmap.size(), QSize(100, 50));

    // Without a record the record-based previews are empty.
    pixmap = provider.requestPixmap(QStringLiteral("programminglabel.png"), &size, QSize());
    QVERIFY(pixmap.isNull());
    QCOMPARE(size, QSize(0, 0));
    pixmap = provider.requestPixmap(QStringLiteral("countrylabel.png?Norge"), &size, QSize());
    QCOMPARE(size, QSize(0, 0));
    pixmap = provider.requestPixmap(QStringLiteral("other.png"), &size, QSize());
    QCOMPARE(size, QSize(0, 0));

    EpirbConfig c;
    fill(c, kMmsi);
    epirbdatablkWrapper::instance(nullptr)->setConfig(&c, 1);
    provider.requestPixmap(QStringLiteral("programminglabel.png"), &size, QSize());
    QCOMPARE(size, QSize(874, 188));
    provider.requestPixmap(QStringLiteral("countrylabel.png?Norge"), &size, QSize());
    QCOMPARE(size, QSize(720, 94));
}

void TestDocuments::report_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<int>("customSerial");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("test");

    QTest::newRow("rls mmsi") << int(ConfigTables::E_RlsUserMmsiPlb) << 257 << "123456" << 0
                              << QStringList { "Coding: MMSI", "MMSI: 257 123456", "Category: PLB" } << false;
    QTest::newRow("std mmsi") << int(ConfigTables::E_StdLocationMmsi) << 257 << "123456" << 0
                              << QStringList { "Coding: MMSI", "MMSI: 257 123456", "Beacon number: 1" } << false;
    QTest::newRow("serial tac") << int(ConfigTables::E_StdLocationSerialPlb) << 257 << "" << 0
                                << QStringList { "Coding: Serial/TAC", "C/S serial number: 12345",
                                                 "C/S TAC number: 113" }
                                << false;
    QTest::newRow("rls tac nrn") << int(ConfigTables::E_RlsUserTacPlb) << 211 << "" << 777
                                 << QStringList { "Coding: NRN", "Category: PLB", "C/S serial number: 777" } << false;
    // A country with its own name for the protocol shows its own identity caption and no coding row.
    QTest::newRow("rls tac localized") << int(ConfigTables::E_RlsUserTacPlb) << 257 << "" << 777
                                       << QStringList { "Category: PLB", "Call Sign (LCxxxx): LC0777" } << false;
    QTest::newRow("national") << int(ConfigTables::E_NationalLocationPlb) << 257 << "" << 4242
                              << QStringList { "National ID: 4242", "Use delta position: Yes", "Additional data: 0" }
                              << false;
    QTest::newRow("radio call sign") << int(ConfigTables::E_UserRadiocall) << 257 << "LAAB123" << 0
                                     << QStringList { "Radio callsign: LAAB123", "Beacon number: 1" } << false;
    QTest::newRow("test protocol") << int(ConfigTables::E_UserTestPlb) << 257 << "" << 0 << QStringList {} << true;
    QTest::newRow("rls mmsi test") << int(ConfigTables::E_RlsUserMmsiTest) << 257 << "123456" << 0
                                   << QStringList { "MMSI: 257 123456", "Category: Test" } << true;
}

void TestDocuments::report()
{
    QFETCH(int, protocol);
    QFETCH(int, country);
    QFETCH(QString, mmsi);
    QFETCH(int, customSerial);
    QFETCH(QStringList, lines);
    QFETCH(bool, test);
    EpirbConfig c;
    fill(c, { protocol, country, QStringLiteral("12345"), mmsi, customSerial });
    const QString path = tmp(QStringLiteral("report_%1.pdf").arg(protocol));
    pdfReport report;
    QVERIFY(report.writeReport(pdfReport::Programmed, path, c));

    const QString info = pdfInfo(path);
    QCOMPARE(pdfField(info, QStringLiteral("Title")), QStringLiteral("Beacon report"));
    QCOMPARE(pdfField(info, QStringLiteral("Creator")), QStringLiteral("Aldmar"));
    QCOMPARE(pdfField(info, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(pdfField(info, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
    QCOMPARE(pdfField(info, QStringLiteral("Page rot")), QStringLiteral("0"));

    // One line per row; runs of blanks between caption and value collapse to one.
    QStringList text;
    for (const QString &l : pdfText(path).split(QLatin1Char('\n')))
        text << l.simplified();
    const QString all = text.join(QLatin1Char('\n'));
    auto has = [&](const QString &needle) { return all.contains(needle); };
    QVERIFY(has(QStringLiteral("Skua P5 PLB")));
    QVERIFY(!has(QStringLiteral("PLB PLB")));
    QVERIFY(has(QStringLiteral("Beacon serial: 12345")));
    QVERIFY(has(QStringLiteral("Battery expiry: 06/2031")));
    QVERIFY(has(QStringLiteral("Country code: %1").arg(country)));
    QVERIFY2(has(QStringLiteral("15 HEX ID (UIN): ") + c.epirbHexMsg()), qPrintable(all));
    QVERIFY(has(QStringLiteral("Checksum: ") + c.epirbHexChecksum()));
    QVERIFY(has(QStringLiteral("Protocol: ") + ConfigTables::instance(nullptr)->protocolName(protocol, country)));
    for (const QString &line : lines)
        QVERIFY2(has(line), qPrintable(line + QStringLiteral("\n---\n") + all));
    QCOMPARE(has(QStringLiteral("(TEST PROTOCOL)")), test);
    if (ConfigTables::instance(nullptr)->hasLocalizedProtocolName(protocol, country))
        QVERIFY(!has(QStringLiteral("Coding:")));
    QVERIFY(has(QStringLiteral("Programming Data")));
    QVERIFY(has(QStringLiteral("Programming station: Bench 4")));
    QVERIFY(has(QStringLiteral("Programmed by: Kari")));
    QVERIFY(has(QStringLiteral("Date: 2024 Mar 05")));
    QVERIFY(has(QStringLiteral("121.5 MHz homing: Sweep down")));
    QVERIFY(has(QStringLiteral("121.5 Morse code: P")));
    QVERIFY(has(QStringLiteral("Cospas-Sarsat Programming Report")));
    QVERIFY(has(pdfReport::registrationLinkText()));
    // Without owner data the owner box is an empty frame.
    QVERIFY(!has(QStringLiteral("Owner Information")));
    // The link is a real link annotation.
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray raw = pdf.readAll();
    QVERIFY(raw.contains("/Subtype /Link") || raw.contains("/Subtype/Link"));
    QVERIFY(raw.contains(pdfReport::registrationLinkUrl().toLatin1()));
}

void TestDocuments::reportOwnerRows()
{
    EpirbConfig c;
    fill(c, kSerial);
    c.setOwnerName(QStringLiteral("Ola Nordmann"));
    c.setOwnerTelephone(QStringLiteral("+47 5555 0000"));
    c.setOwnerOther(QStringLiteral("Email: ola@example.no"));
    c.setAdditionalInfo(QStringLiteral("Red kayak"));
    const QString path = tmp(QStringLiteral("owner.pdf"));
    QVERIFY(pdfReport().writeReport(pdfReport::Programmed, path, c));
    QStringList rows;
    for (const QString &l : pdfText(path).split(QLatin1Char('\n'))) {
        const QString s = l.simplified();
        if (s.startsWith(QLatin1String("Name:")) || s.startsWith(QLatin1String("Address:"))
            || s.startsWith(QLatin1String("Telephone:")) || s.startsWith(QLatin1String("Email:"))
            || s.startsWith(QLatin1String("Other:")) || s.startsWith(QLatin1String("Additional info:")))
            rows << s;
    }
    QCOMPARE(rows, QStringList({ "Name: Ola Nordmann", "Telephone: +47 5555 0000", "Email: ola@example.no",
                                 "Additional info: Red kayak" }));
    QVERIFY(pdfText(path).contains(QStringLiteral("Owner Information")));

    // A colon at the very end is no caption.
    c.setOwnerOther(QStringLiteral("Call before:"));
    QVERIFY(pdfReport().writeReport(pdfReport::Programmed, path, c));
    QVERIFY(pdfText(path).simplified().contains(QStringLiteral("Other: Call before:")));
}

void TestDocuments::reportModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("note");
    QTest::newRow("programmed") << 0 << "";
    QTest::newRow("readback") << 1 << "Readback from beacon, originally programmed: 2024 Mar 05";
    QTest::newRow("database") << 2 << "Report created from database, originally programmed: 2024 Mar 05";
}

void TestDocuments::reportModes()
{
    QFETCH(int, mode);
    QFETCH(QString, note);
    EpirbConfig c;
    fill(c, kMmsi);
    const QString path = tmp(QStringLiteral("mode.pdf"));
    QVERIFY(pdfReport().writeReport(mode, path, c));
    const QString text = pdfText(path).simplified();
    QVERIFY(!note.isEmpty() ? text.contains(note) : !text.contains(QStringLiteral("originally programmed")));
}

void TestDocuments::reportReplacesFile()
{
    const QString path = tmp(QStringLiteral("replace.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("not a pdf");
    old.close();
    EpirbConfig c;
    fill(c, kMmsi);
    QVERIFY(pdfReport().writeReport(0, path, c));
    QCOMPARE(pdfField(pdfInfo(path), QStringLiteral("Title")), QStringLiteral("Beacon report"));

    // A report that cannot be written leaves nothing half-done behind.
    QVERIFY(!pdfReport().writeReport(0, tmp(QStringLiteral("missing/dir/x.pdf")), c));
    QVERIFY(!QFile::exists(tmp(QStringLiteral("missing/dir/x.pdf"))));
}

void TestDocuments::datablockWithoutConfig()
{
    epirbdatablkWrapper *v = epirbdatablkWrapper::instance(nullptr);
    QCOMPARE(v->beaconType(), ConfigTables::E_Skua11);
    QCOMPARE(int(v->bracketType()), -1);
    QCOMPARE(v->progDate(), QStringLiteral("N/A"));
    QCOMPARE(v->serialNo(), QStringLiteral("N/A"));
    QCOMPARE(v->countryCode(), QStringLiteral("N/A"));
    QCOMPARE(v->countryCodeNumber(), 0);
    QCOMPARE(v->protocol(), QStringLiteral("N/A"));
    QCOMPARE(v->category(), QStringLiteral("N/A"));
    QCOMPARE(v->hexId(), QStringLiteral("N/A"));
    QCOMPARE(v->idValue(), QStringLiteral("N/A"));
    QCOMPARE(v->csApproval(), QStringLiteral("N/A"));
    QCOMPARE(v->vesselFileName(), QStringLiteral("NA"));
    QCOMPARE(v->ownerName(), QString());
    QCOMPARE(v->beaconNo(), QString());
    QCOMPARE(v->additionalData(), QStringLiteral("0"));
    QCOMPARE(v->additionalDataType(), false);
    QCOMPARE(v->firstEpirb(), true);
    QCOMPARE(v->aisUserID(), 0);
    QCOMPARE(v->extraMetadata().valid(), false);
    QCOMPARE(v->getReportFileNameURI(), QStringLiteral("file://404"));
    QSignalSpy spy(v, &epirbdatablkWrapper::addInfoChanged);
    v->setAddInfoNote(QStringLiteral("ignored"));
    QCOMPARE(v->addInfoNote(), QStringLiteral("N/A"));
    QCOMPARE(spy.count(), 0);
    // Nothing to write: no file, no viewer.
    const int before = QDir(documentFolder(0)).entryList(QDir::Files).size();
    v->createReport();
    QVERIFY(!v->showReport());
    QCOMPARE(QDir(documentFolder(0)).entryList(QDir::Files).size(), before);
    QVERIFY(m_opened.isEmpty());
}

void TestDocuments::datablockValues()
{
    epirbdatablkWrapper *v = epirbdatablkWrapper::instance(nullptr);
    QSignalSpy changed(v, &epirbdatablkWrapper::configChanged);
    EpirbConfig c;
    fill(c, kMmsi);
    v->setConfig(&c, 1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(v->isReadback());
    QVERIFY(!v->isProgramming());
    QCOMPARE(v->beaconType(), ConfigTables::E_SkuaP5);
    QCOMPARE(v->progDate(), QStringLiteral("2024 Mar 05"));
    QCOMPARE(v->battExpiry(), QStringLiteral("2031 Jun"));
    QCOMPARE(v->serialNo(), QStringLiteral("12345"));
    QCOMPARE(v->countryCodeNumber(), 257);
    QCOMPARE(v->countryCode(), c.countryLabel());
    QCOMPARE(v->hexId(), c.epirbHexMsg());
    QCOMPARE(v->hexId().size(), 15);
    QCOMPARE(v->category(), QStringLiteral("PLB"));
    QCOMPARE(v->idValue(), QStringLiteral("123456"));
    QCOMPARE(v->protocolCode(), int(ConfigTables::E_RlsUserMmsiPlb));
    QCOMPARE(v->vesselFileName(), QStringLiteral("NA"));
    QVERIFY(v->getReportFileNameURI().startsWith(QStringLiteral("file:///")));
    QVERIFY(v->getReportFileNameURI().endsWith(QStringLiteral("/Quorvik-PLB-Reports/12345_") + c.epirbHexMsg()
                                               + QStringLiteral(".pdf")));

    c.setProgDate(QDate(2000, 1, 1));
    QCOMPARE(v->progDate(), QStringLiteral("Never programmed!"));
    v->setAddInfoNote(QStringLiteral("note"));
    QCOMPARE(c.additionalInfo(), QStringLiteral("note"));

    // An empty message still answers.
    EpirbConfig empty;
    v->setConfig(&empty, 0);
    QVERIFY(!v->isReadback());
    QVERIFY(!v->isProgramming());
    QCOMPARE(v->category(), QString());
    QCOMPARE(v->idValue(), QStringLiteral("      "));
    QCOMPARE(v->csApproval(), QStringLiteral("0"));

    // The report written from the view carries the view's mode.
    v->setConfig(&c, 0);
    QFile::remove(v->reportFileName());
    v->createReport();
    QVERIFY(pdfText(v->reportFileName()).simplified().contains(QStringLiteral("Report created from database")));
    QVERIFY(v->showReport());
    QCOMPARE(m_opened, QList<QUrl>({ QUrl::fromLocalFile(v->reportFileName()) }));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Could not share file: .*\\(application/pdf\\)$")));
    QVERIFY(!v->shareReport());
}

void TestDocuments::datablockForgetsDeletedRecord()
{
    epirbdatablkWrapper *v = epirbdatablkWrapper::instance(nullptr);
    auto *c = new EpirbConfig;
    fill(*c, kMmsi);
    v->setConfig(c, 0);
    QCOMPARE(v->serialNo(), QStringLiteral("12345"));
    delete c;
    QCOMPARE(v->serialNo(), QStringLiteral("N/A"));
    QCOMPARE(v->getReportFileNameURI(), QStringLiteral("file://404"));
}

void TestDocuments::datablockSingletonInQml()
{
    qml_register_types_Quorvik_Backend();
    EpirbConfig c;
    fill(c, kMmsi);
    epirbdatablkWrapper::instance(nullptr)->setConfig(&c, 2);
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport Quorvik.Backend\n"
                          "QtObject { property var view: Datablock\n"
                          "  property string serial: Datablock.serialNo\n"
                          "  property string protocol: Datablock.protocol\n"
                          "  property bool programming: Datablock.isProgramming() }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("view").value<QObject *>(), epirbdatablkWrapper::instance(nullptr));
        QCOMPARE(object->property("serial").toString(), QStringLiteral("12345"));
        QCOMPARE(object->property("protocol").toString(), QStringLiteral("RLS Location - MMSI (PLB)"));
        QVERIFY(object->property("programming").toBool());
    }
    // The engine is gone; the view is not.
    QPointer<epirbdatablkWrapper> view = epirbdatablkWrapper::instance(nullptr);
    QVERIFY(view);
    QCOMPARE(view->serialNo(), QStringLiteral("12345"));
}

void TestDocuments::glyphAtlasRegenerates()
{
    const QString png = tmp(QStringLiteral("atlas.png"));
    const QString json = tmp(QStringLiteral("atlas.json"));
    int code = -1;
    QString err;
    run(QStringLiteral(QUORVIK_BIN_DIR "/quorvik-glyphatlas"), { png, json }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QFile regenerated(json);
    QFile shipped(QStringLiteral(":/documents/labelglyphs.json"));
    QVERIFY(regenerated.open(QIODevice::ReadOnly));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(regenerated.readAll()), QJsonDocument::fromJson(shipped.readAll()));
    QCOMPARE(QImage(png).size(), QImage(QStringLiteral(":/documents/labelglyphs.png")).size());
}

void TestDocuments::cliBadInput_data()
{
    QTest::addColumn<QStringList>("args");
    const QString block = QStringLiteral("BLOCK");
    QTest::newRow("report no args") << QStringList { "report" };
    QTest::newRow("report bad mode") << QStringList { "report", block, "OUT.pdf", "--mode", "7" };
    QTest::newRow("report missing mode") << QStringList { "report", block, "OUT.pdf", "--mode" };
    QTest::newRow("report not pdf") << QStringList { "report", block, "OUT.txt" };
    QTest::newRow("report missing block") << QStringList { "report", "NOFILE", "OUT.pdf" };
    QTest::newRow("report short block") << QStringList { "report", "SHORT", "OUT.pdf" };
    QTest::newRow("label unknown kind") << QStringList { "label", "box", "--block", block, "OUT.lbx" };
    QTest::newRow("label no block") << QStringList { "label", "programming", "OUT.lbx" };
    QTest::newRow("label empty contact") << QStringList { "label", "contact", "--text", "", "OUT.pdf" };
    QTest::newRow("label bad extension") << QStringList { "label", "contact", "--text", "x", "OUT.png" };
}

void TestDocuments::cliBadInput()
{
    QFETCH(QStringList, args);
    const QString block = writeBlock(kSerial);
    QFile shortBlock(tmp(QStringLiteral("short.bin")));
    QVERIFY(shortBlock.open(QIODevice::WriteOnly));
    shortBlock.write(QByteArray(100, 'x'));
    shortBlock.close();
    const QString out = tmp(QStringLiteral("bad_out"));
    for (QString &a : args) {
        if (a == QLatin1String("BLOCK"))
            a = block;
        else if (a == QLatin1String("SHORT"))
            a = shortBlock.fileName();
        else if (a == QLatin1String("NOFILE"))
            a = tmp(QStringLiteral("nofile.bin"));
        else if (a.startsWith(QLatin1String("OUT")))
            a = out + a.mid(3);
    }
    int code = 0;
    QString err;
    run(QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli"), args, &code, &err);
    QCOMPARE(code, 2);
    // One line of ours; the platform may add its own notes about the environment.
    QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString &l) { return l.startsWith(QLatin1String("QStandardPaths:")); });
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().startsWith(QLatin1String("quorvik-cli: ")));
    QVERIFY(QDir(m_dir.path()).entryList({ QStringLiteral("bad_out*") }).isEmpty());
}

void TestDocuments::cliWritesDocuments()
{
    const QString cli = QStringLiteral(QUORVIK_BIN_DIR "/quorvik-cli");
    const QString block = writeBlock(kMmsi);
    int code = -1;
    QString err;
    // A successful run says nothing on stderr: the back end's debug lines are the log file's.
    const auto quiet = [&err] {
        QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lines.removeIf([](const QString &l) { return l.startsWith(QLatin1String("QStandardPaths:")); });
        return lines.isEmpty();
    };
    run(cli, { QStringLiteral("report"), block, tmp(QStringLiteral("cli.pdf")), QStringLiteral("--mode"), QStringLiteral("1") }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QVERIFY2(quiet(), qPrintable(err));
    QVERIFY(pdfText(tmp(QStringLiteral("cli.pdf"))).simplified().contains(QStringLiteral("Readback from beacon")));

    run(cli, { QStringLiteral("label"), QStringLiteral("programming"), QStringLiteral("--block"), block, tmp(QStringLiteral("cli.lbx")) }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QVERIFY2(quiet(), qPrintable(err));
    QCOMPARE(zipEntries(tmp(QStringLiteral("cli.lbx"))).size(), 3);

    run(cli, { QStringLiteral("label"), QStringLiteral("country"), QStringLiteral("--block"), block, QStringLiteral("--text"), QStringLiteral("Norge"), tmp(QStringLiteral("cli_country.pdf")) }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QVERIFY2(quiet(), qPrintable(err));
    QCOMPARE(pdfText(tmp(QStringLiteral("cli_country.pdf"))).simplified(), QStringLiteral("Norge (257)"));

    run(cli, { QStringLiteral("label"), QStringLiteral("contact"), QStringLiteral("--text"), QStringLiteral("Aldmar 24/7"), tmp(QStringLiteral("cli_contact.lbx")) }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QVERIFY2(quiet(), qPrintable(err));
    QVERIFY(zipEntry(tmp(QStringLiteral("cli_contact.lbx")), QStringLiteral("label.xml")).contains("Aldmar 24/7"));

    // --verbose, before or after the command, brings the debug lines back.
    run(cli, { QStringLiteral("--verbose"), QStringLiteral("report"), block, tmp(QStringLiteral("cli_verbose.pdf")) }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QVERIFY2(err.contains(QLatin1String("PdfReport Main")), qPrintable(err));
    QVERIFY(QFile::exists(tmp(QStringLiteral("cli_verbose.pdf"))));
    run(cli, { QStringLiteral("label"), QStringLiteral("contact"), QStringLiteral("--text"), QStringLiteral("x"), tmp(QStringLiteral("cli_verbose.lbx")), QStringLiteral("--verbose") }, &code, &err);
    QVERIFY2(code == 0, qPrintable(err));
    QVERIFY2(err.contains(QLatin1String("Added fonts: ")), qPrintable(err));
}

int main(int argc, char *argv[])
{
    // Documents folders live under the user's documents location: keep them in a scratch home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + QStringLiteral("/Documents")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    TestDocuments t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_documents.moc"
