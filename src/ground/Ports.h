#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The core reaches the outside world only through these interfaces. The
// desktop program implements them with Qt (src/platform, src/gui), the
// command-line tool with plain console versions, the tests with fakes.
namespace zf {

enum class ReadStatus { Ok, Missing, WrongKind };

// Named values of four kinds, as in the per-user settings key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual ReadStatus readFlag(const std::string& name, bool& out) = 0;
    virtual ReadStatus readInt(const std::string& name, int& out) = 0;
    virtual ReadStatus readText(const std::string& name, std::string& out) = 0;
    virtual ReadStatus readDate(const std::string& name, double& out) = 0;
    // Writers return false when the value could not be written.
    virtual bool writeFlag(const std::string& name, bool value) = 0;
    virtual bool writeInt(const std::string& name, int value) = 0;
    virtual bool writeText(const std::string& name, const std::string& value) = 0;
    virtual bool writeDate(const std::string& name, double value) = 0;
    virtual void flush() {}
};

class Clock {
public:
    virtual ~Clock() = default;
    // Today as a whole day count since 30.12.1899.
    virtual int today() = 0;
    // A seed taken from the current time.
    virtual uint64_t clockSeed() = 0;
};

struct FileFilter {
    std::string description; // "Textdatei"
    std::string pattern;     // "*.txt"
    std::string defaultExt;  // "txt"
    std::string defaultName; // offered file name, may be empty
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(const std::string& text) = 0;
    // The general error display: an error that ended a command.
    virtual void error(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
    // Cancelling returns the default text.
    virtual std::string inputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    virtual std::optional<std::string> openFileName(const FileFilter& filter) = 0;
    virtual std::optional<std::string> saveFileName(const FileFilter& filter) = 0;
};

enum class Page { Lottotipp, Berechnung, Diagramm, Datenbank, InternetOptionen };

class Feedback {
public:
    virtual ~Feedback() = default;
    // panel 0 or 1 of the main window's status bar
    virtual void setStatus(int panel, const std::string& text) = 0;
    virtual void setBusy(bool busy) = 0;
    virtual void showPage(Page page) = 0;
    // Lets the window handle pending input during long loops.
    virtual void processEvents() = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing and returns at once; replaces a sound still playing.
    virtual void playAsync(const std::string& wavPath) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hands a document, web address or program to the desktop's default handler.
    virtual bool open(const std::string& target) = 0;
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
    // Throws zf::Error when no connection can be made.
    virtual HttpResponse get(const std::string& host, int port, const std::string& path, const std::string& proxyHost,
                             int proxyPort) = 0;
};

} // namespace zf
