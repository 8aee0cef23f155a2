#include "platform/QtSettingsStore.h"

#include <QByteArray>
#include <QStringList>

#include <cstring>

namespace zf {

namespace {

QString key(const std::string& name)
{
    return QString::fromStdString(name);
}

bool isBinary(const QVariant& v)
{
    return v.typeId() == QMetaType::QByteArray;
}

} // namespace

QtSettingsStore::QtSettingsStore() : m_settings(std::make_unique<QSettings>("Darnholm", "Somnara")) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings, const QString& group)
    : m_settings(std::move(settings))
{
    m_settings->beginGroup(group);
}

ReadStatus QtSettingsStore::readInt(const std::string& name, int& out)
{
    const QVariant v = m_settings->value(key(name));
    if (!v.isValid())
        return ReadStatus::Missing;
    if (isBinary(v) || v.typeId() == QMetaType::QStringList)
        return ReadStatus::WrongKind;
    bool ok = false;
    const int i = v.toString().trimmed().toInt(&ok);
    if (!ok)
        return ReadStatus::WrongKind;
    out = i;
    return ReadStatus::Ok;
}

ReadStatus QtSettingsStore::readFlag(const std::string& name, bool& out)
{
    int i = 0;
    const ReadStatus st = readInt(name, i);
    if (st == ReadStatus::Ok)
        out = i != 0; // any non-zero value reads as ticked
    return st;
}

ReadStatus QtSettingsStore::readText(const std::string& name, std::string& out)
{
    const QVariant v = m_settings->value(key(name));
    if (!v.isValid())
        return ReadStatus::Missing;
    if (isBinary(v))
        return ReadStatus::WrongKind;
    // An INI line with an unquoted comma reads as a list.
    const QString s = v.typeId() == QMetaType::QStringList ? v.toStringList().join(", ") : v.toString();
    out = s.toStdString();
    return ReadStatus::Ok;
}

ReadStatus QtSettingsStore::readDate(const std::string& name, double& out)
{
    const QVariant v = m_settings->value(key(name));
    if (!v.isValid())
        return ReadStatus::Missing;
    const QByteArray b = v.toByteArray();
    if (!isBinary(v) || b.size() != 8)
        return ReadStatus::WrongKind;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<uint64_t>(static_cast<unsigned char>(b[i])) << (8 * i);
    std::memcpy(&out, &bits, sizeof out);
    return ReadStatus::Ok;
}

bool QtSettingsStore::writeFlag(const std::string& name, bool value)
{
    return writeInt(name, value ? 1 : 0);
}

bool QtSettingsStore::writeInt(const std::string& name, int value)
{
    m_settings->setValue(key(name), value);
    return m_settings->status() == QSettings::NoError;
}

bool QtSettingsStore::writeText(const std::string& name, const std::string& value)
{
    m_settings->setValue(key(name), QString::fromStdString(value));
    return m_settings->status() == QSettings::NoError;
}

bool QtSettingsStore::writeDate(const std::string& name, double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray b(8, '\0');
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<char>(bits >> (8 * i));
    m_settings->setValue(key(name), b);
    return m_settings->status() == QSettings::NoError;
}

void QtSettingsStore::flush()
{
    m_settings->sync();
}

} // namespace zf
