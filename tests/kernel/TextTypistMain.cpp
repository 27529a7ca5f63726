// In the kernel tier's guest: types a text through the uinput typist on a device of its own, in
// the layout of the XKB_DEFAULT_* environment (no display, no compositor), as the helper does.
// Says "node <path>" once the device is there, types argv[1] when told "go" on standard input,
// waiting characterGap() between characters, then says "typed <n>" (n characters typed) and
// "untypable <characters>".
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/posters/UinputKeyboardEventPoster.h"
#include "platform/input/posters/UinputTextTypist.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/FakeSystemLog.h"

#include <QString>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  using namespace halvane;
  if (argc < 2) return 2;
  UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane text typist"),
                                                   UinputKeyboardEventPoster::capabilities());
  if (!made.device) {
    std::printf("error %d\n", made.error);
    return 1;
  }
  const QString node = made.device->eventNodePath();
  FakeSystemLog log;
  UinputKeyboardEventPoster poster(std::move(made.device), log);
  UinputTextTypist typist(poster, XkbKeyboardLayoutServices::forSystem(SessionProbe{}));
  std::printf("node %s\n", node.toLocal8Bit().constData());
  std::fflush(stdout);
  std::string line;
  if (!std::getline(std::cin, line) || line != "go") return 3;
  const QString text = QString::fromUtf8(argv[1]);
  int typed = 0;
  typist.beginText();
  for (char32_t c : text.toUcs4()) {
    typed += typist.typeCharacter(c) ? 1 : 0;
    QThread::usleep(unsigned(typist.characterGap() * 1e6));
  }
  typist.endText();
  std::printf("typed %d\nuntypable %s\n", typed,
              typist.untypableCharacters(text).toUtf8().constData());
  std::fflush(stdout);
  // The reader takes the keys before the device goes.
  std::getline(std::cin, line);
  return 0;
}
