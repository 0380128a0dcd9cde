// Time from process start until the main window has drawn its first frame, offscreen, with
// the start page of a machine that is already set up; and the resident memory then.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir home;
    // An operator is set: the start page shows, not the first-time set-up.
    {
        QSettings settings(QDir(home.path()).filePath(QStringLiteral("Aldmar/Quorvik PLB.conf")),
                           QSettings::IniFormat);
        settings.setValue(QStringLiteral("Operator"), QStringLiteral("Bench"));
    }
    std::vector<double> ms;
    std::vector<double> rssMb;
    for (int i = 0; i < runs; ++i) {
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
            return 1;
        }
        ms.push_back(firstFrame);
        rssMb.push_back(out.mid(at + 19).split('\n').value(0).trimmed().toDouble() / 1024.0);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(rssMb.begin(), rssMb.end());
    std::printf("startup (process start to first frame of the main window, offscreen): median %.1f ms over %d runs "
                "(min %.1f, max %.1f); target <= 500 ms\n",
                ms[ms.size() / 2], runs, ms.front(), ms.back());
    std::printf("resident memory after the first frame: median %.1f MB (min %.1f, max %.1f); target <= 150 MB\n",
                rssMb[rssMb.size() / 2], rssMb.front(), rssMb.back());
    return 0;
}
