#include "gui/GuiUtil.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "session/Session.h"

#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace zf {

namespace {

const QDate kDayZero(1899, 12, 30);

class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), m_onClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            m_onClick();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onClick;
};

class DateTyping : public QObject {
public:
    explicit DateTyping(QDateEdit* edit) : QObject(edit), m_edit(edit), m_field(edit->findChild<QLineEdit*>())
    {
        m_edit->installEventFilter(this);
        if (m_field)
            m_field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_field)
            return false;
        // the click has placed the cursor; a drag that selected text keeps its selection
        if (watched == m_field && event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !m_field->hasSelectedText())
            m_edit->setSelectedSection(m_edit->currentSection());
        if (watched == m_edit && event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            const bool digit = !text.isEmpty() && text[0].isDigit();
            const bool separator = text == "." || text == "," || text == "/" || text == "-";
            // a full part ("15") moves on by itself; the separator typed after
            // it must not skip the next part as well
            const bool movedOn = m_digitSection >= 0 && m_edit->currentSectionIndex() != m_digitSection;
            m_digitSection = -1;
            if (separator && movedOn)
                return true;
            if (digit) {
                if (m_field->selectedText() == m_field->text()) {
                    m_edit->setCurrentSectionIndex(0);
                    m_edit->setSelectedSection(m_edit->sectionAt(0));
                }
                m_digitSection = m_edit->currentSectionIndex();
            }
        }
        return false;
    }

private:
    QDateEdit* m_edit;
    QLineEdit* m_field;
    int m_digitSection = -1; // the part the last key typed a digit into
};

} // namespace

void allowDateTyping(QDateEdit* edit)
{
    new DateTyping(edit);
}

bool runGuarded(Session& app, const std::function<void()>& command)
{
    std::string message;
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        message = e.what();
    }
    // Shown outside the handler so a dialog's own event loop runs with the stack unwound.
    if (Dialogs* d = app.ports().dialogs)
        d->error(message);
    return false;
}

QDate dateOfDay(double day)
{
    return kDayZero.addDays(toDay(day));
}

int dayOfDate(const QDate& date)
{
    return static_cast<int>(kDayZero.daysTo(date));
}

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(objectName);
    return l;
}

QLabel* linkLabel(Session& app, const QString& objectName, const QString& text, const QString& target, QWidget* parent)
{
    QLabel* l = makeLabel(objectName, text, parent);
    l->setCursor(Qt::PointingHandCursor);
    // Palette and font, not a style sheet: a style sheet would stop the label
    // from following the page's font when the window rescales.
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x06, 0x45, 0xad));
    l->setPalette(p);
    l->installEventFilter(new ClickFilter(l, [&app, target] {
        if (Shell* s = app.ports().shell)
            s->open(target.toStdString());
    }));
    return l;
}

} // namespace zf
