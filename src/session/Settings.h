#pragma once

#include "data/Options.h"

#include <string>
#include <utility>
#include <vector>

namespace zf {

class Session;
class SettingsStore;

// Reads every stored value in load order and groups; a value of the wrong
// kind ends its group and leaves the rest of it at the built-in defaults.
void loadSettings(Session& app, SettingsStore& store);
// Writes every value of the save list in save order; the first failure ends it.
void saveSettings(const Session& app, SettingsStore& store, bool windowNormal);

// The save list in save order, as NAME=VALUE texts (flag 0/1, date DD.MM.YYYY).
std::vector<std::pair<std::string, std::string>> storedValues(const Session& app, bool windowNormal = true);
// Sets one stored value from such a text, as loading would. false for an
// unknown name or a text that does not fit the value's kind.
bool setStoredValue(Session& app, const std::string& name, const std::string& text);

std::vector<std::string> saveOrder(bool windowNormal = true);

} // namespace zf
