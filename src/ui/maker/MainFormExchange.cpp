#include "ui/maker/MainForm.h"

// The main window's conversions: text files to tests and back, and questions
// from and for other quiz systems.

#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include "core/exchange/Export.h"
#include "core/exchange/Import.h"
#include "core/model/Conversions.h"
#include "core/model/LossNotice.h"
#include "core/model/TestFile.h"
#include "core/results/StoreLocation.h"
#include "ui/maker/ImportFlow.h"
#include "ui/platform/QtText.h"

void TMainForm::EncryptRawTestFile1Click() {
  ConvertFile(EncryptSourceDialog, EncryptTargetDialog, TFileKind::Test, &EncryptTextToTest,
              tr("The test has been encrypted."));
}

void TMainForm::DecryptTestIntoTextFile1Click() {
  ConvertFile(DecryptSourceDialog, DecryptTargetDialog, TFileKind::Other, &DecryptTestToText,
              tr("The test has been Decrypted."));
}

void TMainForm::ConvertFile(const TFileDialogOptions& sourceDialog, const TFileDialogOptions& targetDialog,
                            TFileKind writes,
                            TConversionReport (*convert)(const std::string&, const std::string&),
                            const QString& done) {
  RunGuarded(Globals.Dialogs, [&] {
    const std::optional<QString> source = Globals.Dialogs.OpenFile(sourceDialog);
    if (!source) return;
    const std::optional<QString> destination = Globals.Dialogs.SaveFile(targetDialog);
    // A test is written from a text file, which may stand anywhere; a text
    // file never over the test it comes from.
    const QStringList inputs = writes == TFileKind::Test ? QStringList() : QStringList{*source};
    if (!destination ||
        !OutputAllowed(Globals.Dialogs, *destination, inputs, StoreFilesBeside(ToPath(*destination)),
                       writes) ||
        !ConfirmConversionInto(*destination))
      return;
    const TConversionReport report = convert(ToPath(*source), ToPath(*destination));
    Globals.Dialogs.Inform(done);
    if (const QString notice = ConversionNotice(report); !notice.isEmpty()) Globals.Dialogs.Inform(notice);
    StartTimer->start();
  });
}

bool TMainForm::ConfirmConversionInto(const QString& destination) {
  // A conversion merges into an existing file: a test picked by mistake as
  // the text file would be ruined without a word.
  if (!QFileInfo::exists(destination)) return true;
  return Globals.Dialogs.ConfirmRisk(
      tr("The file %1 exists.\rConvert into it, replacing the values it holds?").arg(destination));
}

QString TMainForm::ConversionNotice(const TConversionReport& report) {
  QStringList notice;
  if (!report.Dropped.empty()) {
    QStringList numbers;
    for (const int n : report.Dropped) numbers << QString::number(n);
    //: %1 lists question numbers, %2 is the most questions a test holds.
    notice << tr("These questions were not converted: %1.\rA test holds the questions up to the first empty "
                 "one, "
                 "and at most %2.")
                  .arg(numbers.join(QStringLiteral(", ")), QString::number(TestFile::MaxQuestionCount));
  }
  for (const std::string& lost : LossNotices(report)) notice << ToQString(lost);
  return notice.join(QLatin1Char('\r'));
}

void TMainForm::ImportQuestions1Click() {
  RunGuarded(Globals.Dialogs, [this] {
    std::optional<TChosenImport> chosen = ChooseQuestionFile(Globals.Dialogs, this);
    if (!chosen) return;
    Import::TPreparedImport& prepared = chosen->Prepared;
    const bool append = !Globals.CurrentTestPath.isEmpty();
    QString testPath = Globals.CurrentTestPath;
    if (!append) {
      const std::optional<QString> target = Globals.Dialogs.SaveFile(NewTestDialog);
      if (!target || !OutputAllowed(Globals.Dialogs, *target, {chosen->Source},
                                    StoreFilesBeside(ToPath(*target)), TFileKind::Test))
        return;
      if (!MayReplaceTest(*target)) return;
      testPath = *target;
    }
    const std::string sourceName = FileNamePart(chosen->Source).toStdString();
    const std::string testName = FileNamePart(testPath).toStdString();
    // Adding to a test that is there changes it: the instructor says so first.
    if (append && !Globals.Dialogs.ConfirmRisk(FromUtf8(Import::AppendQuestion(
                      static_cast<int>(prepared.Test.Questions.size()), sourceName, testName, true))))
      return;
    const Import::TStored stored =
        Import::IntoTest(std::move(prepared.Test), ToPath(testPath), append, prepared.Report);
    const int added = stored.Questions;
    if (stored.BecameUtf8) Globals.Dialogs.Inform(FromUtf8(std::string(TestFile::Utf8Notice)));
    if (!append) {
      TellWhenOutsideFolder(testPath);
      StartTimer->start();
    }
    const std::string keptCopy = append ? Import::BeforeImportPath(testName) : std::string();
    ShowLossReport(Globals.Dialogs, this,
                   FromUtf8(Import::ImportSummary(added, sourceName, testName, keptCopy)),
                   prepared.Report.Lines());
  });
}

void TMainForm::ExportQuestions1Click() {
  RunGuarded(Globals.Dialogs, [this] {
    std::optional<QString> test = Globals.CurrentTestPath;
    if (test->isEmpty()) test = Globals.Dialogs.OpenFile(OpenTestDialog);
    if (!test) return;
    const std::optional<QString> target = Globals.Dialogs.SaveFile(ExportDialog);
    if (!target || !OutputAllowed(Globals.Dialogs, *target, {*test}, StoreFilesBeside(ToPath(*test)))) return;
    TLossReport report;
    if (!Export::ExportTest(ToPath(*test), ToPath(*target), report)) {
      Globals.Dialogs.Error(
          tr("Name the file for the system it is for: .gift for GIFT, .txt for "
             "Aiken, .xml for Moodle XML, .zip for a QTI package, .csv for a spreadsheet."));
      return;
    }
    ShowLossReport(
        Globals.Dialogs, this,
        tr("The questions of %1 have been exported to %2.").arg(FileNamePart(*test), FileNamePart(*target)),
        report.Lines());
  });
}
