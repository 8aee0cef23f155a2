#pragma once

#include "data/LanguageFiles.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <vector>

class QAbstractButton;

namespace zf {

// The language files' view of the windows. Owner = the object name of the
// form the application owns, component = the object name of a widget or
// action inside it; the component order is the depth-first order of
// QObject::children(), which is the order the window creates (or re-parents)
// its children, with the pages of a stack in their index order. The tag is
// the dynamic property "tag", the font's character set (Qt has none) the
// dynamic property "charset". Caption and hint are text and tool tip; menu
// entries, whose hints the status bar shows, use the status tip.
using Forms = QList<QPointer<QWidget>>;

// Sets the texts of every component with tag 0 that has a record.
void applyControlTexts(const Forms& forms, ControlTexts& texts);
// The records the export writes, in the same order.
std::vector<TextRecord> collectControlTexts(const Forms& forms);

// A button's mnemonic that a menu entry of its window already has stays the
// menu's: two owners of a key would only move the focus between them.
void keepMenuMnemonics(QAbstractButton* button);

} // namespace zf
