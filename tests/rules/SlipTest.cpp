#include "rules/Slip.h"
#include "fakes/SheetText.h"
#include "ground/Error.h"
#include "ground/Formats.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

// The marks that show "x", as the slip command prints them.
std::vector<std::string> shownMarks(const SlipPage& page)
{
    std::vector<std::string> v;
    for (const SlipMark& m : page.marks) {
        if (!m.shown)
            continue;
        const char* kind = m.kind == SlipMark::Kind::Number  ? "number"
                           : m.kind == SlipMark::Kind::Dream ? "dream"
                                                             : "option";
        v.push_back(std::string(kind) + " " + std::to_string(m.row) + " " + std::to_string(m.field) + " " +
                    std::to_string(m.left) + " " + std::to_string(m.top));
    }
    return v;
}

SlipSettings settings(SlipType type, int top, int left)
{
    SlipSettings s;
    s.type = type;
    s.top = top;
    s.left = left;
    return s;
}

} // namespace

TEST(SlipGeometry, PairOffsetsRoundHalvesToTheEvenNeighbour)
{
    const int romande[] = {0, 106, 211, 316, 422, 528, 633};
    const int swissLos[] = {0, 105, 210, 315, 420, 525, 630};
    for (int p = 0; p < 7; ++p) {
        EXPECT_EQ(pairOffset(SlipType::Romande, p), romande[p]) << p;
        EXPECT_EQ(pairOffset(SlipType::SwissLos, p), swissLos[p]) << p;
    }
    const SlipGeometry& r = slipGeometry(SlipType::Romande);
    const SlipGeometry& s = slipGeometry(SlipType::SwissLos);
    EXPECT_EQ(r.bandOffset, 8 * r.fieldHeight + r.fieldHeight / 4);
    EXPECT_EQ(s.bandOffset, 10 * s.fieldHeight - s.fieldHeight / 4);
}

TEST(SlipGeometry, SlipTypeTextOtherThanRomandeIsSwissLos)
{
    EXPECT_EQ(slipTypeOf("Romande"), SlipType::Romande);
    for (const char* other : {"SwissLos", "", "romande", "Romande "})
        EXPECT_EQ(slipTypeOf(other), SlipType::SwissLos) << other;
}

