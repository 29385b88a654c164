#include "ui/main/Session_Format.h"

#include "ui/main/Json_Reader.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <optional>

namespace Session_Format {
namespace {

using Json::Syntax_Fault;
using Json_Reader = Json::Reader;

// A fault in what the fields hold.
struct Field_Fault {
    std::string what;
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
        } else if (const std::size_t n = Json::Valid_Sequence(text, i); n > 0) {
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
    Json_Reader reader(bytes, Max_Depth);
    try {
        const std::size_t top = reader.Check_Document();
        state = Read_State(reader, top);
        return true;
    } catch (const Syntax_Fault &fault) {
        if (fault.kind == Syntax_Fault::Empty)
            problem = fault.what;
        else if (fault.kind == Syntax_Fault::Ended)
            problem = "文件不完整,在" + Json::Place(bytes, fault.at) + "意外结束";
        else
            problem = "不是有效的 JSON 文本," + Json::Place(bytes, fault.at) + ":" + fault.what;
    } catch (const Field_Fault &fault) {
        problem = fault.what;
    }
    return false;
}

} // namespace Session_Format
