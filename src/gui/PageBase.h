#pragma once

#include <QWidget>

namespace zf {

class Session;
class OptionBinder;

// A tab page of the main window: it reaches the program state, the ports
// (app().ports()) and the option controls through this base.
class PageBase : public QWidget {
    Q_OBJECT
public:
    PageBase(Session& app, OptionBinder& options, QWidget* parent) : QWidget(parent), m_app(app), m_options(options) {}
    Session& app() const { return m_app; }
    OptionBinder& options() const { return m_options; }

private:
    Session& m_app;
    OptionBinder& m_options;
};

} // namespace zf
