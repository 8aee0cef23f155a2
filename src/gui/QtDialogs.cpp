#include "gui/QtDialogs.h"

#include "gui/GuiUtil.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zf {

namespace {

QWidget* owner()
{
    return QApplication::activeWindow();
}

std::optional<std::string> fileName(const FileFilter& filter, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(qs(filter.description) + " (" + qs(filter.pattern) + ")");
    dialog.setDefaultSuffix(qs(filter.defaultExt));
    if (!filter.folder.empty())
        dialog.setDirectory(qs(filter.folder));
    if (!filter.defaultName.empty())
        dialog.selectFile(qs(filter.defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace

void QtDialogs::information(const std::string& text)
{
    QMessageBox::information(owner(), QApplication::applicationDisplayName(), qs(text));
}

void QtDialogs::error(const std::string& text)
{
    QMessageBox::critical(owner(), QApplication::applicationDisplayName(), qs(text));
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& caption)
{
    return QMessageBox::question(owner(), qs(caption), qs(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::string QtDialogs::inputBox(const std::string& caption, const std::string& prompt, const std::string& defaultText)
{
    bool ok = false;
    const QString t = QInputDialog::getText(owner(), qs(caption), qs(prompt), QLineEdit::Normal, qs(defaultText), &ok);
    return ok ? t.toStdString() : defaultText;
}

std::optional<std::string> QtDialogs::openFileName(const FileFilter& filter)
{
    return fileName(filter, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFileName(const FileFilter& filter)
{
    return fileName(filter, QFileDialog::AcceptSave);
}

} // namespace zf
