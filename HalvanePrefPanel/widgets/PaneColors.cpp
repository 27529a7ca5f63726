#include "HalvanePrefPanel/widgets/PaneColors.h"

#include <QEvent>
#include <QWidget>

#include <cmath>
#include <initializer_list>

namespace halvane::paneColors {
namespace {

// Computed colours aim a little above the threshold, so that anti-aliased glyph edges, which
// never quite reach the text's colour, still measure above it.
constexpr double kMargin = 0.5;

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// `wanted`, moved toward `toward` in small steps until it keeps `ratio` against every ground.
QColor readable(const QColor& wanted, const QColor& toward, std::initializer_list<QColor> grounds,
                double ratio) {
  for (int step = 0; step <= 20; ++step) {
    const QColor candidate = mixed(wanted, toward, step / 20.0);
    bool enough = true;
    for (const QColor& ground : grounds)
      enough = enough && contrastRatio(candidate, ground) >= ratio;
    if (enough) return candidate;
  }
  return toward;
}

QColor color(const QPalette& palette, QPalette::ColorRole role) {
  return palette.color(QPalette::Active, role);
}

}  // namespace

double relativeLuminance(const QColor& c) {
  const QColor rgb = c.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mixed(const QColor& from, const QColor& toward, double fraction) {
  const QColor a = from.toRgb(), b = toward.toRgb();
  auto mix = [fraction](float x, float y) { return float(x + (y - x) * fraction); };
  return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                          mix(a.blueF(), b.blueF()));
}

bool isDark(const QPalette& palette) {
  return relativeLuminance(color(palette, QPalette::Window)) <
         relativeLuminance(color(palette, QPalette::WindowText));
}

QColor keyWash(const QPalette& palette) {
  if (!isDark(palette)) return QColor::fromRgbF(0.5f, 0.75f, 1.0f);
  // The selection's colour, darkened toward the fields where a light one (a high-contrast
  // theme's yellow) washed over a label's field would fade the label's text.
  const QColor base = color(palette, QPalette::Base);
  const QColor text = color(palette, QPalette::Text);
  const QColor highlight = color(palette, QPalette::Highlight);
  QColor wash = highlight;
  for (int step = 1; step <= 20; ++step) {
    if (contrastRatio(mixed(base, wash, kLabelWashOpacity), text) >= kTextContrast + kMargin) break;
    wash = mixed(highlight, base, step / 20.0);
  }
  return wash;
}

QColor activeField(const QPalette& palette) {
  return isDark(palette) ? color(palette, QPalette::Base) : QColor::fromRgbF(1.0f, 1.0f, 1.0f);
}

QColor inactiveField(const QPalette& palette) {
  return isDark(palette)
             ? mixed(color(palette, QPalette::Base), color(palette, QPalette::Text), 0.2)
             : QColor::fromRgbF(0.65f, 0.65f, 0.65f);
}

QColor currentProfileText(const QPalette& palette) {
  if (!isDark(palette)) return QColor(Qt::blue);
  return readable(color(palette, QPalette::Link), color(palette, QPalette::Text),
                  {color(palette, QPalette::Base), rowUnderPointer(palette)},
                  kTextContrast + kMargin);
}

QColor profileText(const QPalette& palette) {
  return isDark(palette) ? color(palette, QPalette::Text) : QColor(Qt::black);
}

QColor rowUnderPointer(const QPalette& palette) {
  return isDark(palette)
             ? mixed(color(palette, QPalette::Base), color(palette, QPalette::Highlight), 0.4)
             : QColor::fromRgbF(0.62f, 0.87f, 1.0f);
}

QColor subduedText(const QPalette& palette) {
  const QColor text = color(palette, QPalette::WindowText);
  // Styles draw raised panes (a tab's page) in shades up to the Light role.
  return readable(mixed(text, color(palette, QPalette::Window), 0.45), text,
                  {color(palette, QPalette::Window), color(palette, QPalette::Base),
                   color(palette, QPalette::Light)},
                  kTextContrast + kMargin);
}

QColor labelFrame(const QPalette& palette) {
  const QColor text = color(palette, QPalette::WindowText);
  return readable(mixed(color(palette, QPalette::Window), text, 0.4), text,
                  {color(palette, QPalette::Window), color(palette, QPalette::Base)},
                  kGraphicContrast);
}

namespace {

// Sets the window's PlaceholderText from the rest of its palette, and again after every change
// of the desktop's palette (which leaves a role the window set itself as it was).
class ReadablePalette : public QObject {
 public:
  static constexpr char kName[] = "halvaneReadablePalette";

  explicit ReadablePalette(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QLatin1String(kName));
    window->installEventFilter(this);
    apply();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A change of the palette the window inherits (the desktop's) arrives as either.
    const QEvent::Type type = event->type();
    if (watched == window_ &&
        (type == QEvent::ApplicationPaletteChange || type == QEvent::PaletteChange))
      apply();
    return false;
  }

 private:
  void apply() {
    QPalette palette = window_->palette();
    const QColor subdued = subduedText(palette);
    if (palette.color(QPalette::PlaceholderText) == subdued) return;
    palette.setColor(QPalette::PlaceholderText, subdued);
    window_->setPalette(palette);
  }

  QWidget* window_;
};

}  // namespace

void keepReadable(QWidget* window) {
  if (window && !window->findChild<QObject*>(QLatin1String(ReadablePalette::kName),
                                             Qt::FindDirectChildrenOnly))
    new ReadablePalette(window);
}

}  // namespace halvane::paneColors
