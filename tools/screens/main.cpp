// quorvik-screens: one PNG per page of the front end, taken offscreen from the real
// scenes with a simulated beacon on the serial line. The pages are listed in ScreenPages.qml.
#include "app/applicationidentity.h"
#include "app/epirbapp.h"
#include "app/uilanguage.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include "beaconsimulator.h"
#include "screenstage.h"
#include "shownlanguage.h"
#include "textfit.h"

#include <QAccessible>
#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QQuickWindow>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {

const char *const kSerial = "31337";

// Documents the pages would open are only noted.
class DesktopSink : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { std::printf("  (would open %s)\n", qPrintable(url.toLocalFile())); }
};

bool takePicture(ScreenStage &stage, const QVariantMap &entry, const QSize &size, const QDir &out, bool checkFit,
                 bool checkLanguage)
{
    if (!stage.open(entry, size)) {
        std::fprintf(stderr, "%s\n", qPrintable(stage.errorString()));
        return false;
    }
    const QString problem = stage.problem();
    const QStringList overflows = checkFit ? TextFit::overflows(stage.window()->contentItem()) : QStringList();
    // The gallery is the developers' page of controls; its captions name the controls.
    const QStringList english = checkLanguage && !ScreenStage::pictureName(entry).startsWith(QLatin1String("ControlGallery"))
        ? ShownLanguage::englishTexts(stage.window()->contentItem())
        : QStringList();
    const QImage picture = stage.window()->grabWindow();
    const QString path = out.filePath(ScreenStage::pictureName(entry));
    stage.close();
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(problem));
        return false;
    }
    for (const QString &overflow : overflows)
        std::fprintf(stderr, "%s: text does not fit: %s\n", qPrintable(path), qPrintable(overflow));
    for (const QString &text : english)
        std::fprintf(stderr, "%s: English text on a translated page: %s\n", qPrintable(path), qPrintable(text));
    std::printf("%s\n", qPrintable(path));
    return overflows.isEmpty() && english.isEmpty();
}

}

