#include "session/PrintCommands.h"
#include "fakes/SheetText.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

struct PrintFixture : AppFixture {
    PrintFixture()
    {
        clock.day = *parseDate("10.12.2025"); // a Wednesday
        for (int row = 0; row < TipSheet::kRows; ++row)
            setRow(app.sheet(), row, "1,8,15,22,29,36," + std::to_string(row % 5 + 1));
    }
};

} // namespace

TEST(PrintCommand, OpensTheDialogWithPresetCountsAndCost)
{
    PrintFixture f;
    f.app.options().setFlag(Opt::Joker1, true);
    f.app.options().setFlag(Opt::Joker2, true);
    f.app.options().setFlag(Opt::Joker3, true);
    f.app.options().setInt(Opt::TippTop, 60);
    f.app.options().setInt(Opt::Papierformat, 2);
    f.printDialog.user = [&](PrintForm& form) {
        EXPECT_EQ(formatCost(form.cost), "41,00 €");
        form.samstag = form.mittwoch = true; // the user ticks the second day
        updatePrintCost(f.app);
        EXPECT_EQ(formatCost(form.cost), "82,00 €");
        form.samstag = form.mittwoch = false;
        updatePrintCost(f.app);
        EXPECT_EQ(formatCost(form.cost), "0,00 €");
        return ModalResult::Abort;
    };
    EXPECT_EQ(printSlip(f.app), PrintExit::Aborted);
    ASSERT_EQ(f.printDialog.shownWith.size(), 1u);
    const PrintForm& shown = f.printDialog.shownWith[0];
    EXPECT_TRUE(shown.mittwoch);
    EXPECT_FALSE(shown.samstag);
    EXPECT_EQ(shown.tipp, 14);
    EXPECT_EQ(shown.plus, 14);
    EXPECT_EQ(shown.top, 60);
    EXPECT_EQ(shown.left, 32);
    EXPECT_EQ(shown.paper, 2);
    EXPECT_EQ(shown.home, f.app.home);
    EXPECT_EQ(shown.zahlenfile, "ZahlenSN.dat");

    // on a Thursday "Samstag" only
    f.clock.day = *parseDate("11.12.2025");
    printSlip(f.app);
    EXPECT_TRUE(f.printDialog.shownWith[1].samstag);
    EXPECT_FALSE(f.printDialog.shownWith[1].mittwoch);
}

TEST(PrintCommand, OnlyOkTakesTheShiftsAndThePaperOver)
{
    for (ModalResult result : {ModalResult::Ok, ModalResult::Retry, ModalResult::Abort}) {
        PrintFixture f;
        f.printDialog.user = [&](PrintForm& form) {
            form.top = 10;
            form.left = 20;
            form.paper = 3;
            return result;
        };
        const PrintExit exit = printSlip(f.app);
        const bool ok = result == ModalResult::Ok;
        EXPECT_EQ(exit, ok                             ? PrintExit::Printed
                        : result == ModalResult::Retry ? PrintExit::Online
                                                       : PrintExit::Aborted);
        EXPECT_EQ(f.app.options().integer(Opt::TippTop), ok ? 10 : 53);
        EXPECT_EQ(f.app.options().integer(Opt::TippLeft), ok ? 20 : 32);
        EXPECT_EQ(f.app.options().integer(Opt::Papierformat), ok ? 3 : 0);
        ASSERT_EQ(f.slipPrinter.pages.size(), ok ? 1u : 0u);
        if (ok) {
            const SlipPage& page = f.slipPrinter.pages[0];
            EXPECT_EQ(page.paperName, "18x10,6");
            EXPECT_EQ(page.marks[0].left, 20);
            EXPECT_EQ(page.marks[0].top, 10);
        }
    }
}

