#include "gui/ChartCommands.h"

#include "gui/BerechnungPage.h"
#include "gui/ChartView.h"
#include "gui/DatenbankPage.h"
#include "gui/DiagrammPage.h"
#include "gui/GuiUtil.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "rules/Charts.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace zf {

namespace {

using Slot = void (ChartCommands::*)();

// Note: an underlined text in the row; Line: one on its own line under the row.
enum class Kind { Button, Icon, Note, Line };

// Where a control sits: a container of a page, or beside an option's row
// on a calculation sub-page.
enum class Where { Toolbar, Datenbank, Lottotipp, Statistisch, Mathematisch, Traumzahl };

struct Control {
    Where where;
    const char* row; // the option row it sits in, for the calculation pages
    Kind kind;
    const char* objectName;
    const char* text;
    const char* hint;
    Slot slot;
};

const Control kControls[] = {
    {Where::Toolbar, "", Kind::Icon, "SpeedButton2", "", "Verteilung der gezogenen Zahlen",
     &ChartCommands::SpeedButton2Click},
    {Where::Toolbar, "", Kind::Button, "SpeedButton9", "QS", "", &ChartCommands::SpeedButton9Click},
    {Where::Toolbar, "", Kind::Button, "Diagramm2er", "2er", "", &ChartCommands::Button2Click},
    {Where::Toolbar, "", Kind::Button, "Diagramm3er", "3er", "", &ChartCommands::Button3Click},
    {Where::Toolbar, "", Kind::Button, "Diagramm4er", "4er", "", &ChartCommands::Button4Click},
    {Where::Toolbar, "", Kind::Button, "DiagrammAusstehende", "Ausstehende", "", &ChartCommands::Button5Click},
    {Where::Toolbar, "", Kind::Button, "SpeedButton3", "DREAM", "", &ChartCommands::SuperseltenClick},
    {Where::Toolbar, "", Kind::Button, "SpeedButton34", "DREAM OPEN",
     "wie lange sind die einzelnen Sternzahlen überfällig", &ChartCommands::SpeedButton34Click},

    {Where::Datenbank, "", Kind::Button, "Button2", "Paare suchen", "", &ChartCommands::Button2Click},
    {Where::Datenbank, "", Kind::Button, "Button3", "Dreier suchen", "", &ChartCommands::Button3Click},
    {Where::Datenbank, "", Kind::Button, "Button4", "Vierer suchen", "", &ChartCommands::Button4Click},
    {Where::Datenbank, "", Kind::Button, "Button5", "Ausstehende", "", &ChartCommands::Button5Click},
    {Where::Datenbank, "", Kind::Button, "Button8", "Pluszahl ausstehende", "", &ChartCommands::SpeedButton34Click},
    {Where::Datenbank, "", Kind::Button, "Button9", "Primzahlen pro Tipp", "", &ChartCommands::Button9Click},
    {Where::Datenbank, "", Kind::Button, "Button10", "Ungerade pro Tipp", "", &ChartCommands::Button10Click},
    {Where::Datenbank, "", Kind::Button, "Button11", "Gerade pro Tipp", "", &ChartCommands::Button11Click},

    {Where::Lottotipp, "", Kind::Button, "Button6", "Tippverteilung", "", &ChartCommands::Button6Click},

    {Where::Statistisch, "CheckBox1", Kind::Icon, "SpeedButtonPaare", "", "", &ChartCommands::Button2Click},
    {Where::Statistisch, "CheckBox6", Kind::Icon, "SpeedButtonDreier", "", "", &ChartCommands::Button3Click},
    {Where::Statistisch, "CheckBox7", Kind::Icon, "SpeedButtonVierer", "", "", &ChartCommands::Button4Click},
    {Where::Statistisch, "CheckBox2", Kind::Icon, "SpeedButton26", "", "", &ChartCommands::SpeedButton26Click},
    {Where::Statistisch, "CheckBox10", Kind::Icon, "SpeedButtonAusstehende", "", "", &ChartCommands::Button5Click},

    {Where::Mathematisch, "CheckBox8", Kind::Icon, "SpeedButton21", "", "", &ChartCommands::SpeedButton21Click},
    {Where::Mathematisch, "CheckBox8", Kind::Note, "Label89", "Paare", "", &ChartCommands::Label89Click},
    {Where::Mathematisch, "CheckBox18", Kind::Icon, "SpeedButton27", "", "", &ChartCommands::SpeedButton27Click},
    {Where::Mathematisch, "CheckBox18", Kind::Note, "Label91", "Dreier, ", "", &ChartCommands::Label91Click},
    {Where::Mathematisch, "CheckBox18", Kind::Icon, "SpeedButton28", "", "", &ChartCommands::SpeedButton28Click},
    {Where::Mathematisch, "CheckBox18", Kind::Note, "Label90", "Vierer", "", &ChartCommands::Label90Click},
    {Where::Mathematisch, "UpDown1", Kind::Icon, "DiagrammQuersummen", "", "", &ChartCommands::DiagrammQuersummen},
    // only on "Mathematisch"
    {Where::Mathematisch, "UpDown1", Kind::Line, "Label88",
     "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ", "",
     &ChartCommands::Label88Click},
    {Where::Mathematisch, "CheckBox22", Kind::Icon, "SpeedButtonPrimzahlen", "", "Diagramm der Primzahlen pro Tipp",
     &ChartCommands::Button9Click},
    {Where::Mathematisch, "CheckBox26", Kind::Icon, "SpeedButtonUngerade", "", "Diagramm der ungeraden Zahlen pro Tipp",
     &ChartCommands::Button10Click},
    {Where::Mathematisch, "CheckBox25", Kind::Icon, "SpeedButtonGerade", "", "Diagramm der geraden Zahlen pro Tipp",
     &ChartCommands::Button11Click},

    {Where::Traumzahl, "CheckBox33", Kind::Icon, "Superselten", "", "", &ChartCommands::SuperseltenClick},
    {Where::Traumzahl, "CheckBox33", Kind::Icon, "SuperAus", "", "", &ChartCommands::SuperAusClick},
};

// The chart icon, drawn rather than shipped: three bars on a base line.
QIcon chartIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(2, 8, 3, 6, QColor(0x008000));
    p.fillRect(7, 3, 3, 11, QColor(0xFF0000));
    p.fillRect(12, 6, 3, 8, QColor(0x008000));
    p.fillRect(1, 14, 15, 1, Qt::black);
    return QIcon(pm);
}

