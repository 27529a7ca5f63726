#pragma once

#include "platform/desktop/workspace/Workspace.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedWorkspace : public Workspace {
 public:
  TracedWorkspace(Workspace& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  bool open(const QString& path) override {
    trace_.write(TraceEvent("open").add("path", path));
    return inner_.open(path);
  }
  QString displayName(const QString& path) override { return inner_.displayName(path); }
  bool openURL(const QUrl& url) override {
    trace_.write(TraceEvent("openURL").add("url", url.toString()));
    return inner_.openURL(url);
  }

 private:
  Workspace& inner_;
  Trace& trace_;
};

}  // namespace halvane
