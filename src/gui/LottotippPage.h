#pragma once

#include "gui/PageBase.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace zf {

// "Lottotipp": the current draw, the tip sheet, the calculate button and the
// commands on the tips.
class LottotippPage : public PageBase {
    Q_OBJECT
public:
    LottotippPage(Session& app, OptionBinder& options, QWidget* parent = nullptr);

    // "TipGrid": holds the fourteen tip rows.
    QWidget* tipGrid() const { return m_tipGrid; }
    QGridLayout* tipGridLayout() const;
    // "TipButtons": the row of commands below the tips.
    QWidget* tipButtons() const { return m_tipButtons; }
    QHBoxLayout* tipButtonsLayout() const;
    QPushButton* calculateButton() const { return m_calculate; }
    QLabel* drawLabel() const { return m_label35; }
    QLabel* crossSumLabel() const { return m_label13; }

private:
    QWidget* m_tipGrid;
    QWidget* m_tipButtons;
    QPushButton* m_calculate;
    QLabel* m_label35;
    QLabel* m_label13;
};

} // namespace zf
