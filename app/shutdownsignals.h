#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// SIGINT and SIGTERM end the program as closing its window does: the event loop
// quits, and settings, database and log are closed on the normal way out. The
// handler only notes the signal (nothing else is safe there); a timer in the GUI
// thread acts on it. A second signal of the same kind ends the process at once.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject *parent);
    ~ShutdownSignals() override;

    // The signal that asked the program to end, 0 while none has.
    static int received();
    // Asked once a signal came: true when the program ends by itself a little later
    // (a beacon being written is finished first).
    void setFinishFirst(std::function<bool()> finishFirst) { m_finishFirst = std::move(finishFirst); }

private:
    void check();

    std::function<bool()> m_finishFirst;
    bool m_finishing = false;
    QTimer m_poll;
    bool m_logged = false;
};
