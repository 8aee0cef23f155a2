#pragma once

#include "data/Options.h"

#include <string>
#include <utility>
#include <vector>

namespace zf {

class LottoZahlen;
class SettingsStore;

// Reads every stored value in load order and groups; a value of the wrong
// kind ends its group and leaves the rest of it at the built-in defaults.
void loadSettings(LottoZahlen& app, SettingsStore& store);
// Writes every value of the save list in save order; the first failure ends it.
void saveSettings(const LottoZahlen& app, SettingsStore& store, bool windowNormal);

// The save list in save order, as NAME=VALUE texts (flag 0/1, date DD.MM.YYYY).
std::vector<std::pair<std::string, std::string>> storedValues(const LottoZahlen& app, bool windowNormal = true);
// Sets one stored value from such a text, as loading would. false for an
// unknown name or a text that does not fit the value's kind.
bool setStoredValue(LottoZahlen& app, const std::string& name, const std::string& text);

std::vector<std::string> saveOrder(bool windowNormal = true);

} // namespace zf
