// The session file on its own: what is written reads back bit for bit, and
// every fault is refused with a message that names it.

#include "ui/main/Session_Format.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

using Session_Format::Read;
using Session_Format::Same;
using Session_Format::Session_State;
using Session_Format::Write;

namespace {

Session_State Sample_State() {
    Session_State state;
    state.Memories = {"12.5", "", "FF", "∏ \"quoted\" \\ back", "tab\there"};
    state.History = "1+2=3.\r\nsin30=.5\r\n";
    state.Statistics = {{2, "2"}, {12, "12abc"}, {-0.0, "-0"}};
    state.Letters[23] = 0.1;
    state.Number_Base = 16;
    state.Word_Length = 16;
    state.Angle_Unit = 2;
    state.Inverse = true;
    state.Expression = "FF+1=100";
    state.Display = "100";
    return state;
}

std::string Problem(std::string_view bytes) {
    Session_State state;
    std::string problem;
    if (Read(bytes, state, problem)) return "<read>";
    return problem;
}

// The sample file with one field's value replaced.
std::string With_Field(const std::string &name, const std::string &value) {
    std::string file = Write(Sample_State());
    const std::string key = "\"" + name + "\": ";
    const auto at = file.find(key) + key.size();
    auto end = at;
    int depth = 0;
    bool in_text = false;
    for (; end < file.size(); ++end) {
        const char c = file[end];
        if (in_text) {
            if (c == '\\')
                ++end;
            else if (c == '"')
                in_text = false;
        } else if (c == '"') {
            in_text = true;
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (depth-- == 0) break;
        } else if (c == ',' && depth == 0) {
            break;
        }
    }
    while (file[end - 1] == '\n' || file[end - 1] == ' ') --end;
    return file.replace(at, end - at, value);
}

std::string Random_Text(std::mt19937 &random) {
    static const char *const pieces[] = {
        "0", "7",  "A",  "F",  ".",  "e",  "+",    "-",    "=", "(", "统", "∏",
        "😀", "\"", "\\", "\n", "\r", "\t", "\x01", "\x7f", " ", "é", "/",  "\xEF\xBF\xBD"};
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i) {
        if (random() % 4 == 0)
            text += char(0x20 + random() % 95); // any printable ASCII character
        else
            text += pieces[random() % std::size(pieces)];
    }
    return text;
}

double Random_Number(std::mt19937_64 &random) {
    static const double special[] = {0.0,
                                     -0.0,
                                     std::numeric_limits<double>::denorm_min(),
                                     std::numeric_limits<double>::max(),
                                     -std::numeric_limits<double>::min(),
                                     0.1,
                                     1.0 / 3,
                                     9007199254740993.0,
                                     1e-300};
    if (random() % 3 == 0) return special[random() % std::size(special)];
    double value;
    do value = std::bit_cast<double>(std::uint64_t(random()));
    while (!std::isfinite(value));
    return value;
}

} // namespace

TEST(Session_Format, RandomStatesReadBackBitForBit) {
    std::mt19937 texts(14);
    std::mt19937_64 numbers(14);
    const std::uint8_t bases[] = {2, 8, 10, 16}, words[] = {8, 16, 32};
    for (int round = 0; round < 500; ++round) {
        Session_State state;
        for (auto &memory : state.Memories) memory = Random_Text(texts);
        for (int i = 0; i < 5; ++i) state.History += Random_Text(texts) + "\r\n";
        const std::size_t count = round % 5 == 0 ? 101 : texts() % 8;
        for (std::size_t i = 0; i < count; ++i)
            state.Statistics.push_back({Random_Number(numbers), Random_Text(texts)});
        for (double &letter : state.Letters) letter = Random_Number(numbers);
        state.Number_Base = bases[texts() % 4];
        state.Word_Length = state.Number_Base == 10 ? 32 : words[texts() % 3];
        state.Angle_Unit = std::uint8_t(texts() % 3);
        state.Inverse = texts() % 2;
        state.Expression = Random_Text(texts);
        state.Display = Random_Text(texts);

        const std::string file = Write(state);
        Session_State back;
        std::string problem;
        ASSERT_TRUE(Read(file, back, problem)) << problem << "\n" << file;
        ASSERT_TRUE(Same(back, state)) << file;
        ASSERT_EQ(Write(back), file);
    }
}

