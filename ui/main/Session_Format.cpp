#include "ui/main/Session_Format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace Session_Format {
namespace {

// ---- UTF-8 ----

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

// Length of the well-formed sequence at s[i] (no overlong forms, no
// surrogates, nothing above U+10FFFF); 0 when there is none.
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

// ---- reading JSON ----

// A fault in the JSON itself, at a byte offset; "ended" when the text stops
// before the value is complete, which is what a cut-off file looks like.
struct Syntax_Fault {
    std::size_t at;
    std::string what;
    bool ended = false;
};

// A fault in what the fields hold.
struct Field_Fault {
    std::string what;
};

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

int Hex_Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads JSON text from a position. Check_Document walks the whole text once
// and throws Syntax_Fault at the first fault; after that the typed readers
// below only ever meet well-formed text.
class Json_Reader {
  public:
    explicit Json_Reader(std::string_view text) : s_(text) {}

    // Offset of the top-level value.
    std::size_t Check_Document() {
        // a byte order mark some editors put in front is no fault
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
        Skip_Blanks();
        if (pos_ == s_.size()) throw Field_Fault{"文件是空的"};
        const std::size_t top = pos_;
        Skip_Value(1);
        Skip_Blanks();
        if (pos_ != s_.size()) throw Syntax_Fault{pos_, "JSON 值结束后还有多余的内容"};
        return top;
    }

    char Peek(std::size_t at) const { return s_[at]; }

    std::string String_At(std::size_t at) {
        pos_ = at;
        std::string text;
        Read_String(&text);
        return text;
    }

    // The value of a number; nullopt when it lies outside the double range.
    std::optional<double> Number_At(std::size_t at) {
        pos_ = at;
        return Read_Number();
    }

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

    std::vector<std::size_t> Items_At(std::size_t at) {
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

  private:
    [[noreturn]] void Ended() const { throw Syntax_Fault{pos_, "", true}; }
    [[noreturn]] void Fault(std::string what) const { throw Syntax_Fault{pos_, std::move(what)}; }

    void Skip_Blanks() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }

    void Expect(char c, const char *what) {
        Skip_Blanks();
        if (pos_ == s_.size()) Ended();
        if (s_[pos_] != c) Fault(what);
        ++pos_;
    }

