#pragma once

#include <QDir>
#include <QSize>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

class EpirbConfig;
class QObject;
class QQmlEngine;
class QQuickWindow;

// One entry of ScreenPages.qml brought up in its real window: settings and database as the
// entry asks, the scene, then the driver's steps. quorvik-screens takes its picture from it;
// tests walk the same windows.
class ScreenStage
{
public:
    ScreenStage();
    ~ScreenStage();

    // The entries of ScreenPages.qml.
    static QVariantList pages();
    // "<file without .qml>[-<suffix>].png"
    static QString pictureName(const QVariantMap &entry);
    static bool isProduction(const QVariantMap &entry);
    // The production window with a plan, part of it programmed before.
    static bool isBatch(const QVariantMap &entry);
    // A programmed P5 (country 257, user serial protocol); the caller owns it.
    static EpirbConfig *plbConfig(const QString &serial, const QString &owner);

    // Shows the entry; false (with errorString()) when the scene or the driver do not load.
    bool open(const QVariantMap &entry, const QSize &size);
    // What went wrong in reaching the entry's page, or empty.
    QString problem() const;
    QString errorString() const { return m_error; }
    QQuickWindow *window() const { return m_window; }
    void close();

    // Lets bindings, deferred calls, layouts and pictures settle.
    static void settle(QQuickWindow *window, int extraMs);

private:
    static void prepareState(const QVariantMap &entry);

    QVariantMap m_entry;
    QString m_error;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_scene;
    std::unique_ptr<QObject> m_driver;
    QQuickWindow *m_window = nullptr;
};
