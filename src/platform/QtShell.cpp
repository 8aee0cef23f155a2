#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace zf {

bool QtShell::open(const std::string& target)
{
    const QString t = QString::fromStdString(target);
    const QUrl url = t.contains("://") ? QUrl(t) : QUrl::fromLocalFile(t);
    return QDesktopServices::openUrl(url);
}

} // namespace zf
