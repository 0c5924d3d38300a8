#pragma once

#include <QLibrary>

// A function of a library loaded when it is first needed rather than at the start.
template <class Function> bool resolve(QLibrary &library, Function &function, const char *name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}
