#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class EpirbComm;

// The session's line to the link in its thread. Every request is a queued call that
// carries what the link needs; every report comes back queued, its data read in the
// link's thread at the moment it was made. Reports that belong to an operation already
// stopped are told apart by counting stops asked and stops done.
class LinkChannel : public QObject
{
    Q_OBJECT

public:
    LinkChannel(EpirbComm *link, QObject *parent);

    // Null once the link is gone (shutdown).
    EpirbComm *link() const;
    // An operation is under way (between its request and its stop).
    bool isActive() const { return m_active; }
    // What the link reports now belongs to the operation under way.
    bool isCurrent() const { return m_active && m_stopsDone == m_stopsRequested; }

    // configurationFirst: the configuration page is read before the page asked for, in the
    // same session with the beacon.
    void read(quint8 page, bool configurationFirst = false);
    void verify();
    void write(const QByteArray &block);
    // Opens the port, waits for the beacon's sync and writes: a write with no read before it.
    void productionWrite(const QByteArray &block);
    void stop(const QString &reason);
    void setPortName(const QString &name);

signals:
    void syncReceived(char ch);
    void progressed(double linkProgress);
    // configuration: the configuration page of a read that asked for it first.
    void succeeded(const QByteArray &data, const QByteArray &configuration);
    void failed(int error);
    void timedOut();

private:
    void post(std::function<void(EpirbComm *)> call);

    QPointer<EpirbComm> m_link;
    bool m_active = false;
    quint64 m_stopsRequested = 0;
    quint64 m_stopsDone = 0;
};
