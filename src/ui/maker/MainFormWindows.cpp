#include "ui/maker/MainForm.h"

// The main window's commands that open the other windows and programs.

#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>

#include "core/model/Duplicates.h"
#include "core/model/TestFolder.h"
#include "core/model/WorkingFolder.h"
#include "core/run/PaperVersions.h"
#include "ui/maker/AboutForm.h"
#include "ui/maker/CatalogueSearchForm.h"
#include "ui/maker/ClientForm.h"
#include "ui/maker/DuplicatesForm.h"
#include "ui/maker/QAForm.h"
#include "ui/maker/SettingsForm.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/Preview.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ShellOpen.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"
#include "ui/results/ResultsForm.h"
#include "ui/scan/ScanForm.h"

namespace {

// A window of the paper test of the current test.
template <class TPaperForm>
void ShowPaperForm(TGlobals& globals, QWidget* parent, int helpContext) {
  RunGuarded(globals.Dialogs, [&] {
    TPaperForm form({PaperVersions::ReadPaperTest(ToPath(globals.CurrentTestPath)), globals.CurrentTestPath,
                     globals.Dialogs},
                    parent);
    InstallHelpKey(&form, globals.Help, helpContext);
    form.exec();
  });
}

}  // namespace

void TMainForm::EditSettings() {
  {
    TSettingsForm settings(Globals, this);
    settings.exec();
  }
  // The description may have changed: the status line names it.
  RunGuarded(Globals.Dialogs, [this] { ShowCurrentDescription(); });
  FormShow();
}

void TMainForm::EditQuestions() {
  TQAForm editor(Globals, this);
  editor.exec();
}

void TMainForm::SearchTests1Click() {
  TCatalogueSearchForm search(Globals, Catalogue, this);
  if (search.exec() != QDialog::Accepted) return;
  EditTestAt(search.ChosenPath(), search.ChosenNumber());
}

void TMainForm::EditTestAt(const QString& path, int number) {
  OpenTest(path);
  if (Globals.CurrentTestPath == path) EditQuestion(number);
}

void TMainForm::EditQuestion(int number) {
  TQAForm editor(Globals, this);
  editor.StartAt(number);
  editor.exec();
}

void TMainForm::ConfigureClient() {
  {
    TClientForm client(Globals, this);
    client.exec();
  }
  FormShow();
}

void TMainForm::ShowHelpContents() {
  Globals.Help.ShowContents();
}

void TMainForm::OpenWebPage(const QString& page) {
  OpenInBrowser(
      Globals.Shell, Globals.Dialogs,
      FromPath(WorkingFolder::WebPage(ToPath(Globals.ProgramFolder),
                                      ToPath(QCoreApplication::applicationDirPath()), ToPath(page))));
}

void TMainForm::AboutQuizwell1Click() {
  TAboutForm about(Globals, BannerPicture, this);
  about.exec();
}

void TMainForm::PreviewTest1Click() {
  StartPreview(Globals, 1);
}

void TMainForm::RunInClassroom1Click() {
  if (Classroom) {
    Classroom->raise();
    Classroom->activateWindow();
    return;
  }
  if (Globals.CurrentTestPath.isEmpty()) {
    Globals.Dialogs.Inform(tr("Load a test first: the classroom runs the current test."));
    return;
  }
  auto* form = new TClassroomForm(Globals, ClassroomPlace, this);
  bool started = false;
  RunGuarded(Globals.Dialogs, [&] { started = form->Start(); });
  if (!started) {
    delete form;
    return;
  }
  form->setAttribute(Qt::WA_DeleteOnClose);
  Classroom = form;
  form->show();
}

