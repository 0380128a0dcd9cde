#include "logger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>
#include <mutex>

namespace {
logger *g_logger = nullptr;
// Both threads log; one lock keeps a line whole in stderr and in the file, and
// guards the logger pointer against the scope object deleting it meanwhile.
std::mutex g_logMutex;
}

logger::instance::instance()
{
    // Only the process entry creates the scope object, before any other thread exists.
    if (g_logger)
        return;
    m_owner = true;
    // Built outside the lock: the constructor itself logs.
    logger *created = new logger();
    std::lock_guard<std::mutex> lock(g_logMutex);
    g_logger = created;
}

logger::instance::~instance()
{
    if (!m_owner)
        return;
    logger *old = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_logMutex);
        old = g_logger;
        g_logger = nullptr;
    }
    delete old;
}

logger::logger()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dir);
    m_file.setFileName(dir + QDir::separator() + QCoreApplication::applicationName() + QStringLiteral(".log"));
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qInfo().noquote() << "Log opened at " + m_file.fileName();
    else
        qWarning().noquote() << "Could not open log opened at " + m_file.fileName() + ": " + m_file.errorString();
    qInstallMessageHandler(loggerMessageHandler);
}

logger::~logger()
{
    m_file.close();
}

QString logger::formatLine(QtMsgType type, const QString &msg)
{
    const char *tag = "";
    switch (type) {
    case QtDebugMsg: tag = "[DEBUG  ] "; break;
    case QtInfoMsg: tag = "[INFO   ] "; break;
    case QtWarningMsg: tag = "[WARNING] "; break;
    case QtCriticalMsg: tag = "[ERROR  ] "; break;
    case QtFatalMsg: tag = "[FATAL  ] "; break;
    }
    return QLatin1Char('[') + QDateTime::currentDateTime().toString(Qt::ISODate) + QStringLiteral("] ")
        + QLatin1String(tag) + msg + QLatin1Char('\n');
}

void loggerMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    const QByteArray line = logger::formatLine(type, msg).toLocal8Bit();
    std::lock_guard<std::mutex> lock(g_logMutex);
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    if (g_logger && g_logger->m_file.isOpen()) {
        g_logger->m_file.write(line);
        // The log has to explain a crash or a kill: nothing may wait in the buffer.
        g_logger->m_file.flush();
    }
}
