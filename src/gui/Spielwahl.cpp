#include "gui/Spielwahl.h"

#include "gui/GuiUtil.h"
#include "rules/Slip.h"
#include "rules/TicketNumbers.h"
#include "session/PrintCommands.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace zf {

namespace {

// Result codes of the exits; closing the window counts as Abort.
enum Code { Cancelled = 0, OkCode = 1, AbortCode = 3, RetryCode = 4 };

constexpr Opt kJoker[] = {Opt::Joker1, Opt::Joker2, Opt::Joker3};
constexpr Opt kJokerZahl[] = {Opt::Joker1Zahl, Opt::Joker2Zahl, Opt::Joker3Zahl};

// The digit boxes' control numbers, row by row.
constexpr int kDigitControls[3][6] = {{4, 5, 6, 7, 8, 9}, {3, 10, 11, 12, 13, 14}, {15, 16, 17, 18, 19, 20}};

struct RowButtons {
    const char* newButton;
    const char* searchButton;
};
constexpr RowButtons kRowButtons[] = {
    {"SpeedButton2", "SpeedButton3"}, {"SpeedButton1", "SpeedButton4"}, {"SpeedButton5", "SpeedButton6"}};

QSpinBox* spin(int control, int min, int max, QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString("UpDown%1").arg(control));
    // the edit field inside the spin control carries the field's name
    s->findChild<QLineEdit*>()->setObjectName(QString("Edit%1").arg(control));
    s->setRange(min, max);
    return s;
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QToolButton* toolButton(const char* name, const QString& text, const QString& hint, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

} // namespace

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form5");
    setWindowTitle("Drucckeeinstellungen für den Lottoschein");
    auto* page = new QVBoxLayout(this);

    auto* days = new QHBoxLayout;
    m_samstag = checkBox("CheckBox1", "Samstag", this);
    m_mittwoch = checkBox("CheckBox2", "Mittwoch", this);
    days->addWidget(m_samstag);
    days->addWidget(m_mittwoch);
    days->addStretch(1);
    page->addLayout(days);

    auto* options = new QGridLayout;
    const char* const names[] = {"CheckBox3", "CheckBox4", "CheckBox7"};
    for (int row = 0; row < 3; ++row) {
        m_joker[static_cast<size_t>(row)] = checkBox(names[row], QString("Joker %1").arg(row + 1), this);
        options->addWidget(m_joker[static_cast<size_t>(row)], row, 0);
        for (int i = 0; i < 6; ++i) {
            QSpinBox* d = spin(kDigitControls[row][i], 0, 9, this);
            m_digits[static_cast<size_t>(row)][static_cast<size_t>(i)] = d;
            options->addWidget(d, row, 1 + i);
            connect(d, &QSpinBox::valueChanged, this, [this, row] {
                if (m_refreshing || !m_app)
                    return;
                TicketDigits t{};
                for (size_t k = 0; k < t.size(); ++k)
                    t[k] = m_digits[static_cast<size_t>(row)][k]->value();
                m_app->options().setText(kJokerZahl[row], ticketText(t));
            });
        }
        auto* newNumber =
            toolButton(kRowButtons[row].newButton, "Neu", "Neu Losnummer welche noch nie gezogen wurde erzeugen", this);
        auto* search =
            toolButton(kRowButtons[row].searchButton, "Suchen", "Suchen ob diese Losnr schon gezogen wurde", this);
        options->addWidget(newNumber, row, 7);
        options->addWidget(search, row, 8);
        connect(m_joker[static_cast<size_t>(row)], &QCheckBox::clicked, this, [this, row](bool on) {
            if (m_app)
                m_app->options().setFlag(kJoker[row], on);
            CheckBox1Click();
        });
    }
    connect(findChild<QToolButton*>("SpeedButton2"), &QToolButton::clicked, this, &TForm5::SpeedButton2Click);
    connect(findChild<QToolButton*>("SpeedButton3"), &QToolButton::clicked, this, &TForm5::SpeedButton3Click);
    connect(findChild<QToolButton*>("SpeedButton1"), &QToolButton::clicked, this, &TForm5::SpeedButton1Click);
    connect(findChild<QToolButton*>("SpeedButton4"), &QToolButton::clicked, this, &TForm5::SpeedButton4Click);
    connect(findChild<QToolButton*>("SpeedButton5"), &QToolButton::clicked, this, &TForm5::SpeedButton5Click);
    connect(findChild<QToolButton*>("SpeedButton6"), &QToolButton::clicked, this, &TForm5::SpeedButton6Click);
    page->addLayout(options);

    m_testPicture = checkBox("CheckBox5", "Schein zum Test mit anzeigen", this);
    page->addWidget(m_testPicture);

