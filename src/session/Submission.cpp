#include "session/Submission.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "ground/Paths.h"
#include "rules/ClickScript.h"
#include "rules/DrawUpdate.h"
#include "session/Session.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace zf {

namespace {

constexpr size_t kMaxTemplateBytes = 1024 * 1024;

// The values of the automation program's settings this program writes, in order.
struct StoredValue {
    const char* name;
    std::string ScriptForm::*field;
};
constexpr StoredValue kStored[] = {{"SwissLottoScript", &ScriptForm::script},
                                   {"SwissLottoZahl1", &ScriptForm::zahl1},
                                   {"SwissLottoText1", &ScriptForm::text1},
                                   {"SwissLottoZahl2", &ScriptForm::zahl2},
                                   {"SwissLottoText2", &ScriptForm::text2}};

std::string readSetting(SettingsStore& store, const std::string& name)
{
    std::string value;
    return store.readText(name, value) == ReadStatus::Ok ? value : std::string();
}

bool isFile(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(toPath(path), ec);
}

std::optional<int64_t> modifiedSeconds(const fs::path& path)
{
    std::error_code ec;
    const auto stamp = fs::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(stamp);
    return std::chrono::floor<std::chrono::seconds>(sys).time_since_epoch().count();
}

std::string scriptPath(const Session& s)
{
    const std::string name = compactDate(s.ports().clock->today()) + ".zks";
    return fromPath((toPath(s.home) / "Tipps" / name).make_preferred());
}

} // namespace

std::string loadPilotaraSettings(Session& s)
{
    SettingsStore& store = *s.ports().pilotara;
    for (const StoredValue& v : kStored)
        s.zksForm.*v.field = readSetting(store, v.name);
    return pilotaraProgram(readSetting(store, "Path"));
}

bool pilotaraInstalled(Session& s, const std::string& program)
{
    if (isFile(program))
        return true;
    Dialogs& dialogs = *s.ports().dialogs;
    if (!dialogs.askYesNo(text(Text::InstallPilotara), text(Text::InstallPilotaraCaption)))
        return false;
    const std::string server = s.options().text(Opt::ServerEdit);
    const auto address = parseServerAddress(server);
    if (!address)
        throw Error(Text::UpdateBadAddress, {server});
    const std::string installer = installerAddress(*address);
    if (!s.ports().shell->open(installer))
        dialogs.information(text(Text::AddressNotOpened, {installer}));
    return false;
}

SubmitResult writeClickScript(Session& s, const std::string& program, bool start)
{
    const ScriptForm& f = s.zksForm;
    SettingsStore& store = *s.ports().pilotara;
    for (const StoredValue& v : kStored)
        store.writeText(v.name, f.*v.field);
    store.flush();

    SubmitResult r;
    r.script = scriptPath(s);
    r.arguments = pilotaraArguments(r.script, {f.zahl1, f.text1, f.zahl2, f.text2});
    if (start && utf8Chars(program) > kMaxCommandChars)
        throw Error(Text::ProgramPathTooLong, {std::to_string(kMaxCommandChars), program});
    if (commandLineChars(r.arguments) > kMaxCommandChars)
        throw Error(Text::CommandLineTooLong, {std::to_string(kMaxCommandChars)});

    const Options& o = s.options();
    const PlaceholderValues values = clickScriptValues(s.sheet(), {s.form5.samstag, s.form5.mittwoch},
                                                       {o.flag(Opt::Joker1), o.flag(Opt::Joker2), o.flag(Opt::Joker3)});
    const std::string filled = fillPlaceholders(decodeTemplate(readFileBytes(f.script, kMaxTemplateBytes)), values);
    const fs::path folder = toPath(r.script).parent_path();
    std::error_code ec;
    if (!fs::create_directories(folder, ec) && ec)
        throw IoError(Text::IoFailure, {text(Text::IoCreate), fromPath(folder)});
    writeFileAtomically(r.script, filled);

    r.outcome =
        start && s.ports().shell->start(program, r.arguments) ? SubmitOutcome::Started : SubmitOutcome::NotStarted;
    return r;
}

SubmitResult submitTips(Session& s)
{
    const std::string program = loadPilotaraSettings(s);
    if (!pilotaraInstalled(s, program))
        return {SubmitOutcome::ProgramMissing, {}, {}};
    s.zksForm.folder = s.home + "Script";
    if (s.ports().scriptDialog->showModal(s.zksForm) != ModalResult::Ok)
        return {SubmitOutcome::Cancelled, {}, {}};
    return writeClickScript(s, program, true);
}

std::vector<std::string> scriptTemplates(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(toPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::string ext = fromPath(it->path().extension());
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; });
        std::error_code kind;
        if (ext == ".zks" && it->is_regular_file(kind))
            found.push_back(fromPath(it->path()));
    }
    std::sort(found.begin(), found.end());
    return found;
}

void listScriptTemplates(Session& s)
{
    ScriptForm& f = s.zksForm;
    f.templates = scriptTemplates(s.home + "Script");
    if (f.script.empty() && !f.templates.empty())
        f.script = f.templates.back();
}

void browseScriptTemplate(Session& s)
{
    ScriptForm& f = s.zksForm;
    if (const auto file = s.ports().dialogs->openFileName({"Darnholms Click Script", "*.zks", "zks", "", f.folder}))
        f.script = *file;
}

bool refreshScriptTemplate(Session& s)
{
    const fs::path local = toPath(s.zksForm.script);
    const auto server = parseServerAddress(s.options().text(Opt::ServerEdit));
    std::error_code ec;
    const auto modified = fs::is_regular_file(local, ec) ? modifiedSeconds(local) : std::nullopt;
    if (!server || !modified)
        return false;
    try {
        HttpRequest request;
        request.host = server->host;
        request.port = server->port;
        request.target = templateRefreshTarget(*server, fromPath(local.filename()));
        const HttpResponse answer = s.ports().http->get(request);
        if (!answerReplacesTemplate(answer, *modified))
            return false;
        writeFileAtomically(s.zksForm.script, answer.body);
        return true;
    } catch (const std::exception&) {
        return false; // the dialog closes with OK all the same
    }
}

void closeScriptDialog(Session& s)
{
    for (std::string* zahl : {&s.zksForm.zahl1, &s.zksForm.zahl2})
        if (zahl->empty())
            *zahl = "0";
}

} // namespace zf
