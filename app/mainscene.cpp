#include "app/mainscene.h"

#include "app/epirbapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlFileSelector>
#include <QQuickWindow>
#include <QSettings>
#include <QTimer>

MainScene::MainScene(QObject *parent)
    : QObject(parent)
{
}

MainScene::~MainScene()
{
    delete m_engine;
}

void MainScene::chooseRenderer(const QStringList &args)
{
    QString value;
    if (EpirbApp::commandLineValue(args, QStringLiteral("softwarerender"), value))
        m_softwareRender = true;
    else
        m_softwareRender = QSettings().value(QStringLiteral("SoftwareRender"), false).toBool();

    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    if (os.type() == QOperatingSystemVersion::Windows && os.majorVersion() == 6
        && (os.minorVersion() == 1 || os.minorVersion() == 2)) {
        qWarning() << "Forcing software renderer due to Windows version";
        m_softwareRender = true;
    }
    if (m_softwareRender) {
        QQuickWindow::setSceneGraphBackend(QStringLiteral("software"));
        qInfo() << "Using software renderer";
    }
}

int MainScene::load(const QString &qmlPath, bool production)
{
    m_sceneResult = 0;
    m_engine = new QQmlApplicationEngine(this);
    m_engine->addImportPath(QStringLiteral("qrc:/"));
    m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    auto *selector = new QQmlFileSelector(m_engine, m_engine);
    selector->setExtraSelectors({ QStringLiteral("PLB") });

    connect(m_engine, &QQmlApplicationEngine::objectCreated, this, &MainScene::onSceneObjectCreated);
    const QString scene = production ? QStringLiteral("QMLSceneProduction.qml") : QStringLiteral("QMLScene.qml");
    m_engine->load(QUrl(qmlPath + scene));

    if (m_sceneResult == 0)
        m_sceneResult = m_sceneLoop.exec();
    return m_sceneResult;
}

void MainScene::onSceneObjectCreated(QObject *object, const QUrl &url)
{
    qInfo().noquote() << "Creation of " + url.toString() + (object ? " succeeded." : " failed.");
    const QString file = url.fileName();
    if (file != QLatin1String("QMLScene.qml") && file != QLatin1String("QMLSceneProduction.qml"))
        return;
    if (!object) {
        qCritical() << "Failed to load main scene object. Terminating";
        m_sceneResult = -2;
        return;
    }
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window) {
        // Nothing would ever end the wait for a scene graph: fail like a missing scene.
        qCritical() << "Main scene is not a window. Terminating";
        m_sceneResult = -2;
        return;
    }
    connect(window, &QQuickWindow::sceneGraphError, this,
            [this](QQuickWindow::SceneGraphError error, const QString &message) {
                qWarning().noquote() << message;
                if (error == QQuickWindow::ContextNotAvailable) {
                    qWarning() << "Failed to load graphics context";
                    m_sceneLoop.exit(-1);
                }
            });
    connect(window, &QQuickWindow::sceneGraphInitialized, this, [this]() { m_sceneLoop.exit(0); }, Qt::SingleShotConnection);
    // A render context shared with an earlier window is not initialised again; the first
    // frame shows the scene graph is up just as well.
    connect(window, &QQuickWindow::frameSwapped, this, [this]() { m_sceneLoop.exit(0); }, Qt::SingleShotConnection);
}

void MainScene::handleFailure(int result)
{
    if (result == 0)
        return;
    const QString backendTitle = tr("Failed to graphics backend");
    const QString backendText = tr("Could not load the graphics backend. Application will terminate.");
    if (result == -1 && m_softwareRender) {
        QMessageBox::critical(nullptr, backendTitle, backendText, QMessageBox::Ok);
    } else if (result == -1) {
        const QStringList restartArgs = QCoreApplication::arguments() << QStringLiteral("softwarerender");
        QSettings settings;
        settings.setValue(QStringLiteral("SoftwareRender"), true);
        settings.sync();
        qInfo() << "Enabling forced software renderer";
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), restartArgs, QDir::currentPath()))
            QMessageBox::critical(nullptr, backendTitle, backendText, QMessageBox::Ok);
    } else {
        QMessageBox::critical(nullptr, tr("Failed to load main window"),
                              tr("Could not load the main window. Application will terminate."), QMessageBox::Ok);
    }
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

