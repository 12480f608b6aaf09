#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/platform/HelpViewer.h"

class QListWidget;
class QTextBrowser;
class QToolButton;

// Who reads the help: the instructor gets every topic; a student gets the
// topics written for students only, under the engine's name.
enum class THelpAudience { Instructor, Student };

// The window that shows the help topics: the contents list on the left, the
// topic on the right, with Back, Forward and Contents above. Links between
// topics are followed inside the window.
class THelpTopicWindow : public QWidget {
public:
  explicit THelpTopicWindow(THelpAudience audience = THelpAudience::Instructor);

  // Shows the page and selects its entry in the contents list.
  void ShowPage(const QUrl& page);

  // Keeps the window usable while a modal dialog is open: a dialog shown
  // with exec() blocks every other window of the program, so the help is
  // tied to the dialog in front, as a window belonging to it.
  void FollowModalDialog();

protected:
  bool event(QEvent* event) override;

private:
  void SelectEntryOf(const QUrl& page);

  THelpAudience Audience;
  std::vector<QUrl> EntryPages;  // the page of each row of the contents list
  QListWidget* ContentsList;
  QTextBrowser* TopicBrowser;
  QToolButton* BackButton;
  QToolButton* ForwardButton;
};

// The help viewer for the help file "qwtestm.hlp". Its topics are compiled
// into the program. The window is created when help is first asked for and
// stays open beside the maker's windows, without blocking them, until the
// instructor closes it or Quit() is called; a later request shows it again.
class THelpWindow : public THelpViewer {
public:
  explicit THelpWindow(THelpAudience audience = THelpAudience::Instructor);
  ~THelpWindow() override;
  THelpWindow(const THelpWindow&) = delete;
  THelpWindow& operator=(const THelpWindow&) = delete;

  void ShowContents() override;
  // A context without a topic of its own shows the contents.
  void ShowContext(int context) override;
  // Closes the window, if it is open.
  void Quit() override;

  // The window, or nullptr before help was first asked for.
  THelpTopicWindow* Window() const { return TopicWindow.get(); }

  // The page of a context, or the contents page for an unknown one.
  static QUrl PageOf(int context);
  static QUrl ContentsPage();
  // The first page the audience is shown: the contents, or the student's topic.
  static QUrl StartPage(THelpAudience audience);

private:
  void Show(const QUrl& page);
  THelpAudience Audience;
  std::unique_ptr<THelpTopicWindow> TopicWindow;
};