int main(int argc, char *argv[])
{
    // Settings and database of the run live in a folder removed at the end.
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char *name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    ApplicationIdentity::apply();
    ApplicationIdentity::installFonts();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes one PNG per page of the Quorvik PLB window."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Window size (default 1250x900)."),
                                        QStringLiteral("WxH"), QStringLiteral("1250x900"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Only pictures whose name contains TEXT."),
                                        QStringLiteral("TEXT"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            QStringLiteral("Language of the pages: en, nb or de (default en)."),
                                            QStringLiteral("CODE"), QStringLiteral("en"));
    const QCommandLineOption fitOption(QStringLiteral("check-fit"),
                                       QStringLiteral("Fail when a text is larger than the box it is shown in."));
    const QCommandLineOption languageCheckOption(
        QStringLiteral("check-language"),
        QStringLiteral("Fail when a page shown in nb or de holds an English text or accessible name."));
    parser.addOptions({ outOption, sizeOption, onlyOption, languageOption, fitOption, languageCheckOption });
    parser.process(app);
    if (!parser.isSet(outOption)) {
        std::fprintf(stderr, "quorvik-screens: --out DIR is required\n");
        return 2;
    }
    const QStringList wh = parser.value(sizeOption).split(QLatin1Char('x'));
    const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
    if (wh.size() != 2 || size.width() <= 0 || size.height() <= 0) {
        std::fprintf(stderr, "quorvik-screens: --size must be WxH, e.g. 1250x900\n");
        return 2;
    }
    const int language = UiLanguage::choiceFromCode(parser.value(languageOption));
    if (language < 0 || language == UiLanguage::System) {
        std::fprintf(stderr, "quorvik-screens: --language must be en, nb or de\n");
        return 2;
    }
    // Before any page is made; the pictures of one run share one language.
    UiLanguage::instance()->apply(UiLanguage::Choice(language));
    // Accessible names are read from the accessibility tree, which Qt Quick fills only then.
    const bool checkLanguage = parser.isSet(languageCheckOption) && language != UiLanguage::English;
    if (checkLanguage)
        QAccessible::setActive(true);
    QDir out(parser.value(outOption));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "quorvik-screens: cannot create %s\n", qPrintable(out.path()));
        return 2;
    }

    DesktopSink desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");

    // The simulated adapter with a programmed PLB behind it.
    BeaconSimulator::Options simOptions;
    simOptions.syncIntervalMs = 500;
    simOptions.resyncMs = 0;
    {
        std::unique_ptr<EpirbConfig> config(ScreenStage::plbConfig(QString::fromLatin1(kSerial), QStringLiteral("Kari Nordmann")));
        simOptions.block = encodeDataBlock(*config);
    }
    BeaconSimulator sim(simOptions);
    if (!sim.start()) {
        std::fprintf(stderr, "quorvik-screens: the beacon simulator did not start\n");
        return 1;
    }

    const QVariantList pages = ScreenStage::pages();
    if (pages.isEmpty())
        return 1;

    int failures = 0;
    QSet<QString> names;
    for (const QVariant &value : std::as_const(pages)) {
        const QString name = ScreenStage::pictureName(value.toMap());
        if (names.contains(name)) {
            std::fprintf(stderr, "ScreenPages.qml: %s twice; give one a suffix\n", qPrintable(name));
            ++failures;
        }
        names.insert(name);
    }
    // A plan of five in the middle of its shift: two beacons programmed and one failed before,
    // the simulated beacon the next in hand.
    QTemporaryDir planDir;
    const QString planPath = planDir.filePath(QStringLiteral("shift-2026-12-09.csv"));
    {
        QFile plan(planPath);
        QFile record(planDir.filePath(QStringLiteral("shift-2026-12-09-record.csv")));
        if (!plan.open(QIODevice::WriteOnly) || !record.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "quorvik-screens: cannot write the staged plan\n");
            return 1;
        }
        plan.write("serial,owner_name\n31335,Astrid Lie\n31336,Bjorn Dahl\n31337,Kari Nordmann\n"
                   "31338,Ola Berg\n31339,Siri Moe\n");
        // A record written in the language the pictures show.
        const QString ok = QCoreApplication::translate("ProgrammingSession", "PLB programmed successfully");
        const QString failed = QCoreApplication::translate("ProgrammingSession", "PLB verification failed");
        record.write(QStringLiteral("serial,hexid,checksum,protocol,country,batteryexpiry,result,status,time,station,operator\n"
                                    "31335,,,15,211,072031,ok,\"%1\",,,\n31336,,,15,211,072031,ok,\"%1\",,,\n"
                                    "31338,,,15,211,072031,failed,\"%2\",,,\n")
                         .arg(ok, failed)
                         .toUtf8());
    }
    for (const int scene : { 0, 1, 2 }) {
        const bool production = scene > 0;
        QStringList args{ QStringLiteral("comport=") + sim.devicePath() };
        if (scene == 1)
            args << QStringLiteral("production") << QStringLiteral("serialno=31337")
                 << QStringLiteral("country=257");
        if (scene == 2)
            args << QStringLiteral("production") << QStringLiteral("plan=") + planPath
                 << QStringLiteral("country=211") << QStringLiteral("protocol=15")
                 << QStringLiteral("batteryexpiry=072031");
        std::unique_ptr<EpirbApp> epirb;
        ScreenStage stage;
        for (const QVariant &value : std::as_const(pages)) {
            const QVariantMap entry = value.toMap();
            if (ScreenStage::isProduction(entry) != production || ScreenStage::isBatch(entry) != (scene == 2))
                continue;
            if (parser.isSet(onlyOption) && !ScreenStage::pictureName(entry).contains(parser.value(onlyOption)))
                continue;
            if (!epirb)
                epirb = std::make_unique<EpirbApp>(args, nullptr, EpirbApp::Headless);
            // The operator connects the beacon the window waits for.
            if (scene == 2)
                sim.pressTest();
            if (!takePicture(stage, entry, size, out, parser.isSet(fitOption), checkLanguage))
                ++failures;
        }
    }
    sim.stop();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return failures == 0 ? 0 : 1;
}

#include "main.moc"
