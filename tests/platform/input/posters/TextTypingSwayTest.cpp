// Text typed through the compositor's virtual keyboard into a Wayland application on headless
// sway (HeadlessSway.h), in a German layout (the XKB_DEFAULT_* environment, since the headless
// seat has no keyboard of its own): InputProbe, fullscreen and focused, reports the text of each
// key, which must add up to exactly what was typed, characters outside the layout included.
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/posters/VirtualKeyboardTextTypist.h"
#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"
#include "platform/input/probe/ReadSession.h"
#include "tests/support/HeadlessSway.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

using namespace std::chrono_literals;

class TextOnSway : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!sway_.failure().isEmpty()) GTEST_SKIP() << sway_.failure().toStdString();
    probe_.setProcessEnvironment(sway_.clientEnvironment());
    probe_.start(QStringLiteral(INPUT_PROBE), {QStringLiteral("org.example.Text")});
    ASSERT_TRUE(test::waitUntil([&] { return output().contains("shown 1024 768"); }, 10000ms))
        << output_.toStdString();
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), sway_.waylandDisplay());
    environment.insert(QStringLiteral("SWAYSOCK"), sway_.swaySocket());
    session_ = readSession(environment);
    qputenv("XKB_DEFAULT_LAYOUT", "de");
    const auto layout = XkbKeyboardLayoutServices::forSystem(session_)->currentLayout();
    ASSERT_TRUE(layout);
    ASSERT_EQ(layout->localizedName(), QStringLiteral("German"));
    QString whyNot;
    poster_ = WaylandVirtualKeyboardEventPoster::create(session_.wayland, &whyNot);
    ASSERT_TRUE(poster_) << whyNot.toStdString();
    typist_ = std::make_unique<VirtualKeyboardTextTypist>(
        *poster_, *poster_, XkbKeyboardLayoutServices::forSystem(session_));
  }
  void TearDown() override {
    typist_.reset();
    poster_.reset();
    test::stopProcess(probe_);
  }

  const QByteArray& output() {
    output_ += probe_.readAllStandardOutput();
    return output_;
  }
  // The text of every key since the last call.
  QString received() {
    QString text;
    for (const QByteArray& line : output().split('\n'))
      if (line.startsWith("text ")) text += QString::fromUtf8(line.mid(5));
    return text;
  }

  test::HeadlessSway sway_;
  QProcess probe_;
  QByteArray output_;
  SessionProbe session_;
  std::unique_ptr<WaylandVirtualKeyboardEventPoster> poster_;
  std::unique_ptr<VirtualKeyboardTextTypist> typist_;
};

TEST_F(TextOnSway, TheApplicationReceivesTheTextInAndBeyondTheLayout) {
  QString expected;
  for (const char* text : {"Grüße, naïve €", "zY@ ✓日ï", "Ω≠ï✓ end"}) {
    const QString part = QString::fromUtf8(text);
    EXPECT_EQ(typist_->untypableCharacters(part), QString());
    typist_->beginText();
    for (char32_t character : part.toUcs4()) EXPECT_TRUE(typist_->typeCharacter(character));
    typist_->endText();
    expected += part;
    // Back in the layout's keymap: after each text a key of the layout types as it should.
    EXPECT_TRUE(test::waitUntil([&] { return received().size() >= expected.size(); }, 5000ms));
    EXPECT_EQ(received(), expected);
  }
  EXPECT_EQ(poster_->keymapText().indexOf("U2713"), -1) << "the layout's keymap was not put back";
}

}  // namespace
}  // namespace halvane
