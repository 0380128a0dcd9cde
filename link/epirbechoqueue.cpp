#include "link/epirbechoqueue.h"

void EpirbEchoQueue::add(const QByteArray &bytes)
{
    for (char c : bytes)
        m_queue.push_back(c);
}

bool EpirbEchoQueue::consume(char received)
{
    while (!m_queue.empty()) {
        const char front = m_queue.front();
        m_queue.pop_front();
        if (front == received)
            return true;
    }
    return false;
}
