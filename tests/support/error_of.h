// The number of the RuntimeError a statement raises; 0 when it runs through.
#pragma once

#include "platform/errors.h"

namespace vernalt::test {

template <class F> int errorOf(F&& statement) {
    try {
        statement();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace vernalt::test
