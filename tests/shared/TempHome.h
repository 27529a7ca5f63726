#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points HOME at a fresh folder for the life of the object.
class TempHome {
 public:
  TempHome() : old_(qgetenv("HOME")) { qputenv("HOME", dir_.path().toUtf8()); }
  ~TempHome() { qputenv("HOME", old_); }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QByteArray old_;
};
