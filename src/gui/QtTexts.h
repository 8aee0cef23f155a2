#pragma once

#include <QObject>
#include <QString>

class QTranslator;

namespace zf {

// Qt's own texts in the window's language: the standard buttons of message
// boxes and the input box, the file dialogs, the date fields' calendar.
class QtTexts : public QObject {
    Q_OBJECT
public:
    explicit QtTexts(QObject* parent = nullptr);
    ~QtTexts() override;

    // The code of Qt's translation files for a `Sprache` value: the message
    // files' "sp" and "cz" are "es" and "cs" there; any value outside 0..9
    // gives the window's built-in German.
    static QString code(int sprache);

    // Replaces the loaded translation by the one for `sprache` from Qt's
    // translations folder. False when the file is missing; Qt's English
    // texts show then.
    bool load(int sprache);
    QString loadedCode() const { return m_code; }

private:
    QTranslator* m_translator = nullptr;
    QString m_code;
};

} // namespace zf
