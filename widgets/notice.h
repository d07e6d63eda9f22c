#pragma once
// A control's change notice: the program's handler, run at once and guarded on
// its own, so that an error inside it is reported there and the code that
// changed the control goes on.
#include "platform/guard.h"

#include <functional>

namespace rimora {

using Notice = std::function<void()>;

inline void Fire(const Notice& notice)
{
    if (notice) RunGuarded(notice);
}

}  // namespace rimora
