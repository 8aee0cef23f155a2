#pragma once

#include <string>
#include <vector>

namespace zf {

class Session;

enum class SubmitOutcome {
    Started,        // the script is written and the automation program started
    NotStarted,     // the script is written; the program was not to be started, or did not start
    ProgramMissing, // the install question was asked instead
    Cancelled,      // the script selection dialog ended without OK
};

struct SubmitResult {
    SubmitOutcome outcome = SubmitOutcome::Cancelled;
    std::string script;                 // the written script
    std::vector<std::string> arguments; // as the program gets them
};

// Hands the sheet to the automation program: reads its settings, offers its
// installer when it is missing, shows the script selection dialog, stores
// the dialog's values, fills the template into "Tipps/yyyymmdd.zks" and
// starts the program on it without waiting. Throws Error when the template
// cannot be read, the script cannot be written or the command line is too long.
SubmitResult submitTips(Session& s);

// The steps of submitTips, for the command-line tool.
// Puts the stored template and parameters into the dialog's form; returns the
// program file named by the stored folder.
std::string loadPilotaraSettings(Session& s);
// True when the program exists; otherwise asks whether to install it, opens
// the installer's address on Yes and returns false.
bool pilotaraInstalled(Session& s, const std::string& program);
// Stores the form's values, fills and writes the script and, with `start`,
// starts the program on it.
SubmitResult writeClickScript(Session& s, const std::string& program, bool start);

// The script selection dialog: its list of the templates in the "Script"
// folder (shown), browsing for one, the template refresh from the update
// server (OK) and the "0" for empty number parameters (closed).
void listScriptTemplates(Session& s);
void browseScriptTemplate(Session& s);
// True when the server's copy replaced the local template. Nothing is reported.
bool refreshScriptTemplate(Session& s);
void closeScriptDialog(Session& s);

// The full paths of the "*.zks" files in the folder, sorted by name.
std::vector<std::string> scriptTemplates(const std::string& folder);

} // namespace zf
