#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"
#include "gui/QtFeedback.h"
#include "gui/Scheinch.h"
#include "gui/Scriptwahl.h"
#include "gui/Spielwahl.h"
#include "gui/Zahlenwahl.h"
#include "platform/HttpClient.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "platform/QtSound.h"
#include "platform/SystemClock.h"
#include "session/Session.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSettings>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationDisplayName("Rozevavar Araze");
    // dates dd.mm.yyyy, decimal comma, thousands point wherever Qt formats
    QApplication::setDesktopFileName("example.darnholm.Ziffrano");
    QApplication::setWindowIcon(QIcon::fromTheme("example.darnholm.Ziffrano"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    zf::QtSettingsStore settings;
    zf::QtSettingsStore pilotara(std::make_unique<QSettings>("Darnholm", "Pilotara"), "Settings");
    zf::SystemClock clock;
    zf::QtDialogs dialogs;
    zf::QtFeedback feedback;
    zf::QtSound sound;
    zf::QtShell shell;
    zf::HttpClient http;
    zf::TForm6 form6;
    zf::TForm5 form5;
    zf::TForm4 form4;
    zf::TZKSForm zksForm;
    zf::Session app(
        {&settings, &clock, &dialogs, &feedback, &sound, &shell, &http, &form6, &form5, &form4, &zksForm, &pilotara});
    form6.attach(app);
    form5.attach(app);
    zksForm.attach(app);

    zf::TForm1 window(app, zf::programDirectory(), QApplication::arguments().mid(1));
    window.setForms({&form6, &form5, &zksForm});
    feedback.attach(window);
    window.show();
    return qapp.exec();
}
