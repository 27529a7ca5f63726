#pragma once

#include "tools/vkbd/KeyboardInterface.h"
#include "tools/vkbd/VirtualInterface.h"

#include <memory>

namespace halvane::vkbd {

// A keyboard interface that is a virtual keyboard socket.
class SocketInterface : public KeyboardInterface {
 public:
  SocketInterface(QString folder, MatchingCriteria properties, QString name);
  bool plugIn(QString* error) override;
  void unplug() override;
  QString pluggedInText() const override;
  bool send(QByteArrayView report) override;
  bool connected() const override;
  QString label() const override;

 private:
  QString folder_;
  MatchingCriteria properties_;
  QString name_;
  std::unique_ptr<VirtualInterface> socket_;
};

}  // namespace halvane::vkbd
