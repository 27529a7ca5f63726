// Layout services made at the first question: made once, never before, and answering as the
// services they stand for, also when none could be made.
#include "platform/input/keyboardlayout/FakeKeyboardLayoutServices.h"
#include "platform/input/keyboardlayout/LazyKeyboardLayoutServices.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(LazyKeyboardLayoutServices, MakesTheServicesAtTheFirstQuestionOnly) {
  for (const bool makes : {true, false}) {
    SCOPED_TRACE(makes ? "services made" : "none could be made");
    int made = 0;
    FakeKeyboardLayoutServices* fake = nullptr;
    LazyKeyboardLayoutServices lazy([&]() -> std::unique_ptr<KeyboardLayoutServices> {
      ++made;
      if (!makes) return nullptr;
      auto services = std::make_unique<FakeKeyboardLayoutServices>();
      services->addLayout(QStringLiteral("German"), {});
      services->addLayout(QStringLiteral("French"), {});
      services->setCurrentLayout(QStringLiteral("German"));
      fake = services.get();
      return services;
    });
    EXPECT_EQ(made, 0);
    const std::shared_ptr<const KeyboardLayout> first = lazy.currentLayout();
    EXPECT_EQ(made, 1);
    if (!makes) {
      EXPECT_EQ(first, nullptr);
      EXPECT_EQ(lazy.currentLayout(), nullptr);
      EXPECT_EQ(made, 1) << "a factory that made nothing is not asked again";
      continue;
    }
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->localizedName(), QStringLiteral("German"));
    fake->setCurrentLayout(QStringLiteral("French"));
    EXPECT_EQ(lazy.currentLayout(), fake->layout(QStringLiteral("French")));
    EXPECT_EQ(made, 1);
  }
}

}  // namespace
}  // namespace halvane
