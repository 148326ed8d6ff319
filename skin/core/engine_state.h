// The engine's started marker: set once by engine start (also on a system
// where the start goes no further), cleared by engine stop.
#pragma once

namespace tebix {

bool EngineStarted();
void SetEngineStarted(bool started);

}  // namespace tebix
