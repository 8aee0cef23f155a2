#include "gui/TextWalk.h"

#include "ground/Formats.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace zf {

namespace {

enum class Kind {
    None,
    Menu,
    Label,
    Panel,
    Button,
    SpeedButton,
    Form,
    CheckBox,
    RadioButton,
    TabPage,
    RadioGroup,
    Edit
};

// The page of a tab widget a component is: the widget itself, or the content
// of a scrolled page.
QWidget* pageOf(QObject* o)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (!w)
        return nullptr;
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(p)) {
            if (scroll->widget() == w)
                w = scroll;
            break;
        }
    return w;
}

QTabWidget* tabsOf(QObject* o)
{
    QWidget* page = pageOf(o);
    auto* stack = page ? qobject_cast<QStackedWidget*>(page->parent()) : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
    return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

Kind kindOf(QObject* o)
{
    if (qobject_cast<const QMenu*>(o))
        return Kind::Menu;
    if (auto* a = qobject_cast<const QAction*>(o))
        return a->isSeparator() ? Kind::None : Kind::Menu;
    if (qobject_cast<const QLabel*>(o))
        return Kind::Label;
    if (auto* g = qobject_cast<const QGroupBox*>(o))
        return g->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly) ? Kind::RadioGroup : Kind::Panel;
    if (qobject_cast<const QPushButton*>(o))
        return Kind::Button;
    if (qobject_cast<const QToolButton*>(o))
        return Kind::SpeedButton;
    if (qobject_cast<const QDialog*>(o) || qobject_cast<const QMainWindow*>(o))
        return Kind::Form;
    if (qobject_cast<const QCheckBox*>(o))
        return Kind::CheckBox;
    if (qobject_cast<const QRadioButton*>(o))
        return Kind::RadioButton;
    if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QAbstractSpinBox*>(o))
        return Kind::Edit;
    if (o->isWidgetType() && tabsOf(o))
        return Kind::TabPage;
    return Kind::None;
}

QString caption(QObject* o, Kind kind)
{
    switch (kind) {
    case Kind::Menu:
        if (auto* m = qobject_cast<QMenu*>(o))
            return m->title();
        return static_cast<QAction*>(o)->text();
    case Kind::Label:
        return static_cast<QLabel*>(o)->text();
    case Kind::Panel:
    case Kind::RadioGroup:
        return static_cast<QGroupBox*>(o)->title();
    case Kind::Form:
        return static_cast<QWidget*>(o)->windowTitle();
    case Kind::TabPage: {
        QTabWidget* tabs = tabsOf(o);
        return tabs->tabText(tabs->indexOf(pageOf(o)));
    }
    case Kind::Edit:
        return static_cast<QWidget*>(o)->toolTip();
    case Kind::None:
        return {};
    default:
        return static_cast<QAbstractButton*>(o)->text();
    }
}

void setCaption(QObject* o, Kind kind, const QString& text)
{
    switch (kind) {
    case Kind::Menu:
        if (auto* m = qobject_cast<QMenu*>(o))
            m->setTitle(text);
        else
            static_cast<QAction*>(o)->setText(text);
        break;
    case Kind::Label:
        static_cast<QLabel*>(o)->setText(text);
        break;
    case Kind::Panel:
    case Kind::RadioGroup:
        static_cast<QGroupBox*>(o)->setTitle(text);
        break;
    case Kind::Form:
        static_cast<QWidget*>(o)->setWindowTitle(text);
        break;
    case Kind::TabPage: {
        QTabWidget* tabs = tabsOf(o);
        tabs->setTabText(tabs->indexOf(pageOf(o)), text);
        break;
    }
    case Kind::Edit: // the text in the field is the user's
    case Kind::None:
        break;
    default:
        static_cast<QAbstractButton*>(o)->setText(text);
        keepMenuMnemonics(static_cast<QAbstractButton*>(o));
    }
}

QString hint(const QObject* o, Kind kind)
{
    if (kind == Kind::Menu) {
        if (auto* m = qobject_cast<const QMenu*>(o))
            return m->menuAction()->statusTip();
        return static_cast<const QAction*>(o)->statusTip();
    }
    return static_cast<const QWidget*>(o)->toolTip();
}