TEST(SlipGeometry, NumberMarksOfTheWorkedExamples)
{
    struct Case {
        const char* name;
        SlipType type;
        int slot, n, top, left;
        Position at;
    };
    const Case cases[] = {
        {"Romande 1", SlipType::Romande, 0, 1, 53, 32, {32, 53}},
        {"Romande 6", SlipType::Romande, 0, 6, 53, 32, {97, 53}},
        {"Romande 7", SlipType::Romande, 0, 7, 53, 32, {32, 69}},
        {"Romande 40", SlipType::Romande, 0, 40, 53, 32, {71, 149}},
        {"Romande lower band", SlipType::Romande, 1, 1, 0, 0, {0, 132}},
        {"Romande last slot 37", SlipType::Romande, 13, 37, 0, 0, {633, 132 + 96}},
        {"SwissLos slot 3 number 1", SlipType::SwissLos, 3, 1, 0, 0, {105, 186}},
        {"SwissLos slot 12 number 36", SlipType::SwissLos, 12, 36, 10, 20, {20 + 630 + 80, 10 + 95}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numberMarkAt(c.type, c.slot, c.n, c.top, c.left), c.at) << c.name;
}

TEST(SlipGeometry, DreamBoxesRelativeToTheSlipField)
{
    const Position romande[] = {{84, 4}, {84, 24}, {84, 44}, {84, 64}, {84, 84}};
    const Position swissLos[] = {{3, 136}, {21, 136}, {39, 136}, {11, 151}, {29, 151}};
    for (int z = 1; z <= 5; ++z) {
        EXPECT_EQ(dreamMarkAt(SlipType::Romande, 0, z, 0, 0), romande[z - 1]) << z;
        EXPECT_EQ(dreamMarkAt(SlipType::SwissLos, 0, z, 0, 0), swissLos[z - 1]) << z;
        // slot 5: band 1, pair 2, with both shifts
        const Position r = dreamMarkAt(SlipType::Romande, 5, z, 53, 32);
        EXPECT_EQ(r, (Position{32 + 211 + romande[z - 1].left, 53 + 132 + romande[z - 1].top})) << z;
    }
}

TEST(SlipGeometry, OptionMarksAndPaperFormats)
{
    EXPECT_EQ(optionMarkAt(SlipType::Romande, 1, 53, 32), (Position{277, 353}));
    EXPECT_EQ(optionMarkAt(SlipType::Romande, 3, 0, 0), (Position{579, 300}));
    EXPECT_EQ(optionMarkAt(SlipType::SwissLos, 2, 0, 0), (Position{380, 400}));
    EXPECT_EQ(optionMarkAt(SlipType::SwissLos, 3, 1, 2), (Position{574, 401}));

    struct Paper {
        int index;
        const char* name;
        double widthMm, heightMm; // as printed
    };
    const Paper papers[] = {{0, "A4", 210, 297},      {1, "A4 Quer", 297, 210}, {2, "A5 Quer", 210, 148},
                            {3, "18x10,6", 180, 106}, {4, "A4", 210, 297},      {-1, "A4", 210, 297}};
    for (const Paper& p : papers) {
        SlipSettings st;
        st.paper = p.index;
        const SlipPage page = buildSlipPage(TipSheet{}, st);
        EXPECT_EQ(page.paperName, p.name) << p.index;
        EXPECT_EQ(page.widthMm(), p.widthMm) << p.index;
        EXPECT_EQ(page.heightMm(), p.heightMm) << p.index;
        EXPECT_EQ(page.bottomMarginMm, 10);
    }
    EXPECT_EQ(paperFormat(4), nullptr);
}

TEST(SlipPage, TheWorkedExampleAndTheMarksOfAPage)
{
    TipSheet sheet;
    setRow(sheet, 0, "1,6,7,40,,,-");
    SlipSettings st = settings(SlipType::Romande, 53, 32);
    st.joker = {true, false, true};
    const SlipPage page = buildSlipPage(sheet, st);
    EXPECT_EQ(page.marks.size(), 101u);
    const std::vector<std::string> expected = {
        "number 1 1 32 53",  "number 1 2 97 53",   "number 1 3 32 69",
        "number 1 4 71 149", "option 1 0 277 353", "option 3 0 611 353",
    };
    EXPECT_EQ(shownMarks(page), expected);
    EXPECT_FALSE(page.picture.printed);
}

TEST(SlipPage, EveryFilledTipTakesTheNextSlot)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> rows;
        std::vector<std::string> marks; // the first number mark of each filled tip, and dream marks
    };
    const Case cases[] = {
        {"all tips in turn: odd tips upper band, even tips lower band",
         {{0, "1,,,,,,-"}, {1, "1,,,,,,-"}, {2, "1,,,,,,-"}, {3, "1,,,,,,-"}},
         {"number 1 1 0 0", "number 2 1 0 132", "number 3 1 106 0", "number 4 1 106 132"}},
        {"tip 1 empty: slot 0 stays blank, tip 2 in slot 1", {{1, "1,,,,,,-"}}, {"number 2 1 0 132"}},
        {"tip 3 empty: tip 4 takes its slot",
         {{0, "1,,,,,,-"}, {1, "1,,,,,,-"}, {3, "1,,,,,,-"}},
         {"number 1 1 0 0", "number 2 1 0 132", "number 4 1 106 0"}},
        {"a tip without first number prints into the slot before it",
         {{0, "1,,,,,,-"}, {1, ",2,,,,,3"}},
         {"number 1 1 0 0", "number 2 2 13 0", "dream 2 3 84 44"}},
        {"tip 1 without first number uses slot 0", {{0, ",,,,,40,-"}}, {"number 1 6 39 96"}},
        {"the fifth tip's first mark sits 3 units further right",
         {{0, "1,,,,,,-"}, {1, "1,,,,,,-"}, {2, "1,,,,,,-"}, {3, "1,,,,,,-"}, {4, "1,2,,,,,-"}},
         {"number 1 1 0 0", "number 2 1 0 132", "number 3 1 106 0", "number 4 1 106 132", "number 5 1 214 0",
          "number 5 2 224 0"}},
        {"dream number 5 on SwissLos: second row, second box",
         {{0, "1,,,,,,5"}},
         {"number 1 1 0 0", "dream 1 5 29 151"}},
    };
    for (const Case& c : cases) {
        TipSheet sheet;
        for (const auto& [row, text] : c.rows)
            setRow(sheet, row, text);
        const bool swiss = std::string(c.name).find("SwissLos") != std::string::npos;
        EXPECT_EQ(shownMarks(buildSlipPage(sheet, settings(swiss ? SlipType::SwissLos : SlipType::Romande, 0, 0))),
                  c.marks)
            << c.name;
    }
}