    auto* place = new QGridLayout;
    m_top = spin(1, 0, 100, this);
    m_left = spin(2, 0, 100, this);
    m_paper = new QComboBox(this);
    m_paper->setObjectName("ComboBox1");
    m_paper->addItems({"A4", "A4 Quer", "A5 Quer", "18x10,6"});
    m_slipType = new QComboBox(this);
    m_slipType->setObjectName("ComboBox2");
    m_slipType->addItems({"Romande", "SwissLos"});
    place->addWidget(makeLabel("Label1", "Oben:", this), 0, 0);
    place->addWidget(m_top, 0, 1);
    place->addWidget(makeLabel("Label2", "Links", this), 0, 2);
    place->addWidget(m_left, 0, 3);
    place->addWidget(makeLabel("Label5", "Papierformat:", this), 1, 0);
    place->addWidget(m_paper, 1, 1, 1, 3);
    place->addWidget(m_slipType, 2, 0, 1, 4);
    place->setColumnStretch(4, 1);
    page->addLayout(place);
    connect(m_slipType, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (m_app && !m_refreshing)
            m_app->options().setText(Opt::ScheinBild, text.toStdString());
    });

    auto* cost = new QVBoxLayout;
    cost->addWidget(makeLabel("Label3", "Kosten:", this));
    m_cost = makeLabel("Label4", "", this);
    QFont bold = m_cost->font();
    bold.setBold(true);
    m_cost->setFont(bold);
    cost->addWidget(m_cost);
    page->addLayout(cost);

    auto* exits = new QHBoxLayout;
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BitBtn2");
    ok->setDefault(true);
    auto* online = new QPushButton("Online", this);
    online->setObjectName("BitBtn3");
    online->setAutoDefault(false);
    auto* abort = new QPushButton("Abbrechen", this);
    abort->setObjectName("BitBtn1");
    abort->setAutoDefault(false);
    exits->addWidget(ok);
    exits->addWidget(online);
    exits->addWidget(abort);
    page->addLayout(exits);
    connect(ok, &QPushButton::clicked, this, [this] { done(OkCode); });
    connect(online, &QPushButton::clicked, this, [this] { done(RetryCode); });
    connect(abort, &QPushButton::clicked, this, [this] { done(AbortCode); });
    connect(m_samstag, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
    connect(m_mittwoch, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
}

void TForm5::attach(Session& app)
{
    m_app = &app;
    app.options().addListener([self = QPointer<TForm5>(this)](int index) {
        if (!self)
            return;
        for (Opt key : {Opt::Joker1, Opt::Joker2, Opt::Joker3, Opt::Joker1Zahl, Opt::Joker2Zahl, Opt::Joker3Zahl,
                        Opt::ScheinBild})
            if (index == zf::index(key))
                self->refreshOptions();
    });
    refreshOptions();
}

void TForm5::refreshOptions()
{
    if (!m_app)
        return;
    const Options& o = m_app->options();
    m_refreshing = true;
    for (int row = 0; row < 3; ++row) {
        m_joker[static_cast<size_t>(row)]->setChecked(o.flag(kJoker[row]));
        const TicketDigits t = ticketDigits(o.text(kJokerZahl[row]));
        for (size_t i = 0; i < t.size(); ++i)
            m_digits[static_cast<size_t>(row)][i]->setValue(t[i]);
    }
    m_slipType->setCurrentIndex(slipTypeOf(o.text(Opt::ScheinBild)) == SlipType::Romande ? 0 : 1);
    m_refreshing = false;
}

ModalResult TForm5::showModal(PrintForm& form)
{
    m_form = &form;
    refreshOptions();
    m_samstag->setChecked(form.samstag);
    m_mittwoch->setChecked(form.mittwoch);
    m_testPicture->setChecked(form.testPicture);
    m_top->setValue(form.top);
    m_left->setValue(form.left);
    if (form.paper >= 0 && form.paper < m_paper->count())
        m_paper->setCurrentIndex(form.paper);
    m_cost->setText(qs(formatCost(form.cost)));
    const int code = exec();
    takeDays();
    form.testPicture = m_testPicture->isChecked();
    form.top = m_top->value();
    form.left = m_left->value();
    form.paper = m_paper->currentIndex();
    m_form = nullptr;
    return code == OkCode ? ModalResult::Ok : code == RetryCode ? ModalResult::Retry : ModalResult::Abort;
}

void TForm5::takeDays()
{
    if (!m_form)
        return;
    m_form->samstag = m_samstag->isChecked();
    m_form->mittwoch = m_mittwoch->isChecked();
}

void TForm5::run(const std::function<void()>& command)
{
    if (m_app)
        runGuarded(*m_app, command);
}

void TForm5::CheckBox1Click()
{
    if (!m_form || !m_app)
        return;
    takeDays();
    run([this] { updatePrintCost(*m_app); });
    m_cost->setText(qs(formatCost(m_form->cost)));
}

void TForm5::SpeedButton2Click()
{
    run([this] { newTicketNumber(*m_app, 1); });
}

void TForm5::SpeedButton3Click()
{
    run([this] { searchTicketNumber(*m_app, 1); });
}

void TForm5::SpeedButton1Click()
{
    run([this] { newTicketNumber(*m_app, 2); });
}

void TForm5::SpeedButton4Click()
{
    run([this] { searchTicketNumber(*m_app, 2); });
}

void TForm5::SpeedButton5Click()
{
    run([this] { newTicketNumber(*m_app, 3); });
}

void TForm5::SpeedButton6Click()
{
    run([this] { searchTicketNumber(*m_app, 3); });
}

} // namespace zf
