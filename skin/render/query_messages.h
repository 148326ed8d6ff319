// Messages that only ask a control something: they change neither its
// state nor its look, so the renderers pass them on without the work that
// follows a message that may (redirect records, taking over bar positions,
// repainting).
#pragma once

#include <windows.h>

namespace tebix {

bool OnlyAsks(UINT message);

}  // namespace tebix
