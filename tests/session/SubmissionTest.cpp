#include "session/Submission.h"
#include "fakes/SheetText.h"
#include "ground/Error.h"
#include "rules/ClickScript.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace fs = std::filesystem;

namespace {

const std::string kTemplate = "Tipp [Z1_1] [Z6_1] [PLUS1] [MI] [SA] [MISA] [JOKER1] [JOKER2] [JOKER3]\r\n"
                              "Übergabe: [MELDUNGFERTIG]\r\n";

// A program folder with the automation program installed beside it, the
// template in "Script" and no "Tipps" folder yet; today is a Wednesday.
struct SubmitFixture : AppFixture {
    SubmitFixture()
    {
        clock.day = *parseDate("10.12.2025");
        fs::create_directories(dir.file("Script"));
        dir.write("Script/Beispiel.zks", kTemplate);
        dir.write("pilotara", "");
        pilotara.values["Path"] = dir.file("").substr(0, dir.file("").size() - 1);
        pilotara.values["SwissLottoScript"] = dir.file("Script/Beispiel.zks");
        setRow(app.sheet(), 0, "3,7,12,25,31,40,2");
        app.form5.mittwoch = true;
    }
    std::string stored(const std::string& name) const { return std::get<std::string>(pilotara.values.at(name)); }
    std::string scriptFile() const { return dir.file("Tipps/20251210.zks"); }
};

} // namespace

TEST(Submission, WritesTheFilledScriptAndStartsTheProgramWithSixArguments)
{
    SubmitFixture f;
    f.pilotara.values["SwissLottoZahl1"] = std::string("4711");
    f.pilotara.values["SwissLottoText1"] = std::string("ich");
    f.app.options().setFlag(Opt::Joker2, true);
    const std::string tricky = "a \"quoted\" $(touch pwned) `id` ; & | > x";
    f.scriptDialog.user = [&](ScriptForm& form) {
        EXPECT_EQ(form.zahl1, "4711");
        EXPECT_EQ(form.text1, "ich");
        EXPECT_EQ(form.zahl2, ""); // a missing value reads as empty
        EXPECT_EQ(form.folder, f.dir.home() + "Script");
        form.text2 = tricky;
        form.zahl2 = "2";
        return ModalResult::Ok;
    };
    const SubmitResult r = submitTips(f.app);
    EXPECT_EQ(r.outcome, SubmitOutcome::Started);
    EXPECT_EQ(r.script, f.scriptFile());
    EXPECT_EQ(f.dir.read("Tipps/20251210.zks"),
              "Tipp 3 40 2 JA NEIN NEIN NEIN JA NEIN\r\nÜbergabe: " + text(Text::ScriptReady) + "\r\n");
    ASSERT_EQ(f.shell.started.size(), 1u);
    EXPECT_EQ(f.shell.started[0],
              (std::vector<std::string>{f.dir.file("pilotara"), "START", f.scriptFile(), "4711", "ich", "2", tricky}));
    // the dialog's values are stored for the next time
    EXPECT_EQ(f.pilotara.writeOrder, (std::vector<std::string>{"SwissLottoScript", "SwissLottoZahl1", "SwissLottoText1",
                                                               "SwissLottoZahl2", "SwissLottoText2"}));
    EXPECT_EQ(f.stored("SwissLottoText2"), tricky);
    EXPECT_TRUE(f.dialogs.errors.empty());
}

TEST(Submission, ASecondSubmissionTheSameDayReplacesTheScript)
{
    SubmitFixture f;
    submitTips(f.app);
    setRow(f.app.sheet(), 0, "1,2,3,4,5,6,-");
    f.app.form5.samstag = true;
    EXPECT_EQ(submitTips(f.app).script, f.scriptFile());
    EXPECT_EQ(f.dir.read("Tipps/20251210.zks").substr(0, 24), "Tipp 1 6 - JA JA JA NEIN");
    EXPECT_EQ(f.shell.started.size(), 2u);
}

TEST(Submission, AMissingProgramOffersTheInstaller)
{
    for (const bool yes : {true, false}) {
        SubmitFixture f;
        fs::remove(f.dir.file("pilotara"));
        f.dialogs.yesNoAnswers = {yes};
        EXPECT_EQ(submitTips(f.app).outcome, SubmitOutcome::ProgramMissing);
        EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{"Darnholms Pilotara installieren?"});
        EXPECT_EQ(f.shell.opened, yes ? std::vector<std::string>{"http://127.0.0.1:8080/dateien/pilotarap.exe"}
                                      : std::vector<std::string>{});
        EXPECT_TRUE(f.scriptDialog.shownWith.empty());
        EXPECT_TRUE(f.shell.started.empty());
        EXPECT_FALSE(fs::exists(f.dir.file("Tipps")));
    }
    // an empty Path names a program at the root, normally not there; a folder is no program
    for (const bool emptyPath : {true, false}) {
        SubmitFixture f;
        fs::remove(f.dir.file("pilotara"));
        fs::create_directories(f.dir.file("pilotara"));
        if (emptyPath)
            f.pilotara.values["Path"] = std::string();
        f.dialogs.yesNoAnswers = {false};
        EXPECT_EQ(submitTips(f.app).outcome, SubmitOutcome::ProgramMissing) << emptyPath;
    }
}

