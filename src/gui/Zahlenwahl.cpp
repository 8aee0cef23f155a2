#include "gui/Zahlenwahl.h"

#include "ground/Texts.h"
#include "gui/GuiUtil.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace zf {

namespace {

// Result codes of the dialog's buttons; closing the window counts as Abort.
enum Code { Cancelled = 0, OkCode = 1, AbortCode = 3, RetryCode = 4 };

} // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form6");
    setWindowTitle("Welche Zahlen für die Berechnung");
    auto* page = new QVBoxLayout(this);

    auto* grid = new QGridLayout;
    for (int n = 1; n <= NumberSelection::kBoxes; ++n) {
        auto* b = new QCheckBox(QString::number(n), this);
        b->setObjectName(QString("CheckBox%1").arg(n));
        b->setChecked(true);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        b->setVisible(n <= NumberSelection::kNumbers);
        connect(b, &QCheckBox::clicked, this, [this, n](bool checked) {
            run([this, n, checked] {
                if (m_form->box(n).checked != checked)
                    m_form->toggle(n);
            });
        });
        m_boxes[n] = b;
        grid->addWidget(b, (n - 1) / 8, (n - 1) % 8);
    }
    page->addLayout(grid);

    auto* files = new QHBoxLayout;
    auto* save = new QToolButton(this);
    save->setObjectName("SpeedButton1");
    save->setText("Speichern");
    save->setToolTip("Speichern der Liste");
    auto* load = new QToolButton(this);
    load->setObjectName("SpeedButton2");
    load->setText("Laden");
    load->setToolTip("Laden der Liste");
    connect(save, &QToolButton::clicked, this, [this] {
        run([this] { m_form->saveListAsking(*m_app->ports().dialogs, m_app->ports().clock->today()); });
    });
    connect(load, &QToolButton::clicked, this, [this] {
        run([this] { m_form->loadListAsking(*m_app->ports().dialogs, m_app->ports().clock->today()); });
    });
    files->addWidget(save);
    files->addWidget(load);
    files->addStretch(1);
    m_zufall = new QPushButton("&Zufall", this);
    m_zufall->setObjectName("BitBtn4");
    m_zufall->setAutoDefault(false);
    files->addWidget(m_zufall);
    page->addLayout(files);

    // "&Rechnen" lies exactly over OK: while it shows, OK is reached by Enter only
    auto* buttons = new QGridLayout;
    m_ok = new QPushButton("OK", this);
    m_ok->setObjectName("BitBtn1");
    m_ok->setDefault(true);
    m_rechnen = new QPushButton("&Rechnen", this);
    m_rechnen->setObjectName("BitBtn3");
    m_rechnen->setAutoDefault(false);
    m_abort = new QPushButton("Abbrechen", this);
    m_abort->setObjectName("BitBtn2");
    m_abort->setAutoDefault(false);
    buttons->addWidget(m_ok, 0, 0);
    buttons->addWidget(m_rechnen, 0, 0);
    buttons->addWidget(m_abort, 0, 1);
    page->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, [this] { done(OkCode); });
    connect(m_abort, &QPushButton::clicked, this, [this] { done(AbortCode); });
    connect(m_rechnen, &QPushButton::clicked, this, [this] { done(RetryCode); });

    m_status = makeLabel("StatusBar1", "", this);
    m_status->setFrameShape(QFrame::StyledPanel);
    page->addWidget(m_status);

    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer1");
    m_timer->setInterval(25);
    connect(m_timer, &QTimer::timeout, this, [this] { run([this] { m_form->randomDrawTick(m_app->random()); }); });
    connect(m_zufall, &QPushButton::clicked, this, [this] { run([this] { m_form->startRandomDraw(); }); });
    connect(this, &QDialog::finished, this, [this] {
        if (m_form)
            m_form->closed();
        m_timer->stop();
    });
}

ModalResult TForm6::showModal(NumberSelection& form)
{
    m_form = &form;
    refresh();
    const int code = exec();
    m_form = nullptr;
    return code == OkCode ? ModalResult::Ok : code == RetryCode ? ModalResult::Retry : ModalResult::Abort;
}

void TForm6::run(const std::function<void()>& step)
{
    if (!m_form || !m_app)
        return;
    runGuarded(*m_app, step);
    refresh();
}

void TForm6::refresh()
{
    if (!m_form)
        return;
    const NumberSelection& f = *m_form;
    auto msg = [this](Msg id) { return m_app ? m_app->msg(id) : std::string(); };
    using P = NumberSelection::Purpose;
    setWindowTitle(qs(f.purpose == P::ChooseNumbers ? text(Text::ChooseNumbers)
                      : f.purpose == P::EditTip     ? std::to_string(f.tipRow + 1) + ". " + msg(Msg::Tip)
                                                    : msg(Msg::NumberSelection)));
    for (int n = 1; n <= NumberSelection::kBoxes; ++n) {
        QCheckBox* b = m_boxes[n];
        const NumberSelection::Box& box = f.box(n);
        b->setChecked(box.checked);
        b->setToolTip(qs(box.weight));
        const QColor c = box.colour == BoxColour::Yellow   ? QColor(0xFF, 0xFF, 0x00)
                         : box.colour == BoxColour::Normal ? palette().color(QPalette::ToolTipBase)
                                                           : QColor();
        b->setStyleSheet(c.isValid() ? QString("QCheckBox { background-color: %1; }").arg(c.name()) : QString());
    }
    m_status->setText(f.shownBox ? qs(text(Text::NumberWeight, {std::to_string(f.shownBox), f.box(f.shownBox).weight}))
                                 : QString());
    m_rechnen->setVisible(f.bitBtn3Visible);
    m_zufall->setVisible(f.bitBtn4Visible);
    using B = NumberSelection::RandomButton;
    m_zufall->setText(qs(f.randomButton == B::Start  ? text(Text::RandomDraw)
                         : f.randomButton == B::Stop ? text(Text::RandomDrawStop, {std::to_string(f.losgeht)})
                                                     : text(Text::RandomDrawAgain)));
    if (f.timerOn && !m_timer->isActive())
        m_timer->start();
    else if (!f.timerOn)
        m_timer->stop();
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    for (int n = 1; n <= NumberSelection::kBoxes; ++n) {
        if (watched != m_boxes[n])
            continue;
        if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                run([this, n] { m_form->mouseReleased(n, true); });
                return true; // the right button does not toggle
            }
            // the box toggles and runs its click handling before the mouse-up arrives
            QTimer::singleShot(0, this, [this, n] { run([this, n] { m_form->mouseReleased(n, false); }); });
        } else if (event->type() == QEvent::MouseMove) {
            run([this, n] { m_form->mouseMoved(n); });
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zf
