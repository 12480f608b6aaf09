#include "ui/results/BackgroundCollect.h"

#include <QThread>
#include <exception>

#include "core/results/AttemptFile.h"
#include "core/results/StoreLocation.h"
#include "ui/platform/QtText.h"

QStringList CollectResultsFolders(TResultsStore& store, const QStringList& folders) {
  QStringList lines;
  for (const QString& folder : folders) {
    try {
      const ResultsFolder::TCollected collected = ResultsFolder::Collect(ToPath(folder), store);
      for (const ResultsFolder::TRefusal& refusal : collected.Refused)
        lines << QStringLiteral("%1: %2").arg(FromPath(refusal.File),
                                              QString::fromUtf8(refusal.Reason.c_str()));
    } catch (const std::exception& error) {
      lines << FromUtf8OrCodePage(error.what());
    }
  }
  return lines;
}

TBackgroundCollect::TBackgroundCollect(std::string location, std::string testFolder,
                                       std::function<void(QStringList)> done, QObject* parent)
    : QObject(parent),
      Location(std::move(location)),
      TestFolder(std::move(testFolder)),
      Done(std::move(done)) {}

TBackgroundCollect::~TBackgroundCollect() {
  if (!Thread) return;
  Thread->wait();
  delete Thread;
}

void TBackgroundCollect::Start(const QStringList& folders) {
  if (Thread) {
    Again = folders;
    AskedAgain = true;
    return;
  }
  Thread = QThread::create([this, folders] {
    try {
      TOpenedStore opened = OpenStoreAt(Location, TestFolder);
      for (const std::string& notice : opened.Notices) Lines << FromUtf8(notice);
      Lines << CollectResultsFolders(*opened.Store, folders);
    } catch (const std::exception& error) {
      Lines << FromUtf8OrCodePage(error.what());
    }
  });
  connect(Thread, &QThread::finished, this, &TBackgroundCollect::Finished);
  Thread->start();
}

void TBackgroundCollect::Finished() {
  Thread->wait();
  delete Thread;
  Thread = nullptr;
  const QStringList lines = std::exchange(Lines, {});
  Done(lines);
  if (std::exchange(AskedAgain, false)) Start(Again);
}
