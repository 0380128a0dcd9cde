// Qt Quick Test runner for the pages and controls: every tst_*.qml file of this folder
// runs against the real back end (EpirbApp, QML proxy, settings and database in a
// temporary home) and the beacon simulator on a pseudo-terminal.
#include "app/applicationidentity.h"
#include "app/epirbapp.h"
#include "testbeacon.h"

#include <QApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlFileSelector>
#include <QSettings>
#include <QTemporaryDir>
#include <QtQuickTest>

void qml_register_types_Quorvik_Backend();
void qml_register_types_Quorvik_Frontend();
static volatile auto keepBackendTypes = &qml_register_types_Quorvik_Backend;
static volatile auto keepFrontendTypes = &qml_register_types_Quorvik_Frontend;

namespace {
TestBeacon *g_beacon = nullptr;
}

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        TestBeacon::installLogCapture();
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        auto *selector = new QQmlFileSelector(engine, engine);
        selector->setExtraSelectors({ QStringLiteral("PLB") });
        engine->rootContext()->setContextProperty(QStringLiteral("TestBeacon"), g_beacon);
    }
};

int main(int argc, char **argv)
{
    // Settings, database, documents and log stay inside a folder removed at the end.
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char *name : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
        qputenv(name, QDir(home.path()).filePath(QString::fromLatin1(name)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    ApplicationIdentity::apply();
    ApplicationIdentity::installFonts();

    TestBeacon beacon(home.path(), nullptr);
    g_beacon = &beacon;
    {
        // Settings of a machine already set up; the tables read them when the controller starts.
        QSettings settings;
        settings.clear();
        settings.setValue(QStringLiteral("Operator"), QStringLiteral("Test Operator"));
    }
    if (!beacon.restart())
        return 3;
    int rc = 0;
    {
        EpirbApp epirb({ QStringLiteral("comport=") + beacon.devicePath() }, nullptr, EpirbApp::Headless);
        beacon.setApp(&epirb);
        beacon.resetSettings(false);
        Setup setup;
        rc = quick_test_main_with_setup(argc, argv, "quorvik_qml", QUICK_TEST_SOURCE_DIR, &setup);
        beacon.setApp(nullptr);
    }
    g_beacon = nullptr;
    return rc;
}

#include "main.moc"
