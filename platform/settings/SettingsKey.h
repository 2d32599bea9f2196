// Per-user settings keys such as "Software\NUREV\Dukkano1_5" holding text values. Each key is
// one INI file under the settings folder; a missing key is created, a missing value reads "".
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace dukkano {

class SettingsKey {
public:
    explicit SettingsKey(const QString& path);
    ~SettingsKey();
    QString value(const QString& name) const;
    // Writes through to the file at once; false when the file could not be written.
    bool setValue(const QString& name, const QString& text);
    QString fileName() const;

    // The folder holding the keys: the user's configuration folder unless a test set another.
    static QString folder();
    static void setFolder(const QString& folder);  // empty: back to the default

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace dukkano
