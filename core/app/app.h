// The application object: the one HandleAboutMenu of the process, carrying
// the version data and the shared menu bar. It enables the About item
// AboutVorn in every enabling pass and shows the About window for either
// About item. The rest of the program reaches it through App() and the four
// item accessors, which find their items by name in its menu bar.
#pragma once

#include <memory>

#include "framework/ui/application.h"
#include "framework/ui/menu.h"

class HandleAboutMenu : public fw::Application {
 public:
  HandleAboutMenu() = default;

  // Enabling pass: AboutVorn on; no other item is touched.
  void Event_EnableMenuItems() override;

  // Both show the About window; the result (false) consumes nothing.
  bool _AboutVorn_Action();
  bool _AboutMenuItem_Action();
};

// The registered application object; throws fw::NilObjectException before
// start-up has registered it.
HandleAboutMenu& App();

// The items of those names in the application's menu bar. Each throws
// fw::NilObjectException when the bar holds no such item, so a caller can
// assign to the result without a check.
std::shared_ptr<fw::AppleMenuItem> AboutVorn();
std::shared_ptr<fw::MenuItem> AboutMenuItem();
std::shared_ptr<fw::MenuItem> DescriptionMenuItem();
std::shared_ptr<fw::MenuItem> ControlMenuItem();

// Binds "AboutVorn", then "AboutMenuItem", to the application's handlers.
void _ApplicationAddMenuHandlers();
