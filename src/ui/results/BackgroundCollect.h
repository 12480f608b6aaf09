#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <string>

class QThread;
class TResultsStore;

// Stores the new attempt files of folders in store; returns a line for each
// file refused (with its reason) and for each folder that could not be
// collected, to be listed where collecting that runs unasked can say it.
QStringList CollectResultsFolders(TResultsStore& store, const QStringList& folders);

// Collects results folders on a thread of its own, with a store connection of
// its own, so that a window stays responsive however many files the folders
// hold. One run at a time: asking during a run runs once more after it.
class TBackgroundCollect : public QObject {
public:
  // location and testFolder name the store as OpenStoreAt takes them; done
  // runs on the thread that made this object with the lines of each run.
  TBackgroundCollect(std::string location, std::string testFolder, std::function<void(QStringList)> done,
                     QObject* parent);
  // Waits for a run still going.
  ~TBackgroundCollect() override;

  void Start(const QStringList& folders);

private:
  void Finished();

  std::string Location;
  std::string TestFolder;
  std::function<void(QStringList)> Done;
  QThread* Thread = nullptr;
  QStringList Lines;  // written by the run, read once it has ended
  QStringList Again;  // the folders of a request made during a run
  bool AskedAgain = false;
};
