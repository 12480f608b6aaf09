#include "ui/platform/PaperWords.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

#include "core/run/Scoring.h"
#include "ui/text/QtText.h"
#include "ui/text/ShuffleWords.h"

namespace {

QString Percent(int right, int asked) {
  return QString::number(Scoring::Percent(right, asked));
}

}  // namespace

QString BlueprintProblemText(const QuestionDraw::TProblem& problem) {
  using QuestionDraw::TProblemKind;
  const QString category = ToQString(problem.Category);
  switch (problem.Kind) {
    case TProblemKind::NoCount:
      //: %1 is a line of a blueprint as the teacher gave it.
      return QCoreApplication::translate("TPrintForm",
                                         "\"%1\": give a category, \"=\" and how many questions to ask")
          .arg(ToQString(problem.Text));
    case TProblemKind::BadCount:
      //: %1 is a category, %2 the most questions a test holds, %3 what was given for it.
      return QCoreApplication::translate("TPrintForm", "%1: ask from 1 to %2 questions, not \"%3\"")
          .arg(category, QString::number(TestFile::MaxQuestionCount), ToQString(problem.Text));
    case TProblemKind::NamedTwice:
      //: %1 is a category.
      return QCoreApplication::translate("TPrintForm", "%1: named twice").arg(category);
    case TProblemKind::TooFew:
      //: %1 is a category, %2 how many questions the blueprint asks of it, %3 how many the test has.
      return QCoreApplication::translate("TPrintForm", "%1: %2 asked, %3 in the test")
          .arg(category, QString::number(problem.Asked), QString::number(problem.Have));
    case TProblemKind::TooFewForTags:
      break;
  }
  //: %1 is a category, %2 how many questions the blueprint asks of it, %3 how many one of each tag takes.
  return QCoreApplication::translate("TPrintForm", "%1: %2 asked, %3 needed for one of each tag")
      .arg(category, QString::number(problem.Asked), QString::number(problem.Have));
}

QString DrawWarningText(const ParallelForms::TDrawWarning& warning) {
  if (!warning.Unread) return BlueprintProblemText(warning.Problem);
  //: %1 says why the test's blueprint does not read.
  return QCoreApplication::translate("TPrintForm",
                                     "the blueprint does not read (%1): every question is printed")
      .arg(BlueprintProblemText(warning.Problem));
}

QString BalanceText(const ParallelForms::TForms& forms) {
  if (!forms.Balanced())
    return QCoreApplication::translate("TPrintForm",
                                       "no statistics for these questions yet: versions drawn at random");
  QStringList means;
  for (const double mean : forms.ExpectedMeans)
    //: An expected mean score: %1 is a whole percent.
    means << QCoreApplication::translate("TPrintForm", "%1%").arg(std::lround(mean));
  const QString listed = means.join(QStringLiteral(", "));
  const QString spread = QLocale().toString(forms.Spread(), 'f', 1);  // with the reader's decimal mark
  if (forms.Estimated == 0)
    //: %1 lists each version's expected mean score, %2 the highest less the lowest.
    return QCoreApplication::translate("TPrintForm", "expected mean: %1 (spread %2 points)")
        .arg(listed, spread);
  //: %1 lists each version's expected mean score, %2 the highest less the lowest; %n questions have no
  //: statistics.
  return QCoreApplication::translate(
             "TPrintForm",
             "expected mean: %1 (spread %2 points); %n questions without statistics counted at the mean",
             nullptr, forms.Estimated)
      .arg(listed, spread);
}

QString VersionsText(int versions) {
  return versions == 1 ? QCoreApplication::translate("TGradeForm", "1 version")
                       : QCoreApplication::translate("TGradeForm", "%n versions", nullptr, versions);
}

QString RunText(const TPrintRun& run) {
  const PaperVersions::TOptions& options = run.Options;
  const QString versions = VersionsText(options.Versions);
  const QString seed = QString::number(options.Seed);
  const QString shuffled = ShuffledText(options.ShuffleQuestions, options.ShuffleAnswers);
  const bool drawn = !options.Draw.empty();
  if (run.Number == 0)
    return drawn
               //: A print known only by its options, named inside a sentence ("The sheets fit %1 far
               //: better than..."): %1 is the seed, %2 the versions, %3 what was shuffled.
               ? QCoreApplication::translate(
                     "TGradeForm", "the earlier print (seed %1, %2, %3, questions drawn from the blueprint)")
                     .arg(seed, versions, shuffled)
               //: A print known only by its options, named inside a sentence ("The sheets fit %1 far better
               //: than..."): %1 is the seed, %2 the versions, %3 what was shuffled.
               : QCoreApplication::translate("TGradeForm", "the earlier print (seed %1, %2, %3)")
                     .arg(seed, versions, shuffled);
  const QString number = QString::number(run.Number);
  const QString printed = QString::fromStdString(run.Printed);
  return drawn
             //: A print run, named inside a sentence ("The sheets fit %1 far better than..."): %1 is its
             //: number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.
             ? QCoreApplication::translate(
                   "TGradeForm", "run %1 (printed %2, seed %3, %4, %5, questions drawn from the blueprint)")
                   .arg(number, printed, seed, versions, shuffled)
             //: A print run, named inside a sentence ("The sheets fit %1 far better than..."): %1 is its
             //: number, %2 when it was printed, %3 the seed, %4 the versions, %5 what was shuffled.
             : QCoreApplication::translate("TGradeForm", "run %1 (printed %2, seed %3, %4, %5)")
                   .arg(number, printed, seed, versions, shuffled);
}