void setHint(QObject* o, Kind kind, const QString& text)
{
    if (kind != Kind::Menu)
        static_cast<QWidget*>(o)->setToolTip(text);
    else if (auto* m = qobject_cast<QMenu*>(o))
        m->menuAction()->setStatusTip(text);
    else
        static_cast<QAction*>(o)->setStatusTip(text);
}

int charset(const QObject* o)
{
    bool ok = false;
    const int c = o->property("charset").toInt(&ok);
    return ok ? c : 1;
}

bool visibleEntry(const QObject* o)
{
    if (auto* m = qobject_cast<const QMenu*>(o))
        return m->menuAction()->isVisible();
    return static_cast<const QAction*>(o)->isVisible();
}

// Qt names the parts inside its own widgets (the field of a date control,
// the tab bar's buttons); those are not the window's components.
bool isComponentName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith("qt_") && !name.startsWith("_q_");
}

// Depth first through children(). A stack raises its current page to the end
// of its children, so its pages go by their index: the order must not depend
// on the page the user looks at.
void componentsOf(const QObject* parent, QObjectList& out)
{
    QObjectList kids = parent->children();
    if (auto* stack = qobject_cast<const QStackedWidget*>(parent))
        std::stable_sort(kids.begin(), kids.end(), [stack](QObject* a, QObject* b) {
            auto index = [stack](QObject* o) {
                return o->isWidgetType() ? stack->indexOf(static_cast<QWidget*>(o)) : -1;
            };
            return index(a) < index(b);
        });
    for (QObject* o : kids) {
        out.append(o);
        componentsOf(o, out);
    }
}

// The walk: every named component of every form, in component order.
template <typename F>
void walk(const Forms& forms, F&& visit)
{
    for (const QPointer<QWidget>& form : forms) {
        if (!form)
            continue;
        const QString owner = form->objectName();
        QObjectList components;
        componentsOf(form, components);
        for (QObject* o : components) {
            const Kind kind = kindOf(o);
            if (kind != Kind::None && isComponentName(o->objectName()))
                visit(owner, o, kind);
        }
    }
}

} // namespace

void applyControlTexts(const Forms& forms, ControlTexts& texts)
{
    walk(forms, [&](const QString& owner, QObject* o, Kind kind) {
        if (o->property("tag").toInt() != 0)
            return;
        const auto found = texts.find(owner.toStdString(), o->objectName().toStdString());
        if (!found)
            return;
        setCaption(o, kind, QString::fromStdString(found->caption));
        setHint(o, kind, QString::fromStdString(found->hint));
        // a character set that is not a number, and every one in translation
        // mode, leaves the font's as it was
        if (kind != Kind::Menu && !found->charset.empty())
            if (const auto c = tryToInt(found->charset); c && *c >= 0 && *c <= 255)
                o->setProperty("charset", *c);
    });
}

std::vector<TextRecord> collectControlTexts(const Forms& forms)
{
    std::vector<TextRecord> records;
    walk(forms, [&](const QString& owner, QObject* o, Kind kind) {
        const QString text = caption(o, kind);
        const QString tip = hint(o, kind);
        const bool someText = !text.isEmpty() || !tip.isEmpty();
        bool write = false;
        switch (kind) {
        case Kind::Menu:
            write = visibleEntry(o);
            break;
        case Kind::Label:
            write = someText && o->property("tag").toInt() == 0 && !isNumberText(text.toStdString());
            break;
        case Kind::CheckBox:
            write = someText && !isNumberText(text.toStdString());
            break;
        case Kind::RadioButton:
        case Kind::TabPage:
        case Kind::RadioGroup:
            write = true;
            break;
        case Kind::Edit:
            write = !tip.isEmpty() && !isNumberText(tip.toStdString());
            break;
        default:
            write = someText;
        }
        if (write)
            records.push_back({owner.toStdString(), o->objectName().toStdString(), text.toStdString(),
                               tip.toStdString(), kind == Kind::Menu ? 1 : charset(o)});
    });
    return records;
}

void keepMenuMnemonics(QAbstractButton* button)
{
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    auto* window = qobject_cast<QMainWindow*>(button->window());
    if (key.isEmpty() || !window)
        return;
    for (QAction* a : window->menuBar()->actions())
        if (QKeySequence::mnemonic(a->text()) == key)
            button->setShortcut(QKeySequence());
}

} // namespace zf
