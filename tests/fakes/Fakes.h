#pragma once

#include "data/PrintForm.h"
#include "data/ScriptForm.h"
#include "data/SlipPage.h"
#include "ground/Ports.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

namespace zf::test {

// Settings store stub: values live in a map, with the kind they were written as.
class FakeSettings : public SettingsStore {
public:
    using Value = std::variant<bool, int, std::string, double>;
    std::map<std::string, Value> values;
    std::vector<std::string> writeOrder;
    std::string failWritesFrom; // writing this name fails

    ReadStatus readFlag(const std::string& n, bool& out) override { return get(n, out); }
    ReadStatus readInt(const std::string& n, int& out) override { return get(n, out); }
    ReadStatus readText(const std::string& n, std::string& out) override { return get(n, out); }
    ReadStatus readDate(const std::string& n, double& out) override { return get(n, out); }
    bool writeFlag(const std::string& n, bool v) override { return put(n, v); }
    bool writeInt(const std::string& n, int v) override { return put(n, v); }
    bool writeText(const std::string& n, const std::string& v) override { return put(n, v); }
    bool writeDate(const std::string& n, double v) override { return put(n, v); }

private:
    template <typename T>
    ReadStatus get(const std::string& n, T& out)
    {
        auto it = values.find(n);
        if (it == values.end())
            return ReadStatus::Missing;
        // a flag is a REG_DWORD: it reads as an integer too
        if constexpr (std::is_same_v<T, bool>) {
            if (auto* i = std::get_if<int>(&it->second)) {
                out = *i != 0;
                return ReadStatus::Ok;
            }
        }
        if constexpr (std::is_same_v<T, int>) {
            if (auto* b = std::get_if<bool>(&it->second)) {
                out = *b;
                return ReadStatus::Ok;
            }
        }
        if (auto* v = std::get_if<T>(&it->second)) {
            out = *v;
            return ReadStatus::Ok;
        }
        return ReadStatus::WrongKind;
    }
    bool put(const std::string& n, Value v)
    {
        if (!failWritesFrom.empty() && n == failWritesFrom)
            return false;
        values[n] = std::move(v);
        writeOrder.push_back(n);
        return true;
    }
};

class FakeClock : public Clock {
public:
    int day = 46000; // 09.12.2025
    uint64_t seed = 42;
    int today() override { return day; }
    uint64_t clockSeed() override { return seed; }
};

// Records what the core shows; answers questions from a script.
class FakeDialogs : public Dialogs {
public:
    std::vector<std::string> shown;
    std::vector<std::string> errors;
    std::vector<bool> yesNoAnswers; // consumed front to back; Yes when empty
    std::string inputAnswer;
    std::vector<std::string> inputAnswers; // consumed front to back before inputAnswer
    bool inputCancels = false;
    std::optional<std::string> fileAnswer;

    void information(const std::string& t) override { shown.push_back(t); }
    void error(const std::string& t) override { errors.push_back(t); }
    bool askYesNo(const std::string& t, const std::string&) override
    {
        shown.push_back(t);
        if (yesNoAnswers.empty())
            return true;
        bool a = yesNoAnswers.front();
        yesNoAnswers.erase(yesNoAnswers.begin());
        return a;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& def) override
    {
        if (inputCancels)
            return def;
        if (!inputAnswers.empty()) {
            std::string a = inputAnswers.front();
            inputAnswers.erase(inputAnswers.begin());
            return a;
        }
        return inputAnswer;
    }
    std::optional<std::string> openFileName(const FileFilter&) override { return fileAnswer; }
    std::optional<std::string> saveFileName(const FileFilter&) override { return fileAnswer; }
};

class FakeFeedback : public Feedback {
public:
    std::string status[2];
    int busyDepth = 0;
    std::vector<Page> pages;
    std::vector<std::string> panel1; // every text of status panel 1 in order
    void setStatus(int panel, const std::string& t) override
    {
        status[panel] = t;
        if (panel == 1)
            panel1.push_back(t);
    }
    void setBusy(bool b) override { busyDepth += b ? 1 : -1; }
    void showPage(Page p) override { pages.push_back(p); }
};

// A job's progress as the tests watch it: every report, and the user's part
// (a stop press, a change of options) played from inside the job.
class FakeProgress : public Progress {
public:
    std::vector<std::string> texts;
    int lastK = 0, lastN = 0;
    std::function<void(int k, int n, const std::string& text)> onReport;
    void report(int k, int n, const std::string& text) override
    {
        texts.push_back(text);
        lastK = k;
        lastN = n;
        if (onReport)
            onReport(k, n, text);
    }
};

class FakeSound : public Sound {
public:
    std::vector<std::string> played;
    void playAsync(const std::string& p) override { played.push_back(p); }
};

class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::vector<std::vector<std::string>> started; // the program, then its arguments
    bool startSucceeds = true;
    bool open(const std::string& t) override
    {
        opened.push_back(t);
        return true;
    }
    bool start(const std::string& program, const std::vector<std::string>& arguments) override
    {
        started.push_back({program});
        started.back().insert(started.back().end(), arguments.begin(), arguments.end());
        return startSucceeds;
    }
};

// The script selection dialog: records the form it was shown with and plays the user's part.
class FakeScriptDialog : public ScriptDialog {
public:
    std::vector<ScriptForm> shownWith;
    std::function<ModalResult(ScriptForm&)> user = [](ScriptForm&) { return ModalResult::Ok; };
    ModalResult showModal(ScriptForm& form) override
    {
        shownWith.push_back(form);
        return user(form);
    }
};

// The print settings dialog: records the form it was shown with and plays the
// user's part.
class FakePrintDialog : public PrintDialog {
public:
    std::vector<PrintForm> shownWith;
    std::function<ModalResult(PrintForm&)> user = [](PrintForm&) { return ModalResult::Ok; };
    ModalResult showModal(PrintForm& form) override
    {
        shownWith.push_back(form);
        return user(form);
    }
};

// The print preview: keeps every page it was shown.
class FakeSlipPrinter : public SlipPrinter {
public:
    std::vector<SlipPage> pages;
    void preview(const SlipPage& page) override { pages.push_back(page); }
};

// Answers requests from a function (by default every date is "not there
// yet", 500) and records them; safe to call from a job's thread.
class FakeHttp : public Http {
public:
    std::function<HttpResponse(const HttpRequest&)> answer;

    HttpResponse get(const HttpRequest& r) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(r);
        }
        if (answer)
            return answer(r);
        return {500, "Internal Server Error", "", ""};
    }
    std::vector<HttpRequest> requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<HttpRequest> m_requests;
};

} // namespace zf::test