TEST(Submission, CancelWritesNothing)
{
    SubmitFixture f;
    f.scriptDialog.user = [](ScriptForm& form) {
        form.zahl1 = "99";
        return ModalResult::Abort;
    };
    EXPECT_EQ(submitTips(f.app).outcome, SubmitOutcome::Cancelled);
    EXPECT_TRUE(f.pilotara.writeOrder.empty());
    EXPECT_FALSE(fs::exists(f.dir.file("Tipps")));
    EXPECT_TRUE(f.shell.started.empty());
}

TEST(Submission, TheDialogListsTemplatesAndPassesZeroForEmptyNumbers)
{
    SubmitFixture f;
    f.dir.write("Script/Alpha.ZKS", "A");
    f.dir.write("Script/notiz.txt", "");
    fs::create_directories(f.dir.file("Script/Ordner.zks"));
    f.pilotara.values.erase("SwissLottoScript");
    f.scriptDialog.user = [&](ScriptForm& form) {
        listScriptTemplates(f.app);
        EXPECT_EQ(form.templates,
                  (std::vector<std::string>{f.dir.file("Script/Alpha.ZKS"), f.dir.file("Script/Beispiel.zks")}));
        EXPECT_EQ(form.script, f.dir.file("Script/Beispiel.zks")); // nothing stored: the last one listed
        form.script = f.dir.file("Script/Alpha.ZKS");
        listScriptTemplates(f.app);
        EXPECT_EQ(form.script, f.dir.file("Script/Alpha.ZKS")); // a chosen one stays
        form.script = f.dir.file("Script/Beispiel.zks");
        form.zahl1.clear();
        form.zahl2.clear();
        closeScriptDialog(f.app);
        return ModalResult::Ok;
    };
    submitTips(f.app);
    EXPECT_EQ(f.stored("SwissLottoZahl1"), "0");
    EXPECT_EQ(f.stored("SwissLottoZahl2"), "0");
    ASSERT_EQ(f.shell.started.size(), 1u);
    EXPECT_EQ(f.shell.started[0][3], "0");
    EXPECT_EQ(f.shell.started[0][5], "0");

    f.dialogs.fileAnswer = f.dir.file("Script/Alpha.ZKS");
    browseScriptTemplate(f.app);
    EXPECT_EQ(f.app.zksForm.script, f.dir.file("Script/Alpha.ZKS"));
    EXPECT_TRUE(scriptTemplates(f.dir.file("fehlt")).empty());
}

TEST(Submission, AnEightBitTemplateBecomesUtf8)
{
    SubmitFixture f;
    f.dir.write("Script/Beispiel.zks", "Gr\xFC\xDF\x65 [Z1_1] \x80\r\n");
    submitTips(f.app);
    EXPECT_EQ(f.dir.read("Tipps/20251210.zks"), "Grüße 3 €\r\n");
}

TEST(Submission, FailuresStopBeforeTheProgramStarts)
{
    const std::string longText(kMaxCommandChars, 'x');
    const struct {
        const char* name;
        std::function<void(SubmitFixture&)> arrange;
        bool settingsStored;
    } cases[] = {
        {"template missing",
         [](SubmitFixture& f) { f.pilotara.values["SwissLottoScript"] = f.dir.file("Script/fehlt.zks"); }, true},
        {"template is a folder", [](SubmitFixture& f) { f.pilotara.values["SwissLottoScript"] = f.dir.file("Script"); },
         true},
        {"Tipps cannot be made", [](SubmitFixture& f) { f.dir.write("Tipps", "a file in the way"); }, true},
        {"parameters too long", [&](SubmitFixture& f) { f.pilotara.values["SwissLottoText2"] = longText; }, true},
    };
    for (const auto& c : cases) {
        SubmitFixture f;
        c.arrange(f);
        EXPECT_THROW(submitTips(f.app), Error) << c.name;
        EXPECT_TRUE(f.shell.started.empty()) << c.name;
        EXPECT_FALSE(fs::exists(f.scriptFile())) << c.name;
        EXPECT_EQ(f.pilotara.writeOrder.size(), 5u) << c.name;
    }
    // a parameter one character short of the limit still goes through
    SubmitFixture f;
    const size_t room = kMaxCommandChars - commandLineChars(pilotaraArguments(f.scriptFile(), {"", "", "", ""}));
    f.pilotara.values["SwissLottoText2"] = std::string(room, 'y');
    EXPECT_EQ(submitTips(f.app).outcome, SubmitOutcome::Started);
    f.pilotara.values["SwissLottoText2"] = std::string(room + 1, 'y');
    EXPECT_THROW(submitTips(f.app), Error);
}

