#include "skin/attach/scroll_bar_services.h"

namespace tebix {
namespace {
ScrollBarServices g_services;
}  // namespace

void SetScrollBarServices(const ScrollBarServices& services) {
  g_services = services;
}

const ScrollBarServices& ScrollBars() {
  return g_services;
}

}  // namespace tebix
