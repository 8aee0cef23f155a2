#pragma once

#include "data/Options.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QBoxLayout;

namespace zf {

class Session;

// Builds the main window's option controls from the options table and keeps
// them and the option model in step both ways.
class OptionBinder : public QObject {
    Q_OBJECT
public:
    explicit OptionBinder(Session& app, QObject* parent = nullptr);

    // The control of option `index` (check box, spin control, edit field,
    // date field or radio group), bound to the model.
    QWidget* create(int index, QWidget* parent);
    QWidget* create(Opt key, QWidget* parent) { return create(index(key), parent); }

    // Adds one row per option of `page` that passes `accept`: a check box with
    // what sits beside it, a caption with its spin controls, a labelled field.
    // Each row is a widget named "Row" + the first control's name.
    void addRows(OptionPage page, QBoxLayout* layout, QWidget* parent,
                 const std::function<bool(const OptionDef&)>& accept = {});

    // The control built for option `index`, or nullptr.
    QWidget* control(int index) const { return m_controls[static_cast<size_t>(index)]; }

private:
    void refresh(int index);
    QWidget* buildRow(int index, QWidget* parent);

    Session& m_app;
    std::vector<QPointer<QWidget>> m_controls;
    std::vector<bool> m_placed;
};

} // namespace zf
