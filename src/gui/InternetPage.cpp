#include "gui/InternetPage.h"

#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"
#include "gui/WebLinks.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

namespace zf {

InternetPage::InternetPage(Session& app, OptionBinder& options, QWidget* parent) : PageBase(app, options, parent)
{
    auto* page = new QVBoxLayout(this);

    auto* server = new QGroupBox("Update-Server", this);
    server->setObjectName("GroupBoxServer");
    options.addRows(OptionPage::InternetOptionen, new QVBoxLayout(server), server,
                    [](const OptionDef& d) { return d.stored == "ServerEdit"; });
    // an address is longer than the other fields' values
    if (QWidget* edit = options.control(index(Opt::ServerEdit)))
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("http://update.darnholm.example:8080") + 16);
    page->addWidget(server);

    auto* proxy = new QGroupBox("Proxy", this);
    proxy->setObjectName("GroupBoxProxy");
    options.addRows(OptionPage::InternetOptionen, new QVBoxLayout(proxy), proxy,
                    [](const OptionDef& d) { return d.stored.rfind("Proxy", 0) == 0; });
    page->addWidget(proxy);

    auto* fees = new QGroupBox("Bearbeitungsgebühr", this);
    fees->setObjectName("GroupBoxGebuehr");
    options.addRows(OptionPage::InternetOptionen, new QVBoxLayout(fees), fees);
    page->addWidget(fees);

    auto* links = new QGroupBox("Darnholm im Internet", this);
    links->setObjectName("GroupBoxLinks");
    auto* linkColumn = new QVBoxLayout(links);
    int n = 0;
    for (const char* address : kWebLinks)
        linkColumn->addWidget(linkLabel(app, QString("LinkLabel%1").arg(++n), address, address, links));
    page->addWidget(links);
    page->addStretch(1);
}

} // namespace zf