QString RecordedText(int added, int known, const QString& store) {
  const QString already = QString::number(known);
  if (known == 0 && added == 1)
    //: %1 is the results store's file.
    return QCoreApplication::translate("TGradeForm", "1 attempt was recorded in %1.").arg(store);
  if (known == 0)
    //: %1 is the results store's file.
    return QCoreApplication::translate("TGradeForm", "%n attempts were recorded in %1.", nullptr, added)
        .arg(store);
  if (added == 1 && known == 1)
    //: %1 is the results store's file.
    return QCoreApplication::translate("TGradeForm", "1 attempt was recorded in %1; 1 was there already.")
        .arg(store);
  if (added == 1)
    //: %1 is the results store's file, %2 how many of the attempts it held already.
    return QCoreApplication::translate("TGradeForm", "1 attempt was recorded in %1; %2 were there already.")
        .arg(store, already);
  if (known == 1)
    //: %1 is the results store's file.
    return QCoreApplication::translate("TGradeForm", "%n attempts were recorded in %1; 1 was there already.",
                                       nullptr, added)
        .arg(store);
  //: %1 is the results store's file, %2 how many of the attempts it held already.
  return QCoreApplication::translate("TGradeForm", "%n attempts were recorded in %1; %2 were there already.",
                                     nullptr, added)
      .arg(store, already);
}

QString GradeWarningText(const TGradeWarning& warning) {
  switch (warning.Kind) {
    case TGradeWarningKind::Undecided:
      //: %1 is the row of the answers file, %2 the sheet's name, %3 its questions in doubt ("12 17").
      return QCoreApplication::translate(
                 "TGradeForm",
                 "row %1, %2: not graded, questions in doubt (%3); decide them and grade the sheet again")
          .arg(QString::number(warning.Sheet.Row), FromUtf8OrCodePage(warning.Sheet.Name),
               FromUtf8OrCodePage(warning.Sheet.Questions));
    case TGradeWarningKind::BetterRun: {
      const QString chosen =
          warning.Run ? RunText(*warning.Run)
                      : QCoreApplication::translate("TGradeForm", "the seed and options given (seed %1)")
                            .arg(warning.Seed);
      //: %1 and %2 name runs; of %4 answers, %3 (%5 percent) are right under the first, %6 (%7 percent)
      //: under the second.
      return QCoreApplication::translate(
                 "TGradeForm",
                 "The sheets fit %1 far better than %2: %3 of %4 answers (%5%) are right there, against %6 "
                 "(%7%) here. Grade them with the run they were printed in.")
          .arg(RunText(*warning.Better), chosen, QString::number(warning.BetterRight),
               QString::number(warning.Asked), Percent(warning.BetterRight, warning.Asked),
               QString::number(warning.Right), Percent(warning.Right, warning.Asked));
    }
    case TGradeWarningKind::WrongKeys: {
      const Grading::TKeyCheck& check = warning.Keys;
      const QString key =
          warning.KeyVersion
              ? QCoreApplication::translate("TGradeForm", "version %1").arg(QLatin1Char(warning.KeyVersion))
              : QCoreApplication::translate("TGradeForm", "the test's own order, nothing shuffled");
      //: %1 of %2 sheets; %3 is a sheet's name, %4 its percent as its version %5, %6 its percent under
      //: the key of %7 (another version, or the test's own order).
      return QCoreApplication::translate(
                 "TGradeForm",
                 "%1 of %2 sheets score far better under another key than under the key of their own "
                 "version: %3 scores %4% as version %5 and %6% under the key of %7. Check the version "
                 "letters typed.")
          .arg(QString::number(check.FitElsewhere), QString::number(check.Sheets),
               FromUtf8OrCodePage(warning.Name), QString::number(check.OwnPercent),
               QString(QLatin1Char(warning.Version)), QString::number(check.CandidatePercent), key);
    }
    case TGradeWarningKind::ChangedSincePrint:
      break;
  }
  //: %1 names the run.
  return QCoreApplication::translate("TGradeForm",
                                     "The test was changed after %1 was printed: the sheets are graded with "
                                     "its questions and keys as "
                                     "they are now.")
      .arg(RunText(*warning.Run));
}
