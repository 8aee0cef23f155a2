#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The core reaches the outside world only through these interfaces. The
// desktop program implements them with Qt (src/platform, src/gui), the
// command-line tool with plain console versions, the tests with fakes. Every
// port does nothing by default, so no caller checks for a missing one.
namespace zf {

class NumberSelection;
struct PrintForm;
struct ScriptForm;
struct SlipPage;

enum class ReadStatus { Ok, Missing, WrongKind };

// Named values of four kinds, as in the per-user settings key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // By default nothing is stored and writing succeeds.
    virtual ReadStatus readFlag(const std::string&, bool&) { return ReadStatus::Missing; }
    virtual ReadStatus readInt(const std::string&, int&) { return ReadStatus::Missing; }
    virtual ReadStatus readText(const std::string&, std::string&) { return ReadStatus::Missing; }
    virtual ReadStatus readDate(const std::string&, double&) { return ReadStatus::Missing; }
    // Writers return false when the value could not be written.
    virtual bool writeFlag(const std::string&, bool) { return true; }
    virtual bool writeInt(const std::string&, int) { return true; }
    virtual bool writeText(const std::string&, const std::string&) { return true; }
    virtual bool writeDate(const std::string&, double) { return true; }
    virtual void flush() {}
};

class Clock {
public:
    virtual ~Clock() = default;
    // Today as a whole day count since 30.12.1899.
    virtual int today() { return 0; }
    // A seed taken from the current time.
    virtual uint64_t clockSeed() { return 0; }
};

struct FileFilter {
    std::string description; // "Textdatei"
    std::string pattern;     // "*.txt"
    std::string defaultExt;  // "txt"
    std::string defaultName; // offered file name, may be empty
    std::string folder;      // where the dialog starts, may be empty
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(const std::string&) {}
    // The general error display: an error that ended a command.
    virtual void error(const std::string&) {}
    virtual bool askYesNo(const std::string&, const std::string&) { return true; }
    // Cancelling returns the default text.
    virtual std::string inputBox(const std::string&, const std::string&, const std::string& defaultText)
    {
        return defaultText;
    }
    virtual std::optional<std::string> openFileName(const FileFilter&) { return std::nullopt; }
    virtual std::optional<std::string> saveFileName(const FileFilter&) { return std::nullopt; }
};

enum class Page { Lottotipp, Berechnung, Diagramm, Datenbank, InternetOptionen };

class Feedback {
public:
    virtual ~Feedback() = default;
    // panel 0 or 1 of the main window's status bar
    virtual void setStatus(int /*panel*/, const std::string&) {}
    virtual void setBusy(bool) {}
    virtual void showPage(Page) {}
};

// The busy cursor for as long as a command runs, also when it throws.
class BusyScope {
public:
    explicit BusyScope(Feedback& f) : m_f(f) { m_f.setBusy(true); }
    ~BusyScope() { m_f.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Feedback& m_f;
};

// What a long job reports while it runs on its own thread: step k of n (n is
// 0 when the count is unknown) and a line for the status bar.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void report(int /*k*/, int /*n*/, const std::string& /*text*/) {}
};

// Set by the user's stop press; a job checks it between its steps.
using CancelFlag = std::atomic<bool>;

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing and returns at once; replaces a sound still playing.
    virtual void playAsync(const std::string&) {}
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hands a document, web address or program to the desktop's default handler.
    virtual bool open(const std::string&) { return false; }
    // Starts a program with these arguments, each reaching it as one argument
    // (no shell in between), and does not wait for it. False when it did not start.
    virtual bool start(const std::string& /*program*/, const std::vector<std::string>& /*arguments*/) { return false; }
};

struct HttpRequest {
    std::string host;
    int port = 80;
    std::string target;    // path and query
    std::string proxyHost; // empty: no proxy
    int proxyPort = 0;
    std::vector<std::pair<std::string, std::string>> headers;
};

struct HttpResponse {
    int status = 0;
    std::string reason;
    std::string body;
    std::string lastModified;
};

class Http {
public:
    virtual ~Http() = default;
    // Any response comes back, whatever its status. Throws zf::Error when no
    // response arrives (no connection, no answer in time); by default there is none.
    virtual HttpResponse get(const HttpRequest& request);
};

enum class ModalResult { Ok, Abort, Retry };

// Shows the number selection dialog modally for a model; the window
// implements it, tests fake it. Without a window the model stays as it is.
class ZahlenwahlDialog {
public:
    virtual ~ZahlenwahlDialog() = default;
    virtual ModalResult showModal(NumberSelection&) { return ModalResult::Ok; }
};

// Shows the print settings dialog modally; OK prints, Retry is the "Online"
// exit. Without a window nothing is shown and nothing printed.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    virtual ModalResult showModal(PrintForm&) { return ModalResult::Abort; }
};

// Shows the script selection dialog modally; Ok hands the tips over.
class ScriptDialog {
public:
    virtual ~ScriptDialog() = default;
    virtual ModalResult showModal(ScriptForm&) { return ModalResult::Abort; }
};

// Shows the slip page in a print preview, from which the user prints it.
class SlipPrinter {
public:
    virtual ~SlipPrinter() = default;
    virtual void preview(const SlipPage&) {}
};

// The ports a session works with; a null entry stands for the do-nothing port.
struct Ports {
    SettingsStore* settings = nullptr;
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    Feedback* feedback = nullptr;
    Sound* sound = nullptr;
    Shell* shell = nullptr;
    Http* http = nullptr;
    ZahlenwahlDialog* zahlenwahl = nullptr;
    PrintDialog* printDialog = nullptr;
    SlipPrinter* slipPrinter = nullptr;
    ScriptDialog* scriptDialog = nullptr;
    // The automation program's own settings (path, template, parameters).
    SettingsStore* pilotara = nullptr;

    // The same ports with every null entry replaced by the do-nothing port.
    Ports withDefaults() const;
};

} // namespace zf
