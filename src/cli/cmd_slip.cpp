#include "cli/Cli.h"
#include "ground/Formats.h"
#include "platform/SlipPainter.h"
#include "session/PrintCommands.h"

#include <iostream>

namespace zf::cli {

namespace {

int shift(Context& c, const std::string& name, int stored)
{
    const auto text = c.value(name);
    if (!text)
        return stored;
    const auto v = tryToInt(*text);
    // the dialog's up-downs go from 0 to 100
    if (!v || *v < 0 || *v > 100)
        throw UsageError{name + " takes a whole number 0..100: " + *text};
    return *v;
}

const char* kindName(SlipMark::Kind kind)
{
    switch (kind) {
    case SlipMark::Kind::Number:
        return "number";
    case SlipMark::Kind::Dream:
        return "dream";
    case SlipMark::Kind::Option:
        break;
    }
    return "option";
}

} // namespace

CLI::App* declareSlip(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("slip", "prints the marks of the slip page; --pdf renders the page");
    sub->add_option("--type", "the slip type (default: the stored one)")
        ->check(CLI::IsMember({"Romande", "SwissLos"}))
        ->type_name("Romande|SwissLos");
    sub->add_option("--top", "the top shift (default: the stored one)")->type_name("N");
    sub->add_option("--left", "the left shift (default: the stored one)")->type_name("N");
    sub->add_option("--joker", "the option boxes that are on (default: the stored ones)")->type_name("1,2,3");
    sub->add_option("--paper", "the paper format (default: the stored one)")
        ->check(CLI::IsMember({"0", "1", "2", "3"}))
        ->type_name("0..3");
    sub->add_flag("--test-picture")->description("prints the slip picture under the marks");
    sub->add_option("--pdf", "writes the page as a PDF file")->type_name("FILE");
    return sub;
}

int cmdSlip(Context& c)
{
    takeJokerOption(c);
    SlipSettings st = slipSettings(c.app);
    if (const auto type = c.value("--type"))
        st.type = slipTypeOf(*type);
    st.top = shift(c, "--top", st.top);
    st.left = shift(c, "--left", st.left);
    if (const auto paper = c.value("--paper"))
        st.paper = toInt(*paper);
    st.testPicture = c.flag("--test-picture");
    const SlipPage page = slipPage(c.app, st);
    for (const SlipMark& m : page.marks)
        if (m.shown)
            std::cout << "mark " << kindName(m.kind) << ' ' << m.row << ' ' << m.field << ' ' << m.left << ' ' << m.top
                      << '\n';
    if (const auto pdf = c.value("--pdf"))
        writeSlipPdf(page, *pdf);
    return 0;
}

} // namespace zf::cli
