// Every worked example in Help.Txt must give, in the program, exactly the
// result it states. An example is a line of the form
//     例：2+sin30=  →  2.5
//     例（十六进制，字节）：FF+1=  →  0
// the expression as the expression line shows it, then what the display shows
// after "=". Without modes in brackets the example runs as after start-up:
// decimal, double word, degrees.

#include "engine/CalcModule.h"
#include "engine/Display_Pattern.h"
#include "engine/NumberText.h"
#include "tests/Program_State.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Modes {
    std::uint8_t base = 10, word_length = 32, angle_unit = 0;
};

struct Example {
    int line = 0;
    Modes modes;
    std::string expression, shown;
};

std::string Help_Text() {
    std::ifstream file(QUORVEX_HELP_FILE, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Trim(const std::string &s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

bool Starts_With(const std::string &s, const std::string &prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// "十六进制，字节" -> base 16, word length 8; false on a name the window does not have
bool Read_Modes(std::string list, Modes &modes) {
    static const std::map<std::string, std::pair<char, int>> names = {
        {"十六进制", {'b', 16}}, {"十进制", {'b', 10}}, {"八进制", {'b', 8}}, {"二进制", {'b', 2}},
        {"双字", {'w', 32}},     {"单字", {'w', 16}},   {"字节", {'w', 8}},   {"角度", {'a', 0}},
        {"弧度", {'a', 1}},      {"梯度", {'a', 2}}};
    const std::string comma = "，";
    list += comma;
    for (std::size_t at = 0, next; (next = list.find(comma, at)) != std::string::npos;
         at = next + comma.size()) {
        const auto found = names.find(Trim(list.substr(at, next - at)));
        if (found == names.end()) return false;
        const auto [what, value] = found->second;
        auto &target = what == 'b'   ? modes.base
                       : what == 'w' ? modes.word_length
                                     : modes.angle_unit;
        target = static_cast<std::uint8_t>(value);
    }
    return true;
}

// Reads every example line; a line that starts like an example but cannot be
// read is a fault of the help text, reported with its line number.
std::vector<Example> Examples(const std::string &text, std::vector<std::string> &faults) {
    std::vector<Example> examples;
    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string line = Trim(raw);
        if (!Starts_With(line, "例：") && !Starts_With(line, "例（")) continue;
        Example example;
        example.line = number;
        std::string rest = line.substr(std::string("例").size());
        if (Starts_With(rest, "（")) {
            const auto close = rest.find("）");
            if (close == std::string::npos ||
                !Read_Modes(rest.substr(std::string("（").size(), close - 3), example.modes)) {
                faults.push_back("line " + std::to_string(number) + ": modes in " + line);
                continue;
            }
            rest = rest.substr(close + std::string("）").size());
        }
        const auto arrow = rest.find("→");
        if (!Starts_With(rest, "：") || arrow == std::string::npos) {
            faults.push_back("line " + std::to_string(number) + ": form of " + line);
            continue;
        }
        example.expression = Trim(rest.substr(3, arrow - 3));
        example.shown = Trim(rest.substr(arrow + std::string("→").size()));
        examples.push_back(example);
    }
    return examples;
}

// What the main window's display shows for the engine's answer.
std::string Display_Text(const std::string &result, std::uint8_t base) {
    if (base != 10) return result;
    return CalcModule::Result_Display_Text(CalcModule::Leading_Number_Value(result));
}

bool Valid_Utf8(const std::string &s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int length = c < 0x80         ? 1
                           : (c >> 5) == 6  ? 2
                           : (c >> 4) == 14 ? 3
                           : (c >> 3) == 30 ? 4
                                            : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += length;
    }
    return true;
}

class Engine_Modes : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset_Program_State();
        previous_ = CalcModule::Set_Warning_Handler(
            [this](const std::string &message) { warnings_.push_back(message); });
    }
    void TearDown() override {
        CalcModule::Set_Warning_Handler(previous_);
        Reset_Program_State();
    }
    std::vector<std::string> warnings_;

  private:
    CalcModule::Warning_Handler previous_;
};

} // namespace

TEST(HelpText, IsPlainUtf8AndReadable) {
    const std::string text = Help_Text();
    ASSERT_FALSE(text.empty()) << "cannot read " << QUORVEX_HELP_FILE;
    EXPECT_TRUE(Valid_Utf8(text));
    EXPECT_FALSE(Starts_With(text, "\xEF\xBB\xBF"))
        << "a byte-order mark shows as junk in plain viewers";
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

// The help covers every key, mode, window and menu command by its face.
TEST(HelpText, NamesEveryKeyAndCommand) {
    const std::string text = Help_Text();
    const char *groups[] = {
        "∏|Exp|+/-|F-E|dms|1/x|Backspace|清 除",
        "Int|Mod|And|Xor|Or|Not|x^y|x^3|x^2|ln|log|sin|cos|tan|n!|abs",
        "反函数|ʸ√x|³√x|sqr|e^x|10ˣ|Asn|Acs|Atn",
        "十六进制|八进制|二进制|双字|单字|字节|角度|弧度|梯度",
        "M1|RM1|算式历史记录|复制|粘贴|全部清除|Ctrl+C|Ctrl+V|Alt+Backspace",
        "保存会话|打开会话|Ctrl+Shift+S|Ctrl+O|.qvx",
        "Sta|Ave|Sum|Dat|统计框|返回|清项|全清",
        "解一元方程|Ctrl+S|画函数图像|Ctrl+P|显示图像|保留图像|参数方程|极作标|复原",
        "公式编辑器|圆公式|计算公式|关于计算器|关于作者"};
    for (const char *group : groups) {
        std::istringstream faces(group);
        for (std::string face; std::getline(faces, face, '|');)
            EXPECT_NE(text.find(face), std::string::npos) << face;
    }
}

TEST_F(Engine_Modes, EveryExampleGivesItsStatedResult) {
    std::vector<std::string> faults;
    const std::vector<Example> examples = Examples(Help_Text(), faults);
    for (const auto &fault : faults) ADD_FAILURE() << fault;
    // guards against a change of form that would silently skip the examples
    ASSERT_GE(examples.size(), 40u);

    for (const auto &e : examples) {
        SCOPED_TRACE("Help.Txt line " + std::to_string(e.line) + ": " + e.expression);
        // the window forces double word whenever decimal is chosen
        if (e.modes.base == 10) {
            EXPECT_EQ(e.modes.word_length, 32);
        }
        CalcModule::Number_Base = e.modes.base;
        CalcModule::Word_Length = e.modes.word_length;
        CalcModule::Angle_Unit = e.modes.angle_unit;
        warnings_.clear();

        std::string typed = e.expression;
        std::string cleaned = CalcModule::Filter_Expression(typed, 0);
        // the window writes the cleaned text back: the help shows what the user sees
        EXPECT_EQ(cleaned, e.expression);
        ASSERT_FALSE(cleaned.empty());
        EXPECT_EQ(cleaned.back(), '=');
        const std::string result = CalcModule::Evaluate_Expression(
            cleaned, e.modes.base, e.modes.word_length, e.modes.angle_unit, 0);
        EXPECT_NE(result, "!");
        EXPECT_TRUE(warnings_.empty()) << (warnings_.empty() ? "" : warnings_.front());
        EXPECT_EQ(Display_Text(result, e.modes.base), e.shown);
    }
}