    void Skip_Value(int depth) {
        Skip_Blanks();
        if (pos_ == s_.size()) Ended();
        const char c = s_[pos_];
        if ((c == '{' || c == '[') && depth > Max_Depth)
            Fault("嵌套超过 " + std::to_string(Max_Depth) + " 层");
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

    void Literal(std::string_view word) {
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

    void Read_String(std::string *out) {
        ++pos_; // the opening quote
        for (;;) {
            if (pos_ == s_.size()) Ended();
            const auto c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') {
                ++pos_;
                return;
            }
            if (c == '\\') {
                Read_Escape(out);
            } else if (c < 0x20) {
                Fault("文本中有未转义的控制字符");
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
                if (out) out->append(s_.substr(pos_, n));
                pos_ += n;
            }
        }
    }

    char32_t Read_Hex4() {
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

    void Read_Escape(std::string *out) {
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

    std::optional<double> Read_Number() {
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

    std::string_view s_;
    std::size_t pos_ = 0;
};

// ---- checking the fields ----

enum class Kind { Text, Number, Array, Object, Boolean, Null };

Kind Kind_At(Json_Reader &reader, std::size_t at) {
    switch (reader.Peek(at)) {
    case '"':
        return Kind::Text;
    case '[':
        return Kind::Array;
    case '{':
        return Kind::Object;
    case 't':
    case 'f':
        return Kind::Boolean;
    case 'n':
        return Kind::Null;
    default:
        return Kind::Number;
    }
}

const char *Kind_Name(Kind kind) {
    static const char *const names[] = {"文本", "数", "数组", "对象", "true 或 false", "null"};
    return names[int(kind)];
}

std::string Quoted(std::string_view name) {
    return "“" + std::string(name) + "”";
}

std::string Number_Text(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// "what" must be of the wanted kind.
void Expect_Kind(Json_Reader &reader, std::size_t at, Kind wanted, const std::string &what) {
    const Kind kind = Kind_At(reader, at);
    if (kind != wanted)
        throw Field_Fault{what + "应为" + Kind_Name(wanted) + ",文件中却是" + Kind_Name(kind)};
}

// The known fields of one object; fields of other names are passed over, so
// that a later version can add some.
class Object_View {
  public:
    Object_View(Json_Reader &reader, std::size_t at, std::string where,
                std::initializer_list<std::string_view> names)
        : reader_(reader), names_(names), found_(names.size()), where_(std::move(where)) {
        reader.Members_At(at, [this](const std::string &name, std::size_t value) {
            for (std::size_t i = 0; i < names_.size(); ++i)
                if (names_[i] == name) {
                    if (found_[i].count++ == 0) found_[i].at = value;
                }
        });
    }

    // Offset of the field's value, checked to be there once and of the wanted kind.
    std::size_t Field(std::string_view name, Kind kind) const {
        const Found &found = found_[Index(name)];
        if (found.count == 0) throw Field_Fault{where_ + "缺少字段 " + Quoted(name)};
        if (found.count > 1) throw Field_Fault{where_ + "字段 " + Quoted(name) + " 出现了不止一次"};
        Expect_Kind(reader_, found.at, kind, where_ + "字段 " + Quoted(name) + " ");
        return found.at;
    }

  private:
    std::size_t Index(std::string_view name) const {
        std::size_t i = 0;
        while (names_[i] != name) ++i;
        return i;
    }

    struct Found {
        std::size_t at = 0;
        std::size_t count = 0;
    };
    Json_Reader &reader_;
    std::vector<std::string_view> names_;
    std::vector<Found> found_;
    std::string where_;
};

double Finite_Number(Json_Reader &reader, std::size_t at, const std::string &what) {
    const std::optional<double> value = reader.Number_At(at);
    if (!value || !std::isfinite(*value))
        throw Field_Fault{what + "超出了双精度数的范围,不是有限的数"};
    return *value;
}

double Number_Field(Json_Reader &reader, const Object_View &object, std::string_view name) {
    return Finite_Number(reader, object.Field(name, Kind::Number),
                         "字段 " + Quoted(name) + " 的值");
}

// The field's value, which must be one of the listed ones.
std::uint8_t Choice_Field(Json_Reader &reader, const Object_View &object, std::string_view name,
                          std::initializer_list<int> allowed, const char *listed) {
    const double value = Number_Field(reader, object, name);
    for (const int choice : allowed)
        if (value == choice) return std::uint8_t(choice);
    throw Field_Fault{"字段 " + Quoted(name) + " 的值 " + Number_Text(value) + " 无效,应为 " +
                      listed};
}

std::string Item_Name(std::string_view field, std::size_t index) {
    return "字段 " + Quoted(field) + " 的第 " + std::to_string(index + 1) + " 项";
}

// The items of an array field, which must have "least" to "most" of them.
std::vector<std::size_t> Array_Field(Json_Reader &reader, const Object_View &object,
                                     std::string_view name, std::size_t least, std::size_t most) {
    const auto items = reader.Items_At(object.Field(name, Kind::Array));
    if (items.size() < least || items.size() > most) {
        const std::string wanted = least == most ? "应有 " + std::to_string(least) + " 项"
                                                 : "最多只能有 " + std::to_string(most) + " 项";
        throw Field_Fault{"字段 " + Quoted(name) + " " + wanted + ",文件中却有 " +
                          std::to_string(items.size()) + " 项"};
    }
    return items;
}

Session_State Read_State(Json_Reader &reader, std::size_t top) {
    if (Kind_At(reader, top) != Kind::Object) throw Field_Fault{"这不是 Quorvex 会话文件"};
    const Object_View file(reader, top, "",
                           {"format", "version", "number_base", "word_length", "angle_unit",
                            "inverse", "expression", "display", "memories", "letters", "statistics",
                            "history"});
    bool is_session = false;
    try {
        is_session = reader.String_At(file.Field("format", Kind::Text)) == Format_Name;
    } catch (const Field_Fault &) {
    }
    if (!is_session) throw Field_Fault{"这不是 Quorvex 会话文件"};
    const double version = Number_Field(reader, file, "version");
    if (version != std::floor(version) || version < 1)
        throw Field_Fault{"版本号 " + Number_Text(version) + " 无效"};
    if (version > Version)
        throw Field_Fault{"文件的版本为 " + Number_Text(version) + ",比本程序能读取的版本 " +
                          std::to_string(Version) + " 新,请用新版的 Quorvex 打开"};

    Session_State state;
    state.Number_Base = Choice_Field(reader, file, "number_base", {2, 8, 10, 16}, "2、8、10 或 16");
    state.Word_Length = Choice_Field(reader, file, "word_length", {8, 16, 32}, "8、16 或 32");
    state.Angle_Unit = Choice_Field(reader, file, "angle_unit", {0, 1, 2}, "0、1 或 2");
    if (state.Number_Base == 10 && state.Word_Length != 32)
        throw Field_Fault{"十进制下字长只能为 32,文件中却是 " + std::to_string(state.Word_Length)};
    state.Inverse = reader.Peek(file.Field("inverse", Kind::Boolean)) == 't';
    state.Expression = reader.String_At(file.Field("expression", Kind::Text));
    state.Display = reader.String_At(file.Field("display", Kind::Text));

    const auto memories = Array_Field(reader, file, "memories", 5, 5);
    for (std::size_t i = 0; i < memories.size(); ++i) {
        Expect_Kind(reader, memories[i], Kind::Text, Item_Name("memories", i));
        state.Memories[i] = reader.String_At(memories[i]);
    }

    const auto letters = Array_Field(reader, file, "letters", 26, 26);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const std::string name =
            Item_Name("letters", i) + "(字母 " + std::string(1, char('a' + i)) + ")";
        Expect_Kind(reader, letters[i], Kind::Number, name);
        state.Letters[i] = Finite_Number(reader, letters[i], name);
    }

    const auto statistics = Array_Field(reader, file, "statistics", 0, Max_Statistics);
    for (std::size_t i = 0; i < statistics.size(); ++i) {
        const std::string name = Item_Name("statistics", i);
        Expect_Kind(reader, statistics[i], Kind::Object, name);
        const Object_View entry(reader, statistics[i], name + "中", {"value", "text"});
        Stat_Entry stat;
        stat.Value = Finite_Number(reader, entry.Field("value", Kind::Number), name + "的值");
        stat.Text = reader.String_At(entry.Field("text", Kind::Text));
        state.Statistics.push_back(std::move(stat));
    }

    state.History = reader.String_At(file.Field("history", Kind::Text));
    return state;
}

// ---- writing ----

void Write_Text(std::string &out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else if (const std::size_t n = Valid_Sequence(text, i); n > 0) {
            out.append(text.substr(i, n));
            i += n;
            continue;
        } else {
            out += "\xEF\xBF\xBD"; // U+FFFD for a byte that is not UTF-8
        }
        ++i;
    }
    out += '"';
}

void Write_Number(std::string &out, double value) {
    // shortest text that reads back as the same double; a value without
    // one cannot be written as a JSON number
    if (std::isfinite(value))
        out += Number_Text(value);
    else
        out += "null";
}

} // namespace

bool Same(const Session_State &a, const Session_State &b) {
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    if (a.Memories != b.Memories || a.History != b.History || a.Number_Base != b.Number_Base ||
        a.Word_Length != b.Word_Length || a.Angle_Unit != b.Angle_Unit || a.Inverse != b.Inverse ||
        a.Expression != b.Expression || a.Display != b.Display ||
        a.Statistics.size() != b.Statistics.size())
        return false;
    for (std::size_t i = 0; i < a.Letters.size(); ++i)
        if (bits(a.Letters[i]) != bits(b.Letters[i])) return false;
    for (std::size_t i = 0; i < a.Statistics.size(); ++i)
        if (bits(a.Statistics[i].Value) != bits(b.Statistics[i].Value) ||
            a.Statistics[i].Text != b.Statistics[i].Text)
            return false;
    return true;
}

std::string Write(const Session_State &state) {
    std::string out = "{\n  \"format\": ";
    Write_Text(out, Format_Name);
    out += ",\n  \"version\": " + std::to_string(Version);
    out += ",\n  \"number_base\": " + std::to_string(state.Number_Base);
    out += ",\n  \"word_length\": " + std::to_string(state.Word_Length);
    out += ",\n  \"angle_unit\": " + std::to_string(state.Angle_Unit);
    out += ",\n  \"inverse\": ";
    out += state.Inverse ? "true" : "false";
    out += ",\n  \"expression\": ";
    Write_Text(out, state.Expression);
    out += ",\n  \"display\": ";
    Write_Text(out, state.Display);
    out += ",\n  \"memories\": [";
    for (std::size_t i = 0; i < state.Memories.size(); ++i) {
        if (i > 0) out += ", ";
        Write_Text(out, state.Memories[i]);
    }
    out += "],\n  \"letters\": [";
    for (std::size_t i = 0; i < state.Letters.size(); ++i) {
        if (i > 0) out += ", ";
        Write_Number(out, state.Letters[i]);
    }
    out += "],\n  \"statistics\": [";
    for (std::size_t i = 0; i < state.Statistics.size(); ++i) {
        out += i > 0 ? ",\n    {\"value\": " : "\n    {\"value\": ";
        Write_Number(out, state.Statistics[i].Value);
        out += ", \"text\": ";
        Write_Text(out, state.Statistics[i].Text);
        out += '}';
    }
    out += state.Statistics.empty() ? "]" : "\n  ]";
    out += ",\n  \"history\": ";
    Write_Text(out, state.History);
    out += "\n}\n";
    return out;
}

bool Read(std::string_view bytes, Session_State &state, std::string &problem) {
    Json_Reader reader(bytes);
    try {
        const std::size_t top = reader.Check_Document();
        state = Read_State(reader, top);
        return true;
    } catch (const Syntax_Fault &fault) {
        if (fault.ended)
            problem = "文件不完整,在" + Place(bytes, fault.at) + "意外结束";
        else
            problem = "不是有效的 JSON 文本," + Place(bytes, fault.at) + ":" + fault.what;
    } catch (const Field_Fault &fault) {
        problem = fault.what;
    }
    return false;
}

} // namespace Session_Format
