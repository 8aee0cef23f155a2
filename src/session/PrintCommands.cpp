#include "session/PrintCommands.h"

#include "ground/Paths.h"
#include "rules/TicketNumbers.h"
#include "session/Session.h"
#include "session/TipFileCommands.h"

#include <array>
#include <filesystem>
#include <stdexcept>

namespace zf {

namespace {

constexpr Opt kJokerZahl[] = {Opt::Joker1Zahl, Opt::Joker2Zahl, Opt::Joker3Zahl};

std::array<bool, 3> jokers(const Options& o)
{
    return {o.flag(Opt::Joker1), o.flag(Opt::Joker2), o.flag(Opt::Joker3)};
}

Opt ticketOption(int row)
{
    if (row < 1 || row > 3)
        throw std::out_of_range("ticket row " + std::to_string(row));
    return kJokerZahl[row - 1];
}

} // namespace

void updatePrintCost(Session& s)
{
    PrintForm& f = s.form5;
    f.cost = slipCost({f.tipp, f.plus}, jokers(s.options()), {f.samstag, f.mittwoch});
}

void preparePrintDialog(Session& s)
{
    PrintForm& f = s.form5;
    const Options& o = s.options();
    f.home = s.home;
    f.zahlenfile = s.zahlenFile;
    f.top = o.integer(Opt::TippTop);
    f.left = o.integer(Opt::TippLeft);
    const PlayedDays days = dayPreset(s.ports().clock->today());
    f.samstag = days.samstag;
    f.mittwoch = days.mittwoch;
    const TipCounts counts = countTips(s.sheet());
    f.tipp = counts.tipp;
    f.plus = counts.plus;
    updatePrintCost(s);
    f.paper = o.integer(Opt::Papierformat);
}

SlipSettings slipSettings(const Session& s)
{
    const Options& o = s.options();
    SlipSettings st;
    st.type = slipTypeOf(o.text(Opt::ScheinBild));
    st.top = o.integer(Opt::TippTop);
    st.left = o.integer(Opt::TippLeft);
    st.joker = jokers(o);
    st.paper = o.integer(Opt::Papierformat);
    st.testPicture = s.form5.testPicture;
    return st;
}

std::string findSlipPicture(const std::string& home, const std::string& file)
{
    std::error_code ec;
    for (const std::string& candidate : {home + file, file})
        if (std::filesystem::is_regular_file(toPath(candidate), ec))
            return candidate;
    return {};
}

SlipPage slipPage(const Session& s, const SlipSettings& settings)
{
    SlipPage page = buildSlipPage(s.sheet(), settings);
    if (page.picture.printed)
        page.picture.path = findSlipPicture(s.home, page.picture.file);
    return page;
}

PrintExit printSlip(Session& s)
{
    preparePrintDialog(s);
    const ModalResult result = s.ports().printDialog->showModal(s.form5);
    if (result == ModalResult::Retry)
        return PrintExit::Online;
    if (result != ModalResult::Ok)
        return PrintExit::Aborted;
    Options& o = s.options();
    o.setInt(Opt::Papierformat, s.form5.paper);
    o.setInt(Opt::TippTop, s.form5.top);
    o.setInt(Opt::TippLeft, s.form5.left);
    s.ports().slipPrinter->preview(slipPage(s, slipSettings(s)));
    return PrintExit::Printed;
}

PrintExit printTipFile(Session& s, const std::string& path)
{
    loadTipFile(s, path);
    return printSlip(s);
}

void newTicketNumber(Session& s, int row)
{
    const Opt key = ticketOption(row);
    const DrawFile file(s.form5.home + s.form5.zahlenfile);
    const std::vector<Draw> draws = file.readAll();
    s.options().setText(key, ticketText(zf::newTicketNumber(s.random(), draws)));
}

std::string ticketSearch(Session& s, int row)
{
    const TicketDigits digits = ticketDigits(s.options().text(ticketOption(row)));
    std::optional<double> drawnOn;
    DrawFile(s.form5.home + s.form5.zahlenfile).scan([&](const Draw& d) {
        if (!holdsTicket(d, digits))
            return true;
        drawnOn = d.datum;
        return false;
    });
    return ticketSearchMessage(drawnOn, row);
}

void searchTicketNumber(Session& s, int row)
{
    s.ports().dialogs->information(ticketSearch(s, row));
}

} // namespace zf
