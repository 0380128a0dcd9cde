#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <functional>

// Entry points of a libFuzzer target; the standalone driver calls the same ones.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fuzz {

// The input as bytes, without a copy.
inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A stream fed in pieces: a length byte L, then L bytes (fewer at the end of the
// input); L == 0 stands for time passing without data (a timer running out).
void forEachChunk(const QByteArray &input, const std::function<void(const QByteArray &chunk)> &onChunk,
                  const std::function<void()> &onTimeout);

// An invariant of the code under test does not hold: report and abort, so the
// fuzzer keeps the input.
[[noreturn]] void fail(const char *what);
// Where fail() reports; the standalone driver sends the targets' own output elsewhere.
extern int reportFd;

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            fuzz::fail(#cond);                                                                               \
    } while (0)
