#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

// One log file per run plus stderr; every Qt message of every thread goes through it.
class logger
{
public:
    // Scope object used by the process entry: owns the logger while it lives.
    class instance
    {
    public:
        instance();
        virtual ~instance();
        instance(const instance &) = delete;
        instance &operator=(const instance &) = delete;

    private:
        bool m_owner = false;
    };

    logger();
    virtual ~logger();
    logger(const logger &) = delete;
    logger &operator=(const logger &) = delete;

    QString fileName() const { return m_file.fileName(); }

    // The finished line, as written to both outputs.
    static QString formatLine(QtMsgType type, const QString &msg);

private:
    friend void loggerMessageHandler(QtMsgType, const QMessageLogContext &, const QString &);
    QFile m_file;
};

void loggerMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);
