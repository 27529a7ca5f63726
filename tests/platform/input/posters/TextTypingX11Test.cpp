// Text typed through XTest into an X client of the test's own on Xvfb under a German layout:
// the client reads its keys with the server's keymap as it is when they arrive, as an Xlib
// client does after each MappingNotify, and must read exactly the text, characters outside the
// layout included. Afterwards the server's key mapping is what it was.
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "platform/input/posters/XTestTextTypist.h"
#include "tests/support/X11TestSupport.h"
#include "tests/support/XClient.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <linux/input-event-codes.h>

namespace halvane {
namespace {

// The whole core key mapping, to compare before and after.
std::vector<xcb_keysym_t> keyMapping(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const int count = setup->max_keycode - setup->min_keycode + 1;
  xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
      connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, quint8(count)), nullptr);
  std::vector<xcb_keysym_t> syms;
  if (reply) {
    const xcb_keysym_t* first = xcb_get_keyboard_mapping_keysyms(reply);
    syms.assign(first, first + xcb_get_keyboard_mapping_keysyms_length(reply));
  }
  std::free(reply);
  return syms;
}

class TextOnX11 : public test::X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (IsSkipped()) return;
    ASSERT_TRUE(test::setLayout(QStringLiteral("de")));
    client_ = test::XClient::connect();
    ASSERT_TRUE(client_);
    const std::uint32_t window = client_->createWindow();
    client_->focus(window);
    client_->sync();
    QString whyNot;
    poster_ = XTestKeyboardEventPoster::connect(&whyNot);
    ASSERT_TRUE(poster_) << whyNot.toStdString();
    reader_ = xcb_connect(nullptr, nullptr);
    ASSERT_TRUE(xkb_x11_setup_xkb_extension(
        reader_, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
        XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr));
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    SessionProbe probe;
    probe.x11Display = qEnvironmentVariable("DISPLAY");
    typist_ = std::make_unique<XTestTextTypist>(*poster_, *poster_,
                                                XkbKeyboardLayoutServices::forSystem(probe));
  }
  void TearDown() override {
    typist_.reset();
    poster_.reset();
    xkb_context_unref(context_);
    if (reader_) xcb_disconnect(reader_);
    X11Test::TearDown();
  }

  // What the client reads from the keys that came since the last call.
  QString read() {
    QString text;
    while (const std::optional<test::XClient::Key> key = client_->nextKey(100)) {
      if (!key->press) continue;
      xkb_keymap* keymap = xkb_x11_keymap_new_from_device(
          context_, reader_, xkb_x11_get_core_keyboard_device_id(reader_),
          XKB_KEYMAP_COMPILE_NO_FLAGS);
      if (!keymap) continue;
      xkb_state* state = xkb_state_new(keymap);
      xkb_state_update_mask(state, key->state & 0xFF, 0, 0, 0, 0, (key->state >> 13) & 3);
      char utf8[16];
      xkb_state_key_get_utf8(state, key->keycode, utf8, sizeof utf8);
      text += QString::fromUtf8(utf8);
      xkb_state_unref(state);
      xkb_keymap_unref(keymap);
    }
    return text;
  }

  // Types the text as the helper does, reading the keys after each character.
  QString typeAndRead(const QString& text) {
    QString received;
    typist_->beginText();
    for (char32_t character : text.toUcs4()) {
      EXPECT_TRUE(typist_->typeCharacter(character)) << char(character);
      received += read();
    }
    typist_->endText();
    return received + read();
  }

  std::unique_ptr<test::XClient> client_;
  std::unique_ptr<XTestKeyboardEventPoster> poster_;
  xcb_connection_t* reader_ = nullptr;
  xkb_context* context_ = nullptr;
  std::unique_ptr<XTestTextTypist> typist_;
};

TEST_F(TextOnX11, TheClientReadsTheTextInAndBeyondTheLayout) {
  const std::vector<xcb_keysym_t> before = keyMapping(reader_);
  for (const char* text : {"Grüße, naïve €", "zY@ ✓日ï", "Ω≠ï✓"}) {
    const QString expected = QString::fromUtf8(text);
    EXPECT_EQ(typist_->untypableCharacters(expected), QString());
    EXPECT_EQ(typeAndRead(expected), expected);
    EXPECT_EQ(keyMapping(reader_), before) << "the spare key codes were not put back";
  }
  EXPECT_TRUE(client_->keysDown().empty());
}

TEST_F(TextOnX11, TheUsersModifiersAreLetGoOfForTheTextAndPressedAgain) {
  const std::uint8_t shift = KEY_LEFTSHIFT + kX11KeyCodeOffset;
  client_->fakeKey(shift, true);
  EXPECT_EQ(typeAndRead(QStringLiteral("a1ä")), QStringLiteral("a1ä"));
  client_->sync();
  EXPECT_EQ(client_->keysDown(), std::vector<int>{shift});
  client_->fakeKey(shift, false);
}

TEST_F(TextOnX11, CapsLockIsTurnedOffForTheTextAndOnAgain) {
  const std::uint8_t capsLock = KEY_CAPSLOCK + kX11KeyCodeOffset;
  auto lockOn = [&] {
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(reader_, xcb_query_pointer(reader_, client_->root()), nullptr);
    const bool on = pointer && (pointer->mask & XCB_MOD_MASK_LOCK);
    std::free(pointer);
    return on;
  };
  client_->fakeKey(capsLock, true);
  client_->fakeKey(capsLock, false);
  ASSERT_TRUE(lockOn());
  read();
  EXPECT_EQ(typeAndRead(QStringLiteral("aBü")), QStringLiteral("aBü"));
  EXPECT_TRUE(lockOn());
  client_->fakeKey(capsLock, true);
  client_->fakeKey(capsLock, false);
  EXPECT_FALSE(lockOn());
}

// The typist put away half-way (the helper quitting) leaves the mapping as it was.
TEST_F(TextOnX11, PutsBackTheSpareKeyCodesWhenDestroyed) {
  const std::vector<xcb_keysym_t> before = keyMapping(reader_);
  typist_->beginText();
  EXPECT_TRUE(typist_->typeCharacter(U'✓'));
  EXPECT_EQ(read(), QStringLiteral("✓"));
  EXPECT_NE(keyMapping(reader_), before);
  typist_.reset();
  EXPECT_EQ(keyMapping(reader_), before);
}

}  // namespace
}  // namespace halvane
