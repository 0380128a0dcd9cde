#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "documents/pdfreport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileSelector>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlFileSelector>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString kModuleRoot = QStringLiteral(":/qt/qml/Quorvik/Frontend/");

// The picture names the pages, the proxy and the configuration tables are
// documented to load.
const char *const kDocumentedPictures[] = {
    "Aldmar_logo.png", "symbol-settinge.png", "symbol-arrow-back.png", "help_white.png", "help.png",
    "checkmark_24.png", "swipebkw.png", "swipefwd.png",
    "computer.png", "symbol-sync.png", "device.webp", "copyToClipboard.png",
    "SK11_Program.png", "SK31_SK31G_Program.png", "SKP5_Program.webp",
    "SK21.png", "SK12.png", "SK12X_2.png", "RCAP.png", "SK31_SK31G_Manual.png", "SK11R.png", "SK11A.png",
    "SK11R_A.png", "SK31A.png", "SKP5.webp",
    "desktop-export.png", "desktop-export-disabled.png", "desktop-export-report-pdf.png",
    "desktop-export-report-pdf-disabled.png", "android-import.png", "symbol-arrow-back2.png", "pdf.png",
    "delete_bin_orange.png",
    "labeling_placement_back_1.webp", "labeling_placement_back_2.webp", "labeling_placement_box.webp",
    "labeling_protection.webp", "labeling_block_rls.webp",
    "LabelGuide_SK11A_RLS_Enabled.png", "LabelGuide_SK11A_RLS_Disabled.png",
    "LabelGuide_SK11R_A_RLS_Enabled.png", "LabelGuide_SK11R_A_RLS_Disabled.png",
    "LabelGuide_SK31A_RLS_Enabled.png", "LabelGuide_SK31A_RLS_Disabled.png",
};

// Literal picture paths in the sources under dir whose names match filters.
void scanSources(const QString &dir, const QStringList &filters, QMap<QString, QString> &found)
{
    static const QRegularExpression literal(QStringLiteral("[\"'](Pictures/[^\"'\\s]+\\.(?:png|webp|jpg|svg))[\"']"));
    QDirIterator it(dir, filters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        auto m = literal.globalMatch(text);
        while (m.hasNext())
            found.insert(m.next().captured(1), QDir(QStringLiteral(QUORVIK_SOURCE_DIR)).relativeFilePath(file.fileName()));
    }
}

bool near(QRgb pixel, QColor want)
{
    return qAbs(qRed(pixel) - want.red()) < 24 && qAbs(qGreen(pixel) - want.green()) < 24
        && qAbs(qBlue(pixel) - want.blue()) < 24;
}
}

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureLoads_data();
    void everyPictureLoads();
    void reportHeaderShowsTheLogo();

private:
    QQmlEngine m_engine;
};

void TestPictures::initTestCase()
{
    // As the window's loader does.
    auto *selector = new QQmlFileSelector(&m_engine, &m_engine);
    selector->setExtraSelectors({ QStringLiteral("PLB") });
}

void TestPictures::everyPictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("origin");

    QMap<QString, QString> paths;
    for (const char *name : kDocumentedPictures)
        paths.insert(QStringLiteral("Pictures/") + QLatin1String(name), QStringLiteral("documented"));
    const QString src = QStringLiteral(QUORVIK_SOURCE_DIR);
    scanSources(src + QStringLiteral("/qml/Quorvik/Frontend"), { QStringLiteral("*.qml"), QStringLiteral("*.js") }, paths);
    for (const char *dir : { "app", "config", "records", "documents" })
        scanSources(src + QLatin1Char('/') + QLatin1String(dir), { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, paths);

    // The label-guide picture is put together at run time from model and protocol.
    ConfigTables *tables = ConfigTables::instance(nullptr);
    for (int beacon = ConfigTables::E_Skua11; beacon <= ConfigTables::E_SkuaP5; ++beacon) {
        for (int protocol = 0; protocol < tables->maxNoProtocolsAvailable(); ++protocol) {
            const QString url = tables->beaconLablingGuideImageURL(ConfigTables::e_beaconTypes(beacon), protocol);
            if (!url.isEmpty())
                paths.insert(url, QStringLiteral("beaconLablingGuideImageURL(%1, %2)").arg(beacon).arg(protocol));
        }
    }
    for (auto it = paths.cbegin(); it != paths.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

// The window resolves every picture through the "PLB" file selector, relative to
// the module's folder; the picture must be there and decode to something visible.
void TestPictures::everyPictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QString, origin);
    QFileSelector selector;
    selector.setExtraSelectors({ QStringLiteral("PLB") });
    const QString resolved = selector.select(kModuleRoot + path);
    QVERIFY2(QFile::exists(resolved), qPrintable(QStringLiteral("missing, named in ") + origin));

    QImageReader reader(resolved);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), qPrintable(resolved + QStringLiteral(": ") + reader.errorString()));
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(line[x]) > 0;
    }
    QVERIFY2(drawn, qPrintable(resolved + QStringLiteral(" is empty")));

    // And as a page loads it: an Image in a file of the module's folder.
    QQmlComponent component(&m_engine);
    component.setData(QStringLiteral("import QtQuick\nImage { source: \"%1\" }").arg(path).toUtf8(),
                      QUrl(QStringLiteral("qrc") + kModuleRoot + QStringLiteral("PictureProbe.qml")));
    std::unique_ptr<QObject> item(component.create());
    QVERIFY2(item, qPrintable(component.errorString()));
    QTRY_COMPARE(item->property("status").toInt(), 1); // Image.Ready
    QCOMPARE(item->property("sourceSize").toSize(), image.size());
}

// The report is black and white apart from the maker's logo at the top right.
void TestPictures::reportHeaderShowsTheLogo()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EpirbConfig c;
    c.setBeaconType(ConfigTables::E_SkuaP5);
    c.setProtocolId(ConfigTables::E_StdLocationSerialPlb);
    c.setCountryCode(257);
    c.setSerial(QStringLiteral("12345"));
    c.calculateCsMsg();
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(pdfReport().writeReport(pdfReport::Programmed, pdf, c));

    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), { QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                                               QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page")) });
    QVERIFY(raster.waitForFinished(60000));
    QCOMPARE(raster.exitCode(), 0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());

    const QColor corporate(0x00, 0x28, 0x55), signal(0xff, 0x5c, 0x39);
    QRect corporateBox, signalBox;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb px = page.pixel(x, y);
            if (near(px, corporate))
                corporateBox |= QRect(x, y, 1, 1);
            else if (near(px, signal))
                signalBox |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(!corporateBox.isEmpty() && !signalBox.isEmpty(), "no logo colours on the page");
    const QRect topRight(page.width() / 2, 0, page.width() / 2, page.height() / 6);
    QVERIFY2(topRight.contains(corporateBox) && topRight.contains(signalBox), "logo colours outside the header's right");
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
