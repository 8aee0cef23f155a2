#include "session/SheetCommands.h"
#include "fakes/SheetText.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(CellValidation, KeepsOnlyNumbersFrom1To40)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7", "7"}, {"07", "7"}, {"40", "40"}, {"1", "1"}, {"41", ""},  {"0", ""},
        {"-3", ""}, {"x", ""},   {"", ""},     {"3x", ""}, {" 5", "5"}, {"99999999999", ""},
    };
    TipSheet s;
    for (const auto& [typed, kept] : cases) {
        s.setCell(12, 3, typed);
        EXPECT_EQ(s.cell(12, 3), kept) << typed;
    }
}

TEST(ClearCommand, EmptiesTheUnlockedRowsAndChecksTheSheet)
{
    AppFixture f;
    f.current("09.11.2023 3 12 19 25 33 40 D2");
    TipSheet& s = f.app.sheet();
    for (int row = 0; row < TipSheet::kRows; ++row)
        setRow(s, row, "3,7,12,25,31,40,2");
    checkTips(f.app);
    toggleLock(f.app, 1);
    toggleLock(f.app, 12);
    toggleLock(f.app, 5);
    toggleLock(f.app, 5); // clicked twice: unlocked again
    f.app.sortieren = false;

    f.dialogs.yesNoAnswers = {false};
    clearTipsAsking(f.app);
    EXPECT_EQ(rowText(s, 0), "3,7,12,25,31,40,2");
    EXPECT_EQ(f.dialogs.shown.back(), f.app.msg(Msg::ClearTipsQuestion));

    clearTipsAsking(f.app);
    for (int row = 0; row < TipSheet::kRows; ++row) {
        const bool kept = row == 1 || row == 12;
        EXPECT_EQ(rowText(s, row), kept ? "3,7,12,25,31,40,2" : ",,,,,,-") << row;
        EXPECT_EQ(s.matchText(row), kept ? "4 + D" : "") << row;
        EXPECT_EQ(s.sumText(row), kept ? "118" : "") << row;
        EXPECT_EQ(hits(s, row), kept ? "G.GG.G" : "......") << row;
    }
    EXPECT_EQ(f.app.matching.statistik[4][0], 2); // checked although sorting was off
    EXPECT_FALSE(f.app.sortieren);
}

TEST(TippEdit, MarksTheRowAndWritesTheChosenNumbersBack)
{
    AppFixture f;
    TipSheet& s = f.app.sheet();
    setRow(s, 12, "3,9,17,22,30,38,4");
    f.zahlenwahl.user = [](NumberSelection& form) {
        EXPECT_FALSE(form.bitBtn3Visible);
        EXPECT_TRUE(form.bitBtn4Visible);
        EXPECT_EQ(form.maxTipp, 6);
        EXPECT_EQ(form.purpose, NumberSelection::Purpose::EditTip);
        EXPECT_EQ(form.tipRow, 12);
        EXPECT_EQ(form.box(9).colour, BoxColour::Yellow);
        EXPECT_EQ(form.box(10).colour, BoxColour::Normal);
        form.clearNumbers();
        for (int n : {5, 9, 12})
            form.leftClick(n);
        return ModalResult::Ok;
    };
    editTipRow(f.app, 12);
    EXPECT_EQ(f.zahlenwahl.tickedWhenShown, (std::vector<int>{3, 9, 17, 22, 30, 38, 41, 42}));
    EXPECT_EQ(rowText(s, 12), "5,9,12,22,30,38,4");
    EXPECT_TRUE(f.app.form6.bitBtn3Visible);
    EXPECT_FALSE(f.app.form6.bitBtn4Visible);
    EXPECT_EQ(f.app.form6.box(9).colour, BoxColour::Normal);
    EXPECT_EQ(f.app.form6.purpose, NumberSelection::Purpose::NumberChoice);
}

TEST(TippEdit, AnEmptyCellEndsTheMarkingAndOnlyOkWrites)
{
    AppFixture f;
    TipSheet& s = f.app.sheet();
    setRow(s, 0, "8,,17,22,30,38,-");
    f.zahlenwahl.user = [](NumberSelection& form) {
        form.leftClick(1);
        return ModalResult::Abort;
    };
    editTip(f.app, 1);
    EXPECT_EQ(f.zahlenwahl.tickedWhenShown, (std::vector<int>{8, 41, 42}));
    EXPECT_EQ(rowText(s, 0), "8,,17,22,30,38,-");
}

TEST(TippEdit, MoreThanSixTicksFillOnlySixCells)
{
    AppFixture f;
    f.zahlenwahl.user = [](NumberSelection& form) {
        for (int n = 40; n >= 33; --n)
            form.setChecked(n, true);
        return ModalResult::Ok;
    };
    editTipRow(f.app, 13);
    EXPECT_EQ(rowText(f.app.sheet(), 13), "33,34,35,36,37,38,-");
}

TEST(LuckyNumber, SeedsTheGeneratorFromTheAnswerOrTheClock)
{
    AppFixture f;
    f.dialogs.inputAnswer = "12345";
    setLuckyNumber(f.app);
    EXPECT_EQ(f.feedback.status[1], f.app.msg(Msg::GeneratorSeededWith) + " 12345");
    Random expected(12345);
    EXPECT_EQ(f.app.random().next(), expected.next());

    f.feedback.status[1] = "before";
    f.dialogs.inputAnswer = "";
    setLuckyNumber(f.app);
    EXPECT_EQ(f.feedback.status[1], "before");
    Random fromClock(f.clock.seed);
    EXPECT_EQ(f.app.random().next(), fromClock.next());
}
