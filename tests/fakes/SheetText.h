#pragma once

#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "session/Session.h"

#include <sstream>
#include <string>
#include <vector>

namespace zf::test {

// A sheet row written as "3,7,12,25,31,40,2": six cells and the dream-number box.
inline void setRow(TipSheet& s, int row, const std::string& text)
{
    std::istringstream in(text);
    std::string part;
    for (int c = 0; c < TipSheet::kCols; ++c) {
        std::getline(in, part, ',');
        s.setCell(row, c, part);
    }
    std::getline(in, part);
    s.setDream(row, part);
}

inline std::string rowText(const TipSheet& s, int row)
{
    std::string t;
    for (int c = 0; c < TipSheet::kCols; ++c)
        t += s.cell(row, c) + ",";
    return t + s.dream(row);
}

// One letter per cell: G lime green, Y yellow, . window colour.
inline std::string hits(const TipSheet& s, int row)
{
    std::string h;
    for (int c = 0; c < TipSheet::kCols; ++c)
        h += s.colour(row, c) == CellColour::Lime ? 'G' : s.colour(row, c) == CellColour::Yellow ? 'Y' : '.';
    return h;
}

// The number selection dialog: records what it was shown with and lets a
// script play the user's part.
class FakeZahlenwahl : public ZahlenwahlDialog {
public:
    std::vector<int> tickedWhenShown;
    std::function<ModalResult(NumberSelection&)> user = [](NumberSelection&) { return ModalResult::Abort; };
    ModalResult showModal(NumberSelection& form) override
    {
        tickedWhenShown.clear();
        for (int n = 1; n <= NumberSelection::kBoxes; ++n)
            if (form.box(n).checked)
                tickedWhenShown.push_back(n);
        return user(form);
    }
};

// The program's state with fake ports, a program folder of its own and the German texts.
struct AppFixture {
    TempDir dir;
    FakeSettings store;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeFeedback feedback;
    FakeSound sound;
    FakeZahlenwahl zahlenwahl;
    FakeShell shell;
    FakeHttp http;
    FakePrintDialog printDialog;
    FakeSlipPrinter slipPrinter;
    FakeScriptDialog scriptDialog;
    FakeSettings pilotara;
    Session app{Ports{&store, &clock, &dialogs, &feedback, &sound, &shell, &http, &zahlenwahl, &printDialog,
                      &slipPrinter, &scriptDialog, &pilotara}};

    AppFixture()
    {
        app.home = dir.home();
        app.sortieren = true;
        app.messages().load(ZF_SOURCE_DIR "/data/land/meldungen.txt.de");
    }
    void draws(const std::vector<std::string>& lines) { writeDrawFile(app.drawFilePath(), lines); }
    void current(const std::string& draw) { app.current.setFrom(drawFromText(draw), 0); }
};

} // namespace zf::test
