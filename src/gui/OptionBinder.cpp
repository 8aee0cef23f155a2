#include "gui/OptionBinder.h"

#include "gui/GuiUtil.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace zf {

namespace {

const char* const kRadioItems[] = {
    "einfach per Zufall bestimmen",
    "die am seltensten gezogen Traumzahl verwenden",
    "die am längsten ausstehende Traumzahl verwenden",
    "die am häufigsten gezogen / les plus souvent tirés / most frequently drawn",
};

const OptionDef& def(int index)
{
    return Options::table()[static_cast<size_t>(index)];
}

bool isSpin(const OptionDef& d)
{
    return d.kind == OptionKind::Int && !d.field.empty();
}

// Captions are named after the control they precede or follow, so language
// files can find them.
QLabel* caption(const QString& text, const std::string& name, QWidget* parent)
{
    auto* l = new QLabel(text.trimmed(), parent);
    l->setObjectName("Label" + qs(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

// Gives the captions of fields one below the other the same width, so the
// fields start at the same place; again whenever the window rescales the font.
class CaptionColumn : public QObject {
public:
    CaptionColumn(QWidget* parent, std::vector<QLabel*> captions) : QObject(parent), m_captions(std::move(captions))
    {
        parent->installEventFilter(this);
        align();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // the parent hears of a new font after its children took it
        if (event->type() == QEvent::FontChange)
            align();
        return QObject::eventFilter(watched, event);
    }

private:
    void align()
    {
        // a label's size hint is at least its minimum width: without
        // clearing it first the captions could only grow
        for (QLabel* l : m_captions)
            l->setMinimumWidth(0);
        int width = 0;
        for (QLabel* l : m_captions)
            width = std::max(width, l->sizeHint().width());
        for (QLabel* l : m_captions)
            l->setMinimumWidth(width);
    }

    std::vector<QLabel*> m_captions;
};

} // namespace

OptionBinder::OptionBinder(Session& app, QObject* parent)
    : QObject(parent), m_app(app), m_controls(Options::table().size()), m_placed(Options::table().size())
{
    app.options().addListener([self = QPointer<OptionBinder>(this)](int index) {
        if (self)
            self->refresh(index);
    });
}

QWidget* OptionBinder::create(int index, QWidget* parent)
{
    const OptionDef& d = def(index);
    Options& o = m_app.options();
    QWidget* w = nullptr;
    if (d.kind == OptionKind::Flag) {
        auto* c = new QCheckBox(qs(d.caption), parent);
        connect(c, &QCheckBox::toggled, this, [&o, index](bool on) { o.setFlag(index, on); });
        w = c;
    } else if (isSpin(d)) {
        auto* s = new QSpinBox(parent);
        s->setRange(d.min, d.max);
        // the edit field inside the spin control carries the field's name
        s->findChild<QLineEdit*>()->setObjectName(qs(d.field));
        connect(s, &QSpinBox::valueChanged, this, [this, &o, index](int v) {
            o.setInt(index, v);
            // a coupled option may keep the value below what was typed
            if (o.integer(index) != v)
                refresh(index);
        });
        w = s;
    } else if (d.kind == OptionKind::Int) {
        auto* box = new QGroupBox(qs(d.caption), parent);
        auto* group = new QButtonGroup(box);
        auto* layout = new QVBoxLayout(box);
        for (int i = 0; i < 4; ++i) {
            auto* r = new QRadioButton(QString::fromUtf8(kRadioItems[i]), box);
            group->addButton(r, i);
            layout->addWidget(r);
        }
        connect(group, &QButtonGroup::idToggled, this, [&o, index](int id, bool on) {
            if (on)
                o.setInt(index, id);
        });
        w = box;
    } else if (d.kind == OptionKind::Text) {
        auto* e = new QLineEdit(parent);
        connect(e, &QLineEdit::textEdited, this, [&o, index](const QString& t) { o.setText(index, t.toStdString()); });
        w = e;
    } else {
        auto* e = new QDateEdit(parent);
        e->setCalendarPopup(true);
        e->setDisplayFormat("dd.MM.yyyy");
        e->setMinimumDate(dateOfDay(d.min));
        allowDateTyping(e);
        connect(e, &QDateEdit::dateChanged, this,
                [&o, index](const QDate& date) { o.setDate(index, dayOfDate(date)); });
        w = e;
    }
    w->setObjectName(qs(d.control));
    if (!d.hint.empty())
        w->setToolTip(qs(d.hint));
    if (d.hidden)
        w->hide();
    m_controls[static_cast<size_t>(index)] = w;
    refresh(index);
    return w;
}

void OptionBinder::refresh(int index)
{
    QWidget* w = m_controls[static_cast<size_t>(index)];
    if (!w)
        return;
    const Options& o = m_app.options();
    const QSignalBlocker block(w);
    if (auto* c = qobject_cast<QCheckBox*>(w)) {
        c->setChecked(o.flag(index));
    } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
        s->setValue(o.integer(index));
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text().toStdString() != o.text(index))
            e->setText(qs(o.text(index)));
    } else if (auto* de = qobject_cast<QDateEdit*>(w)) {
        de->setDate(dateOfDay(o.date(index)));
    } else if (auto* group = w->findChild<QButtonGroup*>()) {
        const QSignalBlocker blockGroup(group);
        // item -1 selects nothing
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(group->id(b) == o.integer(index));
        group->setExclusive(true);
    }
}

QWidget* OptionBinder::buildRow(int index, QWidget* parent)
{
    const auto& table = Options::table();
    const OptionDef& d = def(index);
    auto* row = new QWidget(parent);
    row->setObjectName("Row" + qs(d.control));
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);

