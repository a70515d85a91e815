#include "snag/snag_errors.h"

using namespace Qt::StringLiterals;

namespace vernalt {

void reportReadOnlyDatabase(Prompts& prompts) {
    prompts.messageBox(u"Cannot open the database for updating.  It may be set as read-only."_s,
                       u"Open database error"_s, MsgIcon::Critical, MsgButtons::Ok, 0);
}

} // namespace vernalt
