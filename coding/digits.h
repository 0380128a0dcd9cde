#pragma once

#include <QByteArray>

namespace Digits {

// True for a non-empty text of decimal digits only (no sign, no blanks).
inline bool isDecimal(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

}
