// Time from process start until the main window has drawn its first frame, offscreen, with
// the start page of a machine that is already set up and with the first-time set-up page of
// a fresh installation; the resident memory then; and what writing the log line by line
// (flushed, so a kill loses nothing) adds to a start.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

// One series of starts; false when a start failed.
static bool series(const QTemporaryDir &home, bool setUp, int runs, std::vector<double> &ms,
                   std::vector<double> &rssMb)
{
    // An operator is set: the start page shows, not the first-time set-up.
    if (setUp) {
        QSettings settings(QDir(home.path()).filePath(QStringLiteral("Aldmar/Quorvik PLB.conf")),
                           QSettings::IniFormat);
        settings.setValue(QStringLiteral("Operator"), QStringLiteral("Bench"));
    }
    for (int i = 0; i < runs; ++i) {
        // Leaving the program stores the operator: each fresh start begins without settings.
        if (!setUp)
            QFile::remove(QDir(home.path()).filePath(QStringLiteral("Aldmar/Quorvik PLB.conf")));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("QUORVIK_REPORT_FIRST_FRAME"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        program.start(QStringLiteral(QUORVIK_BIN_DIR "/QuorvikPLB"), {});
        QByteArray out;
        double firstFrame = -1;
        while (firstFrame < 0 && program.waitForReadyRead(60000)) {
            out += program.readAllStandardOutput();
            if (out.contains("first-frame"))
                firstFrame = double(t.nsecsElapsed()) / 1e6;
        }
        program.waitForFinished(60000);
        out += program.readAllStandardOutput();
        const int at = out.indexOf("first-frame rss-kb ");
        if (firstFrame < 0 || at < 0 || program.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i);
            return false;
        }
        ms.push_back(firstFrame);
        rssMb.push_back(out.mid(at + 19).split('\n').value(0).trimmed().toDouble() / 1024.0);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(rssMb.begin(), rssMb.end());
    return true;
}

// The lines of the last start, written again to a scratch file the two ways.
static bool logFlushFigure(const QTemporaryDir &home)
{
    QFile last(home.filePath(QStringLiteral("Aldmar/Quorvik PLB/Quorvik PLB.log")));
    if (!last.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no log at %s\n", qPrintable(last.fileName()));
        return false;
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
    return true;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir setUpHome;
    for (const bool setUp : { true, false }) {
        QTemporaryDir freshHome;
        std::vector<double> ms;
        std::vector<double> rssMb;
        if (!series(setUp ? setUpHome : freshHome, setUp, runs, ms, rssMb))
            return 1;
        const char *page = setUp ? "start page" : "first-time set-up page";
        std::printf("startup (process start to first frame of the main window, offscreen, %s): median %.1f ms "
                    "over %d runs (min %.1f, max %.1f); target <= 500 ms\n",
                    page, ms[ms.size() / 2], runs, ms.front(), ms.back());
        std::printf("resident memory after the first frame (%s): median %.1f MB (min %.1f, max %.1f); "
                    "target <= 150 MB\n",
                    page, rssMb[rssMb.size() / 2], rssMb.front(), rssMb.back());
    }
    return logFlushFigure(setUpHome) ? 0 : 1;
}
