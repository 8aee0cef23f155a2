#include "gui/LoEingab.h"

#include "ground/Texts.h"
#include "gui/GuiUtil.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace zf {

namespace {

QSpinBox* spin(const QString& upDown, const QString& edit, int min, int max, int value, QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(upDown);
    s->setRange(min, max);
    s->setValue(value);
    s->findChild<QLineEdit*>()->setObjectName(edit);
    return s;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form3");
    setWindowTitle(qs(text(Text::EntryTitle)));
    auto* column = new QVBoxLayout(this);

    m_date = new QDateEdit(this);
    m_date->setObjectName("DateTimePicker1");
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat("dd.MM.yyyy");
    column->addWidget(m_date);

    auto* numbers = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        m_numbers[static_cast<size_t>(i)] =
            spin(QString("UpDown%1").arg(i + 1), QString("Edit%1").arg(i + 1), 1, 40, i + 1, this);
        numbers->addWidget(m_numbers[static_cast<size_t>(i)]);
    }
    // "Z:" is laid out but not used
    QLabel* z = makeLabel("LabelZ", "Z:", this);
    QSpinBox* upDown7 = spin("UpDown7", "Edit7", 1, 40, 1, this);
    z->hide();
    upDown7->hide();
    numbers->addWidget(z);
    numbers->addWidget(upDown7);
    numbers->addWidget(makeLabel("LabelP", "P:", this));
    m_dream = spin("UpDown8", "Edit8", 1, 5, 1, this);
    numbers->addWidget(m_dream);
    column->addLayout(numbers);

    auto* joker = new QHBoxLayout;
    joker->addWidget(makeLabel("LabelJoker", "Joker:", this));
    for (int i = 0; i < 6; ++i) {
        auto* e = new QLineEdit("1", this);
        e->setObjectName(QString("SS_%1").arg(i + 1));
        e->setMaxLength(1);
        e->setValidator(new QIntValidator(0, 9, e));
        e->setMaximumWidth(30);
        m_joker[static_cast<size_t>(i)] = e;
        joker->addWidget(e);
    }
    joker->addSpacing(20);
    joker->addWidget(makeLabel("LabelReplay", "Replay:", this));
    m_replay = spin("UpDown9", "Edit9", 1, 11, 1, this);
    joker->addWidget(m_replay);
    joker->addStretch(1);
    column->addLayout(joker);

    // always laid out, so a refusal does not have to grow the dialog
    m_problem = makeLabel("LabelProblem", "", this);
    m_problem->setStyleSheet("color: #c00000");
    m_problem->setMinimumHeight(m_problem->fontMetrics().height());
    column->addWidget(m_problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Abort, this);
    buttons->setObjectName("Buttons");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("BitBtn1");
    buttons->button(QDialogButtonBox::Abort)->setObjectName("BitBtn2");
    buttons->button(QDialogButtonBox::Abort)->setText(qs(text(Text::Cancel)));
    connect(buttons, &QDialogButtonBox::accepted, this, &TForm3::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TForm3::reject);
    column->addWidget(buttons);
}

void TForm3::fill(const Draw& d)
{
    m_start = d;
    m_date->setDate(dateOfDay(d.datum));
    for (size_t i = 0; i < 6; ++i)
        m_numbers[i]->setValue(d.zahlen[i]);
    m_dream->setValue(d.zahlen[7]);
    m_replay->setValue(d.replay);
    for (size_t i = 0; i < 6; ++i)
        m_joker[i]->setText(QString::number(d.losziffern[i]));
}

void TForm3::fillDate(int day)
{
    m_date->setDate(dateOfDay(day));
}

Draw TForm3::draw() const
{
    Draw d = m_start;
    d.datum = dayOfDate(m_date->date());
    for (size_t i = 0; i < 6; ++i)
        d.zahlen[i] = static_cast<uint8_t>(m_numbers[i]->value());
    d.zahlen[7] = static_cast<uint8_t>(m_dream->value());
    d.replay = static_cast<uint8_t>(m_replay->value());
    for (size_t i = 0; i < 6; ++i)
        d.losziffern[i] = static_cast<uint8_t>(m_joker[i]->text().toInt());
    return d;
}

void TForm3::accept()
{
    std::optional<std::string> problem = drawValuesProblem(draw());
    for (size_t i = 0; i < 6 && !problem; ++i)
        if (m_joker[i]->text().isEmpty())
            problem = text(Text::JokerDigitMissing);
    if (problem) {
        m_problem->setText(qs(*problem));
        return;
    }
    QDialog::accept();
}

} // namespace zf
