#include "ui/platform/HelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <iterator>

namespace {

struct TTopic {
  const char* Title;
  const char* Page;
  int Context;  // 0: reached from the contents only
};

// The contents list, in reading order. Each window's context names its topic.
constexpr TTopic Topics[] = {
    {"Contents", "contents.html", 0},
    {"Making and running a test", "start.html", 0},
    {"The main window", "main.html", HelpContext::Main},
    {"Questions and answers", "editor.html", HelpContext::QA},
    {"Hot links, media files and Jump To", "media.html", HelpContext::MMedia},
    {"Global test settings", "settings.html", HelpContext::Settings},
    {"Results", "results.html", HelpContext::Results},
    {"Client configuration", "client.html", 0},
    {"Taking a test with Quizwell Client", "engine.html", HelpContext::Engine},
    {"Files the maker writes", "files.html", 0},
    {"Keyboard", "keyboard.html", 0},
    {"About Quizwell Maker", "about.html", HelpContext::About},
};

QUrl TopicPage(const TTopic& topic) {
  return QUrl(QStringLiteral("qrc:/help/topics/") + QLatin1String(topic.Page));
}

}  // namespace

THelpTopicWindow::THelpTopicWindow() {
  Q_INIT_RESOURCE(help);  // the topics live in a static library
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Quizwell Maker Help"));
  resize(820, 580);

  auto* contentsButton = new QToolButton;
  contentsButton->setObjectName(QStringLiteral("ContentsButton"));
  contentsButton->setText(QStringLiteral("&Contents"));
  BackButton = new QToolButton;
  BackButton->setObjectName(QStringLiteral("BackButton"));
  BackButton->setText(QStringLiteral("&Back"));
  BackButton->setEnabled(false);
  ForwardButton = new QToolButton;
  ForwardButton->setObjectName(QStringLiteral("ForwardButton"));
  ForwardButton->setText(QStringLiteral("&Forward"));
  ForwardButton->setEnabled(false);

  ContentsList = new QListWidget;
  ContentsList->setObjectName(QStringLiteral("ContentsList"));
  ContentsList->setSpacing(2);
  for (const TTopic& topic : Topics) ContentsList->addItem(QString::fromLatin1(topic.Title));

  TopicBrowser = new QTextBrowser;
  TopicBrowser->setObjectName(QStringLiteral("TopicBrowser"));

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

  connect(contentsButton, &QToolButton::clicked, this, [this] { ShowPage(THelpWindow::ContentsPage()); });
  connect(BackButton, &QToolButton::clicked, TopicBrowser, &QTextBrowser::backward);
  connect(ForwardButton, &QToolButton::clicked, TopicBrowser, &QTextBrowser::forward);
  connect(TopicBrowser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
  connect(TopicBrowser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
  connect(TopicBrowser, &QTextBrowser::sourceChanged, this, &THelpTopicWindow::SelectEntryOf);
  connect(ContentsList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) TopicBrowser->setSource(TopicPage(Topics[row]));
  });
}

void THelpTopicWindow::ShowPage(const QUrl& page) {
  TopicBrowser->setSource(page);
  SelectEntryOf(page);
}

void THelpTopicWindow::SelectEntryOf(const QUrl& page) {
  const QUrl shown = page.adjusted(QUrl::RemoveFragment);
  const QSignalBlocker quiet(ContentsList);
  for (int row = 0; row < static_cast<int>(std::size(Topics)); ++row) {
    if (TopicPage(Topics[row]) == shown) {
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

THelpWindow::THelpWindow() = default;

THelpWindow::~THelpWindow() = default;

QUrl THelpWindow::ContentsPage() {
  return TopicPage(Topics[0]);
}

QUrl THelpWindow::PageOf(int context) {
  for (const TTopic& topic : Topics)
    if (topic.Context != 0 && topic.Context == context) return TopicPage(topic);
  return ContentsPage();
}

void THelpWindow::ShowContents() {
  Show(ContentsPage());
}

void THelpWindow::ShowContext(int context) {
  Show(PageOf(context));
}

void THelpWindow::Quit() {
  if (TopicWindow) TopicWindow->close();
}

void THelpWindow::Show(const QUrl& page) {
  if (!TopicWindow) TopicWindow = std::make_unique<THelpTopicWindow>();
  TopicWindow->FollowModalDialog();
  TopicWindow->ShowPage(page);
  TopicWindow->show();
  TopicWindow->raise();
  TopicWindow->activateWindow();
}
