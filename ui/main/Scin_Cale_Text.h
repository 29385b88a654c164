#pragma once
// Small text conversions of the main window: what the display holds as the
// engine reads it, and the number-to-text form used by the degree conversion.
// The number texts every window shares are in engine/NumberText.h.

#include <QString>
#include <string>

namespace Scin_Cale_Text {

// One byte per character: the radix routines count characters, so a
// character outside ASCII becomes "?" (no digit in any base) instead of
// several bytes.
std::string To_Ascii(const QString &text);

// Symbols that other programs write for the calculator's own characters, in
// those characters: the multiplication and division signs, the dashes and
// minus sign, the full-width ASCII forms and the ideographic blank. Every
// other character stays as it is.
QString Ascii_Symbols(const QString &text);

// A non-negative number with one leading blank and no zero before the
// point: 30 is " 30", 0.25 is " .25", 0 is " 0".
std::string Blank_Number_Text(double value);

// Rounds to the given number of decimal places, halves to the even digit.
double Round_Places(double value, int places);

} // namespace Scin_Cale_Text
