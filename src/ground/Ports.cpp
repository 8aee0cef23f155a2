#include "ground/Ports.h"

#include "ground/Error.h"

namespace zf {

HttpResponse Http::get(const HttpRequest& request)
{
    throw Error(Text::NoConnection, {request.host});
}

Ports Ports::withDefaults() const
{
    static SettingsStore settingsNone;
    static Clock clockNone;
    static Dialogs dialogsNone;
    static Feedback feedbackNone;
    static Sound soundNone;
    static Shell shellNone;
    static Http httpNone;
    static ZahlenwahlDialog zahlenwahlNone;
    static PrintDialog printDialogNone;
    static SlipPrinter slipPrinterNone;
    static ScriptDialog scriptDialogNone;
    static SettingsStore pilotaraNone;
    auto pick = [](auto* given, auto* none) { return given ? given : none; };
    return {pick(settings, &settingsNone),
            pick(clock, &clockNone),
            pick(dialogs, &dialogsNone),
            pick(feedback, &feedbackNone),
            pick(sound, &soundNone),
            pick(shell, &shellNone),
            pick(http, &httpNone),
            pick(zahlenwahl, &zahlenwahlNone),
            pick(printDialog, &printDialogNone),
            pick(slipPrinter, &slipPrinterNone),
            pick(scriptDialog, &scriptDialogNone),
            pick(pilotara, &pilotaraNone)};
}

} // namespace zf
