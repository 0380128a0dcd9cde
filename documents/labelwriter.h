#pragma once

#include <QString>

class EpirbConfig;
class QIODevice;

// Writes the three labels as LBX (ZIP of the label editor's XML plus, for the
// programming label, a bitmap) and as one-page PDF of the label's size.
// Every writer returns 0, or a non-zero code after logging one warning.
class LabelWriter
{
public:
    static int writeContactLabelLbx(const QString &text, QIODevice *out);
    static int writeContactLabelPdf(const QString &text, QIODevice *out);
    static int writeCountryLabelLbx(int countryCode, const QString &customName, QIODevice *out);
    static int writeCountryLabelPdf(int countryCode, const QString &customName, QIODevice *out);
    static int writeProgrammingLabelLbx(const EpirbConfig &config, QIODevice *out);
    static int writeProgrammingLabelPdf(const EpirbConfig &config, QIODevice *out);

    // Text made safe to stand as XML character data.
    static QString xmlText(const QString &text);
};