QWidget* makeControl(const Control& c, ChartCommands* commands, QWidget* parent)
{
    auto run = [commands, slot = c.slot] { (commands->*slot)(); };
    QWidget* w = nullptr;
    if (c.kind == Kind::Note || c.kind == Kind::Line) {
        auto* label =
            new QLabel(QString("<a href=\"#\">%1</a>").arg(QString::fromUtf8(c.text).toHtmlEscaped()), parent);
        QObject::connect(label, &QLabel::linkActivated, commands, run);
        w = label;
    } else {
        QAbstractButton* b = nullptr;
        if (c.kind == Kind::Icon) {
            b = new QToolButton(parent);
            b->setIcon(chartIcon());
            static_cast<QToolButton*>(b)->setAutoRaise(true);
        } else {
            auto* push = new QPushButton(QString::fromUtf8(c.text), parent);
            push->setFlat(c.where != Where::Datenbank);
            b = push;
        }
        QObject::connect(b, &QAbstractButton::clicked, commands, run);
        w = b;
    }
    w->setObjectName(c.objectName);
    if (*c.hint)
        w->setToolTip(QString::fromUtf8(c.hint));
    return w;
}

} // namespace

ChartCommands::ChartCommands(TForm1& window) : QObject(&window), m_app(window.app())
{
    setObjectName("ChartCommands");
    DiagrammPage* diagramm = window.diagramm();
    m_view = new ChartView(m_app, diagramm->chartArea());
    diagramm->chartAreaLayout()->addWidget(m_view);

    for (const Control& c : kControls) {
        switch (c.where) {
        case Where::Toolbar:
            diagramm->chartButtonsLayout()->addWidget(makeControl(c, this, diagramm->chartButtons()));
            break;
        case Where::Datenbank: {
            DatenbankPage* db = window.datenbank();
            db->databaseButtonsLayout()->addWidget(makeControl(c, this, db->databaseButtons()));
            break;
        }
        case Where::Lottotipp: {
            LottotippPage* tipp = window.lottotipp();
            tipp->tipButtonsLayout()->addWidget(makeControl(c, this, tipp->tipButtons()));
            break;
        }
        default: {
            QWidget* row = window.berechnung()->row(c.row);
            Q_ASSERT(row);
            if (c.kind == Kind::Line) {
                QVBoxLayout* column = window.berechnung()->subLayout(OptionPage::Mathematisch);
                column->insertWidget(column->indexOf(row) + 1, makeControl(c, this, row->parentWidget()));
            } else {
                // before the stretch that ends the option's row
                auto* h = static_cast<QHBoxLayout*>(row->layout());
                h->insertWidget(h->count() - 1, makeControl(c, this, row));
            }
            break;
        }
        }
    }
    diagramm->chartButtonsLayout()->addStretch(1);
}

