#pragma once

// What every program that shows the window sets up the same way: the names that decide
// where settings, database and log live, the control style, and the fonts.
class ApplicationIdentity
{
public:
    // Organisation, application name and version, and the Quick Controls style.
    static void apply();
    // The label fonts and the window font ("Calibri", served by the shipped Carlito).
    static void installFonts();
};
