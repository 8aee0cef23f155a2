#include "data/Messages.h"
#include "fakes/TempDir.h"
#include "ground/Texts.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace {

struct LanguageFixture : ::testing::Test {
    TempDir dir;
    Session app{Ports{}};
    std::vector<std::string> applied; // what the window was handed, one line per call

    LanguageFixture()
    {
        std::filesystem::create_directories(dir.file("land"));
        app.home = dir.home();
        app.addLanguageListener([this](LanguageTexts& t) {
            const auto found = t.controls.find("Form1", "Label1");
            applied.push_back((found ? found->caption : "-") + "|" + (t.optionItems ? t.optionItems->front() : "-"));
        });
    }
    void write(const std::string& name, const std::string& text) { dir.write("land/" + name, "\xEF\xBB\xBF" + text); }
};

} // namespace

TEST_F(LanguageFixture, MissingBaseFileChangesNothing)
{
    write("meldungen.txt.en", "Frequency\r\n");
    write("Radio1.txt.en", "random\r\n");
    app.applyLanguage(1);
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(app.messages()[0], Messages::builtIn()[0]) << "the German texts built into the program stay";
    EXPECT_EQ(app.messages().count(), 54);
    EXPECT_EQ(app.options().integer(Opt::Sprache), 1) << "the choice is remembered all the same";
}

TEST_F(LanguageFixture, AppliesControlTextsItemsAndCatalogueByCode)
{
    write("bezeichch.txt", "Form1\r\nLabel1\r\nZahl\r\n\r\n1\r\n");
    write("bezeichch.txt.it", "Numero\r\n\r\n");
    write("Radio1.txt.it", "a caso\r\n");
    write("meldungen.txt.it", "Frequenza\r\nEstrazioni\r\n");
    write("bezeichch.txt.sp", "Número\r\n\r\n");
    write("bezeichch.txt.cz", "Číslo\r\n\r\n");

    app.applyLanguage(9);
    EXPECT_EQ(app.options().integer(Opt::Sprache), 9);
    EXPECT_EQ(app.messages()[1], "Estrazioni");

    // no option items and no catalogue for these: the German texts built into the program, never blanks
    app.applyLanguage(3);
    app.applyLanguage(7);
    EXPECT_EQ(app.messages()[1], Messages::builtIn()[1]);
    // German has no translation file: the base file's texts
    app.applyLanguage(0);
    EXPECT_EQ(applied, (std::vector<std::string>{"Numero|a caso", "Número|-", "Číslo|-", "Zahl|-"}));

    // values outside the table apply nothing
    app.applyLanguage(10);
    EXPECT_EQ(applied.size(), 4u);
    EXPECT_EQ(app.options().integer(Opt::Sprache), 0);
}

// The program's own texts follow the language; a language without its texte
// file, a text it leaves out and the end of the session give the German ones.
TEST_F(LanguageFixture, ProgramTextsFollowTheLanguage)
{
    write("bezeichch.txt", "Form1\r\nLabel1\r\nZahl\r\n\r\n1\r\n");
    write("texte.txt.en", "# English\nReadDrawsFirst=Please load the draws first\nNumberTwice=Number {1} twice\n");
    app.applyLanguage(1);
    EXPECT_EQ(text(Text::ReadDrawsFirst), "Please load the draws first");
    EXPECT_EQ(text(Text::NumberTwice, {"7"}), "Number 7 twice");
    EXPECT_EQ(text(Text::DreamNotInRange, {"6"}), "Die Traumzahl 6 liegt nicht zwischen 1 und 5.");
    app.applyLanguage(5);
    EXPECT_EQ(text(Text::ReadDrawsFirst), germanText(Text::ReadDrawsFirst));
    app.applyLanguage(1);
    {
        Session idle{Ports{}};
    }
    EXPECT_EQ(text(Text::ReadDrawsFirst), "Please load the draws first") << "only the session that switched resets";
    {
        Session other{Ports{}};
        other.home = dir.home();
        other.applyLanguage(1);
    }
    EXPECT_EQ(text(Text::ReadDrawsFirst), germanText(Text::ReadDrawsFirst));
}