void ChartCommands::run(ChartKind kind, bool toFront)
{
    runGuarded(m_app, [&] {
        if (toFront)
            m_app.ports().feedback->showPage(Page::Diagramm);
        showChart(m_app, kind);
    });
}

void ChartCommands::SpeedButton2Click()
{
    run(ChartKind::Numbers);
}
void ChartCommands::SpeedButton9Click()
{
    run(ChartKind::CrossSums);
}
void ChartCommands::Button2Click()
{
    run(ChartKind::Pairs);
}
void ChartCommands::Button3Click()
{
    run(ChartKind::Triples);
}
void ChartCommands::Button4Click()
{
    run(ChartKind::Quads);
}
void ChartCommands::Button5Click()
{
    run(ChartKind::Overdue);
}
void ChartCommands::SpeedButton3Click()
{
    run(ChartKind::Dream);
}
void ChartCommands::Button8Click()
{
    run(ChartKind::DreamOverdue);
}
void ChartCommands::Button9Click()
{
    run(ChartKind::Primes);
}
void ChartCommands::Button10Click()
{
    run(ChartKind::Odd);
}
void ChartCommands::Button11Click()
{
    run(ChartKind::Even);
}
void ChartCommands::Button6Click()
{
    run(ChartKind::TipDistribution);
}
void ChartCommands::SpeedButton26Click()
{
    run(ChartKind::Numbers, true);
}
void ChartCommands::DiagrammQuersummen()
{
    run(ChartKind::CrossSums, true);
}
void ChartCommands::Label88Click()
{
    run(ChartKind::CrossSums, true);
}
void ChartCommands::Label89Click()
{
    run(ChartKind::Pairs, true);
}
void ChartCommands::Label90Click()
{
    run(ChartKind::Quads, true);
}
void ChartCommands::Label91Click()
{
    run(ChartKind::Triples, true);
}
void ChartCommands::SuperseltenClick()
{
    run(ChartKind::Dream, true);
}
void ChartCommands::SpeedButton34Click()
{
    run(ChartKind::DreamOverdue, true);
}
void ChartCommands::SpeedButton21Click()
{
    run(ChartKind::Pairs);
}
void ChartCommands::SpeedButton27Click()
{
    run(ChartKind::Triples);
}
void ChartCommands::SpeedButton28Click()
{
    run(ChartKind::Quads);
}
void ChartCommands::SuperAusClick()
{
    run(ChartKind::DreamOverdue, true);
}

} // namespace zf
