#include "gui/DatenbankPage.h"

#include "ground/Formats.h"
#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QLabel>
#include <QPointer>
#include <QSignalBlocker>

namespace zf {

DatenbankPage::DatenbankPage(Session& app, OptionBinder& options, QWidget* parent) : PageBase(app, options, parent)
{
    auto* page = new QVBoxLayout(this);
    m_label29 = makeLabel("Label29", "", this);
    QFont big = m_label29->font();
    big.setBold(true);
    m_label29->setFont(big);
    page->addWidget(m_label29);

    // The end of the date window is not stored; start-up sets it to today.
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(makeLabel("LabelEndDatum", "Ziehungen bis:", this));
    m_picker1 = new QDateEdit(this);
    m_picker1->setObjectName("DateTimePicker1");
    m_picker1->setCalendarPopup(true);
    m_picker1->setDisplayFormat("dd.MM.yyyy");
    m_picker1->setMinimumDate(dateOfDay(kFirstDrawDay));
    allowDateTyping(m_picker1);
    m_picker1->setToolTip(
        "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt");
    dateRow->addWidget(m_picker1);
    dateRow->addStretch(1);
    page->addLayout(dateRow);

    auto show = [this, &app] {
        const QSignalBlocker block(m_picker1);
        m_picker1->setDate(dateOfDay(app.endDay));
    };
    show();
    app.addEndDayListener([self = QPointer<DatenbankPage>(this), show] {
        if (self)
            show();
    });
    connect(m_picker1, &QDateEdit::dateChanged, this, [&app](const QDate& d) { app.setEndDay(dayOfDate(d)); });

    options.addRows(OptionPage::Datenbank, page, this);

    m_buttons = new QWidget(this);
    m_buttons->setObjectName("DatabaseButtons");
    auto* buttons = new QVBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    page->addWidget(m_buttons);
    page->addStretch(1);
}

QVBoxLayout* DatenbankPage::databaseButtonsLayout() const
{
    return static_cast<QVBoxLayout*>(m_buttons->layout());
}

} // namespace zf
