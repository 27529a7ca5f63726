#pragma once

#include "platform/desktop/appidentity/DesktopEntryIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::test {

// A temporary tree with XDG data folders, a bin folder for PATH and a /proc of its own.
class FixtureTree {
 public:
  QString root() const { return dir_.path(); }
  QString path(const QString& relative) const { return dir_.filePath(relative); }
  QString userApps() const { return path(QStringLiteral("home/.local/share/applications")); }
  QString systemApps() const { return path(QStringLiteral("usr/share/applications")); }
  QString flatpakApps() const { return path(QStringLiteral("flatpak/exports/share/applications")); }
  QString procRoot() const { return path(QStringLiteral("proc")); }

  XdgRoots roots() const {
    return {path(QStringLiteral("home/.local/share")),
            {path(QStringLiteral("flatpak/exports/share")), path(QStringLiteral("usr/share"))},
            {path(QStringLiteral("bin")), path(QStringLiteral("usr/bin"))}};
  }

  // Writes a file, making its folders.
  QString write(const QString& relative, const QByteArray& content) const {
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(file);
    f.write(content);
    return file;
  }
  // A desktop entry under folder (an applications folder) with the given lines.
  QString entry(const QString& folder, const QString& relative, const QByteArray& lines) const {
    return write(QDir(root()).relativeFilePath(folder + u'/' + relative),
                 "[Desktop Entry]\nType=Application\n" + lines + "\n");
  }
  // An executable file in bin (or anywhere), returning its real path.
  QString program(const QString& relative) const {
    const QString file = write(relative, "#!/bin/sh\n");
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner);
    return QFileInfo(file).canonicalFilePath();
  }

  struct Process {
    QString exe = {};  // the file exe links to
    QByteArray comm = {};
    QStringList cmdline = {};
    QByteArray cgroup = {};
    QStringList environ = {};
    QByteArray flatpakInfo = {};
  };
  void process(int pid, const Process& p) const {
    const QString dir = QStringLiteral("proc/%1/").arg(pid);
    QDir().mkpath(path(dir));
    if (!p.exe.isEmpty()) QFile::link(p.exe, path(dir + QStringLiteral("exe")));
    write(dir + QStringLiteral("comm"), p.comm + "\n");
    write(dir + QStringLiteral("cmdline"), p.cmdline.join(QChar(0)).toUtf8() + QByteArray(1, '\0'));
    write(dir + QStringLiteral("cgroup"),
          p.cgroup.isEmpty() ? QByteArray("0::/user.slice\n") : p.cgroup);
    write(dir + QStringLiteral("environ"), p.environ.join(QChar(0)).toUtf8());
    if (!p.flatpakInfo.isEmpty()) write(dir + QStringLiteral("root/.flatpak-info"), p.flatpakInfo);
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace halvane::test
