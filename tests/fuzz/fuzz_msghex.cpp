// The text "quorvik-cli msg decode" takes: a message or a hex ID in hex digits.
#include "fuzzcommon.h"

#include "../../tools/cli/clicommand.h"
#include "../../tools/cli/msgcommand.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    const int result = runMsgCommand({ QStringLiteral("decode"), text });
    // Failure: decoded and printed, but a BCH code fails or something cannot be read.
    FUZZ_CHECK(result == cli::Ok || result == cli::Failure || result == cli::BadUsage);
    if (result == cli::BadUsage)
        return 0;
    // Only hex digits in one of the documented counts are a message or an ID.
    static const QList<int> counts = { 15, 22, 28, 30, 36 };
    FUZZ_CHECK(counts.contains(int(text.size())));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        FUZZ_CHECK((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f'));
    }
    return 0;
}
