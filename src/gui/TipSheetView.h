#pragma once

#include "data/TipSheet.h"

#include <QObject>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace zf {

class Session;
class TForm1;

// The fourteen tip rows on "Lottotipp", the draw labels and the commands on
// the tips, bound to the tip sheet and the current draw of the core.
class TipSheetView : public QObject {
    Q_OBJECT
public:
    TipSheetView(Session& app, TForm1& window);

    QLineEdit* cell(int row, int col) const { return m_rows[row].cells[col]; }
    QComboBox* dream(int row) const { return m_rows[row].dream; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        std::array<QLineEdit*, TipSheet::kCols> cells{};
        QComboBox* dream = nullptr;
        QLabel* label = nullptr;
        QToolButton* edit = nullptr;
        QLabel* match = nullptr;
        QLabel* sum = nullptr;
    };

    void buildRow(int row);
    void buildButtons();
    void show(TipSheet::Part part, int row, int col);
    void showDrawLabels();
    void command(const std::function<void()>& run);

    Session& m_app;
    TForm1& m_window;
    std::array<Row, TipSheet::kRows> m_rows;
};

} // namespace zf
