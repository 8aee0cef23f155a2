#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace zf {

bool QtShell::open(const std::string& target)
{
    const QString t = QString::fromStdString(target);
    const QUrl url = t.contains("://") ? QUrl(t) : QUrl::fromLocalFile(t);
    return QDesktopServices::openUrl(url);
}

bool QtShell::start(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    // an argument list, no command line: nothing in an argument is read by a shell
    return QProcess::startDetached(QString::fromStdString(program), args, QString());
}

} // namespace zf
