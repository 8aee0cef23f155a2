#include "gui/PrintBinding.h"

#include "gui/GuiUtil.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "session/PrintCommands.h"
#include "session/TipFileCommands.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QToolButton>

namespace zf {

namespace {

QAbstractButton* addButton(QAbstractButton* b, const char* name, const QString& text, const QString& hint,
                           QHBoxLayout* layout)
{
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    layout->insertWidget(layout->count() - 1, b); // before the stretch at the end
    return b;
}

} // namespace

PrintBinding::PrintBinding(TForm1& window) : QObject(&window), m_window(window), m_app(window.app())
{
    QWidget* parent = window.lottotipp()->tipButtons();
    QHBoxLayout* layout = window.lottotipp()->tipButtonsLayout();
    auto* print = addButton(new QToolButton(parent), "SpeedButton12", "Schein drucken",
                            "Die Tipps auf den Lottoschein drucken", layout);
    auto* save = addButton(new QToolButton(parent), "SpeedButton15", "Speichern", "Speichern des Tipps", layout);
    auto* load = addButton(new QToolButton(parent), "SpeedButton16", "Laden", "Tipp laden aus Datei", layout);
    auto* listing = addButton(new QPushButton(parent), "BitBtn7", "Tipp", "Die Tipps als Textseite anzeigen", layout);
    connect(print, &QAbstractButton::clicked, this, &PrintBinding::SpeedButton12Click);
    connect(save, &QAbstractButton::clicked, this, &PrintBinding::SpeedButton15Click);
    connect(load, &QAbstractButton::clicked, this, &PrintBinding::SpeedButton16Click);
    connect(listing, &QAbstractButton::clicked, this, &PrintBinding::BitBtn7Click);
}

void PrintBinding::SpeedButton12Click()
{
    PrintExit exit = PrintExit::Aborted;
    runGuarded(m_app, [&] { exit = printSlip(m_app); });
    if (exit == PrintExit::Online)
        m_window.OnlineTippClick();
}

void PrintBinding::SpeedButton15Click()
{
    runGuarded(m_app, [this] { saveTipsAsking(m_app); });
}

void PrintBinding::SpeedButton16Click()
{
    runGuarded(m_app, [this] { loadTipsAsking(m_app); });
}

void PrintBinding::BitBtn7Click()
{
    runGuarded(m_app, [this] { showTipListing(m_app); });
}

} // namespace zf
