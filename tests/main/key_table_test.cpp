// The key pad's table: every cell of the pad filled once, each inverse key
// over a plain key, each typed character pressing one key that says so in
// its tooltip; and the window built from it: keys where their cells are,
// typed characters doing what a click on their key does.

#include "Window_Driver.h"

#include "ui/main/Key_Table.h"

#include <QRect>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

using Key_Table::Family;
using Key_Table::Key;
using Key_Table::Layer;

struct Table_Key {
    Family family;
    int index;
    const Key *key;
};

std::vector<Table_Key> All_Keys() {
    std::vector<Table_Key> all;
    for (const auto family : Key_Table::Families) {
        const auto keys = Key_Table::Keys(family);
        for (std::size_t i = 0; i < keys.size(); ++i) all.push_back({family, int(i), &keys[i]});
    }
    return all;
}

QString Object_Name(const Table_Key &k) {
    return QStringLiteral("%1_%2").arg(Key_Table::Control_Name(k.family)).arg(k.index);
}

} // namespace

TEST(Key_Table, EveryCellOfThePadHoldsOneKeyAndEachInverseKeyCoversAPlainOne) {
    EXPECT_EQ(Key_Table::Keys(Family::Digit).size(), 20u);
    EXPECT_EQ(Key_Table::Keys(Family::Process).size(), 4u);
    EXPECT_EQ(Key_Table::Keys(Family::Operator).size(), 31u);

    // cell -> the keys standing in it, by layer
    std::map<std::pair<int, int>, std::vector<const Key *>> shown, inverse;
    std::set<std::string> faces;
    for (const auto &k : All_Keys()) {
        EXPECT_TRUE(faces.insert(k.key->face).second) << "face twice: " << k.key->face;
        EXPECT_GE(k.key->column, Key_Table::Fn1) << k.key->face;
        EXPECT_LE(k.key->column + k.key->column_span - 1, Key_Table::Op2) << k.key->face;
        EXPECT_LE(k.key->row + k.key->row_span, Key_Table::Rows) << k.key->face;
        for (int r = k.key->row; r < k.key->row + k.key->row_span; ++r)
            for (int c = k.key->column; c < k.key->column + k.key->column_span; ++c)
                (k.key->layer == Layer::Inverse ? inverse : shown)[{r, c}].push_back(k.key);
    }
    for (int r = 0; r < Key_Table::Rows; ++r)
        for (int c = Key_Table::Fn1; c <= Key_Table::Op2; ++c) {
            const auto &here = shown[{r, c}];
            ASSERT_EQ(here.size(), 1u) << "row " << r << " column " << c;
            const auto &over = inverse[{r, c}];
            // a plain key has exactly one inverse key over it, any other none
            EXPECT_EQ(over.size(), here[0]->layer == Layer::Plain ? 1u : 0u) << here[0]->face;
        }
}

TEST(Key_Table, EachTypedCharacterPressesOneKeyThatNamesItInItsTooltip) {
    std::map<char, std::string> claimed;
    for (const auto &k : All_Keys()) {
        const std::string typed = k.key->typed ? k.key->typed : "";
        for (const char c : typed) {
            const auto [where, fresh] = claimed.emplace(c, k.key->face);
            EXPECT_TRUE(fresh) << "'" << c << "' types " << where->second << " and " << k.key->face;
            const auto found = Key_Table::Typed_Key(char16_t(c));
            ASSERT_TRUE(found.has_value()) << c;
            EXPECT_EQ(found->family, k.family) << c;
            EXPECT_EQ(found->index, k.index) << c;
        }
        // a key typed by anything but its face tells the user which keys
        if (typed.empty() || typed == k.key->face) continue;
        ASSERT_NE(k.key->tip, nullptr) << k.key->face;
        const std::string tip = k.key->tip;
        for (const char c : typed) {
            const std::string said = c == '\r' ? "Enter" : std::string(1, c);
            EXPECT_NE(tip.find(said), std::string::npos) << k.key->face << " " << said;
        }
    }
    for (const char16_t c : {u'g', u'x', u' ', u'\t', u'\0', u'统', u'√'})
        EXPECT_FALSE(Key_Table::Typed_Key(c).has_value()) << int(c);
}

using Key_Pad = Window_Driver;

TEST_F(Key_Pad, EveryKeyStandsInItsCellAndAnInverseKeyExactlyOverItsPlainKey) {
    Press("INV");
    // the edges of each row and column, taken from the keys of one cell
    std::map<int, std::set<int>> tops, bottoms, lefts, rights;
    for (const auto &k : All_Keys()) {
        auto *key = Find<QPushButton>(Object_Name(k));
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->isVisible()) << k.key->face;
        // what a click at the key's centre reaches: the key, or the inverse
        // key lying over a plain one
        auto *on_top =
            qobject_cast<QPushButton *>(key->parentWidget()->childAt(key->geometry().center()));
        ASSERT_NE(on_top, nullptr) << k.key->face;
        EXPECT_EQ(on_top == key, k.key->layer != Layer::Plain) << k.key->face;
        if (k.key->layer == Layer::Plain) {
            EXPECT_EQ(on_top->geometry(), key->geometry()) << k.key->face;
        }
        const QRect g = key->geometry();
        tops[k.key->row].insert(g.top());
        lefts[k.key->column].insert(g.left());
        bottoms[k.key->row + k.key->row_span - 1].insert(g.bottom());
        rights[k.key->column + k.key->column_span - 1].insert(g.right());
    }
    // every row and column lines up, and they follow one another in order
    for (const auto *edges : {&tops, &bottoms, &lefts, &rights})
        for (const auto &[place, values] : *edges)
            EXPECT_EQ(values.size(), 1u) << "row or column " << place;
    for (int r = 1; r < Key_Table::Rows; ++r)
        EXPECT_GT(*tops[r].begin(), *bottoms[r - 1].begin()) << r;
    for (int c = Key_Table::Fn1 + 1; c <= Key_Table::Op2; ++c)
        EXPECT_GT(*lefts[c].begin(), *rights[c - 1].begin()) << c;
}

TEST_F(Key_Pad, EveryTypedCharacterDoesWhatAClickOnItsKeyDoes) {
    for (const auto &k : All_Keys()) {
        if (!k.key->typed) continue;
        // in a base where the key works, after a digit for it to act on
        const QString start =
            k.key->Works_In(10) ? QStringLiteral("CLR 1") : QStringLiteral("CLR HEX 1");
        Press(start);
        Click(QString::fromUtf8(k.key->face));
        const QString clicked = Display() + QLatin1Char('|') + Expression();
        for (const char c : std::string(k.key->typed)) {
            Press(start);
            Type(QString(QLatin1Char(c)));
            EXPECT_EQ(Display() + QLatin1Char('|') + Expression(), clicked)
                << k.key->face << " typed as " << int(c);
        }
    }
    Press("CLR");
}
