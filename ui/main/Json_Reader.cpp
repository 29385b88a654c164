#include "ui/main/Json_Reader.h"

#include <charconv>
#include <system_error>

namespace Json {
namespace {

// Bytes a sequence needs by its lead byte; 0 for a byte that cannot lead one.
std::size_t Sequence_Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool Is_Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

void Append_Utf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

int Hex_Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::size_t Valid_Sequence(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const std::size_t n = Sequence_Length(byte(i));
    if (n == 0 || i + n > s.size()) return 0;
    char32_t c = n == 1 ? byte(i) : byte(i) & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if (!Is_Continuation(byte(i + k))) return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

// Line and column (both from 1, columns in characters) of a byte offset.
std::string Place(std::string_view s, std::size_t at) {
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < at && i < s.size(); ++i) {
        if (s[i] == '\n') {
            ++line;
            column = 1;
        } else if (!Is_Continuation(static_cast<unsigned char>(s[i]))) {
            ++column;
        }
    }
    return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

std::size_t Reader::Check_Document() {
    // a byte order mark some editors put in front is no fault
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    Skip_Blanks();
    if (pos_ == s_.size()) throw Syntax_Fault{pos_, "文件是空的", Syntax_Fault::Empty};
    const std::size_t top = pos_;
    Skip_Value(1);
    Skip_Blanks();
    if (pos_ != s_.size()) throw Syntax_Fault{pos_, "JSON 值结束后还有多余的内容"};
    return top;
}

std::string Reader::String_At(std::size_t at) {
    pos_ = at;
    std::string text;
    Read_String(&text);
    return text;
}

std::optional<double> Reader::Number_At(std::size_t at) {
    pos_ = at;
    return Read_Number();
}

std::vector<std::size_t> Reader::Items_At(std::size_t at) {
    std::vector<std::size_t> items;
    pos_ = at + 1;
    Skip_Blanks();
    if (s_[pos_] == ']') return items;
    for (;;) {
        Skip_Blanks();
        items.push_back(pos_);
        Skip_Value(1);
        Skip_Blanks();
        if (s_[pos_++] == ']') return items;
    }
}

void Reader::Skip_Blanks() {
    while (pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
        ++pos_;
}

void Reader::Expect(char c, const char *what) {
    Skip_Blanks();
    if (pos_ == s_.size()) Ended();
    if (s_[pos_] != c) Fault(what);
    ++pos_;
}

void Reader::Skip_Value(int depth) {
    Skip_Blanks();
    if (pos_ == s_.size()) Ended();
    const char c = s_[pos_];
    if ((c == '{' || c == '[') && depth > max_depth_)
        Fault("嵌套超过 " + std::to_string(max_depth_) + " 层");
    if (c == '{') {
        ++pos_;
        Skip_Blanks();
        if (pos_ < s_.size() && s_[pos_] == '}') {
            ++pos_;
            return;
        }
        for (;;) {
            Skip_Blanks();
            if (pos_ == s_.size()) Ended();
            if (s_[pos_] != '"') Fault("此处应为用双引号括起的字段名");
            Read_String(nullptr);
            Expect(':', "此处应为 “:”");
            Skip_Value(depth + 1);
            Skip_Blanks();
            if (pos_ == s_.size()) Ended();
            if (s_[pos_] == '}') break;
            if (s_[pos_] != ',') Fault("此处应为 “,” 或 “}”");
            ++pos_;
        }
        ++pos_;
    } else if (c == '[') {
        ++pos_;
        Skip_Blanks();
        if (pos_ < s_.size() && s_[pos_] == ']') {
            ++pos_;
            return;
        }
        for (;;) {
            Skip_Value(depth + 1);
            Skip_Blanks();
            if (pos_ == s_.size()) Ended();
            if (s_[pos_] == ']') break;
            if (s_[pos_] != ',') Fault("此处应为 “,” 或 “]”");
            ++pos_;
        }
        ++pos_;
    } else if (c == '"') {
        Read_String(nullptr);
    } else if (c == '-' || Is_Digit(c)) {
        Read_Number();
    } else if (c == 't') {
        Literal("true");
    } else if (c == 'f') {
        Literal("false");
    } else if (c == 'n') {
        Literal("null");
    } else {
        Fault("此处应为一个值(文本、数、数组、对象、true、false 或 null)");
    }
}

void Reader::Literal(std::string_view word) {
    const std::string_view rest = s_.substr(pos_, word.size());
    if (rest == word) {
        pos_ += word.size();
        return;
    }
    if (word.substr(0, rest.size()) == rest) {
        pos_ += rest.size();
        Ended();
    }
    Fault("此处应为一个值(文本、数、数组、对象、true、false 或 null)");
}

void Reader::Read_String(std::string *out) {
    ++pos_; // the opening quote
    // characters that stand for themselves are copied a run at a time
    std::size_t run = pos_;
    const auto take_run = [&] {
        if (out) out->append(s_.substr(run, pos_ - run));
    };
    for (;;) {
        if (pos_ == s_.size()) Ended();
        const auto c = static_cast<unsigned char>(s_[pos_]);
        if (c == '"') {
            take_run();
            ++pos_;
            return;
        }
        if (c == '\\') {
            take_run();
            Read_Escape(out);
            run = pos_;
        } else if (c < 0x20) {
            Fault("文本中有未转义的控制字符");
        } else if (c < 0x80) {
            ++pos_;
        } else {
            const std::size_t n = Valid_Sequence(s_, pos_);
            if (n == 0) {
                // the start of a character cut off by the end of the file
                const std::size_t need = Sequence_Length(c);
                bool cut = need > 1 && pos_ + need > s_.size();
                for (std::size_t k = pos_ + 1; cut && k < s_.size(); ++k)
                    cut = Is_Continuation(static_cast<unsigned char>(s_[k]));
                if (cut) {
                    pos_ = s_.size();
                    Ended();
                }
                Fault("不是有效的 UTF-8 文本");
            }
            pos_ += n;
        }
    }
}

char32_t Reader::Read_Hex4() {
    char32_t unit = 0;
    for (int k = 0; k < 4; ++k) {
        if (pos_ == s_.size()) Ended();
        const int digit = Hex_Digit(s_[pos_]);
        if (digit < 0) Fault("“\\u” 之后应为四位十六进制数字");
        unit = unit * 16 + char32_t(digit);
        ++pos_;
    }
    return unit;
}

void Reader::Read_Escape(std::string *out) {
    const std::size_t start = pos_;
    ++pos_;
    if (pos_ == s_.size()) Ended();
    const char e = s_[pos_++];
    char32_t c = 0;
    switch (e) {
    case '"':
    case '\\':
    case '/':
        c = char32_t(e);
        break;
    case 'b':
        c = '\b';
        break;
    case 'f':
        c = '\f';
        break;
    case 'n':
        c = '\n';
        break;
    case 'r':
        c = '\r';
        break;
    case 't':
        c = '\t';
        break;
    case 'u': {
        c = Read_Hex4();
        if (c >= 0xDC00 && c <= 0xDFFF) {
            pos_ = start;
            Fault("“\\u” 转义是一个落单的低位代理");
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            // a character beyond U+FFFF is written as two escapes
            const std::string_view next = s_.substr(pos_, 2);
            if (next.size() < 2 && std::string_view("\\u").substr(0, next.size()) == next) {
                pos_ = s_.size();
                Ended();
            }
            if (s_.substr(pos_, 2) != "\\u") {
                pos_ = start;
                Fault("“\\u” 转义是一个落单的高位代理");
            }
            pos_ += 2;
            const char32_t low = Read_Hex4();
            if (low < 0xDC00 || low > 0xDFFF) {
                pos_ = start;
                Fault("“\\u” 转义是一个落单的高位代理");
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
        break;
    }
    default:
        pos_ = start;
        Fault("未知的转义序列");
    }
    if (out) Append_Utf8(*out, c);
}

std::optional<double> Reader::Read_Number() {
    const std::size_t start = pos_;
    const auto digits = [&] {
        const std::size_t first = pos_;
        while (pos_ < s_.size() && Is_Digit(s_[pos_])) ++pos_;
        if (pos_ == first) {
            if (pos_ == s_.size()) Ended();
            Fault("数的写法不对");
        }
    };
    if (s_[pos_] == '-') ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '0') {
        ++pos_;
        if (pos_ < s_.size() && Is_Digit(s_[pos_])) Fault("数不能以 0 开头");
    } else {
        digits();
    }
    if (pos_ < s_.size() && s_[pos_] == '.') {
        ++pos_;
        digits();
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
        ++pos_;
        if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
        digits();
    }
    double value = 0;
    const auto [end, error] = std::from_chars(s_.data() + start, s_.data() + pos_, value);
    // the JSON number syntax is a part of what from_chars reads, so it
    // stops where the number ends and fails only on the range
    if (error != std::errc() || end != s_.data() + pos_) return std::nullopt;
    return value;
}

} // namespace Json
