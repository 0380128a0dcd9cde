#pragma once

// Carlito shipped inside the program: the window asks for "Calibri", which most
// machines outside Windows lack; Carlito has the same metrics.
class UiFonts
{
public:
    // Adds the fonts and makes "Calibri" resolve to them. Missing fonts only log a warning.
    static void install();
    static const char *family() { return "Calibri"; }
};
