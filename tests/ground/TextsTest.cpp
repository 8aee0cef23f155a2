#include "ground/Texts.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

using namespace zf;

TEST(Texts, ArgumentsFillTheirPlaces)
{
    EXPECT_EQ(text(Text::ReadDrawsFirst), "Lesen Sie zuerst die Daten der Ziehungen ein");
    EXPECT_EQ(text(Text::RandomDrawStop, {"3"}), "3 Stopp");
    EXPECT_EQ(text(Text::IoFailure, {text(Text::IoOpen), "/x/{1}.dat"}),
              "E/A-Fehler: Öffnen von \"/x/{1}.dat\" fehlgeschlagen.");
    // a missing argument leaves its place empty
    EXPECT_EQ(text(Text::NumberWeight, {"7"}), "Die Zahl 7 geht mit der Gewichtung  in die Berechnung ein");
}

TEST(Texts, AnErrorCarriesItsIdAndArguments)
{
    try {
        throw ConvertError(Text::CellNotANumber, {"3. Tipp", "x"});
    } catch (const Error& e) {
        EXPECT_EQ(e.id(), Text::CellNotANumber);
        EXPECT_EQ(e.args(), (std::vector<std::string>{"3. Tipp", "x"}));
        EXPECT_STREQ(e.what(), "3. Tipp: \"x\" ist keine Zahl; bitte den Tipp vervollständigen.");
    }
}
