#pragma once

#include <QString>

// One line of a country list: the numeric MID, its three characters as written, and the name.
struct CountryRow
{
    int code = 0;
    QString codeText;
    QString name;
};
