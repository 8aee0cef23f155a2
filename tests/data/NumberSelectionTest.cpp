#include "data/NumberSelection.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "ground/Error.h"
#include "ground/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace zf;
using namespace zf::test;

TEST(NumberBoxes, ClicksStepTheWeight)
{
    NumberSelection form;
    form.setChecked(7, false);
    form.setWeight(7, "3");
    form.leftClick(7);
    EXPECT_TRUE(form.box(7).checked);
    EXPECT_EQ(form.box(7).weight, "4");
    EXPECT_EQ(form.shownBox, 7);
    EXPECT_EQ(form.box(7).weight, "4");
    form.leftClick(7);
    EXPECT_FALSE(form.box(7).checked);
    EXPECT_EQ(form.box(7).weight, "4");

    // right button on a ticked box with weight 1
    form.setWeight(8, "1");
    form.mouseReleased(8, true);
    EXPECT_FALSE(form.box(8).checked);
    EXPECT_EQ(form.box(8).weight, "0");

    // right button on an unticked box: only the status text changes
    form.mouseReleased(7, true);
    EXPECT_FALSE(form.box(7).checked);
    EXPECT_EQ(form.box(7).weight, "4");
    EXPECT_EQ(form.shownBox, 7);
    EXPECT_EQ(form.box(7).weight, "4");

    // a weight that is not a number becomes 0 and unticks the box
    form.setWeight(9, "x");
    form.boxClicked(9);
    EXPECT_FALSE(form.box(9).checked);
    EXPECT_EQ(form.box(9).weight, "0");

    // a weight at the integer limit from a loaded list steps without overflowing
    NumberSelection fresh;
    fresh.setChecked(10, false);
    fresh.setWeight(10, "2147483647");
    fresh.leftClick(10);
    EXPECT_EQ(fresh.box(10).weight, "2147483648");
}

TEST(ValueList, SavesAndLoadsTicksAndWeights)
{
    TempDir dir;
    FakeDialogs dialogs;
    NumberSelection form;
    form.clearNumbers();
    form.setChecked(5, true); // empty weight: saved as 1
    form.setWeight(5, "");
    form.setChecked(40, true);
    form.setWeight(40, "12");
    dialogs.fileAnswer = dir.file("liste.zwl");
    form.saveListAsking(dialogs, 46000);
    EXPECT_EQ(form.box(5).weight, "1");
    std::string expected;
    for (int n = 1; n <= 40; ++n)
        expected += (n == 5 ? "1" : n == 40 ? "12" : "") + std::string("\r\n");
    EXPECT_EQ(dir.read("liste.zwl"), expected);

    NumberSelection back;
    back.loadListAsking(dialogs, 46000);
    for (int n = 1; n <= 40; ++n) {
        EXPECT_EQ(back.box(n).checked, n == 5 || n == 40) << n;
        EXPECT_EQ(back.box(n).weight, n == 40 ? "12" : "1") << n;
    }

    dir.write("kurz.zwl", "2\r\n\r\n7\r\n");
    back.loadList(dir.file("kurz.zwl"));
    EXPECT_TRUE(back.box(1).checked);
    EXPECT_EQ(back.box(1).weight, "2");
    EXPECT_FALSE(back.box(2).checked);
    EXPECT_EQ(back.box(3).weight, "7");
    EXPECT_FALSE(back.box(40).checked);
    EXPECT_EQ(back.box(40).weight, "1");

    EXPECT_THROW(back.loadList(dir.file("fehlt.zwl")), IoError);
    const FileFilter filter = NumberSelection::listFilter(46000);
    EXPECT_EQ(filter.defaultName, "20251209.zwl");
    EXPECT_EQ(filter.pattern, "*.zwl");
}

TEST(RandomDraw, DrawsSixDifferentNumbersAndFixesOneMorePerStop)
{
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        Random random(seed);
        NumberSelection form;
        form.mouseReleased(3, true); // a right click before must not matter
        form.startRandomDraw();
        ASSERT_TRUE(form.timerOn);
        std::vector<int> fixed;
        for (int stop = 1; stop <= 6; ++stop) {
            form.randomDrawTick(random);
            EXPECT_EQ(form.randomButton, NumberSelection::RandomButton::Stop);
            EXPECT_EQ(form.losgeht, stop);
            std::set<int> ticked;
            for (int n = 1; n <= NumberSelection::kNumbers; ++n)
                if (form.box(n).checked)
                    ticked.insert(n);
            EXPECT_EQ(ticked.size(), 6u);
            std::set<int> drawn(form.tippreihe.begin() + 1, form.tippreihe.begin() + 7);
            EXPECT_EQ(drawn, ticked);
            for (size_t i = 0; i < fixed.size(); ++i)
                EXPECT_EQ(form.tippreihe[i + 1], fixed[i]);
            fixed.push_back(form.tippreihe[stop]);
            form.startRandomDraw();
        }
        EXPECT_FALSE(form.timerOn);
        EXPECT_EQ(form.randomButton, NumberSelection::RandomButton::Again);
        EXPECT_EQ(form.losgeht, 1);
    }
}

TEST(RandomDraw, AStopBeforeTheFirstTickFixesNothing)
{
    Random random(7);
    NumberSelection form;
    form.startRandomDraw();
    form.startRandomDraw(); // pressed again before the timer ticked
    form.randomDrawTick(random);
    EXPECT_EQ(form.randomButton, NumberSelection::RandomButton::Stop);
    EXPECT_EQ(form.losgeht, 1);
    int ticked = 0;
    for (int n = 1; n <= NumberSelection::kNumbers; ++n)
        ticked += form.box(n).checked;
    EXPECT_EQ(ticked, 6);
}
