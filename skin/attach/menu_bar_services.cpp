#include "skin/attach/menu_bar_services.h"

namespace tebix {
namespace {
MenuBarServices g_services;
}  // namespace

void SetMenuBarServices(const MenuBarServices& services) {
  g_services = services;
}

const MenuBarServices& MenuBars() {
  return g_services;
}

}  // namespace tebix
