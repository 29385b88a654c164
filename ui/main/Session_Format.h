#pragma once
// A session file: what the main window keeps (memories, history, statistics,
// letter values, modes and the two text lines) as UTF-8 JSON. Plain C++, no
// window involved, so that the reader can be tried on any bytes by itself.
// The format is described in docs/session-format.md.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Session_Format {

inline constexpr std::string_view Format_Name = "quorvex-session";
inline constexpr int Version = 1;
// larger files are refused before they are read; a save that would pass it
// is refused too, so that every saved session can be opened again
inline constexpr std::int64_t Size_Limit = 16 * 1024 * 1024;
inline constexpr std::size_t Max_Statistics = 101;
// deeper nesting is refused, so that no file can exhaust the stack
inline constexpr int Max_Depth = 64;

struct Stat_Entry {
    double Value = 0;
    std::string Text; // the line of the statistics list, as it was shown
};

struct Session_State {
    std::array<std::string, 5> Memories;
    std::string History; // lines ending in CR LF
    std::vector<Stat_Entry> Statistics;
    std::array<double, 26> Letters{};
    std::uint8_t Number_Base = 10;
    std::uint8_t Word_Length = 32;
    std::uint8_t Angle_Unit = 0;
    bool Inverse = false;
    std::string Expression;
    std::string Display;
};

// Numbers compare bit for bit, so 0 and -0 differ.
bool Same(const Session_State &a, const Session_State &b);

// The whole file, texts as UTF-8 (a byte that is not UTF-8 is written as U+FFFD).
std::string Write(const Session_State &state);

// Reads and checks the whole file. On success fills state; otherwise leaves it
// alone and sets problem to a Chinese sentence naming the first problem found,
// with its line and column for a fault in the JSON itself.
bool Read(std::string_view bytes, Session_State &state, std::string &problem);

} // namespace Session_Format
