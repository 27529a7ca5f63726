#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace halvane::test {

// A minimal Debian system of one release, made with mmdebstrap (apt and the essential packages,
// nothing else), unpacked into a folder of its own and entered with chroot in a private mount
// namespace. The mmdebstrap tarball is kept in the cache folder of scripts/package's work
// folder (/var/tmp/halvane-package-<uid>/cache, or $HALVANE_PACKAGE_WORK/cache), named by what
// makes it, and the packages apt fetches are kept beside it, so only the first run waits for
// the registry.
class RootSystem {
 public:
  struct Result {
    int status = -1;
    QString output;  // standard output and error together
  };

  // Empty error: the root is ready. Otherwise why it could not be made.
  static std::unique_ptr<RootSystem> make(const QString& release, QString* error);

  QString path(const QString& inside = {}) const;
  // Runs a shell command line in the root as root, or as the ordinary user "player" (uid 1000)
  // with its home and runtime folder.
  Result run(const QString& command, int timeoutSeconds = 600) const;
  Result runAsUser(const QString& command, int timeoutSeconds = 120) const;
  // Every path in the root outside the kernel's file systems, sorted.
  QStringList files() const;

 private:
  explicit RootSystem(std::unique_ptr<QTemporaryDir> dir);
  std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace halvane::test
