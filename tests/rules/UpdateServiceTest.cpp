#include "rules/UpdateService.h"

#include "fakes/DrawText.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(UpdateService, AnswersEachRequestByItsDate)
{
    const DrawAnswers index(
        drawsFromText({"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 3 11 17 25 33 40 D2", "09.11.2023 7 8 9 10 11 12 D3"}));
    EXPECT_EQ(index.dates(), 2u);
    const struct {
        const char* target;
        int status;
        const char* body; // nullptr: any body
    } cases[] = {
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231106", 200, "06.11.2023,1,2,3,4,5,6,1;\r\n"},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109", 200,
         "09.11.2023,3,11,17,25,33,40,2;\r\n09.11.2023,7,8,9,10,11,12,3;\r\n"},
        {"/zahlen/lotto_neu.asp?Datum=20231109&Programm=Somnara&x=1", 200, nullptr},
        {"/zahlen/lotto_neu.asp?programm=Somnara&datum=20231109", 200, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=2023%31109", 200, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231113", 500, "13.11.2023 noch nicht da\r\n"},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20230230", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=2023119", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Other&Datum=20231109", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Datum=20231109", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109&Datum=20231106", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=2023110%", 400, nullptr},
        {"/zahlen/lotto_neu.asp?Programm=Somnara&Datum=2023110%G1", 400, nullptr},
        {"/zahlen/lotto_neu.asp", 400, nullptr},
        {"/zahlen/lotto_neu.aspx?Programm=Somnara&Datum=20231109", 404, nullptr},
        {"", 404, nullptr},
    };
    for (const auto& c : cases) {
        const ServiceAnswer a = answerDrawRequest(c.target, index);
        EXPECT_EQ(a.status, c.status) << c.target;
        if (c.body) {
            EXPECT_EQ(a.body, c.body) << c.target;
        }
    }
}

TEST(UpdateService, AnEmptyHistoryHasEveryDateStillToCome)
{
    EXPECT_EQ(answerDrawRequest("/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231106", DrawAnswers()).status, 500);
}

TEST(UpdateService, DamagedTargetsNeverCrash)
{
    const DrawAnswers index(randomDraws(20, 1));
    std::string target = "/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109";
    // every prefix and every single-byte change of a good target gets an answer
    for (size_t n = 0; n <= target.size(); ++n)
        EXPECT_GE(answerDrawRequest(target.substr(0, n), index).status, 200);
    for (size_t i = 0; i < target.size(); ++i)
        for (const char ch : {'\0', '%', '&', '=', '?', '\xff'}) {
            std::string t = target;
            t[i] = ch;
            EXPECT_GE(answerDrawRequest(t, index).status, 200);
        }
}
