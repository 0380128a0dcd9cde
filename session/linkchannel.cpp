#include "session/linkchannel.h"

#include "link/epirbcomm.h"

LinkChannel::LinkChannel(EpirbComm *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    connect(link, &EpirbComm::success, this, [this, link](int) {
        const QByteArray data = link->readData();
        const QByteArray configuration = link->configurationData();
        QMetaObject::invokeMethod(this, [this, data, configuration] { emit succeeded(data, configuration); },
                                  Qt::QueuedConnection);
    }, Qt::DirectConnection);
    connect(link, &EpirbComm::comProgressChanged, this, [this, link] {
        const double value = link->progress();
        QMetaObject::invokeMethod(this, [this, value] { emit progressed(value); }, Qt::QueuedConnection);
    }, Qt::DirectConnection);
    connect(link, &EpirbComm::syncReceived, this, &LinkChannel::syncReceived, Qt::QueuedConnection);
    connect(link, &EpirbComm::failure, this, &LinkChannel::failed, Qt::QueuedConnection);
    connect(link, &EpirbComm::timeout, this, &LinkChannel::timedOut, Qt::QueuedConnection);
    connect(link, &EpirbComm::stopped, this, [this] { ++m_stopsDone; }, Qt::QueuedConnection);
}

EpirbComm *LinkChannel::link() const
{
    return m_link.data();
}

void LinkChannel::post(std::function<void(EpirbComm *)> call)
{
    // The link goes first at shutdown; what is asked of it then has nobody to do it.
    EpirbComm *link = m_link.data();
    if (!link)
        return;
    QMetaObject::invokeMethod(link, [link, call] { call(link); }, Qt::QueuedConnection);
}

void LinkChannel::read(quint8 page, bool configurationFirst)
{
    m_active = true;
    post([page, configurationFirst](EpirbComm *link) {
        link->setPage(page, configurationFirst);
        link->receiveStart();
    });
}

void LinkChannel::verify()
{
    m_active = true;
    post([](EpirbComm *link) {
        link->setPage(0);
        link->verifyStart();
    });
}

void LinkChannel::write(const QByteArray &block)
{
    m_active = true;
    post([block](EpirbComm *link) {
        link->setWriteData(block);
        link->transmitStart();
    });
}

void LinkChannel::productionWrite(const QByteArray &block)
{
    m_active = true;
    post([block](EpirbComm *link) {
        link->setWriteData(block);
        link->transmitProductionStart();
    });
}

void LinkChannel::stop(const QString &reason)
{
    m_active = false;
    ++m_stopsRequested;
    post([reason](EpirbComm *link) { link->on_requestStop(reason); });
}

void LinkChannel::setPortName(const QString &name)
{
    post([name](EpirbComm *link) { link->setPortName(name); });
}
