#pragma once

#include "ground/Ports.h"

#include <QSettings>

#include <memory>

namespace zf {

// The settings store on QSettings: organisation "Darnholm", application
// "Somnara" (the registry key \SOFTWARE\Darnholm\Somnara on Windows, an INI
// file in the user's configuration folder elsewhere), or a given INI file, or
// a group of any QSettings (the automation program's "Settings").
// Flags and integers are written as integers, texts as strings, dates as the
// 8-byte little-endian IEEE-754 day count.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniFile);
    QtSettingsStore(std::unique_ptr<QSettings> settings, const QString& group);

    ReadStatus readFlag(const std::string& name, bool& out) override;
    ReadStatus readInt(const std::string& name, int& out) override;
    ReadStatus readText(const std::string& name, std::string& out) override;
    ReadStatus readDate(const std::string& name, double& out) override;
    bool writeFlag(const std::string& name, bool value) override;
    bool writeInt(const std::string& name, int value) override;
    bool writeText(const std::string& name, const std::string& value) override;
    bool writeDate(const std::string& name, double value) override;
    void flush() override;

    QString fileName() const { return m_settings->fileName(); }

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace zf
