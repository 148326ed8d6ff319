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

}  // namespace tebix
