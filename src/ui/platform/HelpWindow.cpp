#include "ui/platform/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/platform/WindowKit.h"

namespace {

struct TTopic {
  const char* Title;
  const char* Page;
  int Context;  // 0: reached from the contents only
  bool ForStudents = false;
};

// The contents list, in reading order. Each window's context names its topic.
constexpr TTopic Topics[] = {
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Contents"), "contents.html", 0},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Making and running a test"), "start.html", 0},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "The main window"), "main.html", HelpContext::Main},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Questions and answers"), "editor.html", HelpContext::QA},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Hot links, media files and Jump To"), "media.html",
     HelpContext::MMedia},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Global test settings"), "settings.html", HelpContext::Settings},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Results"), "results.html", HelpContext::Results},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Classroom"), "classroom.html", HelpContext::Classroom},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Client configuration"), "client.html", HelpContext::Client},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Taking a test with Quizwell Client"), "engine.html",
     HelpContext::Engine},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Help for students"), "student.html", HelpContext::Student, true},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Paper tests: printing and grading"), "print.html",
     HelpContext::Print},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Scanning answer sheets"), "scanning.html", HelpContext::Scan},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Importing and exporting questions"), "exchange.html", 0},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Files the maker writes"), "files.html", 0},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "Keyboard"), "keyboard.html", 0},
    {QT_TRANSLATE_NOOP("THelpTopicWindow", "About Quizwell Maker"), "about.html", HelpContext::About},
};

QUrl TopicPage(const TTopic& topic) {
  return QUrl(QStringLiteral("qrc:/help/topics/") + QLatin1String(topic.Page));
}

}  // namespace

THelpTopicWindow::THelpTopicWindow(THelpAudience audience) : Audience(audience) {
  Q_INIT_RESOURCE(help);  // the topics live in a static library
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(audience == THelpAudience::Student
                     ? QCoreApplication::translate("THelpTopicWindow", "Quizwell Client Help")
                     : QCoreApplication::translate("THelpTopicWindow", "Quizwell Maker Help"));
  resize(820, 580);

  auto* contentsButton = Named(new QToolButton, "ContentsButton");
  contentsButton->setText(QCoreApplication::translate("THelpTopicWindow", "&Contents"));
  BackButton = Named(new QToolButton, "BackButton");
  BackButton->setText(QCoreApplication::translate("THelpTopicWindow", "&Back"));
  BackButton->setEnabled(false);
  ForwardButton = Named(new QToolButton, "ForwardButton");
  ForwardButton->setText(QCoreApplication::translate("THelpTopicWindow", "&Forward"));
  ForwardButton->setEnabled(false);

  ContentsList = Named(new QListWidget, "ContentsList");
  ContentsList->setSpacing(2);
  for (const TTopic& topic : Topics) {
    if (audience == THelpAudience::Student && !topic.ForStudents) continue;
    ContentsList->addItem(QCoreApplication::translate("THelpTopicWindow", topic.Title));
    EntryPages.push_back(TopicPage(topic));
  }

  TopicBrowser = Named(new QTextBrowser, "TopicBrowser");

  auto* splitter = new QSplitter;
  splitter->addWidget(ContentsList);
  splitter->addWidget(TopicBrowser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 590});

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contentsButton);
  buttons->addWidget(BackButton);
  buttons->addWidget(ForwardButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);

  // Esc closes the help, as it closes every other window of the program.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  connect(contentsButton, &QToolButton::clicked, this,
          [this] { ShowPage(THelpWindow::StartPage(Audience)); });
  connect(BackButton, &QToolButton::clicked, TopicBrowser, &QTextBrowser::backward);
  connect(ForwardButton, &QToolButton::clicked, TopicBrowser, &QTextBrowser::forward);
  connect(TopicBrowser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
  connect(TopicBrowser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
  connect(TopicBrowser, &QTextBrowser::sourceChanged, this, &THelpTopicWindow::SelectEntryOf);
  connect(ContentsList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) TopicBrowser->setSource(EntryPages.at(row));
  });
}

void THelpTopicWindow::ShowPage(const QUrl& page) {
  TopicBrowser->setSource(page);
  SelectEntryOf(page);
}

void THelpTopicWindow::SelectEntryOf(const QUrl& page) {
  const QUrl shown = page.adjusted(QUrl::RemoveFragment);
  const QSignalBlocker quiet(ContentsList);
  for (int row = 0; row < static_cast<int>(EntryPages.size()); ++row) {
    if (EntryPages[row] == shown) {
      ContentsList->setCurrentRow(row);
      return;
    }
  }
  ContentsList->setCurrentRow(-1);
}

void THelpTopicWindow::FollowModalDialog() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr || dialog == this || dialog->windowHandle() == nullptr) return;
  winId();  // makes sure the window system window exists
  windowHandle()->setTransientParent(dialog->windowHandle());
}

bool THelpTopicWindow::event(QEvent* event) {
  // A dialog opened while the help is on the screen blocks it: follow it.
  if (event->type() == QEvent::WindowBlocked) FollowModalDialog();
  return QWidget::event(event);
}

THelpWindow::THelpWindow(THelpAudience audience) : Audience(audience) {}

THelpWindow::~THelpWindow() = default;

QUrl THelpWindow::ContentsPage() {
  return TopicPage(Topics[0]);
}

QUrl THelpWindow::PageOf(int context) {
  for (const TTopic& topic : Topics)
    if (topic.Context != 0 && topic.Context == context) return TopicPage(topic);
  return ContentsPage();
}

QUrl THelpWindow::StartPage(THelpAudience audience) {
  return audience == THelpAudience::Student ? PageOf(HelpContext::Student) : ContentsPage();
}

void THelpWindow::ShowContents() {
  Show(StartPage(Audience));
}

// A student is never led into the instructor's topics.
void THelpWindow::ShowContext(int context) {
  const QUrl page = PageOf(context);
  Show(Audience == THelpAudience::Student && page != PageOf(HelpContext::Student) ? StartPage(Audience)
                                                                                  : page);
}

void THelpWindow::Quit() {
  if (TopicWindow) TopicWindow->close();
}

void THelpWindow::Show(const QUrl& page) {
  if (!TopicWindow) TopicWindow = std::make_unique<THelpTopicWindow>(Audience);
  TopicWindow->FollowModalDialog();
  TopicWindow->ShowPage(page);
  TopicWindow->show();
  TopicWindow->raise();
  TopicWindow->activateWindow();
}
