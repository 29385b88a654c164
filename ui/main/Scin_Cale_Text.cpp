#include "ui/main/Scin_Cale_Text.h"

#include "engine/NumberText.h"

#include <cmath>

namespace Scin_Cale_Text {

std::string To_Ascii(const QString &text) {
    std::string ascii;
    ascii.reserve(std::size_t(text.size()));
    for (QChar c : text) ascii.push_back(c.unicode() < 128 ? char(c.unicode()) : '?');
    return ascii;
}

QString Ascii_Symbols(const QString &text) {
    QString mapped = text;
    for (QChar &c : mapped) {
        const char16_t u = c.unicode();
        if (u == u'\u00D7' || u == u'\u00B7')
            c = QLatin1Char('*');
        else if (u == u'\u00F7')
            c = QLatin1Char('/');
        else if (u == u'\u2212' || u == u'\u2012' || u == u'\u2013')
            c = QLatin1Char('-');
        else if (u >= u'\uFF01' && u <= u'\uFF5E')
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == u'\u3000')
            c = QLatin1Char(' ');
    }
    return mapped;
}

std::string Blank_Number_Text(double value) {
    std::string text = CalcModule::Standard_Number_Text(value);
    if (text.starts_with("0.")) text.erase(0, 1);
    return " " + text;
}

double Round_Places(double value, int places) {
    // beyond 300 places the scale would overflow; a double has no such digits anyway
    if (places > 300 || !std::isfinite(value)) return value;
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9007199254740992.0) return value;
    return std::nearbyint(scaled) / scale;
}

} // namespace Scin_Cale_Text
