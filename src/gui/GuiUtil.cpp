#include "gui/GuiUtil.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "session/Session.h"

#include <QEvent>
#include <QLabel>

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

} // namespace

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