    // Whatever sits beside this control, in table order; spin controls may
    // themselves have a neighbour (the upper cross-sum bound).
    std::vector<int> members = {index};
    for (size_t m = 0; m < members.size(); ++m)
        for (int j = 0; j < static_cast<int>(table.size()); ++j)
            if (!m_placed[static_cast<size_t>(j)] && table[static_cast<size_t>(j)].page == d.page &&
                table[static_cast<size_t>(j)].partner == table[static_cast<size_t>(members[m])].control) {
                m_placed[static_cast<size_t>(j)] = true;
                members.push_back(j);
            }

    if (isSpin(d)) {
        // each spin control after its caption, then the row's closing text:
        // "Quersummen von [ ] bis [ ] im Tipp zulassen"
        for (int m : members) {
            if (!def(m).caption.empty())
                h->addWidget(caption(qs(def(m).caption), def(m).control, row));
            h->addWidget(create(m, row));
        }
        if (!d.captionAfter.empty())
            h->addWidget(caption(qs(d.captionAfter), d.control + "End", row));
    } else if (d.kind == OptionKind::Text) {
        h->addWidget(caption(qs(d.caption), d.control, row));
        h->addWidget(create(index, row));
    } else {
        h->addWidget(create(index, row));
        for (size_t m = 1; m < members.size(); ++m) {
            h->addWidget(create(members[m], row));
            const OptionDef& md = def(members[m]);
            if (isSpin(md) && !md.caption.empty())
                h->addWidget(caption(qs(md.caption), md.control, row));
        }
    }
    h->addStretch(1);
    // a row of hidden controls takes no room
    bool anyShown = false;
    for (int m : members)
        anyShown = anyShown || !def(m).hidden;
    if (!anyShown)
        row->hide();
    return row;
}

void OptionBinder::addRows(OptionPage page, QBoxLayout* layout, QWidget* parent,
                           const std::function<bool(const OptionDef&)>& accept)
{
    const auto& table = Options::table();
    std::vector<QLabel*> fieldCaptions;
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const OptionDef& d = table[static_cast<size_t>(i)];
        if (d.page != page || m_placed[static_cast<size_t>(i)] || (accept && !accept(d)))
            continue;
        // a neighbour waits for the control it sits beside
        const int partner = d.partner.empty() ? -1 : Options::find(d.partner);
        if (partner >= 0 && table[static_cast<size_t>(partner)].page == page)
            continue;
        m_placed[static_cast<size_t>(i)] = true;
        QWidget* row = buildRow(i, parent);
        layout->addWidget(row);
        if (d.kind == OptionKind::Text)
            fieldCaptions.push_back(row->findChild<QLabel*>());
    }
    if (!fieldCaptions.empty())
        new CaptionColumn(parent, std::move(fieldCaptions));
}

} // namespace zf
