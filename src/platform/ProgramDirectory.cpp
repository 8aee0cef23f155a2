#include "platform/ProgramDirectory.h"

#include "session/ProgramHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zf {

QString programDirectory()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (isPortableHome(exeDir.toStdString()))
        return exeDir;
    QCoreApplication::setOrganizationName("Darnholm");
    QCoreApplication::setApplicationName("Ziffrano");
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString shareDir = QDir::cleanPath(exeDir + "/" + ZF_SHARE_FROM_BIN);
    for (const std::string& e : seedUserHome(shareDir.toStdString(), userDir.toStdString()).errors)
        qWarning("%s", e.c_str());
    return userDir;
}

} // namespace zf
