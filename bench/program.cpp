// A whole programming run through the controller - read-before-write, write,
// read-back and compare, database entry - against the beacon simulator paced at a
// real 2400 baud, from the beacon's sync to "PLB programmed successfully".
// Then the same run through the window's pages: GET STARTED, the identification read,
// the wizard walked at machine speed, the transfer, up to the page after it.
#include "app/epirbapp.h"
#include "config/identityrules.h"
#include "session/programmingsession.h"
#include "app/uifonts.h"
#include "config/configtables.h"
#include "config/datablockcodec.h"
#include "config/epirbconfig.h"

#include "beaconsimulator.h"
#include "benchprocess.h"
#include "linkfloor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <algorithm>
#include <cstdio>
#include <vector>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {
using namespace linkfloor;

QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// Runs the event loop until done() holds; false after timeoutMs.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Seconds of program time of one run through the pages, or a negative value on failure.
// The technician's TEST press before the transfer is not the program's time and is left out.
double runThroughPages(BeaconSimulator &sim, int run)
{
    EpirbApp controller({ QStringLiteral("comport=") + sim.devicePath() }, nullptr);
    if (!controller.engine() || controller.engine()->rootObjects().isEmpty())
        return -1;
    auto *window = qobject_cast<QQuickWindow *>(controller.engine()->rootObjects().first());
    QQuickItem *root = window ? window->contentItem() : nullptr;

    QElapsedTimer clock;
    clock.start();
    qint64 readSync = -1, readDone = -1, transferShown = -1, writeSync = -1, done = -1;
    QObject::connect(controller.session(), &ProgrammingSession::phaseChanged, &controller, [&] {
        const ProgrammingSession::Phase phase = controller.session()->phase();
        if (readSync < 0 && phase == ProgrammingSession::Phase::Reading)
            readSync = clock.nsecsElapsed();
        if (writeSync < 0 && phase == ProgrammingSession::Phase::CheckingBeacon)
            writeSync = clock.nsecsElapsed();
    });
    QObject::connect(&controller, &EpirbApp::readbackSucceeded, &controller, [&] {
        (readDone < 0 ? readDone : done) = clock.nsecsElapsed();
    });

    QQuickItem *start = nullptr;
    if (!waitFor([&] { return (start = findItem(root, QStringLiteral("getStartedButton"))) != nullptr; }, 5000))
        return -1;
    // The beacon announces itself when its TEST button is pressed.
    sim.pressTest();
    QMetaObject::invokeMethod(start, "clicked");

    QQuickItem *indicator = nullptr;
    if (!waitFor([&] { return (indicator = findItem(root, QStringLiteral("pageIndicator"))) != nullptr; }, 30000))
        return -1;
    // The driver fills in the identity and walks the wizard to its last page.
    EpirbConfig *pending = controller.configPending();
    // As the country and protocol pages set them: nothing of the beacon's own identity stays.
    IdentityRules::changeCountry(pending, 257);
    IdentityRules::changeProtocol(pending, ConfigTables::E_RlsUserTacPlb);
    pending->setTacNumberRlsPlb(3123);
    pending->setCustomSerial(1234);
    pending->setOwnerName(QStringLiteral("Bench Owner %1").arg(run));
    const int pages = indicator->property("count").toInt();
    for (int i = 1; i < pages; ++i)
        QMetaObject::invokeMethod(indicator, "forwardTapped");
    if (!waitFor([&] { return findItem(root, QStringLiteral("transferProgress")) != nullptr; }, 5000))
        return -1;
    transferShown = clock.nsecsElapsed();
    sim.pressTest();
    if (!waitFor([&] { return done >= 0; }, 30000) || readSync < 0 || writeSync < 0
        || controller.session()->phase() != ProgrammingSession::Phase::Done || controller.progStatusError())
        return -1;
    // The sync characters themselves were on the wire before their slots ran.
    return (readDone - readSync + transferShown - readDone + done - writeSync) / 1e9 + 2 * kByteMs / 1000;
}

