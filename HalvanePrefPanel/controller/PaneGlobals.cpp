#include "HalvanePrefPanel/controller/PaneGlobals.h"

#include <QObject>
#include <QVariant>

namespace halvane {

HalvanePref* gHVPrefsApp = nullptr;
int gCurrentMacroKeyIndex = 0;
PlistValue gKeyDict;

int tagOf(const QObject* control) {
  if (!control) return -1;
  const QVariant tag = control->property("tag");
  return tag.isValid() ? tag.toInt() : -1;
}

}  // namespace halvane
