#include "platform/desktop/prefpane/PreferencePane.h"

namespace halvane {

PreferencePane::~PreferencePane() = default;

bool PreferencePane::initWithBundle(const Bundle& bundle) {
  bundle_ = bundle;
  return true;
}

std::unique_ptr<QWidget> PreferencePane::loadMainView() {
  if (loaded_) return nullptr;
  loaded_ = true;
  std::unique_ptr<QWidget> view = createMainView();
  mainView_ = view.get();
  return view;
}

}  // namespace halvane
