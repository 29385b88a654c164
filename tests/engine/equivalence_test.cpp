// The engine's answers must not move when its insides are reworked for speed.
// Some hundred thousand expressions are generated from a fixed seed, cleaned
// and evaluated; every thousand of them fold into one FNV-1a digest of the
// cleaned texts, results, leftover texts and warnings. The digests were
// recorded once with the engine as it stood before the rework, and a
// mismatch names its chunk. The same is done for the number texts.
//
// Degree and grad trigonometry and the inverse sine and cosine are kept out
// of the corpus: their results are meant to change on their own account.
// To record again after a change of results that is intended, run from the
// repository root (one line):
//   QUORVEX_RECORD_DIGESTS=tests/engine/equivalence_digests.txt
//   build/bin/engine_tests --gtest_filter='Equivalence.*'
// and say why in the commit.

#include "engine/NumberText.h"
#include "tests/engine/Recorder.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

namespace {

constexpr int Chunk_Size = 1000;
constexpr int Expression_Chunks = 300;
constexpr int Number_Chunks = 60;

struct Digest {
    std::uint64_t value = 14695981039346656037ull;
    void Add(std::string_view text) {
        for (const char c : text) {
            value ^= static_cast<unsigned char>(c);
            value *= 1099511628211ull;
        }
        value ^= 0x1F; // a separator, so that "ab"+"c" differs from "a"+"bc"
        value *= 1099511628211ull;
    }
    void Add(double number) {
        std::uint64_t bits;
        std::memcpy(&bits, &number, sizeof bits);
        Add(std::string_view(reinterpret_cast<const char *>(&bits), sizeof bits));
    }
};

// Draws are taken with plain modulo, not the standard distributions, whose
// results may differ between library versions.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    std::uint64_t Below(std::uint64_t n) { return random_() % n; }
    bool Chance(int percent) { return Below(100) < std::uint64_t(percent); }
    template <std::size_t N> const char *Pick(const char *const (&list)[N]) {
        return list[Below(N)];
    }

    std::string Digits(const char *alphabet, int count) {
        std::string out;
        const std::size_t n = std::strlen(alphabet);
        for (int i = 0; i < count; ++i) out += alphabet[Below(n)];
        return out;
    }

    // Values the windows put into the letters: whole, plotter-like sums of a
    // step, tiny, huge and arbitrary bit patterns.
    double Letter_Value() {
        switch (Below(7)) {
        case 0:
            return double(std::int64_t(Below(41)) - 20);
        case 1:
            return -10 + double(Below(20000)) * 0.001;
        case 2:
            return (double(Below(2000000)) - 1e6) / 1e4;
        case 3:
            return std::ldexp(double(Below(1u << 30)) + 1, int(Below(120)) - 80);
        case 4:
            return Chance(50) ? 1e-300 * double(Below(9) + 1) : -1e300;
        case 5: {
            std::uint64_t bits = random_();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? value : 0.5;
        }
        default:
            return Chance(50) ? -0.0 : 0.1 * double(Below(100));
        }
    }

    std::string Number(std::uint8_t base) {
        switch (base) {
        case 16:
            return Digits("0123456789ABCDEF", int(Below(Chance(10) ? 10 : 8)) + 1);
        case 8:
            return Digits(Chance(5) ? "0123456789" : "01234567", int(Below(12)) + 1);
        case 2:
            return Digits("01", int(Below(33)) + 1);
        }
        switch (Below(10)) {
        case 0:
        case 1:
            return std::to_string(Below(21));
        case 2:
            return std::to_string(Below(1000000));
        case 3:
        case 4:
            return std::to_string(Below(1000)) + "." + Digits("0123456789", int(Below(7)) + 1);
        case 5: {
            std::string m = std::to_string(Below(100)) +
                            (Chance(50) ? "." + Digits("0123456789", int(Below(4)) + 1) : "");
            return m + "e" + Pick({"", "-", "+"}) + std::to_string(Below(Chance(10) ? 340 : 30));
        }
        case 6:
            return Digits("0123456789", int(Below(8)) + 14);
        case 7:
            return "0." + Digits("0123456789", int(Below(18)) + 1);
        case 8:
            return Pick({"3.141592653589793", "2.718281828459045235", "0.5", "007", "1.", ".5",
                         "1.2.3", "170", "171", "2147483647", "2147483648", "65535", "1e308"});
        default:
            return std::to_string(Below(10)) + "." + std::to_string(Below(10));
        }
    }

