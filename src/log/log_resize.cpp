// The sizes that follow the log window's outer size.
#include "log/log_resize.h"

namespace vernalt {

LogResizeLayout logResizeLayout(float W, float H) {
    LogResizeLayout l{};
    l.tabWidth = W - 375;
    l.tabHeight = H - 1215;
    l.sheetButtonsTop = H - 1710;
    l.formulaGridWidth = W - 1020;
    l.formulaTabWidth = W - 765;
    l.subtotalsHeight = H - 1935;
    l.stratumWidth = W - 765;
    l.stratumHeight = H - 2415;
    return l;
}

} // namespace vernalt
