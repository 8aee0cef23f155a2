#include "gui/Scriptwahl.h"

#include "gui/GuiUtil.h"
#include "session/Session.h"
#include "session/Submission.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace zf {

namespace {

QLineEdit* parameter(const char* name, const QString& caption, QGridLayout* grid, int row, int col, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    QLabel* label = makeLabel(QString(name) + "Label", caption, parent);
    label->setBuddy(edit);
    grid->addWidget(label, row * 2, col);
    grid->addWidget(edit, row * 2 + 1, col);
    return edit;
}

} // namespace

TZKSForm::TZKSForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("ZKSForm");
    setWindowTitle("Script für Zahlenübergabe auswählen!");
    auto* page = new QVBoxLayout(this);

    m_script = new QComboBox(this);
    m_script->setObjectName("LabeledEdit1");
    m_script->setEditable(true);
    m_script->setInsertPolicy(QComboBox::NoInsert);
    m_script->setMinimumContentsLength(48);
    m_script->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    QLabel* scriptLabel = makeLabel("LabeledEdit1Label", "Darnholms Click-Script File", this);
    scriptLabel->setBuddy(m_script);
    auto* browse = new QToolButton(this);
    browse->setObjectName("BitBtn1");
    browse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    browse->setToolTip("Click-Script auswählen");
    auto* scriptRow = new QHBoxLayout;
    scriptRow->addWidget(m_script, 1);
    scriptRow->addWidget(browse);
    page->addWidget(scriptLabel);
    page->addLayout(scriptRow);

    page->addSpacing(8);
    page->addWidget(makeLabel("Label1", "Parameter ", this));
    auto* grid = new QGridLayout;
    m_zahl1 = parameter("LabeledEdit2", "ZAHL1", grid, 0, 0, this);
    m_text1 = parameter("LabeledEdit4", "TEXT1", grid, 0, 1, this);
    m_zahl2 = parameter("LabeledEdit3", "ZAHL2", grid, 1, 0, this);
    m_text2 = parameter("LabeledEdit5", "TEXT2", grid, 1, 1, this);
    page->addLayout(grid);

    auto* exits = new QHBoxLayout;
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BitBtn2");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("BitBtn3");
    cancel->setAutoDefault(false);
    exits->addStretch(1);
    exits->addWidget(ok);
    exits->addWidget(cancel);
    page->addLayout(exits);

    connect(browse, &QToolButton::clicked, this, &TZKSForm::BitBtn1Click);
    connect(ok, &QPushButton::clicked, this, &TZKSForm::BitBtn2Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showForm(); // the presets until a form is shown
}

ModalResult TZKSForm::showModal(ScriptForm& form)
{
    m_form = &form;
    FormShow();
    const int code = exec();
    FormClose();
    m_form = nullptr;
    return code == QDialog::Accepted ? ModalResult::Ok : ModalResult::Abort;
}

void TZKSForm::run(const std::function<void()>& step)
{
    if (!m_app || !m_form)
        return;
    takeForm();
    runGuarded(*m_app, step);
    showForm();
}

void TZKSForm::FormShow()
{
    // the form holds what the submission put there; the controls are older
    if (m_app && m_form)
        runGuarded(*m_app, [this] { listScriptTemplates(*m_app); });
    showForm();
}

void TZKSForm::BitBtn1Click()
{
    run([this] { browseScriptTemplate(*m_app); });
}

void TZKSForm::BitBtn2Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run([this] { refreshScriptTemplate(*m_app); });
    QApplication::restoreOverrideCursor();
    accept();
}

void TZKSForm::FormClose()
{
    run([this] { closeScriptDialog(*m_app); });
}

void TZKSForm::showForm()
{
    static const ScriptForm presets;
    const ScriptForm& f = m_form ? *m_form : presets;
    m_script->clear();
    for (const std::string& path : f.templates)
        m_script->addItem(qs(path));
    m_script->setEditText(qs(f.script));
    m_zahl1->setText(qs(f.zahl1));
    m_zahl2->setText(qs(f.zahl2));
    m_text1->setText(qs(f.text1));
    m_text2->setText(qs(f.text2));
}

void TZKSForm::takeForm()
{
    m_form->script = m_script->currentText().toStdString();
    m_form->zahl1 = m_zahl1->text().toStdString();
    m_form->zahl2 = m_zahl2->text().toStdString();
    m_form->text1 = m_text1->text().toStdString();
    m_form->text2 = m_text2->text().toStdString();
}

} // namespace zf
