#pragma once

#include <QImage>
#include <QString>

class EpirbConfig;
class QPainter;
class QRectF;

// Draws the three labels: the programming label bitmap from the glyph atlas,
// and the contact and country labels in the "Helsinki" label font.
class LabelMaker
{
public:
    // Pixels per millimetre at 600, 300 and 180 dpi.
    static constexpr double kScale600 = 23.622047;
    static constexpr double kScale300 = 11.811024;
    static constexpr double kScale180 = 7.086614;

    enum LabelKind { ContactLabel, CountryLabel, ProgrammingLabel };

    // "Name (code)": the custom name, else the country list's name, else "Unknown".
    static QString countryString(int countryCode, const QString &customName);
    // Largest size of 5..9 points whose word-wrapped text fits the contact area.
    static int contactFontSize(const QString &text, double scale);
    // Largest size of 6..14 points whose single line fits the country label width.
    static int countryFontSize(const QString &countryString, double scale);

    // Programming label, 37 x 8 mm at 600 dpi; a null image without a message.
    static QImage programmingLabelImage(const EpirbConfig &config);
    // Preview images (40 x 16 mm and 61 x 8 mm at the given scale).
    static QImage contactLabelImage(const QString &text, double scale);
    static QImage countryLabelImage(int countryCode, const QString &customName, double scale);

    // Fills rect white and draws the label text into it; false when the painter is not active.
    static bool drawContactLabel(QPainter &painter, const QRectF &rect, const QString &text, double scale);
    static bool drawCountryLabel(QPainter &painter, const QRectF &rect, const QString &countryString, double scale);

    // trunc(mm x scale)
    static int pixels(double mm, double scale);
};
