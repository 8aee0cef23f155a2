#include "session/SheetCommands.h"

#include "ground/Formats.h"
#include "rules/Matching.h"
#include "session/LottoZahlen.h"

namespace zf {

void Loeschendertipp(LottoZahlen& app)
{
    if (app.ports().dialogs->askYesNo(app.msg(50), app.msg(51)))
        SpeedButton11Click(app);
}

void SpeedButton11Click(LottoZahlen& app)
{
    TipSheet& s = app.sheet();
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (s.locked(row))
            continue;
        for (int c = 0; c < TipSheet::kCols; ++c)
            s.setCell(row, c, "");
        s.setDream(row, "-");
        s.setMatch(row, "", false);
        s.setSum(row, "");
    }
    const bool was = app.sortieren;
    app.sortieren = true;
    Komplettcheck(app);
    app.sortieren = was;
}

void Label30Click(LottoZahlen& app, int row)
{
    app.sheet().setLocked(row, !app.sheet().locked(row));
}

void TippEditClick(LottoZahlen& app, int row)
{
    app.form6.caption = std::to_string(row + 1) + ". " + app.msg(24);
    TippEdit(app, TipSheet::cellControl(row, 0), TipSheet::cellControl(row, TipSheet::kCols - 1));
}

void TippEdit(LottoZahlen& app, int anfang, int /*ende*/)
{
    // rows 13 and 14 interleave their control numbers, so the row follows from the first cell
    const auto first = TipSheet::cellOf(anfang);
    if (!first)
        return;
    const int row = first->first;
    TipSheet& s = app.sheet();
    NumberSelection& form = app.form6;

    form.bitBtn3Visible = false;
    form.bitBtn4Visible = true;
    form.maxTipp = 6;
    form.clearNumbers();
    for (int c = 0; c < TipSheet::kCols; ++c) {
        const auto n = tryToInt(s.cell(row, c));
        if (!n || *n < 1 || *n > NumberSelection::kBoxes)
            break;
        form.setChecked(*n, true);
        form.setColour(*n, BoxColour::Yellow);
    }

    const ModalResult result = app.ports().zahlenwahl ? app.ports().zahlenwahl->showModal(form) : ModalResult::Abort;
    if (result == ModalResult::Ok) {
        int c = 0;
        for (int n = 1; n <= NumberSelection::kNumbers && c < TipSheet::kCols; ++n)
            if (form.box(n).checked)
                s.setCell(row, c++, std::to_string(n));
    }

    form.bitBtn3Visible = true;
    form.bitBtn4Visible = false;
    for (int n = 1; n <= NumberSelection::kNumbers; ++n)
        form.setColour(n, BoxColour::Normal);
    form.caption = app.msg(36);
    Komplettcheck(app);
}

void SpeedButton13Click(LottoZahlen& app)
{
    const std::string def = std::to_string(app.random().below(99999));
    const std::string answer = app.ports().dialogs->inputBox(app.msg(30) + " (1-99999999)?", app.msg(31), def);
    if (const auto seed = tryToInt(answer)) {
        app.random().setSeed(static_cast<uint32_t>(*seed));
        app.ports().feedback->setStatus(1, app.msg(32) + " " + std::to_string(*seed));
    } else {
        app.random().setSeed(app.ports().clock->clockSeed());
    }
}

} // namespace zf