void TMainForm::LaunchQuizwellClient1Click() {
  RunGuarded(Globals.Dialogs, [this] {
    const QString engine =
        FromPath(TestFolder::FindFile(ToPath(Globals.ProgramFolder), TestFolder::EngineFileName));
    const TProgramStart inFolder = Globals.Shell.StartProgram(engine, QString(), QString());
    if (inFolder.Started()) return;
    // Then our own engine for this system, when it lies beside the maker.
    const QString beside = EngineBesideMaker(Globals.ProgramFolder);
    if (!beside.isEmpty() && Globals.Shell.StartProgram(beside, QString(), QString()).Started()) return;
    // An engine that is there but does not run is no engine that is missing.
    const QString question =
        inFolder.Result == TOpenResult::FileNotFound
            ? tr("QWTEST.EXE not found in current folder.\rWould you like to find and run it?")
            //: %1 is the engine's file name, %2 the system's reason.
            : tr("%1 in current folder cannot be started: %2.\rWould you like to find and run another?")
                  .arg(FileNamePart(engine), inFolder.Reason);
    if (!Globals.Dialogs.Confirm(question)) return;
    const std::optional<QString> chosen = Globals.Dialogs.OpenFile(EngineDialog);
    if (!chosen) return;
    const TProgramStart start = Globals.Shell.StartProgram(*chosen, QString(), QString());
    if (start.Result == TOpenResult::FileNotFound)
      Globals.Dialogs.Error(tr("%1 was not found.").arg(*chosen));
    else if (!start.Started())
      //: %1 is a program's file, %2 the system's reason.
      Globals.Dialogs.Error(tr("%1 cannot be started: %2.").arg(*chosen, start.Reason));
  });
}

void TMainForm::Results1Click() {
  if (!Globals.CurrentTestPath.isEmpty()) {
    ShowResults(Globals.CurrentTestPath);
  } else if (TestList->currentIndex() > 0) {
    CatalogueResults(TestList->currentIndex());
  } else {
    Globals.Dialogs.Inform(
        tr("Load a test first, or choose one in the list: the results shown are that test's."));
  }
}

void TMainForm::CatalogueResults(int row) {
  if (row <= 0 || row >= TestList->count()) return;
  const TSelection selection = Catalogue.Select(ToCoreText(TestList->itemText(row)));
  if (selection.Kind == TSelection::Found) {
    ShowResults(FromPath(selection.Path));
  } else if (selection.Kind == TSelection::Missing) {
    Globals.Dialogs.Inform(tr("The test named %1 was not found!\rPlease try again or reinstall software.")
                               .arg(FromPath(selection.Path)));
  }
}

void TMainForm::ShowResults(const QString& path) {
  TResultsForm form(Globals, path, this);
  form.OpenQuestion = [this, path](int number) { EditTestAt(path, number); };
  form.exec();
}

void TMainForm::PrintTest1Click() {
  ShowPaperForm<TPrintForm>(Globals, this, HelpContext::Print);
}

void TMainForm::GradeAnswers1Click() {
  ShowPaperForm<TGradeForm>(Globals, this, HelpContext::Print);
}

void TMainForm::ScanAnswerSheets1Click() {
  ShowPaperForm<TScanForm>(Globals, this, HelpContext::Scan);
}

void TMainForm::FindDuplicateQuestions1Click() {
  RunGuarded(Globals.Dialogs, [this] {
    const auto openAt = [this](const std::string& path, int number) { EditTestAt(FromPath(path), number); };
    const std::string folder = ToPath(Globals.ProgramFolder);
    // Read again after every fix; a test that cannot be read is named each time.
    const auto read = [this, folder] {
      QStringList unreadable;
      std::vector<Duplicates::TTestQuestions> tests = Duplicates::ReadFolder(
          folder, [&](const std::string& error) { unreadable << FromSystemText(error); });
      if (!unreadable.isEmpty())
        Globals.Dialogs.Error(tr("These tests could not be read and are not compared:\r%1")
                                  .arg(unreadable.join(QLatin1Char('\r'))));
      return tests;
    };
    TDuplicatesForm form(read, openAt, this);
    InstallHelpKey(&form, Globals.Help, HelpContext::Main);
    form.exec();
  });
}
