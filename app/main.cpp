#include "app/applicationidentity.h"
#include "app/epirbapp.h"
#include "app/logger.h"
#include "app/shutdownsignals.h"
#include "app/uilanguage.h"

#include <QApplication>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

// Both QML modules are static libraries: reference their registrations so the linker keeps them.
void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

// The start-up benchmark: once a full frame of the window has been drawn, print the
// resident memory on stdout and quit.
static void reportFirstFrame(EpirbApp *epirbApp)
{
    QQuickWindow *window = nullptr;
    if (epirbApp->engine() && !epirbApp->engine()->rootObjects().isEmpty())
        window = qobject_cast<QQuickWindow *>(epirbApp->engine()->rootObjects().constFirst());
    const auto report = [] {
        qint64 rssKb = -1;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    rssKb = line.mid(6).trimmed().split(' ').value(0).toLongLong();
            }
        }
        std::printf("first-frame rss-kb %lld\n", static_cast<long long>(rssKb));
        std::fflush(stdout);
        QCoreApplication::quit();
    };
    if (!window) {
        QTimer::singleShot(0, qApp, report);
        return;
    }
    // The scene graph may be up before anything was drawn: wait for a frame drawn after it.
    QObject::connect(window, &QQuickWindow::frameSwapped, qApp, report, Qt::SingleShotConnection);
    window->requestUpdate();
}

int main(int argc, char *argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    auto *app = new QApplication(argc, argv);
    ApplicationIdentity::apply();

    auto *log = new logger::instance();

    // Resources are compiled into the program and registered before main runs.
    ApplicationIdentity::installFonts();

    // Before the first text is made: the window starts in the language chosen or the system's.
    UiLanguage::instance()->applyStored();

    auto *parser = new QCommandLineParser();
    parser->setApplicationDescription(QCoreApplication::translate("main", "Programming utility for Epirbs."));
    parser->addHelpOption();
    parser->addVersionOption();
    const struct { const char *name; const char *description; } entries[] = {
        { "qmlpath", QT_TRANSLATE_NOOP("main", "Path to Available QML files.") },
        { "skipreadback", QT_TRANSLATE_NOOP("main", "Skip the readback before programming.") },
        { "beacontype", QT_TRANSLATE_NOOP("main", "Beacon identifier") },
        { "serialno", QT_TRANSLATE_NOOP("main", "Beacon serial number") },
        { "production", QT_TRANSLATE_NOOP("main", "Production run") },
        { "country", QT_TRANSLATE_NOOP("main", "National Country code") },
        { "batteryexpiry", QT_TRANSLATE_NOOP("main", "Expiry date") },
        { "protocol", QT_TRANSLATE_NOOP("main", "Protocol to program") },
        { "bracket", QT_TRANSLATE_NOOP("main", "Bracket to program") },
        { "softwarerender", QT_TRANSLATE_NOOP("main", "Use software renderer") },
    };
    for (const auto &entry : entries)
        parser->addPositionalArgument(QLatin1String(entry.name),
                                      QCoreApplication::translate("main", entry.description), QString());
    parser->process(*app);

    auto *shutdown = new ShutdownSignals(nullptr);
    auto *epirbApp = new EpirbApp(parser->positionalArguments(), nullptr);
    UiLanguage::instance()->addEngine(epirbApp->engine());
    shutdown->setFinishFirst([epirbApp] { return epirbApp->finishBeaconInHandBeforeQuit(); });
    // Smoke tests and the start-up benchmark stop once the window is up.
    if (qEnvironmentVariableIsSet("QUORVIK_REPORT_FIRST_FRAME"))
        reportFirstFrame(epirbApp);
    else if (qEnvironmentVariableIsSet("QUORVIK_QUIT_AFTER_START"))
        QTimer::singleShot(0, app, &QCoreApplication::quit);
    const int rc = QApplication::exec();

    delete epirbApp;
    delete shutdown;
    delete parser;
    // The last line of every run that ended in order; a log without it ended otherwise.
    qInfo().noquote() << "Log closed, exit code " + QString::number(rc);
    delete log;
    delete app;
    return rc;
}