    std::string Term(int depth) {
        const std::uint64_t kind = depth > 3 ? 0 : Below(100);
        std::string out;
        if (kind < 45) {
            if (Chance(15)) out += '-';
            out += mode_ == 1 && Chance(35)
                       ? std::string(1, Pick({"x", "y", "z", "q", "b", "k"})[0])
                       : Number(base_);
        } else if (kind < 65) {
            const char *functions_plain[] = {"ln", "log", "int", "not", "sqr", "abs"};
            const char *functions_trig[] = {"ln",  "log", "int", "not", "sqr",
                                            "abs", "sin", "cos", "tan", "atn"};
            out += trig_ ? Pick(functions_trig) : Pick(functions_plain);
            out += Chance(50) ? "(" + Expression(depth + 1) + ")" : Term(depth + 1);
        } else if (kind < 80) {
            out = "(" + Expression(depth + 1) + ")";
        } else if (kind < 88) {
            out = Term(depth + 1) + "!";
        } else {
            out = Term(depth + 1) + Pick({"^2", "^3", "^(1/3)", "^-1", "^0.5"});
        }
        return out;
    }

    std::string Expression(int depth) {
        std::string out = Term(depth);
        const int more = int(Below(depth == 0 ? 8 : 4));
        for (int i = 0; i < more; ++i) {
            out += Pick({"+", "-", "*", "/", "^", "mod", "and", "or", "xor", "+", "-", "*"});
            out += Term(depth + 1);
        }
        return out;
    }

    // Arbitrary text, as pasted or typed, that the clean-up must sort out.
    std::string Junk() {
        static const char *const pieces[] = {
            "0",   "1",   "7",   "9",   "A",     "F",        ".",    "e",   "E",  "+",
            "-",   "*",   "/",   "^",   "!",     "(",        ")",    "=",   "ln", "log",
            "int", "not", "sqr", "abs", "mod",   "and",      "or",   "xor", "x",  "y",
            " ",   "e-",  "e+",  "d",   "1e308", "99999999", "FFFF", "π",   "×",  "\xff",
            "\t",  "--",  "((",  "))",  "!!",    "0.5",      "-0",   "B",   "c",  "Sin"};
        std::string out;
        for (int n = int(Below(20)); n > 0; --n) out += Pick(pieces);
        return out;
    }

    struct Case {
        std::string text;
        std::uint8_t base, word, angle, mode, program_base;
    };

    Case Next() {
        Case c;
        c.base = Pick({"\x02", "\x08", "\x0a", "\x0a", "\x0a", "\x10"})[0];
        c.word = Chance(70) ? 32 : Chance(50) ? 16 : 8;
        // the digit test follows the program-wide base, which the plotter and
        // the solver leave as it is while they evaluate in decimal
        c.program_base = Chance(5) ? Pick({"\x02", "\x0a", "\x10"})[0] : c.base;
        c.mode = Chance(40) ? 1 : 0;
        trig_ = Chance(35);
        c.angle = trig_ ? 1 : std::uint8_t(Below(3));
        base_ = c.base;
        mode_ = c.mode;
        if (Chance(12)) {
            c.text = Junk();
        } else {
            c.text = Expression(0);
            if (Chance(10)) { // a slip of the finger
                const std::size_t at = Below(c.text.size() + 1);
                if (Chance(50) && at < c.text.size())
                    c.text.erase(at, 1);
                else
                    c.text.insert(at, Pick({"(", ")", "-", "e", "=", "!", "x", "."}));
            }
        }
        if (!Chance(5)) c.text += "=";
        return c;
    }

    std::mt19937_64 random_;

  private:
    std::uint8_t base_ = 10, mode_ = 0;
    bool trig_ = false;
};

bool Has_Trig(const std::string &cleaned) {
    for (const char *name : {"sin", "cos", "tan", "atn"})
        if (cleaned.find(name) != std::string::npos) return true;
    return false;
}

bool Has_Inverse(const std::string &cleaned) {
    return cleaned.find("asn") != std::string::npos || cleaned.find("acs") != std::string::npos;
}

