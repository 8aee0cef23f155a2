#include "session/SheetCommands.h"

#include "ground/Formats.h"
#include "rules/Matching.h"
#include "session/Session.h"

namespace zf {

int checkTips(Session& app)
{
    app.matching.statistik = {};
    if (!app.sortieren)
        return 0;
    const SheetCheck check = checkSheet(app.sheet(), app.current.zahl, app.matching);
    if (app.options().flag(Opt::Winsound))
        for (int i = 0; i < check.wins; ++i)
            app.ports().sound->playAsync(app.home + app.soundName);
    return check.best;
}

void leaveCell(Session& app)
{
    if (app.sortieren)
        checkTips(app);
}

void clearTipsAsking(Session& app)
{
    if (app.ports().dialogs->askYesNo(app.msg(Msg::ClearTipsQuestion), app.msg(Msg::ClearTipsCaption)))
        clearTips(app);
}

void clearTips(Session& app)
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
    checkTips(app);
    app.sortieren = was;
}

void toggleLock(Session& app, int row)
{
    app.sheet().setLocked(row, !app.sheet().locked(row));
}

void editTipRow(Session& app, int row)
{
    app.form6.purpose = NumberSelection::Purpose::EditTip;
    app.form6.tipRow = row;
    editTip(app, TipSheet::cellControl(row, 0));
}

void editTip(Session& app, int anfang)
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

    const ModalResult result = app.ports().zahlenwahl->showModal(form);
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
    form.purpose = NumberSelection::Purpose::NumberChoice;
    checkTips(app);
}

void setLuckyNumber(Session& app)
{
    const std::string def = std::to_string(app.random().below(99999));
    const std::string answer = app.ports().dialogs->inputBox(app.msg(Msg::LuckyNumberCaption) + " (1-99999999)?",
                                                             app.msg(Msg::LuckyNumberPrompt), def);
    if (const auto seed = tryToInt(answer)) {
        app.random().setSeed(static_cast<uint32_t>(*seed));
        app.ports().feedback->setStatus(1, app.msg(Msg::GeneratorSeededWith) + " " + std::to_string(*seed));
    } else {
        app.random().setSeed(app.ports().clock->clockSeed());
    }
}

} // namespace zf
