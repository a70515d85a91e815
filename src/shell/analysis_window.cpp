// The place of an analysis window kept between runs, in twips under MainLeft and
// MainTop of the window's settings section.
#include "shell/analysis_window.h"

#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/value.h"

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

constexpr double DefaultTwips = 100;

// A position setting read as a single-precision number.
double positionSetting(const QString& section, const QString& key) {
    const QString text = getSetting(section, key);
    return isNumeric(text) ? double(float(toDouble(text))) : DefaultTwips;
}

} // namespace

QPoint savedPosition(const QString& section) {
    return {twipsToPixelsX(positionSetting(section, u"MainLeft"_s)),
            twipsToPixelsY(positionSetting(section, u"MainTop"_s))};
}

QPoint defaultPosition() {
    return {twipsToPixelsX(DefaultTwips), twipsToPixelsY(DefaultTwips)};
}

void savePosition(const QString& section, QPoint at) {
    saveSetting(section, u"MainLeft"_s, singleText(float(pixelsToTwipsX(at.x()))));
    saveSetting(section, u"MainTop"_s, singleText(float(pixelsToTwipsY(at.y()))));
}

} // namespace vernalt
