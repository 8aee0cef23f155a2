#include "gui/QtTexts.h"

#include "data/LanguageFiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zf {

QtTexts::QtTexts(QObject* parent) : QObject(parent) {}

QtTexts::~QtTexts()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
}

QString QtTexts::code(int sprache)
{
    const QString c = QString::fromLatin1(languageCode(sprache) ? languageCode(sprache) : "de");
    return c == "sp" ? "es" : c == "cz" ? "cs" : c;
}

bool QtTexts::load(int sprache)
{
    const QString wanted = code(sprache);
    if (m_translator && wanted == m_code)
        return true;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
        m_code.clear();
    }
    auto* t = new QTranslator(this);
    if (!t->load("qtbase_" + wanted, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    m_translator = t;
    m_code = wanted;
    return true;
}

} // namespace zf
