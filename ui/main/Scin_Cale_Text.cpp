#include "ui/main/Scin_Cale_Text.h"

#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <string_view>

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

std::optional<std::int32_t> Read_Hex(const QString &text) {
    if (text.isEmpty()) return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        int digit;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + std::uint64_t(digit);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return std::int32_t(std::uint32_t(value));
}

std::string Radix_Text(std::int32_t value, int base) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::uint32_t(value), base).ptr;
    std::string text(buffer, end);
    for (char &c : text)
        if (c >= 'a' && c <= 'f') c = char(c - 'a' + 'A');
    return text;
}

std::string Whole_Number_Text(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    if (result.ec != std::errc()) return CalcModule::Standard_Number_Text(value);
    std::string text(buffer, result.ptr);
    if (text == "-0") text = "0";
    return text;
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
