// Regenerates the base text file land/bezeichch.txt from the German windows
// and realigns the translation files of the other languages to it: records
// keep their texts by form and component, new components get empty lines
// (`ziffrano-cli texts LANG --check` names them). Writes the program's own
// German texts as land/texte.txt.de, the template of their translations.
//
//   build/bin/zf_export_texts data/land

#include "data/LanguageFiles.h"
#include "data/Messages.h"
#include "ground/AtomicFile.h"
#include "gui/DesignTexts.h"

#include <QApplication>

#include <iostream>

using namespace zf;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zf_export_texts LAND_FOLDER\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const std::string home = std::string(argv[1]) + "/../";
    try {
        const auto oldBase = readTextLines(baseTextFile(home)).value_or(std::vector<std::string>{});
        const std::string bytes = baseFileBytes(designedControlTexts());
        writeFileAtomically(baseTextFile(home), bytes);
        const auto newBase = *readTextLines(baseTextFile(home));
        for (const Language& l : kLanguages) {
            const auto old = readTextLines(translationFile(home, l.code));
            if (!old)
                continue;
            std::string text = "\xEF\xBB\xBF";
            for (const std::string& line : realignTranslation(oldBase, *old, newBase))
                text += line + "\r\n";
            writeFileAtomically(translationFile(home, l.code), text);
        }
        writeFileAtomically(textTableFile(home, "de"), germanTextTableBytes());
        std::cout << baseTextFile(home) << ": " << newBase.size() / 5 << " records\n";
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
