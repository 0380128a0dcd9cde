#include "fuzzcommon.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
int s_argc = 1;
char s_arg0[] = "quorvik-fuzz";
char *s_argv[] = { s_arg0, nullptr };

// Diagnostics of rejected input are expected by the million; formatting them is
// enough exercise, writing them would only slow the run down.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "qFatal: %s\n", qPrintable(message));
        std::abort();
    }
}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (QCoreApplication::instance())
        return 0;
    // Settings and folders of a test run, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Aldmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvik PLB fuzz"));
    if (qEnvironmentVariableIsEmpty("QUORVIK_FUZZ_VERBOSE"))
        qInstallMessageHandler(quiet);
    new QCoreApplication(s_argc, s_argv);
    return 0;
}

namespace fuzz {

void forEachChunk(const QByteArray &input, const std::function<void(const QByteArray &)> &onChunk,
                  const std::function<void()> &onTimeout)
{
    qsizetype at = 0;
    while (at < input.size()) {
        const int length = quint8(input.at(at++));
        if (length == 0) {
            onTimeout();
            continue;
        }
        const QByteArray chunk = input.mid(at, length);
        at += chunk.size();
        onChunk(chunk);
    }
}

int reportFd = 2;

void fail(const char *what)
{
    const QByteArray line = QByteArray("fuzz invariant broken: ") + what + '\n';
    if (::write(reportFd, line.constData(), size_t(line.size())) < 0) { }
    std::abort();
}

} // namespace fuzz
