#include "ui/platform/TextZoom.h"

#include <QKeySequence>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace {

// The font size a widget had before any zoom, kept on the widget itself.
constexpr char BaseSizeProperty[] = "quizwellBaseFontSize";
constexpr double StepFactor = 1.15;

bool DarkPalette(const QWidget* widget) {
  return widget->palette().color(QPalette::Window).lightness() < 128;
}

}  // namespace

void TTextZoom::Attach(QWidget* window) {
  const auto keys = [this, window](QKeySequence sequence, int delta) {
    auto* shortcut = new QShortcut(sequence, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [this, delta] { Change(delta); });
  };
  keys(QKeySequence::ZoomIn, 1);
  keys(QKeySequence(Qt::CTRL | Qt::Key_Equal), 1);  // Ctrl and the plus key without Shift
  keys(QKeySequence::ZoomOut, -1);
  Windows.erase(std::remove(Windows.begin(), Windows.end(), nullptr), Windows.end());
  Windows.emplace_back(window);
  Apply(window);
}

void TTextZoom::Change(int delta) {
  const int step = std::clamp(Steps + delta, SmallestStep, LargestStep);
  if (step == Steps) return;
  Steps = step;
  for (const QPointer<QWidget>& window : Windows)
    if (window) Apply(window);
}

void TTextZoom::Apply(QWidget* window) const {
  std::vector<QWidget*> widgets = {window};
  for (QWidget* child : window->findChildren<QWidget*>()) widgets.push_back(child);
  if (Steps == 0 && !window->property(BaseSizeProperty).isValid()) return;  // still at its own size
  // Every size is taken before any is changed: a child's font follows its
  // parent's until it is set itself.
  for (QWidget* widget : widgets) {
    if (widget->property(BaseSizeProperty).isValid()) continue;
    const QFont font = widget->font();
    widget->setProperty(BaseSizeProperty,
                        font.pointSizeF() > 0 ? font.pointSizeF() : -static_cast<double>(font.pixelSize()));
  }
  const double factor = std::pow(StepFactor, Steps);
  for (QWidget* widget : widgets) {
    // A negative base is a size in pixels.
    const double base = widget->property(BaseSizeProperty).toDouble();
    QFont font = widget->font();
    if (base < 0)
      font.setPixelSize(std::max(1, static_cast<int>(std::lround(-base * factor))));
    else
      font.setPointSizeF(base * factor);
    widget->setFont(font);
  }
}

QString RightStyle(const QWidget* widget) {
  return DarkPalette(widget) ? QStringLiteral("color: #7ee07e") : QStringLiteral("color: #006400");
}

QString WrongStyle(const QWidget* widget) {
  return DarkPalette(widget) ? QStringLiteral("color: #ff8a80") : QStringLiteral("color: #a00000");
}
