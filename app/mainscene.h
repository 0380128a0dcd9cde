#pragma once

#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QQmlApplicationEngine;

// The window: renderer choice, the QML engine and the main scene, and what to do when
// the scene or its graphics cannot start.
class MainScene : public QObject
{
    Q_OBJECT

public:
    explicit MainScene(QObject *parent = nullptr);
    ~MainScene() override;

    // "softwarerender" on the command line or the "SoftwareRender" setting.
    void chooseRenderer(const QStringList &args);
    bool softwareRender() const { return m_softwareRender; }
    // Loads the desktop or the production scene; returns only when its scene graph is up
    // (0) or has failed (-1 graphics, -2 scene).
    int load(const QString &qmlPath, bool production);
    // A failed start: a box, a restart with the software renderer, then the end.
    void handleFailure(int result);
    QQmlApplicationEngine *engine() const { return m_engine; }

private:
    void onSceneObjectCreated(QObject *object, const QUrl &url);

    QQmlApplicationEngine *m_engine = nullptr;
    QEventLoop m_sceneLoop;
    bool m_softwareRender = false;
    int m_sceneResult = 0;
};