TEST(PrintCommand, ABadDreamNumberPrintsNothingButKeepsWhatWasTakenOver)
{
    PrintFixture f;
    f.app.sheet().setDream(9, "7,8");
    f.printDialog.user = [](PrintForm& form) {
        form.top = 70;
        return ModalResult::Ok;
    };
    try {
        printSlip(f.app);
        FAIL() << "printed";
    } catch (const ConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("10. Tipp, Traumzahl"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(f.slipPrinter.pages.empty());
    EXPECT_EQ(f.app.options().integer(Opt::TippTop), 70);
}

TEST(PrintCommand, TestPictureIsLookedUpBesideTheProgramFirst)
{
    PrintFixture f;
    f.app.form5.testPicture = true;
    f.app.options().setText(Opt::ScheinBild, "SwissLos");
    SlipPage page = slipPage(f.app, slipSettings(f.app));
    EXPECT_TRUE(page.picture.printed);
    EXPECT_EQ(page.picture.path, ""); // missing: no error, no picture
    EXPECT_EQ(page.picture.height, 550);

    f.dir.write("SwissLos.jpg", "picture");
    page = slipPage(f.app, slipSettings(f.app));
    EXPECT_EQ(page.picture.path, f.dir.file("SwissLos.jpg"));

    f.app.form5.testPicture = false;
    page = slipPage(f.app, slipSettings(f.app));
    EXPECT_FALSE(page.picture.printed);
    EXPECT_EQ(page.picture.path, "");
}

TEST(PrintCommand, PrintModeLoadsTheFileThenPrints)
{
    PrintFixture f;
    f.dir.write("p.ztp", "1,2,3,4,5,6,5\r\n");
    EXPECT_EQ(printTipFile(f.app, f.dir.file("p.ztp")), PrintExit::Printed);
    ASSERT_EQ(f.slipPrinter.pages.size(), 1u);
    int shown = 0;
    for (const SlipMark& m : f.slipPrinter.pages[0].marks)
        shown += m.shown;
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(f.printDialog.shownWith[0].tipp, 1);

    EXPECT_THROW(printTipFile(f.app, f.dir.file("missing.ztp")), IoError);
    EXPECT_EQ(f.slipPrinter.pages.size(), 1u);
}

TEST(TicketNumbers, SearchNamesTheFirstDrawHoldingTheNumber)
{
    PrintFixture f;
    f.draws({"06.11.2023 1 2 3 4 5 6 D1 T111111", "09.11.2023 1 2 3 4 5 6 D1 T047113",
             "13.11.2023 1 2 3 4 5 6 D1 T047113"});
    preparePrintDialog(f.app);
    f.app.options().setText(Opt::Joker2Zahl, "047113");
    f.app.options().setText(Opt::Joker3Zahl, "047113");
    searchTicketNumber(f.app, 2);
    searchTicketNumber(f.app, 3);
    searchTicketNumber(f.app, 1);
    EXPECT_EQ(f.dialogs.shown, (std::vector<std::string>{"LosNr. wurde am 09.11.2023 als Joker gezogen",
                                                         "LosNr. wurde am 09.11.2023 aus Joker gezogen",
                                                         "Losnummer noch nie als Joker Gewinnzahl gezogen"}));
    // the file is closed again: it can be rewritten at once
    EXPECT_NO_THROW(f.draws({"06.11.2023 1 2 3 4 5 6 D1"}));
}

TEST(TicketNumbers, EmptyAndMissingDrawFiles)
{
    PrintFixture f;
    f.draws({});
    preparePrintDialog(f.app);
    EXPECT_EQ(ticketSearch(f.app, 1), "Losnummer noch nie als Joker Gewinnzahl gezogen");
    f.app.form5.zahlenfile = "missing.dat"; // an empty history
    EXPECT_EQ(ticketSearch(f.app, 1), "Losnummer noch nie als Joker Gewinnzahl gezogen");
    std::filesystem::create_directory(f.app.form5.home + "folder.dat");
    f.app.form5.zahlenfile = "folder.dat";
    EXPECT_THROW(ticketSearch(f.app, 1), IoError);
    f.app.form5.zahlenfile = "missing.dat";
    // a new number needs no draw file
    newTicketNumber(f.app, 3);
    EXPECT_EQ(f.app.options().text(Opt::Joker3Zahl).size(), 6u);
}

TEST(TicketNumbers, ANewNumberIsNeverOneOfTheStoredDraws)
{
    // the number the generator gives first for this seed is stored: the button draws again
    Random probe(5);
    std::string first;
    for (int i = 0; i < 6; ++i)
        first += static_cast<char>('0' + probe.below(10));
    PrintFixture f;
    f.draws({"06.11.2023 1 2 3 4 5 6 D1 T" + first});
    preparePrintDialog(f.app);
    f.app.random().setSeed(5);
    newTicketNumber(f.app, 1);
    EXPECT_NE(f.app.options().text(Opt::Joker1Zahl), first);
    EXPECT_EQ(f.app.options().text(Opt::Joker1Zahl).size(), 6u);
    // without the stored draw the same seed gives that number
    f.draws({});
    f.app.random().setSeed(5);
    newTicketNumber(f.app, 1);
    EXPECT_EQ(f.app.options().text(Opt::Joker1Zahl), first);
}
