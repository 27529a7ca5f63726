#include "HVKeyCodeTranslator.h"

#include "PaneSession.h"
#include "platform/input/keycodes/MacKeyCodes.h"

namespace halvane {
namespace {

struct TranslatorCache {
  KeyboardLayoutServices* services = nullptr;
  std::unique_ptr<KeyboardLayoutServices> systemServices;
  std::shared_ptr<HVKeyCodeTranslator> translator;

  KeyboardLayoutServices& layoutServices() {
    if (services) return *services;
    if (!systemServices) systemServices = createSystemKeyboardLayoutServices(paneSession());
    return *systemServices;
  }
};

TranslatorCache& cache() {
  static TranslatorCache instance;
  return instance;
}

}  // namespace

HVKeyCodeTranslator::HVKeyCodeTranslator(std::shared_ptr<const KeyboardLayout> layout,
                                         std::unique_ptr<KeyTranslation> translation)
    : keyboardLayout_(std::move(layout)), translation_(std::move(translation)) {}

std::shared_ptr<HVKeyCodeTranslator> HVKeyCodeTranslator::currentTranslator() {
  TranslatorCache& c = cache();
  std::shared_ptr<const KeyboardLayout> layout = c.layoutServices().currentLayout();
  if (!layout) return nullptr;  // the cache stays as it is
  if (c.translator && c.translator->keyboardLayout() == layout) return c.translator;
  c.translator = withKeyboardLayout(std::move(layout));
  return c.translator;
}

std::shared_ptr<HVKeyCodeTranslator> HVKeyCodeTranslator::withKeyboardLayout(
    std::shared_ptr<const KeyboardLayout> layout) {
  if (!layout) return nullptr;
  std::unique_ptr<KeyTranslation> translation = layout->newTranslation();
  if (!translation) return nullptr;
  return std::shared_ptr<HVKeyCodeTranslator>(
      new HVKeyCodeTranslator(std::move(layout), std::move(translation)));
}

void HVKeyCodeTranslator::setKeyboardLayoutServices(KeyboardLayoutServices* services) {
  cache().services = services;
  cache().translator.reset();
}

QString HVKeyCodeTranslator::translateKeyCode(qint16 keyCode) {
  const std::optional<int> evdev = evdevForMacKeyCode(quint16(keyCode));
  if (!evdev) return {};
  const QString text = translation_->translate(*evdev);
  // One character, a surrogate pair kept whole.
  return text.left(!text.isEmpty() && text.front().isHighSurrogate() ? 2 : 1);
}

// Every xkb layout carries Unicode characters; there are no byte-table layouts here.
QString HVKeyCodeTranslator::description() const {
  return QStringLiteral("HVKeyCodeTranslator layout=%1 (uchr)")
      .arg(keyboardLayout_->localizedName());
}

}  // namespace halvane
