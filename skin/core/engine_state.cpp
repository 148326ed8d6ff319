#include "skin/core/engine_state.h"

namespace tebix {
namespace {
bool g_started = false;
}  // namespace

bool EngineStarted() {
  return g_started;
}
void SetEngineStarted(bool started) {
  g_started = started;
}

int VersionFlagFor(unsigned major) {
  if (major < 5) return -1;
  return major == 5 ? 0 : 1;
}

}  // namespace tebix