std::vector<std::uint64_t> Expression_Digests() {
    Generator generator(20261207);
    Warning_Recorder recorder;
    std::vector<std::uint64_t> digests;
    for (int chunk = 0; chunk < Expression_Chunks; ++chunk) {
        Digest digest;
        for (int i = 0; i < Chunk_Size;) {
            Generator::Case c = generator.Next();
            for (double &value : CalcModule::Variable_Values) value = 0;
            for (const char letter : {'b', 'k', 'q', 'x', 'y', 'z'})
                CalcModule::Variable_Values[letter - 'a'] = generator.Letter_Value();
            CalcModule::Number_Base = c.program_base;
            std::string text = c.text;
            std::string cleaned = CalcModule::Filter_Expression(text, c.mode);
            if (Has_Inverse(cleaned)) continue; // drawn again
            if (Has_Trig(cleaned)) c.angle = 1;
            recorder.messages.clear();
            const std::string result =
                CalcModule::Evaluate_Expression(cleaned, c.base, c.word, c.angle, c.mode);
            digest.Add(cleaned);
            digest.Add(result);
            for (const auto &message : recorder.messages) digest.Add(message);
            digest.Add("|");
            ++i;
        }
        digests.push_back(digest.value);
    }
    CalcModule::Number_Base = 10;
    CalcModule::Variable_Values.fill(0);
    return digests;
}

std::vector<std::uint64_t> Number_Digests() {
    Generator generator(7);
    std::vector<std::uint64_t> digests;
    for (int chunk = 0; chunk < Number_Chunks; ++chunk) {
        Digest digest;
        for (int i = 0; i < Chunk_Size; ++i) {
            const double value = generator.Letter_Value();
            digest.Add(CalcModule::Standard_Number_Text(value));
            digest.Add(CalcModule::Function_Result_Text(value));
            // leading numbers of texts as the windows hold them, blanks and all
            std::string text = generator.Chance(60) ? generator.Number(10) : generator.Junk();
            if (generator.Chance(20)) text.insert(generator.Below(text.size() + 1), " ");
            if (generator.Chance(10)) text = generator.Pick({"-", "+", " -"}) + text;
            if (const auto number = CalcModule::Leading_Number(text))
                digest.Add(*number);
            else
                digest.Add("range");
        }
        digests.push_back(digest.value);
    }
    return digests;
}

// "<kind> <chunk> <digest>" per line.
std::map<std::string, std::vector<std::uint64_t>> Read_Recorded(const std::string &path) {
    std::map<std::string, std::vector<std::uint64_t>> recorded;
    std::ifstream in(path);
    std::string kind;
    std::size_t chunk;
    std::string hex;
    while (in >> kind >> chunk >> hex) {
        auto &list = recorded[kind];
        if (list.size() <= chunk) list.resize(chunk + 1);
        list[chunk] = std::strtoull(hex.c_str(), nullptr, 16);
    }
    return recorded;
}

void Compare(const char *kind, const std::vector<std::uint64_t> &now,
             const std::vector<std::uint64_t> &recorded) {
    ASSERT_EQ(now.size(), recorded.size()) << kind << ": the recorded file has another size";
    int mismatches = 0;
    for (std::size_t chunk = 0; chunk < now.size(); ++chunk)
        if (now[chunk] != recorded[chunk] && ++mismatches <= 10)
            ADD_FAILURE() << kind << " chunk " << chunk << " (cases " << chunk * Chunk_Size
                          << " to " << (chunk + 1) * Chunk_Size - 1 << ") gives other answers";
    EXPECT_EQ(mismatches, 0) << kind;
}

} // namespace

TEST(Equivalence, AnswersMatchTheRecordedOnes) {
    const auto expressions = Expression_Digests();
    const auto numbers = Number_Digests();
    if (const char *path = std::getenv("QUORVEX_RECORD_DIGESTS")) {
        std::ofstream out(path);
        for (std::size_t i = 0; i < expressions.size(); ++i)
            out << "expressions " << i << ' ' << std::hex << expressions[i] << std::dec << '\n';
        for (std::size_t i = 0; i < numbers.size(); ++i)
            out << "numbers " << i << ' ' << std::hex << numbers[i] << std::dec << '\n';
        ASSERT_TRUE(out.good()) << path;
        GTEST_SKIP() << "recorded to " << path;
    }
    auto recorded = Read_Recorded(QUORVEX_DIGEST_FILE);
    ASSERT_FALSE(recorded.empty()) << "no digests at " << QUORVEX_DIGEST_FILE;
    Compare("expressions", expressions, recorded["expressions"]);
    Compare("numbers", numbers, recorded["numbers"]);
}