TEST(Session_Format, WritesOnlyUtf8AndNothingAJsonReaderWouldRefuse) {
    Session_State state;
    state.Display = "a\xFF\xC0\x80z"; // not UTF-8: each stray byte becomes U+FFFD
    state.Letters[0] = std::numeric_limits<double>::infinity();
    const std::string file = Write(state);
    Session_State back;
    std::string problem;
    // an infinite letter is written as null and refused on reading, so the
    // window can tell before it saves a file that would not open again
    EXPECT_FALSE(Read(file, back, problem));
    EXPECT_NE(problem.find("字母 a"), std::string::npos) << problem;
    state.Letters[0] = 0;
    ASSERT_TRUE(Read(Write(state), back, problem)) << problem;
    EXPECT_EQ(back.Display, "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz");
}

TEST(Session_Format, EveryCutOffFileIsRefusedAsIncomplete) {
    const std::string file = Write(Sample_State());
    const std::size_t last_brace = file.rfind('}');
    for (std::size_t length = 0; length <= last_brace; ++length) {
        const std::string problem = Problem(std::string_view(file).substr(0, length));
        EXPECT_TRUE(problem.starts_with("文件不完整") || (length == 0 && problem == "文件是空的"))
            << length << ": " << problem;
    }
    EXPECT_EQ(Problem(file.substr(0, last_brace + 1)), "<read>");
}

TEST(Session_Format, FaultsAreNamedWithTheirPlace) {
    struct Case {
        std::string file, expected;
    };
    const std::string deep = "{\"x\": " + std::string(10000, '[') + std::string(10000, ']') + "}";
    const Case cases[] = {
        {"PNG\x89", "不是有效的 JSON 文本,第 1 行第 1 列"},
        {"{\n  \"a\": 1\n  \"b\": 2}", "第 3 行第 3 列:此处应为 “,” 或 “}”"},
        {"{\"a\": 1} x", "第 1 行第 10 列:JSON 值结束后还有多余的内容"},
        {"{\"a\": \"统计\xFF\"}", "第 1 行第 10 列:不是有效的 UTF-8 文本"},
        {"{\"a\": \"\xC0\x80\"}", "不是有效的 UTF-8 文本"},     // overlong
        {"{\"a\": \"\xED\xA0\x80\"}", "不是有效的 UTF-8 文本"}, // a surrogate
        {"{\"a\": \"\\ud800x\"}", "落单的高位代理"},
        {"{\"a\": \"\\q\"}", "未知的转义序列"},
        {"{\"a\": \"line\nbreak\"}", "未转义的控制字符"},
        {"{\"a\": NaN}", "此处应为一个值"},
        {"{\"a\": Infinity}", "此处应为一个值"},
        {"{\"a\": -}", "数的写法不对"},
        {"{\"a\": 012}", "数不能以 0 开头"},
        {deep, "第 1 行第 70 列:嵌套超过 64 层"},
        {"", "文件是空的"},
        {"[1, 2]", "这不是 Quorvex 会话文件"},
        {"{\"format\": \"other\", \"version\": 1}", "这不是 Quorvex 会话文件"},
        {"{\"version\": 1}", "这不是 Quorvex 会话文件"},
        {"{\"format\": \"quorvex-session\", \"version\": 2}",
         "文件的版本为 2,比本程序能读取的版本 1 新"},
        {"{\"format\": \"quorvex-session\", \"version\": 1e999}", "不是有限的数"},
        {"{\"format\": \"quorvex-session\", \"version\": 0.5}", "版本号 0.5 无效"},
        {"{\"format\": \"quorvex-session\"}", "缺少字段 “version”"},
        {With_Field("number_base", "7"), "字段 “number_base” 的值 7 无效,应为 2、8、10 或 16"},
        {With_Field("word_length", "64"), "字段 “word_length” 的值 64 无效"},
        {With_Field("angle_unit", "3"), "字段 “angle_unit” 的值 3 无效"},
        {With_Field("number_base", "10"), "十进制下字长只能为 32,文件中却是 16"},
        {With_Field("statistics", "[{\"value\": -1e999, \"text\": \"x\"}]"),
         "字段 “statistics” 的第 1 项的值超出了双精度数的范围"},
        {With_Field("statistics", "[{\"text\": \"x\"}]"),
         "字段 “statistics” 的第 1 项中缺少字段 “value”"},
        {With_Field("memories", "[\"\", \"\"]"), "字段 “memories” 应有 5 项,文件中却有 2 项"},
        {With_Field("history", "\"a\", \"history\": \"b\""), "字段 “history” 出现了不止一次"},
    };
    for (const Case &c : cases)
        EXPECT_NE(Problem(c.file).find(c.expected), std::string::npos)
            << c.file.substr(0, 80) << "\n  gave: " << Problem(c.file);
}

