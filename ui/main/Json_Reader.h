#pragma once
// Strict JSON text (RFC 8259) read where it stands. One pass checks the whole
// text and throws Syntax_Fault at the first fault, with its byte offset; after
// that the typed readers only ever meet well-formed text, so a value is read
// from its offset without copying the file. Nesting is bounded, so no text
// can exhaust the stack.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Json {

struct Syntax_Fault {
    enum Kind { Bad, Ended, Empty };
    std::size_t at;
    std::string what;
    // Ended: the text stops before the value is complete, which is what a
    // cut-off file looks like; Empty: there is no value at all
    Kind kind = Bad;
};

// Line and column (both from 1, columns in characters) of a byte offset.
std::string Place(std::string_view text, std::size_t at);

// Length of the well-formed UTF-8 sequence at text[i] (no overlong forms, no
// surrogates, nothing above U+10FFFF); 0 when there is none.
std::size_t Valid_Sequence(std::string_view text, std::size_t i);

class Reader {
  public:
    explicit Reader(std::string_view text, int max_depth) : s_(text), max_depth_(max_depth) {}

    // Checks the whole text; returns the offset of the top-level value.
    std::size_t Check_Document();

    char Peek(std::size_t at) const { return s_[at]; }
    std::string String_At(std::size_t at);
    // The value of a number; nullopt when it lies outside the double range.
    std::optional<double> Number_At(std::size_t at);
    // Offsets of the items of the array at "at".
    std::vector<std::size_t> Items_At(std::size_t at);

    // Calls found(name, value offset) for each member of the object at "at".
    template <class Found> void Members_At(std::size_t at, Found found) {
        std::string name;
        pos_ = at + 1;
        Skip_Blanks();
        if (s_[pos_] == '}') return;
        for (;;) {
            Skip_Blanks();
            name.clear();
            Read_String(&name);
            Skip_Blanks();
            ++pos_; // ':'
            Skip_Blanks();
            const std::size_t value = pos_;
            Skip_Value(1);
            const std::size_t after = pos_;
            found(name, value);
            pos_ = after;
            Skip_Blanks();
            if (s_[pos_++] == '}') return;
        }
    }

  private:
    [[noreturn]] void Ended() const { throw Syntax_Fault{pos_, "", Syntax_Fault::Ended}; }
    [[noreturn]] void Fault(std::string what) const { throw Syntax_Fault{pos_, std::move(what)}; }

    void Skip_Blanks();
    void Expect(char c, const char *what);
    void Skip_Value(int depth);
    void Literal(std::string_view word);
    void Read_String(std::string *out);
    char32_t Read_Hex4();
    void Read_Escape(std::string *out);
    std::optional<double> Read_Number();

    std::string_view s_;
    int max_depth_;
    std::size_t pos_ = 0;
};

} // namespace Json
