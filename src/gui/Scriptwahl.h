#pragma once

#include "data/ScriptForm.h"
#include "ground/Ports.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;

namespace zf {

class Session;

// The script selection dialog: the click-script template and the four free
// parameters the automation program gets. Listing, browsing, the template
// refresh and the "0" rule are the core's; the dialog only shows the form.
class TZKSForm : public QDialog, public ScriptDialog {
    Q_OBJECT
public:
    explicit TZKSForm(QWidget* parent = nullptr);
    // The program state is created after its ports; until then nothing is shown.
    void attach(Session& app) { m_app = &app; }

    ModalResult showModal(ScriptForm& form) override;

public slots:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void FormClose();

private:
    void showForm();
    void takeForm();
    // takes the controls into the form, runs the step, shows the form
    void run(const std::function<void()>& step);

    Session* m_app = nullptr;
    ScriptForm* m_form = nullptr;
    QComboBox* m_script;
    QLineEdit* m_zahl1;
    QLineEdit* m_zahl2;
    QLineEdit* m_text1;
    QLineEdit* m_text2;
};

} // namespace zf
