#pragma once

#include "data/DrawFile.h"

#include <QDialog>

#include <array>

class QDateEdit;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zf {

// The draw entry dialog "Zahlen der Ziehung eingeben": date, six numbers,
// dream number, ticket digits and replay value of one draw. The spins take
// only what the draw file can hold, and OK refuses six numbers that are not
// distinct, so nothing outside the data model leaves the dialog.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // From the draw the entry starts from; the spare slot and byte 23 are kept.
    void fill(const Draw& draw);
    // For an empty file: the date alone, the other fields at their defaults.
    void fillDate(int day);
    // The record as entered, numbers in the order typed.
    Draw draw() const;

public slots:
    void accept() override;

private:
    QDateEdit* m_date;
    std::array<QSpinBox*, 6> m_numbers{};
    QSpinBox* m_dream;
    QSpinBox* m_replay;
    std::array<QLineEdit*, 6> m_joker{};
    QLabel* m_problem;
    Draw m_start;
};

} // namespace zf