void fillPlb(EpirbConfig &config, int run)
{
    config.reset();
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(QStringLiteral("20001"));
    config.setCountryCode(211);
    config.setProtocolId(ConfigTables::E_StdLocationSerialPlb);
    config.setOwnerName(QStringLiteral("Bench Owner %1").arg(run));
    config.calculateCsMsg();
}
}

int main(int argc, char *argv[])
{
    // The window is drawn offscreen; settings and database stay in a folder removed at the end.
    QTemporaryDir home;
    isolateBenchHome(home);
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    nameBenchApplication();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    // The start page (not the first-time set-up) needs an operator on record.
    QSettings().setValue(QStringLiteral("Operator"), QStringLiteral("Bench"));

    EpirbConfig initial(nullptr);
    fillPlb(initial, 0);
    BeaconSimulator::Options o;
    o.sync = 'H';
    o.baud = int(kBaud);
    o.resyncMs = 0;
    o.syncIntervalMs = 500;
    o.block = encodeDataBlock(initial);
    BeaconSimulator sim(o);
    if (!sim.start()) {
        std::fprintf(stderr, "cannot start the beacon simulator\n");
        return 1;
    }

    const double floorMs = cycleFloorMs();
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        EpirbApp controller({}, nullptr, EpirbApp::Headless);
        controller.setSerialText(sim.devicePath());
        fillPlb(*controller.configPending(), i + 1);

        QEventLoop loop;
        bool ok = false;
        QObject::connect(&controller, &EpirbApp::readbackSucceeded, &loop, [&] { ok = true; loop.quit(); });
        QObject::connect(&controller, &EpirbApp::readbackFailed, &loop, &QEventLoop::quit);
        QObject::connect(&controller, &EpirbApp::writeFailed, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);

        controller.startEpirbWrite();
        // The technician presses TEST (a fresh simulator announces itself by itself).
        if (i > 0)
            sim.pressTest();
        QElapsedTimer t;
        QObject::connect(controller.session(), &ProgrammingSession::phaseChanged, &loop, [&] {
            if (!t.isValid() && controller.session()->phase() == ProgrammingSession::Phase::CheckingBeacon)
                t.start();
        });
        loop.exec();
        if (!ok || controller.progStatusError() || !t.isValid()) {
            std::fprintf(stderr, "run %d: %s\n", i, qPrintable(controller.progStatus()));
            return 1;
        }
        // The sync character itself was on the wire before its slot ran.
        seconds.push_back(t.nsecsElapsed() / 1e9 + kByteMs / 1000);
        controller.stopEpirbReceive();
        QEventLoop settle;
        QTimer::singleShot(100, &settle, &QEventLoop::quit);
        settle.exec();
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("programming run (read-before-write, write, verify, database) at 2400 baud: median %.3f s over %d runs "
                "(min %.3f, max %.3f)\n",
                median, runs, seconds.front(), seconds.back());
    std::printf("protocol floor: %.3f s; ratio %.3f; target <= 1.10\n", floorMs / 1000, median * 1000 / floorMs);

    // The same run through the pages.
    UiFonts::install();
    std::vector<double> pageSeconds;
    for (int i = 0; i < runs; ++i) {
        const double s = runThroughPages(sim, i);
        if (s < 0) {
            std::fprintf(stderr, "run %d through the pages failed\n", i);
            return 1;
        }
        pageSeconds.push_back(s);
    }
    sim.stop();
    std::sort(pageSeconds.begin(), pageSeconds.end());
    const double pageMedian = pageSeconds[pageSeconds.size() / 2];
    // The pages read the beacon once more (the identification) before the programming cycle.
    const double pageFloorMs = readFloorMs(true) + floorMs;
    std::printf("through the pages (GET STARTED, identification, wizard, transfer) at 2400 baud: median %.3f s "
                "over %d runs (min %.3f, max %.3f)\n",
                pageMedian, runs, pageSeconds.front(), pageSeconds.back());
    std::printf("protocol floor: %.3f s; ratio %.3f; target <= 1.15\n", pageFloorMs / 1000,
                pageMedian * 1000 / pageFloorMs);
    return 0;
}
