// The engine's started marker: set once by engine start (also on a system
// where the start goes no further), cleared by engine stop.
#pragma once

namespace tebix {

bool EngineStarted();
void SetEngineStarted(bool started);

// The system-version flag renderers consult, from the version the system
// reports: 0 for 5.x, 1 for 6.0 and later; -1 before 5.0, where the engine
// does not start.
int VersionFlagFor(unsigned major);

}  // namespace tebix
