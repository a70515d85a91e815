// Per-user settings under the application title "Vernalt": sections and keys,
// as the windows read them on load and write them on unload.
#pragma once

#include <QString>

namespace vernalt {

// Reads a setting; a missing or unreadable value gives `def`.
QString getSetting(const QString& section, const QString& key, const QString& def = QString());
// Reads a whole-number setting; missing, unreadable or non-numeric gives `def`.
int getSettingInt(const QString& section, const QString& key, int def);
// Reads a true/false setting (stored as "True"/"False"); anything else gives `def`.
bool getSettingBool(const QString& section, const QString& key, bool def);

// Writes a setting; returns false when the store cannot be written (never throws).
bool saveSetting(const QString& section, const QString& key, const QString& value);
bool saveSetting(const QString& section, const QString& key, int value);
bool saveSettingBool(const QString& section, const QString& key, bool value);

} // namespace vernalt