TEST(SlipPage, AFullSheetFillsEverySlot)
{
    TipSheet sheet;
    for (int row = 0; row < TipSheet::kRows; ++row)
        setRow(sheet, row, "1,8,15,22,29,36," + std::to_string(row % 5 + 1));
    for (SlipType type : {SlipType::Romande, SlipType::SwissLos}) {
        const SlipPage page = buildSlipPage(sheet, settings(type, 53, 32));
        ASSERT_EQ(shownMarks(page).size(), 14u * 7);
        for (int row = 0; row < TipSheet::kRows; ++row) {
            const SlipMark& first = page.marks[static_cast<size_t>(row * 7)];
            const Position p = numberMarkAt(type, row, 1, 53, 32);
            EXPECT_EQ(first.left, p.left + (row == 4 ? 3 : 0)) << row;
            EXPECT_EQ(first.top, p.top) << row;
            const SlipMark& dream = page.marks[static_cast<size_t>(row * 7 + 6)];
            EXPECT_EQ((Position{dream.left, dream.top}), dreamMarkAt(type, row, row % 5 + 1, 53, 32)) << row;
        }
    }
}

TEST(SlipPage, TestPictureAndItsHeight)
{
    SlipSettings st;
    st.testPicture = true;
    SlipPage page = buildSlipPage(TipSheet{}, st);
    EXPECT_TRUE(page.picture.printed);
    EXPECT_EQ(page.picture.file, "Romande.jpg");
    EXPECT_EQ(page.picture.height, 469);
    EXPECT_EQ((std::array{page.picture.left, page.picture.top, page.picture.width}), (std::array{10, -5, 785}));
    st.type = SlipType::SwissLos;
    st.testPicture = false;
    page = buildSlipPage(TipSheet{}, st);
    EXPECT_FALSE(page.picture.printed);
    EXPECT_EQ(page.picture.file, "SwissLos.jpg");
    EXPECT_EQ(page.picture.height, 550);
}

TEST(SlipPage, ADreamBoxThatIsNoDreamNumberRefusesTheWholePage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7,8", "3. Tipp, Traumzahl: \"7,8\""}, {"", "3. Tipp, Traumzahl: \"\""},   {"0", "3. Tipp, Traumzahl: \"0\""},
        {"6", "3. Tipp, Traumzahl: \"6\""},     {"x", "3. Tipp, Traumzahl: \"x\""},
    };
    for (const auto& [dream, message] : cases) {
        TipSheet sheet;
        setRow(sheet, 0, "1,2,3,4,5,6,1");
        setRow(sheet, 2, "1,2,3,4,5,6,-");
        sheet.setDream(2, dream);
        try {
            buildSlipPage(sheet, SlipSettings{});
            ADD_FAILURE() << dream << " printed";
        } catch (const ConvertError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST(SlipCost, TheCostTable)
{
    struct Case {
        const char* name;
        int tipp, plus;
        std::array<bool, 3> joker;
        PlayedDays days;
        const char* cost;
    };
    const Case cases[] = {
        {"empty sheet, one day", 0, 0, {}, {false, true}, "0,00 €"},
        {"full sheet, all options, both days", 14, 14, {true, true, true}, {true, true}, "82,00 €"},
        {"no day: nothing", 14, 14, {true, true, true}, {false, false}, "0,00 €"},
        {"one day again: undoubled", 14, 14, {true, true, true}, {true, false}, "41,00 €"},
        {"one tip", 1, 0, {}, {true, false}, "1,50 €"},
        {"three tips, two dream numbers, one option", 3, 2, {false, true, false}, {false, true}, "8,50 €"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatCost(slipCost({c.tipp, c.plus}, c.joker, c.days)), c.cost) << c.name;
}

TEST(SlipCost, CountsTipsByTheirFirstFieldAndDreamNumbersByTheirBox)
{
    TipSheet sheet;
    setRow(sheet, 0, "1,2,3,4,5,6,2");
    setRow(sheet, 1, ",2,3,4,5,6,3"); // not counted as a tip, its dream number counts
    setRow(sheet, 2, "1,,,,,,-");
    sheet.setDream(5, ""); // anything but "-" counts
    const TipCounts c = countTips(sheet);
    EXPECT_EQ(c.tipp, 2);
    EXPECT_EQ(c.plus, 3);
}

TEST(SlipCost, WeekdayPreset)
{
    const std::pair<const char*, bool> cases[] = {
        // date, "Samstag" on ("Mittwoch" is the other)
        {"07.12.2025", false}, {"08.12.2025", false}, {"09.12.2025", false}, {"10.12.2025", false},
        {"11.12.2025", true},  {"12.12.2025", true},  {"13.12.2025", true},
    };
    for (const auto& [date, samstag] : cases) {
        const PlayedDays d = dayPreset(*parseDate(date));
        EXPECT_EQ(d.samstag, samstag) << date;
        EXPECT_EQ(d.mittwoch, !samstag) << date;
    }
}
