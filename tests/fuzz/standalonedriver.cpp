// Runs a fuzz target without libFuzzer (compilers without it, e.g. gcc): every
// file of the seed corpus, then a fixed number of deterministic mutations of them.
// Usage: <target> [-runs=N] [-max_total_time=S] [-seed=S] [-max_len=N] [-dict=FILE] CORPUS_DIR_OR_FILE...
// -runs=-1 runs until -max_total_time.
#include "fuzzcommon.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// splitmix64: the same sequence on every machine.
struct Random
{
    quint64 state;
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(qsizetype n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
};

// libFuzzer's dictionary format: one "quoted" token per line, \xNN escapes.
QList<QByteArray> readDictionary(const QString &path)
{
    QList<QByteArray> tokens;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tokens;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        const int open = line.indexOf('"');
        const int close = line.lastIndexOf('"');
        if (line.startsWith('#') || open < 0 || close <= open)
            continue;
        QByteArray token;
        for (int i = open + 1; i < close; ++i) {
            if (line.at(i) == '\\' && i + 1 < close) {
                const char c = line.at(++i);
                if (c == 'x' && i + 2 < close) {
                    token.append(char(line.mid(i + 1, 2).toInt(nullptr, 16)));
                    i += 2;
                } else {
                    token.append(c);
                }
            } else {
                token.append(line.at(i));
            }
        }
        tokens.append(token);
    }
    return tokens;
}

QByteArray mutate(QByteArray input, const QList<QByteArray> &seeds, const QList<QByteArray> &dict, Random &rng,
                  int maxLength)
{
    const int steps = 1 + rng.below(4);
    for (int s = 0; s < steps; ++s) {
        const qsizetype n = input.size();
        switch (rng.below(9)) {
        case 0: // flip a bit
            if (n)
                input[rng.below(n)] = char(input.at(rng.below(n)) ^ char(1 << rng.below(8)));
            break;
        case 1: // a random byte
            if (n)
                input[rng.below(n)] = char(rng.next());
            break;
        case 2: // an interesting byte
            if (n) {
                static const char interesting[] = { 0, 1, 0x7F, char(0x80), char(0xFF), '0', 'A', '\n', '"' };
                input[rng.below(n)] = interesting[rng.below(sizeof interesting)];
            }
            break;
        case 3: // insert bytes
            input.insert(rng.below(n + 1), QByteArray(1 + rng.below(8), char(rng.next())));
            break;
        case 4: // erase a range
            if (n)
                input.remove(rng.below(n), 1 + rng.below(qMin<qsizetype>(n, 16)));
            break;
        case 5: // cut the end off
            input.truncate(rng.below(n + 1));
            break;
        case 6: // repeat a piece
            if (n) {
                const int at = rng.below(n);
                input.insert(rng.below(n + 1), input.mid(at, 1 + rng.below(32)));
            }
            break;
        case 7: // a dictionary token over or into the input
            if (!dict.isEmpty()) {
                const QByteArray &token = dict.at(rng.below(dict.size()));
                const int at = rng.below(n + 1);
                if (rng.below(2))
                    input.insert(at, token);
                else
                    input.replace(at, token.size(), token);
            }
            break;
        case 8: // splice with another seed
            if (!seeds.isEmpty()) {
                const QByteArray &other = seeds.at(rng.below(seeds.size()));
                const int cut = rng.below(n + 1);
                input = input.left(cut) + other.mid(qMin<qsizetype>(cut, other.size()));
            }
            break;
        }
    }
    input.truncate(maxLength);
    return input;
}

// The input under test, kept by the crash handler as "crash-standalone".
const std::vector<uint8_t> *s_current = nullptr;

void onCrash(int signal)
{
    const int fd = ::open("crash-standalone", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0 && s_current) {
        if (::write(fd, s_current->data(), s_current->size()) < 0) { }
        ::close(fd);
    }
    static const char note[] = "crash: input written to crash-standalone\n";
    if (::write(fuzz::reportFd, note, sizeof note - 1) < 0) { }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void run(const QByteArray &input)
{
    // A copy of its own, so that reading past the end is caught by the sanitizers.
    const std::vector<uint8_t> copy(input.begin(), input.end());
    s_current = &copy;
    LLVMFuzzerTestOneInput(copy.data(), copy.size());
    s_current = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    long long runs = 0;
    long long maxSeconds = 0;
    quint64 seed = 1;
    int maxLength = 4096;
    QList<QByteArray> dict;
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("-runs="))
            runs = arg.mid(6).toLongLong();
        else if (arg.startsWith("-max_total_time="))
            maxSeconds = arg.mid(16).toLongLong();
        else if (arg.startsWith("-seed="))
            seed = arg.mid(6).toULongLong();
        else if (arg.startsWith("-max_len="))
            maxLength = arg.mid(9).toInt();
        else if (arg.startsWith("-dict="))
            dict = readDictionary(QString::fromLocal8Bit(arg.mid(6)));
        else if (arg.startsWith('-'))
            continue; // libFuzzer flags without meaning here
        else
            inputs << QString::fromLocal8Bit(arg);
    }

    // The targets' own output (rejections printed by the code under test) is not ours.
    const int report = ::dup(STDERR_FILENO);
    FILE *out = ::fdopen(report, "w");
    if (qEnvironmentVariableIsEmpty("QUORVIK_FUZZ_VERBOSE")) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
    }
    fuzz::reportFd = report;
    for (int sig : { SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL })
        ::signal(sig, onCrash);

    LLVMFuzzerInitialize(&argc, &argv);

    QList<QByteArray> seeds;
    for (const QString &path : inputs) {
        QStringList files;
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
            files.sort();
        } else {
            files << path;
        }
        for (const QString &f : files) {
            QFile file(f);
            if (file.open(QIODevice::ReadOnly))
                seeds << file.readAll();
        }
    }

    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &s : seeds)
        run(s);
    Random rng { seed };
    QList<QByteArray> pool = seeds;
    if (pool.isEmpty())
        pool << QByteArray();
    long long k = 0;
    for (; runs < 0 || k < runs; ++k) {
        if (maxSeconds > 0 && (k & 63) == 0 && timer.elapsed() >= maxSeconds * 1000)
            break;
        const QByteArray input = mutate(pool.at(rng.below(pool.size())), seeds, dict, rng, maxLength);
        run(input);
        // Keep some mutants as parents: deeper changes without coverage feedback.
        if (rng.below(8) == 0 && pool.size() < 4096)
            pool << input;
    }
    std::fprintf(out, "Done %lld runs (%lld seed inputs, %lld mutations) in %lld ms\n",
                 static_cast<long long>(seeds.size()) + k, static_cast<long long>(seeds.size()), k,
                 static_cast<long long>(timer.elapsed()));
    std::fflush(out);
    // Skips static destructors, as libFuzzer does.
    std::_Exit(0);
}
