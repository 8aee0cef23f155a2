#include "gui/LottotippPage.h"

#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"
#include "gui/WebLinks.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace zf {

LottotippPage::LottotippPage(Session& app, OptionBinder& options, QWidget* parent) : PageBase(app, options, parent)
{
    auto* page = new QVBoxLayout(this);

    auto* banners = new QHBoxLayout;
    auto* banner1 = linkLabel(app, "Banner1", "Darnholms Ziffrano  6 aus 40 Somnara", kProductPage, this);
    auto* banner2 = linkLabel(app, "Banner2", kProductPage, kProductPage, this);
    QFont bannerFont = banner1->font();
    bannerFont.setBold(true);
    banner1->setFont(bannerFont);
    banners->addWidget(banner1);
    banners->addStretch(1);
    banners->addWidget(banner2);
    page->addLayout(banners);

    // the panel above the tips shows the current draw
    auto* drawPanel = new QFrame(this);
    drawPanel->setObjectName("DrawPanel");
    drawPanel->setFrameShape(QFrame::StyledPanel);
    auto* panelRow = new QHBoxLayout(drawPanel);
    m_label35 = makeLabel("Label35", "", drawPanel);
    m_label13 = makeLabel("Label13", "QS: ", drawPanel);
    m_label13->setToolTip("Quersummer (Summer aller Ziffern) der Ziehungszahlen");
    panelRow->addWidget(m_label35, 1);
    panelRow->addWidget(m_label13);
    page->addWidget(drawPanel);

    m_tipGrid = new QWidget(this);
    m_tipGrid->setObjectName("TipGrid");
    new QGridLayout(m_tipGrid);
    page->addWidget(m_tipGrid, 1);

    auto* calcRow = new QHBoxLayout;
    m_calculate = new QPushButton("Tipps &berechnen", this);
    m_calculate->setObjectName("BitBtn4");
    m_calculate->setToolTip("Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet");
    calcRow->addWidget(m_calculate);
    auto* count = static_cast<QSpinBox*>(options.create(Opt::UpDown8, this));
    count->setSingleStep(2);
    calcRow->addWidget(count);
    // the weekday flags are kept but not shown
    options.addRows(OptionPage::Lottotipp, calcRow, this,
                    [](const OptionDef& d) { return d.kind == OptionKind::Flag; });
    calcRow->addStretch(1);
    page->addLayout(calcRow);

    m_tipButtons = new QWidget(this);
    m_tipButtons->setObjectName("TipButtons");
    auto* buttons = new QHBoxLayout(m_tipButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    page->addWidget(m_tipButtons);
}

QGridLayout* LottotippPage::tipGridLayout() const
{
    return static_cast<QGridLayout*>(m_tipGrid->layout());
}

QHBoxLayout* LottotippPage::tipButtonsLayout() const
{
    return static_cast<QHBoxLayout*>(m_tipButtons->layout());
}

} // namespace zf
