#include "gui/UpdateBinding.h"

#include "gui/DatenbankPage.h"
#include "gui/GuiUtil.h"
#include "gui/JobRunner.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "session/OnlineUpdate.h"
#include "session/Session.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace zf {

UpdateBinding::UpdateBinding(TForm1& window) : QObject(&window), m_window(window), m_app(window.app())
{
    setObjectName("UpdateBinding");
    DatenbankPage* db = window.datenbank();
    m_bitBtn1 = new QPushButton("&Datenbank aktualisieren", db->databaseButtons());
    m_bitBtn1->setObjectName("BitBtn1");
    m_speedButton8 = new QToolButton(db->databaseButtons());
    m_speedButton8->setObjectName("SpeedButton8");
    m_speedButton8->setText("Stopp");
    m_speedButton8->setToolTip("Stoppt das Einlesen");
    m_speedButton8->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(m_bitBtn1, 1);
    row->addWidget(m_speedButton8);
    db->databaseButtonsLayout()->insertLayout(0, row);

    LottotippPage* tipp = window.lottotipp();
    m_speedButton10 = new QToolButton(tipp->tipButtons());
    m_speedButton10->setObjectName("SpeedButton10");
    m_speedButton10->setText("Aktualisieren");
    m_speedButton10->setToolTip("Ziehungen vom Update-Server holen");
    tipp->tipButtonsLayout()->insertWidget(0, m_speedButton10);

    connect(m_bitBtn1, &QPushButton::clicked, this, &UpdateBinding::ZiffranoClick);
    connect(m_speedButton10, &QToolButton::clicked, this, &UpdateBinding::ZiffranoClick);
    connect(m_speedButton8, &QToolButton::clicked, this, &UpdateBinding::SpeedButton8Click);
    if (QAction* menu = window.aktualisierenAction())
        connect(menu, &QAction::triggered, this, &UpdateBinding::ZiffranoClick);
}

void UpdateBinding::ZiffranoClick()
{
    start();
}

void UpdateBinding::SpeedButton8Click()
{
    m_speedButton8->hide();
    m_window.jobs()->cancel();
}

void UpdateBinding::setRunning(bool running)
{
    if (running)
        m_hold.hold(m_window, {m_speedButton8});
    else
        m_hold.release();
    m_bitBtn1->setEnabled(!running);
    m_speedButton10->setEnabled(!running);
    m_speedButton8->setVisible(running);
}

bool UpdateBinding::start(std::function<void()> then)
{
    JobRunner& jobs = *m_window.jobs();
    if (jobs.running())
        return false;
    std::optional<UpdateInput> input;
    if (!runGuarded(m_app, [&] { input = prepareUpdate(m_app); })) {
        if (then)
            then();
        return false;
    }
    // panel 0 follows the requests; panel 1 shows the job's progress meanwhile
    QPointer<QLabel> panel0 = m_window.statusPanel(0);
    input->status = [panel0](int panel, const std::string& text) {
        if (panel != 0)
            return;
        QMetaObject::invokeMethod(
            panel0,
            [panel0, t = qs(text)] {
                if (panel0)
                    panel0->setText(t);
            },
            Qt::QueuedConnection);
    };
    setRunning(true);
    auto result = std::make_shared<UpdateResult>();
    auto work = [in = std::move(*input), result, http = m_app.ports().http](Progress& progress,
                                                                            const CancelFlag& cancel) {
        *result = fetchDraws(in, *http, progress, cancel);
    };
    auto apply = [this, result, then] {
        setRunning(false);
        runGuarded(m_app, [&] { finishUpdate(m_app, *result); });
        emit updated();
        if (then)
            then();
    };
    if (!jobs.start(std::move(work), apply)) {
        apply();
        return false;
    }
    return true;
}

} // namespace zf
