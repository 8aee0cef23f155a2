#pragma once

#include "data/DrawFile.h"
#include "ground/Ports.h"

#include <functional>
#include <optional>
#include <string>

namespace zf {

class Session;

// What one request of the update came to.
struct UpdateStep {
    int day = 0;
    bool answered = false; // false: no response at all
    int status = 0;
    int appended = 0;   // records stored from a 200 answer
    std::string panel0; // status panel 0 after the request
};

// The update as a job: a snapshot of what it needs, taken on the session's thread.
struct UpdateInput {
    std::string drawFilePath;
    std::string tempName;
    std::string server; // the server address option
    std::string proxyHost;
    std::string proxyPort; // as typed; converted for each request
    int firstDay = 0;      // the first draw date to ask for
    int today = 0;
    Draw carry; // bytes 16-23 of every new record come from the last stored draw
    // Called on the job's thread: a status panel's new text, and each request's outcome.
    std::function<void(int panel, const std::string& text)> status;
    std::function<void(const UpdateStep&)> stepDone;
};

struct UpdateResult {
    int nextDay = 0;                  // the end day (DateTimePicker1) after the run
    std::optional<double> lastStored; // date of the last record appended
    int requests = 0;
    int appended = 0;
    bool cancelled = false;
    // A text that ended the run: a server message, a line that cannot be
    // stored, no response, a bad address. Shown in a message box.
    std::optional<std::string> message;
    std::string panel0;
    std::string panel1;
};

// Steps 1 to 4: creates an empty draw file when there is none, reads the
// last stored draw, moves the end day to it and takes the first draw date
// to ask for (the game's first draw for an empty file).
UpdateInput prepareUpdate(Session& s);

// Step 5: one GET per draw date up to today; the cancel flag is read before
// each request. Records go to the file through the atomic rewrite as each
// answer arrives, so a run that ends early keeps what it stored.
UpdateResult fetchDraws(const UpdateInput& in, Http& http, Progress& progress, const CancelFlag& cancel);

// Step 6 on the session's thread: status texts, the message of a run that
// ended early, the end day, Label35 and the evaluation for a date.
void finishUpdate(Session& s, const UpdateResult& result);

// The whole update in the foreground, for the command-line tool and tests.
UpdateResult runUpdate(Session& s, Progress& progress, const CancelFlag& cancel,
                       std::function<void(const UpdateStep&)> stepDone = {});

} // namespace zf
