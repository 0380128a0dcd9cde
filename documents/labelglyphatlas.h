#pragma once

#include <QString>

class QPainter;
class QRectF;

// The programming label is assembled from pre-rendered glyphs (one PNG, all
// glyphs 110 pixels high, plus a table of horizontal spans) rather than drawn
// with a font, so that it prints identically everywhere.
class LabelGlyphAtlas
{
public:
    static constexpr int kGlyphHeight = 110;
    static constexpr char16_t kRlsMark = 0xF00A;
    static constexpr char16_t kOtherMark = 0xF00B;

    // Loads the atlas once; later calls only report whether it is there.
    static bool prepare();
    // Width of the text in pixels; characters missing from the table take none.
    static int textWidth(const QString &text);
    // Draws text in rect (left- or right-aligned, top at rect's top), each glyph at
    // native size and cut to what remains of rect to its right. Returns the x where
    // the text ends.
    static int drawText(QPainter &painter, const QString &text, const QRectF &rect, bool alignRight);
};
