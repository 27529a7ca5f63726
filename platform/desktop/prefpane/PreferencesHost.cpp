#include "platform/desktop/prefpane/PreferencesHost.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QVBoxLayout>

namespace halvane {
namespace {

QString infoString(const Bundle& bundle, const char* key) {
  return bundle.infoDictionary()[QString::fromLatin1(key)].toString();
}

// The pane's window; tells when it has closed.
class HostWindow : public QWidget {
 public:
  explicit HostWindow(const std::function<void()>& closed) : closed_(closed) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    QWidget::closeEvent(event);
    if (event->isAccepted() && closed_) closed_();
  }

 private:
  const std::function<void()>& closed_;
};

}  // namespace

PreferencesHost::PreferencesHost() = default;

PreferencesHost::~PreferencesHost() {
  window_.reset();
  pane_.reset();
}

QString PreferencesHost::findPaneBundle(const QStringList& candidateFolders) {
  for (const QString& folder : candidateFolders) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kPaneBundleName));
    if (QFileInfo(path + QStringLiteral("/Contents/Info.plist")).isFile())
      return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  }
  return {};
}

bool PreferencesHost::fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  pane_.reset();
  return false;
}

bool PreferencesHost::open(const QString& bundlePath, QString* error) {
  const Bundle bundle(bundlePath);
  const QString executable = infoString(bundle, "CFBundleExecutable");
  if (!bundle.isValid() || executable.isEmpty())
    return fail(error, tr("%1 is not a preference pane bundle").arg(bundlePath));

  library_.setFileName(bundle.bundlePath() + QStringLiteral("/Contents/MacOS/") + executable);
  if (!library_.load()) return fail(error, library_.errorString());
  const auto create =
      reinterpret_cast<PreferencePaneFactory>(library_.resolve(kPreferencePaneEntryPoint));
  if (!create) return fail(error, library_.errorString());

  pane_.reset(create());
  if (!pane_ || !pane_->initWithBundle(bundle))
    return fail(error, tr("the pane of %1 did not initialise").arg(bundlePath));

  std::unique_ptr<QWidget> view = pane_->loadMainView();
  if (!view) return fail(error, tr("the pane of %1 has no view").arg(bundlePath));
  window_ = std::make_unique<HostWindow>(closed_);
  QString title = infoString(bundle, "NSPrefPaneIconLabel");
  if (title.isEmpty()) title = infoString(bundle, "CFBundleName");
  // Translated as a macOS pane's InfoPlist.strings would: the pane's catalogue holds its name.
  window_->setWindowTitle(QCoreApplication::translate(kInfoPlistContext, title.toUtf8()));
  const QString icon = bundle.resourcePath(infoString(bundle, "NSPrefPaneIconFile"), QString());
  if (!icon.isEmpty()) window_->setWindowIcon(QIcon(icon));
  auto* layout = new QVBoxLayout(window_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view.release());  // the window owns the view from here

  pane_->mainViewDidLoad();
  window_->show();
  return true;
}

}  // namespace halvane
