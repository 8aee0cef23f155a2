#include "gui/DatenbankPage.h"

#include "ground/Formats.h"
#include "ground/Texts.h"
#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
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

    m_calendarBox = new QGroupBox("Kalenderprüfung", this);
    m_calendarBox->setObjectName("GroupBoxKalender");
    auto* calendar = new QVBoxLayout(m_calendarBox);
    m_calendarSummary = makeLabel("LabelKalender", "", m_calendarBox);
    m_calendarSummary->setWordWrap(true);
    m_calendarList = new QListWidget(m_calendarBox);
    m_calendarList->setObjectName("CalendarList");
    calendar->addWidget(m_calendarSummary);
    calendar->addWidget(m_calendarList);
    m_calendarBox->hide();
    page->addWidget(m_calendarBox, 1);
    page->addStretch(1);
}

void DatenbankPage::showCalendarFindings(const QStringList& lines, int missing)
{
    m_calendarList->clear();
    m_calendarList->addItems(lines);
    m_calendarList->setVisible(!lines.isEmpty());
    m_calendarSummary->setText(
        qs(lines.isEmpty() ? text(Text::CalendarNoGaps)
                           : text(Text::CalendarFindings, {std::to_string(lines.size()), std::to_string(missing)})));
    m_calendarBox->show();
}

QVBoxLayout* DatenbankPage::databaseButtonsLayout() const
{
    return static_cast<QVBoxLayout*>(m_buttons->layout());
}

} // namespace zf
