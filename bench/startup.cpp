// Time from process start until the main window's scene graph is up, offscreen.
#include <QCoreApplication>
#include <QElapsedTimer>
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
    return 0;
}