TEST(Session_Format, LettersAndStatisticsMustBeFiniteAndFit) {
    std::string letters = "[0, 0, 1e999";
    for (int i = 3; i < 26; ++i) letters += ", 0";
    letters += "]";
    EXPECT_NE(Problem(With_Field("letters", letters)).find("第 3 项(字母 c)超出了双精度数的范围"),
              std::string::npos)
        << Problem(With_Field("letters", letters));

    std::string statistics = "[";
    for (int i = 0; i < 102; ++i)
        statistics += std::string(i ? ", " : "") + "{\"value\": 1, \"text\": \"1\"}";
    EXPECT_EQ(Problem(With_Field("statistics", statistics + "]")),
              "字段 “statistics” 最多只能有 101 项,文件中却有 102 项");
    statistics.erase(statistics.rfind(", {"));
    EXPECT_EQ(Problem(With_Field("statistics", statistics + "]")), "<read>");
}

TEST(Session_Format, EveryFieldRefusesEveryWrongType) {
    struct Field {
        const char *name;
        char right; // first character of a value of the right kind
    };
    const Field fields[] = {{"version", '1'},    {"number_base", '1'}, {"word_length", '1'},
                            {"angle_unit", '1'}, {"inverse", 't'},     {"expression", '"'},
                            {"display", '"'},    {"memories", '['},    {"letters", '['},
                            {"statistics", '['}, {"history", '"'}};
    const char *const wrong[] = {"\"1\"", "1", "[1]", "{\"a\": 1}", "true", "null"};
    for (const Field &field : fields)
        for (const char *value : wrong) {
            if (value[0] == field.right) continue;
            const std::string problem = Problem(With_Field(field.name, value));
            EXPECT_NE(problem.find(std::string("“") + field.name + "” 应为"), std::string::npos)
                << field.name << " " << value << ": " << problem;
        }
    // inside the arrays too
    EXPECT_NE(Problem(With_Field("memories", "[\"\", 1, \"\", \"\", \"\"]"))
                  .find("字段 “memories” 的第 2 项应为文本,文件中却是数"),
              std::string::npos);
    EXPECT_NE(Problem(With_Field("statistics", "[1]")).find("第 1 项应为对象"), std::string::npos);
    EXPECT_NE(
        Problem(With_Field("statistics", "[{\"value\": 1, \"text\": 1}]")).find("“text” 应为文本"),
        std::string::npos);
}

TEST(Session_Format, UnknownFieldsAreIgnored) {
    std::string file = Write(Sample_State());
    file.insert(file.find("\"history\""),
                "\"later\": {\"x\": [1, null, \"y\"]},\n  \"later\": 2,\n  ");
    file.insert(file.find("\"text\": \"2\""), "\"colour\": \"red\", ");
    Session_State back;
    std::string problem;
    ASSERT_TRUE(Read(file, back, problem)) << problem;
    EXPECT_TRUE(Same(back, Sample_State()));
    // and a byte order mark in front
    ASSERT_TRUE(Read("\xEF\xBB\xBF" + file, back, problem)) << problem;
}
