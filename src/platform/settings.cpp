#include "platform/settings.h"

#include "platform/errors.h"
#include "platform/value.h"

#include <QSettings>
#include <QVariant>

namespace vernalt {

namespace {

// The store of the program's per-user settings; a section is a group.
struct Store {
    QSettings settings{QStringLiteral("Vernalt"), QStringLiteral("Vernalt")};
    explicit Store(const QString& section) { settings.beginGroup(section); }
};

// The stored text, or nothing when the key is missing or the store unreadable.
bool readText(const QString& section, const QString& key, QString& out) {
    Store s(section);
    if (s.settings.status() != QSettings::NoError)
        return false;
    const QVariant v = s.settings.value(key);
    // A value edited by hand into a list ("LIM, SPM") converts to a text, but to
    // an empty one: only a text counts.
    if (v.typeId() != QMetaType::QString)
        return false;
    out = v.toString();
    return true;
}

bool write(const QString& section, const QString& key, const QString& value) {
    Store s(section);
    if (!s.settings.isWritable())
        return false;
    s.settings.setValue(key, value);
    s.settings.sync();
    return s.settings.status() == QSettings::NoError;
}

} // namespace

QString getSetting(const QString& section, const QString& key, const QString& def) {
    QString text;
    return readText(section, key, text) ? text : def;
}

int getSettingInt(const QString& section, const QString& key, int def) {
    QString text;
    if (!readText(section, key, text) || !isNumeric(text))
        return def;
    try {
        return toInt32(toDouble(text));
    } catch (const RuntimeError&) {
        return def; // too large for a whole number
    }
}

bool getSettingBool(const QString& section, const QString& key, bool def) {
    QString text;
    if (!readText(section, key, text))
        return def;
    const QString t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (isNumeric(t))
        return toDouble(t) != 0; // -1 and 0, as older settings hold them
    return def;
}

bool saveSetting(const QString& section, const QString& key, const QString& value) {
    return write(section, key, value);
}

bool saveSetting(const QString& section, const QString& key, int value) {
    return write(section, key, numberText(value));
}

bool saveSettingBool(const QString& section, const QString& key, bool value) {
    return write(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace vernalt
