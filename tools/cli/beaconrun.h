#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class EpirbApp;

// One beacon operation of the controller, driven without a window: the same
// controller, link, codec and database as the program, with a text progress bar
// on stderr instead of the pages.
class BeaconRun : public QObject
{
    Q_OBJECT

public:
    // appArgs are the program's command-line words (e.g. "skipreadback").
    BeaconRun(const QString &port, const QStringList &appArgs, QObject *parent);
    ~BeaconRun() override;

    EpirbApp *app() const { return m_app; }
    // Starts the operation and waits for its result, at most waitSeconds for the beacon
    // to answer at all; true on success. On failure status() tells why.
    bool run(const std::function<void(EpirbApp *)> &start, int waitSeconds);
    QString status() const;
    // The operation ended with the controller's success signal, whatever its status says.
    bool succeeded() const { return m_succeeded; }

    // Takes "--port PATH" and "--wait SECONDS" out of args. False with a reason when
    // the port is missing or a value is bad.
    static bool takeLinkOptions(QStringList &args, QString &port, int &waitSeconds, QString &error);
    // Keeps stderr for the progress bar and warnings unless QUORVIK_CLI_VERBOSE is set.
    static void quietLog();

private:
    void drawProgress(bool final);

    EpirbApp *m_app = nullptr;
    QString m_finalStatus;
    bool m_succeeded = false;
    int m_lastPercent = -1;
    QString m_lastStatus;
};
