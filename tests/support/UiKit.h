#pragma once

// Driving real windows from a screen test: controls are found by their
// objectName, and every step fails the running test with the control's name
// when the control is missing or cannot be used.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

// Texts in failure output as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// Thrown when a control a test needs is missing; the test fails with its name.
class TMissingChild : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The child of parent named name.
template <class T = QWidget>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QLatin1String(name));
  if (child == nullptr)
    throw TMissingChild(std::string("no ") + T::staticMetaObject.className() + " named " + name + " in " +
                        parent.objectName().toStdString());
  return child;
}

// Waits, running events, until done() holds; false when it did not within timeoutMs.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  return QTest::qWaitFor(done, timeoutMs);
}

// Presses F1 in target once its window is the active one: the help key is a
// window shortcut, which an inactive window never receives.
inline void PressF1(QWidget* target) {
  ASSERT_TRUE(WaitUntil([target] { return target->window()->isActiveWindow(); }))
      << "the window never became active";
  QTest::keyClick(target, Qt::Key_F1);
}

// Shows the tab or stacked pages that hold widget, as a user does before using it.
inline void ShowPageOf(QWidget* widget) {
  for (QWidget* page = widget; page->parentWidget() != nullptr; page = page->parentWidget()) {
    auto* pages = qobject_cast<QStackedWidget*>(page->parentWidget());
    if (pages == nullptr) continue;
    if (auto* tabs = qobject_cast<QTabWidget*>(pages->parentWidget()))
      tabs->setCurrentWidget(page);
    else
      pages->setCurrentWidget(page);
  }
  QCoreApplication::processEvents();  // lays out a page just shown
}

// Clicks button as a user does: it must be enabled; a button on a page not
// shown has its page shown first, and a check box is clicked on its box.
inline void Click(QAbstractButton* button) {
  ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString() << " is disabled";
  ShowPageOf(button);
  if (!button->isVisible()) {  // a window never shown takes the click the program would send
    button->click();
    return;
  }
  const bool plain = qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
  const int half = button->height() / 2;
  QTest::mouseClick(button, Qt::LeftButton, {}, plain ? button->rect().center() : QPoint(half, half));
}

inline void Click(const QObject& parent, const char* name) {
  Click(Child<QAbstractButton>(parent, name));
}

// Fires a menu command that must exist and be enabled.
inline void Trigger(const QObject& parent, const char* name) {
  QAction* action = Child<QAction>(parent, name);
  ASSERT_TRUE(action->isEnabled()) << name << " is disabled";
  action->trigger();
}

// Picks item index of combo through its drop-down list, as a user does.
inline void PickItem(QComboBox* combo, int index) {
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(WaitUntil([view] { return view->isVisible(); })) << "the list did not open";
  const QRect item = view->visualRect(view->model()->index(index, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  ASSERT_TRUE(WaitUntil([view] { return !view->isVisible(); })) << "the list did not close";
}

// Answers the next modal window: once one is shown, runs the answer on it
// and closes it if the answer left it open. Create it before the command that
// opens the window; the test fails when the window is of another type, or
// when none came before the object is destroyed.
class TModalAnswer {
public:
  explicit TModalAnswer(std::function<bool(QWidget&)> answer, const char* what, int timeoutMs = 10000)
      : Answer(std::move(answer)), What(what), Deadline(timeoutMs) {
    QObject::connect(&Poll, &QTimer::timeout, [this] { Look(); });
    Poll.start(10);
  }
  TModalAnswer(const TModalAnswer&) = delete;
  TModalAnswer& operator=(const TModalAnswer&) = delete;
  ~TModalAnswer() { EXPECT_TRUE(Used) << "no modal " << What << " came"; }

  bool Used = false;

private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (Deadline.hasExpired()) Poll.stop();
    if (modal == nullptr || !modal->isVisible()) return;
    Poll.stop();
    Used = true;
    try {
      if (!Answer(*modal))
        ADD_FAILURE() << "the modal window is a " << modal->metaObject()->className() << ", not a " << What;
    } catch (const std::exception& error) {
      ADD_FAILURE() << error.what();
    }
    if (modal->isVisible()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
    }
  }

  std::function<bool(QWidget&)> Answer;
  const char* What;
  QDeadlineTimer Deadline;
  QTimer Poll;
};

// Runs act on the next modal window, which must be a T.
template <class T>
[[nodiscard]] TModalAnswer OnModal(std::function<void(T&)> act) {
  return TModalAnswer(
      [act = std::move(act)](QWidget& modal) {
        auto* window = qobject_cast<T*>(&modal);
        if (window != nullptr) act(*window);
        return window != nullptr;
      },
      T::staticMetaObject.className());
}

// Answers the next message box with button.
[[nodiscard]] inline TModalAnswer AnswerMessage(QMessageBox::StandardButton button) {
  return OnModal<QMessageBox>([button](QMessageBox& box) {
    QAbstractButton* answer = box.button(button);
    ASSERT_NE(answer, nullptr) << "the message box has no such button";
    answer->click();
  });
}
