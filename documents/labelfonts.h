#pragma once

// The "Helsinki" label fonts shipped inside the program.
class LabelFonts
{
public:
    // Adds both fonts to the application font database and makes the family
    // "Helsinki" resolve to them. Missing fonts only log a warning.
    static void install();
    static const char *family() { return "Helsinki"; }
};
