#include "platform/input/keyboardlayout/FakeKeyboardLayoutServices.h"

namespace halvane {
namespace {

class TableTranslation : public KeyTranslation {
 public:
  explicit TableTranslation(std::map<int, QString> characters)
      : characters_(std::move(characters)) {}
  QString translate(int evdevKeyCode) override {
    const auto it = characters_.find(evdevKeyCode);
    return it == characters_.end() ? QString() : it->second;
  }

 private:
  std::map<int, QString> characters_;
};

class TableLayout : public KeyboardLayout {
 public:
  TableLayout(const QString& name, std::map<int, QString> characters, bool usable)
      : name_(name), characters_(std::move(characters)), usable_(usable) {}
  QString localizedName() const override { return name_; }
  std::unique_ptr<KeyTranslation> newTranslation() const override {
    if (!usable_) return nullptr;
    return std::make_unique<TableTranslation>(characters_);
  }

 private:
  QString name_;
  std::map<int, QString> characters_;
  bool usable_;
};

}  // namespace

void FakeKeyboardLayoutServices::addLayout(const QString& name, std::map<int, QString> characters,
                                           bool usable) {
  layouts_[name] = std::make_shared<TableLayout>(name, std::move(characters), usable);
}

std::shared_ptr<const KeyboardLayout> FakeKeyboardLayoutServices::layout(
    const QString& name) const {
  const auto it = layouts_.find(name);
  return it == layouts_.end() ? nullptr : it->second;
}

}  // namespace halvane
