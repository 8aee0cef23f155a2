#pragma once

#include "gui/PageBase.h"

namespace zf {

// "Internet-Optionen": the update server, the proxy, the two fees and the maker's web links.
class InternetPage : public PageBase {
    Q_OBJECT
public:
    InternetPage(Session& app, OptionBinder& options, QWidget* parent = nullptr);
};

} // namespace zf
