#pragma once

#include <QString>
#include <optional>

class QWidget;

// The engine's text questions (the student's name, a password) go through
// this interface, so tests answer them from a script.
class TPrompts {
public:
  virtual ~TPrompts() = default;
  // The text typed, or nothing when cancelled. secret hides what is typed.
  virtual std::optional<QString> AskText(const QString& title, const QString& label, bool secret) = 0;
};

// QInputDialog, owned by the window given as parent.
class TQtPrompts : public TPrompts {
public:
  explicit TQtPrompts(QWidget* parent = nullptr) : Parent(parent) {}
  void SetParent(QWidget* parent) { Parent = parent; }
  std::optional<QString> AskText(const QString& title, const QString& label, bool secret) override;

private:
  QWidget* Parent;
};
