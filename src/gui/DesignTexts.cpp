#include "gui/DesignTexts.h"

#include "gui/MainWindow.h"
#include "gui/Scriptwahl.h"
#include "gui/Spielwahl.h"
#include "gui/Zahlenwahl.h"
#include "session/Session.h"

namespace zf {

std::vector<TextRecord> designedControlTexts()
{
    // the forms the program creates, in its order
    TForm6 form6;
    TForm5 form5;
    TZKSForm zksForm;
    Session app(
        Ports{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &form6, &form5, nullptr, &zksForm});
    form6.attach(app);
    form5.attach(app);
    zksForm.attach(app);
    TForm1 window(app, QString());
    window.setForms({&form6, &form5, &zksForm});
    return collectControlTexts(window.forms());
}

} // namespace zf
