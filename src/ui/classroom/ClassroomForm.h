#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <thread>

#include "core/results/ResultsStore.h"
#include "core/run/Clock.h"

class QCheckBox;
class QLabel;
class QVBoxLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TClassroom;
class TClassroomServer;
class TQrBox;
struct TGlobals;

// Where the classroom listens.
struct TClassroomPlace {
  std::string BindAddress = "0.0.0.0";  // every IPv4 address of the machine
  int Port = 8080;                      // when taken, any free port, with a note
};

// The teacher's console for a class taking the current test in their
// browsers: the address to type and its QR code and the room code, in print
// large enough for a projector, and the live list of students. The server runs
// on threads of this process while the window is open, so the list is read
// straight from the classroom and never served to the network. Attempts go to
// the results store the teacher chose (the test folder's own by default) as
// students finish.
class TClassroomForm : public QWidget {
  Q_OBJECT

public:
  explicit TClassroomForm(TGlobals& globals, TClassroomPlace place = {}, QWidget* parent = nullptr);
  ~TClassroomForm() override;

  // Loads the current test, opens the saved results store and starts
  // serving. Throws TIoError when the test cannot be read; a saved store that
  // cannot be opened is reported and the test folder's store used instead.
  // False, with the reason shown, when the test has no questions or no port
  // is free.
  bool Start();

  int Port() const { return BoundPort; }
  QString RoomCode() const;
  bool Serving() const { return ServerThread.joinable(); }

  void Refresh();          // the lists from the classroom, as the timer does
  void ShowScoresClick();  // shows or hides the score column
  void EndTestClick();     // ends every running attempt, after a No-default question
  void EndSessionClick();  // ends running attempts (asking first) and stops serving
  // Opens the store in the Results store field, saves it for the maker's
  // windows and serves from it, while no student has joined. A store that
  // cannot be opened is reported and changes nothing.
  void UseStoreClick();
  // Lets the device of a waiting request continue its student's attempt, or
  // refuses it.
  void AnswerDeviceRequest(const std::string& id, bool allow);

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void CreateControls();
  QString AnsweringText() const;
  // Asks question before attempts in progress are ended; true when none are
  // or the teacher says Yes.
  bool MayEndRunningAttempts(const QString& question);
  void StopServing();
  // Serves Classroom on port, or any free port when it is taken; the port, or
  // -1 when none is free.
  int Serve(int port);
  std::string TestFolder() const;
  void ShowStore();
  void EndAll();  // every running attempt scored and stored, an error shown
  void ShowDeviceRequests();
  // An unexpected error of a request, told by a server thread.
  void ShowServerError(const QString& what);

  TGlobals& Globals;
  TClassroomPlace Place;
  TSteadyClock Clock;
  TOpenedStore Opened;
  std::unique_ptr<TClassroom> Classroom;
  std::unique_ptr<TClassroomServer> Server;
  std::thread ServerThread;
  QStringList AddressTexts;  // what students type, "http://192.168.1.20:8080/"
  int BoundPort = -1;
  bool ScoresShown = false;
  int AnsweringCount = 0;

  QLabel* AddressLabel;
  QLabel* RoomCodeLabel;
  QLabel* NoteLabel;
  QLabel* SummaryLabel;
  QLineEdit* StoreEdit;
  // The saved store's full address; the field shows it without its password
  // (the window is on a projector) and Use takes this while it is unchanged.
  QString SavedStore;
  QPushButton* UseStoreButton;
  QLabel* StoreLabel;
  TQrBox* QrBox;
  QTableWidget* StudentList;
  // One line with Allow and Refuse for each device asking to continue an
  // attempt; rebuilt only when the requests change.
  QWidget* RequestBox;
  QVBoxLayout* RequestLayout;
  std::vector<std::string> ShownRequests;
  QLabel* ErrorLabel;
  QCheckBox* HoldReviewCheck;
  QPushButton* ShowScoresButton;
  QPushButton* EndTestButton;
  QPushButton* EndSessionButton;
  QTimer* RefreshTimer;
};
