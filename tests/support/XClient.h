#pragma once

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct xcb_connection_t;

namespace halvane::test {

// An X client of the test's own: it makes windows, takes the focus, reads the keys it gets, and
// plays the window manager by setting properties.
class XClient {
 public:
  // Nothing when no X display can be reached.
  static std::unique_ptr<XClient> connect();
  ~XClient();
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;

  std::uint32_t root() const { return root_; }
  // A mapped top-level window that listens for keys.
  std::uint32_t createWindow();
  void focus(std::uint32_t window);
  // Asks the window manager to activate the window, as a task bar does (a _NET_ACTIVE_WINDOW
  // client message to the root), without waiting for it.
  void requestActivation(std::uint32_t window);
  std::uint32_t atom(const char* name);
  void setCardinal(std::uint32_t window, const char* property, std::uint32_t type,
                   std::uint32_t value);
  void setString(std::uint32_t window, const char* property, const QByteArray& value);
  // Waits until the server has handled everything sent so far.
  void sync();

  struct Key {
    bool press;
    std::uint8_t keycode;
    std::uint16_t state;
  };
  // The next key event, after at most timeoutMs; other events are passed over.
  std::optional<Key> nextKey(int timeoutMs);
  // The modifier bit the server gives the key with this key code (0 for none).
  std::uint16_t modifierMaskOf(std::uint8_t keycode);

  // The key codes the server has down, whoever pressed them; {-1} when it does not answer.
  std::vector<int> keysDown();
  // Presses or releases a key through XTest, as a synthetic keyboard does, and waits until the
  // server has taken it.
  void fakeKey(std::uint8_t keycode, bool press);

 private:
  XClient(xcb_connection_t* connection, std::uint32_t root)
      : connection_(connection), root_(root) {}
  xcb_connection_t* connection_;
  std::uint32_t root_;
  std::uint32_t activeWindowAtom_ = 0;
};

}  // namespace halvane::test
