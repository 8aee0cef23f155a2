#pragma once

#include "data/NumberSelection.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace zf {

class Session;

// The number selection dialog: shows a NumberSelection model modally and
// hands every click, mouse-up, timer tick and file command to it.
class TForm6 : public QDialog, public ZahlenwahlDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    // The program state is created after its ports; until then nothing is shown.
    void attach(Session& app) { m_app = &app; }

    ModalResult showModal(NumberSelection& form) override;

    QCheckBox* box(int n) const { return m_boxes[n]; }
    NumberSelection* form() const { return m_form; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void run(const std::function<void()>& step);

    Session* m_app = nullptr;
    NumberSelection* m_form = nullptr;
    std::array<QCheckBox*, NumberSelection::kBoxes + 1> m_boxes{};
    QLabel* m_status;
    QPushButton* m_ok;
    QPushButton* m_abort;
    QPushButton* m_rechnen;
    QPushButton* m_zufall;
    QTimer* m_timer;
};

} // namespace zf