TEST(Submission, AProgramPathTooLongIsRefused)
{
    SubmitFixture f;
    std::string folder = f.dir.file("");
    while (folder.size() <= kMaxCommandChars)
        folder += "langer-ordner-name/";
    fs::create_directories(folder);
    std::ofstream(folder + "pilotara") << "";
    folder.pop_back();
    f.pilotara.values["Path"] = folder;
    try {
        submitTips(f.app);
        FAIL() << "not refused";
    } catch (const Error& e) {
        EXPECT_EQ(e.id(), Text::ProgramPathTooLong);
    }
    EXPECT_TRUE(f.shell.started.empty());
    EXPECT_FALSE(fs::exists(f.scriptFile()));
}

TEST(Submission, WithoutStartingTheScriptIsWrittenAndNothingStarts)
{
    SubmitFixture f;
    fs::remove(f.dir.file("pilotara"));
    loadPilotaraSettings(f.app);
    const SubmitResult r = writeClickScript(f.app, f.dir.file("pilotara"), false);
    EXPECT_EQ(r.outcome, SubmitOutcome::NotStarted);
    EXPECT_TRUE(fs::exists(f.scriptFile()));
    EXPECT_TRUE(f.shell.started.empty());
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(Submission, TheTemplateRefreshReplacesOnlyWithANewerWholeAnswer)
{
    const std::string newer = "Sun, 06 Nov 2044 08:49:37 GMT";
    const struct {
        const char* name;
        std::function<HttpResponse(const HttpRequest&)> answer;
        bool replaced;
    } cases[] = {
        {"newer",
         [&](const HttpRequest&) {
             return HttpResponse{200, "OK", "neu [Z1_1]", newer};
         },
         true},
        {"older",
         [](const HttpRequest&) {
             return HttpResponse{200, "OK", "alt", "Sun, 06 Nov 1994 08:49:37 GMT"};
         },
         false},
        {"no Last-Modified",
         [](const HttpRequest&) {
             return HttpResponse{200, "OK", "ohne", ""};
         },
         false},
        {"404",
         [&](const HttpRequest&) {
             return HttpResponse{404, "Not Found", "Nicht gefunden", newer};
         },
         false},
        {"empty body",
         [&](const HttpRequest&) {
             return HttpResponse{200, "OK", "", newer};
         },
         false},
        {"no answer", [](const HttpRequest& r) -> HttpResponse { throw Error(Text::NoConnection, {r.host}); }, false},
    };
    for (const auto& c : cases) {
        SubmitFixture f;
        f.app.options().setText(Opt::ServerEdit, "http://lotto.example:8081/maker/");
        f.app.options().setText(Opt::ProxyHostEdit, "proxy.example");
        f.app.options().setText(Opt::ProxyPortEdit, "3128");
        f.http.answer = c.answer;
        loadPilotaraSettings(f.app);
        EXPECT_EQ(refreshScriptTemplate(f.app), c.replaced) << c.name;
        EXPECT_EQ(f.dir.read("Script/Beispiel.zks"), c.replaced ? "neu [Z1_1]" : kTemplate) << c.name;
        const auto requests = f.http.requests();
        ASSERT_EQ(requests.size(), 1u) << c.name;
        EXPECT_EQ(requests[0].host, "lotto.example");
        EXPECT_EQ(requests[0].port, 8081);
        EXPECT_EQ(requests[0].target, "/maker/scripts/Beispiel.zks.txt");
        EXPECT_TRUE(requests[0].proxyHost.empty()); // never through the proxy
        EXPECT_TRUE(f.dialogs.errors.empty() && f.dialogs.shown.empty());
    }
    // no local template, or no usable server: nothing is asked
    SubmitFixture f;
    f.app.zksForm.script = f.dir.file("Script/fehlt.zks");
    EXPECT_FALSE(refreshScriptTemplate(f.app));
    f.app.zksForm.script = f.dir.file("Script/Beispiel.zks");
    f.app.options().setText(Opt::ServerEdit, "kein server");
    EXPECT_FALSE(refreshScriptTemplate(f.app));
    EXPECT_TRUE(f.http.requests().empty());
}
