#include "gui/TipSheetView.h"

#include "gui/DatenbankPage.h"
#include "gui/GuiUtil.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "rules/DrawLines.h"
#include "rules/Matching.h"
#include "session/DrawCommands.h"
#include "session/Session.h"
#include "session/SheetCommands.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace zf {

namespace {

const char* const kRowHint = "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!";
const char* const kEditHint =
    "Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen";
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

// Grid columns: label, six cells, dream number, edit button, match, cross sum.
enum Column { LabelCol = 0, FirstCell = 1, DreamCol = 7, EditCol = 8, MatchCol = 9, SumCol = 10 };

QToolButton* makeButton(const QString& name, const QString& text, const QString& hint, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setMouseTracking(true);
    return b;
}

// Focus moving to another control; another window taking the focus (the
// number dialog, a message box, a popup) is no exit from the cell.
bool leftCell(QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TipSheetView::TipSheetView(Session& app, TForm1& window) : QObject(&window), m_app(app), m_window(window)
{
    for (int row = 0; row < TipSheet::kRows; ++row)
        buildRow(row);
    m_window.lottotipp()->tipGridLayout()->setColumnStretch(SumCol + 1, 1);
    buildButtons();
    app.sheet().setListener([this](TipSheet::Part part, int row, int col) { show(part, row, col); });
    app.drawLabels.changed = [this] { showDrawLabels(); };
    showDrawLabels();
}

void TipSheetView::buildRow(int row)
{
    QWidget* grid = m_window.lottotipp()->tipGrid();
    QGridLayout* layout = m_window.lottotipp()->tipGridLayout();
    Row& r = m_rows[row];

    r.label = makeLabel(TipSheet::rowLabel(row), QString("%1. Tipp").arg(row + 1), grid);
    r.label->setToolTip(kRowHint);
    r.label->setMouseTracking(true);
    r.label->installEventFilter(this);
    layout->addWidget(r.label, row, LabelCol);

    for (int c = 0; c < TipSheet::kCols; ++c) {
        auto* e = new QLineEdit(grid);
        e->setObjectName(QString("Edit%1").arg(TipSheet::cellControl(row, c)));
        // the language switch leaves tagged controls alone
        e->setProperty("tag", 8);
        e->setMaximumWidth(40);
        e->setAutoFillBackground(true);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [this, row, c, e](const QString& text) {
            m_app.sheet().setCell(row, c, text.toStdString());
            const QString kept = qs(m_app.sheet().cell(row, c));
            if (e->text() != kept)
                e->setText(kept);
        });
        r.cells[c] = e;
        layout->addWidget(e, row, FirstCell + c);
    }

    r.dream = new QComboBox(grid);
    r.dream->setObjectName(QString("ComboBox%1").arg(row + 1));
    r.dream->setEditable(true);
    r.dream->addItems({"-", "1", "2", "3", "4", "5"});
    r.dream->setEditText("-");
    r.dream->setMaximumWidth(60);
    connect(r.dream, &QComboBox::editTextChanged, this,
            [this, row](const QString& text) { m_app.sheet().setDream(row, text.toStdString()); });
    layout->addWidget(r.dream, row, DreamCol);

    r.edit = makeButton(TipSheet::editButton(row), "...", kEditHint, grid);
    connect(r.edit, &QToolButton::clicked, this, [this, row] { command([this, row] { editTipRow(m_app, row); }); });
    layout->addWidget(r.edit, row, EditCol);

    r.match = makeLabel(TipSheet::matchLabel(row), "", grid);
    r.match->setMinimumWidth(60);
    layout->addWidget(r.match, row, MatchCol);
    r.sum = makeLabel(TipSheet::sumLabel(row), "", grid);
    layout->addWidget(r.sum, row, SumCol);

    for (int c = 0; c < TipSheet::kCols; ++c)
        show(TipSheet::Part::Cell, row, c);
    show(TipSheet::Part::Dream, row, -1);
    show(TipSheet::Part::Lock, row, -1);
}

void TipSheetView::buildButtons()
{
    QWidget* parent = m_window.lottotipp()->tipButtons();
    QHBoxLayout* layout = m_window.lottotipp()->tipButtonsLayout();
    const struct {
        const char* name;
        const char* text;
        const char* hint;
        void (*run)(Session&);
    } buttons[] = {
        {"SpeedButton6", "<", "vorhergehende Ziehung anzeigen", [](Session& s) { stepBack(s); }},
        {"SpeedButton7", ">", "nächste Ziehung anzeigen", [](Session& s) { stepForward(s); }},
        {"SpeedButton4", "Tipps in DB suchen", "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde",
         askAndSearchTipsInDb},
        {"SpeedButton13", "Glückszahl setzen",
         "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren", setLuckyNumber},
        {"SpeedButton11", "Löschen", "Löschen aller Tipps", clearTipsAsking},
    };
    for (const auto& b : buttons) {
        QToolButton* button = makeButton(b.name, b.text, b.hint, parent);
        connect(button, &QToolButton::clicked, this, [this, run = b.run] { command([this, run] { run(m_app); }); });
        layout->addWidget(button);
    }
    layout->addStretch(1);

    QToolButton* evaluate =
        makeButton("SpeedButton5", "Bewertung", "Bewertung des Tipps für die Ziehung des gewählten Datums",
                   m_window.datenbank()->databaseButtons());
    connect(evaluate, &QToolButton::clicked, this, [this] { command([this] { evaluateForDate(m_app); }); });
    m_window.datenbank()->databaseButtonsLayout()->addWidget(evaluate);
}

void TipSheetView::command(const std::function<void()>& run)
{
    runGuarded(m_app, run);
}

void TipSheetView::show(TipSheet::Part part, int row, int col)
{
    const TipSheet& s = m_app.sheet();
    Row& r = m_rows[row];
    switch (part) {
    case TipSheet::Part::Cell:
        if (r.cells[col]->text().toStdString() != s.cell(row, col))
            r.cells[col]->setText(qs(s.cell(row, col)));
        break;
    case TipSheet::Part::Dream:
        if (r.dream->currentText().toStdString() != s.dream(row))
            r.dream->setEditText(qs(s.dream(row)));
        break;
    case TipSheet::Part::Lock: {
        QPalette p = r.label->palette();
        p.setColor(QPalette::WindowText, s.locked(row) ? kRed : m_window.palette().color(QPalette::WindowText));
        r.label->setPalette(p);
        break;
    }
    case TipSheet::Part::Colour: {
        const CellColour c = s.colour(row, col);
        QPalette p = r.cells[col]->palette();
        p.setColor(QPalette::Base, c == CellColour::Lime     ? kLime
                                   : c == CellColour::Yellow ? kYellow
                                                             : m_window.palette().color(QPalette::Base));
        r.cells[col]->setPalette(p);
        break;
    }
    case TipSheet::Part::Match: {
        r.match->setText(qs(s.matchText(row)));
        QPalette p = r.match->palette();
        p.setColor(QPalette::WindowText, s.matchRed(row) ? kRed : Qt::black);
        r.match->setPalette(p);
        break;
    }
    case TipSheet::Part::Sum:
        r.sum->setText(qs(s.sumText(row)));
        break;
    }
}

void TipSheetView::showDrawLabels()
{
    const DrawLabels& l = m_app.drawLabels;
    m_window.datenbank()->drawLabel()->setText(qs(l.label29));
    m_window.lottotipp()->drawLabel()->setText(qs(l.label35));
    m_window.lottotipp()->crossSumLabel()->setText(qs(l.label13.empty() ? "QS: " : l.label13));
}

bool TipSheetView::eventFilter(QObject* watched, QEvent* event)
{
    for (int row = 0; row < TipSheet::kRows; ++row) {
        Row& r = m_rows[row];
        if (watched == r.label) {
            if (event->type() == QEvent::MouseButtonRelease)
                toggleLock(m_app, row);
            return false;
        }
        if (leftCell(event))
            for (QLineEdit* e : r.cells)
                if (watched == e) {
                    command([this] { leaveCell(m_app); });
                    return false;
                }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zf
