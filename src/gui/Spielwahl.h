#pragma once

#include "data/PrintForm.h"
#include "ground/Ports.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace zf {

class Session;

// The print settings dialog: day boxes, option boxes with their ticket
// numbers, test picture, shifts, paper format, slip type and the cost. The
// option boxes, the slip type and the ticket numbers are stored options and
// stay bound to them; the rest goes back into the form when the dialog closes.
class TForm5 : public QDialog, public PrintDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    // The program state is created after its ports; until then nothing is shown.
    void attach(Session& app);

    ModalResult showModal(PrintForm& form) override;

    QSpinBox* digit(int row, int i) const { return m_digits[static_cast<size_t>(row - 1)][static_cast<size_t>(i)]; }

public slots:
    // shared by the two day boxes and the three option boxes
    void CheckBox1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();

private:
    void refreshOptions();
    void takeDays();
    void run(const std::function<void()>& command);

    Session* m_app = nullptr;
    PrintForm* m_form = nullptr;
    QCheckBox* m_samstag;
    QCheckBox* m_mittwoch;
    std::array<QCheckBox*, 3> m_joker{};
    std::array<std::array<QSpinBox*, 6>, 3> m_digits{};
    QCheckBox* m_testPicture;
    QSpinBox* m_top;
    QSpinBox* m_left;
    QComboBox* m_paper;
    QComboBox* m_slipType;
    QLabel* m_cost;
    bool m_refreshing = false;
};

} // namespace zf
