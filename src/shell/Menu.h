// The program's one menu bar: File, Edit and Calculator, the last with the Output and Precision
// submenus, 45 items in all. Built once on first use and shared by the application and every
// calculator window, so check marks and enabled states are one state everywhere.
// Each visible text marks its Alt key with "&" (underlined when Alt is held), one per menu.
#pragma once

#include <memory>

#include "platform/ui/MenuBar.h"

namespace vorline {

class Menu : public MenuBar {
 public:
  // Builds the three menus (Untitled0, Untitled1, Untitled2, in this order).
  Menu();

  // The shared instance, built on the first call.
  static std::shared_ptr<Menu> Instance();
  // Lets the shared instance go, so that the next Instance() builds a fresh bar (tests).
  static void ReleaseInstance();

  // The File, Edit and Calculator menus with their items.
  void Untitled0();
  void Untitled1();
  void Untitled2();

 private:
  static std::shared_ptr<Menu> _implicitInstance;
};

}  // namespace vorline
