#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/WindowRegistry.h"

using platform::ui::WindowRegistry;

TEST(WindowRegistry, LoadedWhileRegisteredShownOrHidden) {
  WindowRegistry registry;
  auto form16 = std::make_unique<QWidget>();
  EXPECT_FALSE(registry.IsFormLoaded("Form16"));
  ASSERT_TRUE(registry.Register("Form16", *form16));
  EXPECT_TRUE(registry.IsFormLoaded("form16"));  // names compare without regard to case
  EXPECT_TRUE(registry.IsFormLoaded("FORM16"));
  EXPECT_FALSE(form16->isVisible());
  EXPECT_FALSE(registry.IsFormLoaded("Form1"));
  EXPECT_EQ(registry.Find("form16"), form16.get());
  form16.reset();
  EXPECT_FALSE(registry.IsFormLoaded("Form16"));  // destroyed: unloaded
  EXPECT_EQ(registry.Find("Form16"), nullptr);
}

TEST(WindowRegistry, NameHeldByALoadedWindowIsNotTakenAgain) {
  WindowRegistry registry;
  QWidget first, second;
  ASSERT_TRUE(registry.Register("Form5", first));
  EXPECT_TRUE(registry.Register("Form5", first));
  EXPECT_FALSE(registry.Register("FORM5", second));
  EXPECT_EQ(registry.Find("Form5"), &first);
}

TEST(WindowRegistry, LoadCreatesOnFirstUseOnly) {
  int made = 0;
  auto registry = std::make_unique<WindowRegistry>();
  registry->SetFactory("Form16", [&] {
    ++made;
    return std::make_unique<QWidget>();
  });
  EXPECT_EQ(registry->Load("Form7"), nullptr);  // no factory
  QWidget* w = registry->Load("form16");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(registry->Load("Form16"), w);
  EXPECT_EQ(made, 1);
  EXPECT_TRUE(registry->IsFormLoaded("Form16"));
  delete w;  // unloading it: the next use makes a fresh one
  EXPECT_FALSE(registry->IsFormLoaded("Form16"));
  ASSERT_NE(registry->Load("Form16"), nullptr);
  EXPECT_EQ(made, 2);
  registry.reset();  // destroys the window it made (the sanitizer sees a leak or a double delete)
}
