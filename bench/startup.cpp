// Time from process start until the main window's scene graph is up, offscreen, and
// what writing the log line by line (flushed, so a kill loses nothing) adds to it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir home;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        // The program quits as soon as its constructor returned, i.e. the scene graph is up.
        env.insert(QStringLiteral("QUORVIK_QUIT_AFTER_START"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        program.start(QStringLiteral(QUORVIK_BIN_DIR "/QuorvikPLB"), {});
        if (!program.waitForFinished(60000) || program.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("startup (process start to window up, offscreen, incl. exit): median %.1f ms over %d runs "
                "(min %.1f, max %.1f); target <= 1000 ms\n",
                ms[ms.size() / 2], runs, ms.front(), ms.back());

    // The lines of the last start, written again to a scratch file the two ways.
    QFile last(home.filePath(QStringLiteral("Aldmar/Quorvik PLB/Quorvik PLB.log")));
    if (!last.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no log at %s\n", qPrintable(last.fileName()));
        return 1;
    }
    QList<QByteArray> lines = last.readAll().split('\n');
    lines.removeAll(QByteArray());
    for (QByteArray &line : lines)
        line.append('\n');
    const int repeats = 200;
    auto perLine = [&](bool flush) {
        QFile out(home.filePath(QStringLiteral("flush-bench.log")));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return -1.0;
        QElapsedTimer t;
        t.start();
        for (int r = 0; r < repeats; ++r) {
            for (const QByteArray &line : lines) {
                out.write(line);
                if (flush)
                    out.flush();
            }
        }
        out.close();
        return double(t.nsecsElapsed()) / 1e3 / double(repeats * lines.size());
    };
    const double buffered = perLine(false);
    const double flushed = perLine(true);
    std::printf("log flushed per line: %.2f us/line (buffered %.2f us/line); a start-up writes %d lines, "
                "so flushing adds %.1f us to it, %.2f ms per 1000 lines\n",
                flushed, buffered, int(lines.size()), (flushed - buffered) * double(lines.size()),
                flushed - buffered);
    return 0;
}
