#include "ui/maker/ImportFlow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "core/exchange/Formats.h"
#include "core/exchange/QuestionFormat.h"
#include "ui/maker/LossReportForm.h"
#include "ui/platform/QtText.h"

QString ExchangeFilter(bool import) {
  QStringList filters;
  QStringList patterns;
  for (const auto& format : QuestionFormats()) {
    const QString filter = ToQString(std::string(format->Filter()));
    filters << filter;
    patterns << filter.section(QLatin1Char('|'), 1);
  }
  //: A file dialog's filter: the text before "|" is shown, %1 the file patterns after it.
  if (import)
    filters.prepend(
        QCoreApplication::translate("ImportFlow", "Question Files|%1").arg(patterns.join(QLatin1Char(';'))));
  filters << QCoreApplication::translate("ImportFlow", "All Files|*.*");
  return filters.join(QLatin1Char('|'));
}

std::optional<TChosenImport> ChooseQuestionFile(TDialogs& dialogs, QWidget* parent) {
  const std::optional<QString> source =
      dialogs.OpenFile({QCoreApplication::translate("ImportFlow", "Select Questions to Import"),
                        ExchangeFilter(true), QString(), QString()});
  if (!source) return std::nullopt;
  const QString name = QFileInfo(*source).fileName();
  TChosenImport chosen{*source, Import::Prepare(ToPath(*source))};
  const Import::TPreparedImport& prepared = chosen.Prepared;
  if (!prepared.Format) {
    //: %1 is a file name.
    dialogs.Error(QCoreApplication::translate(
                      "ImportFlow",
                      "The kind of questions in %1 is not known. Question "
                      "files end in .gift, .txt (Aiken), .xml (Moodle XML), .zip (QTI) or .csv.")
                      .arg(name));
    return std::nullopt;
  }
  if (!prepared.Damage.empty()) {
    //: %1 is a file name, %2 what is wrong with it.
    dialogs.Error(QCoreApplication::translate("ImportFlow", "%1 cannot be imported: %2")
                      .arg(name, FromUtf8(prepared.Damage)));
    return std::nullopt;
  }
  if (!prepared.Ready()) {
    ShowLossReport(dialogs, parent, QString::fromLatin1(Import::NothingToImport), prepared.Report.Lines());
    return std::nullopt;
  }
  return chosen;
}

void ShowLossReport(TDialogs& dialogs, QWidget* parent, const QString& summary,
                    const std::vector<std::string>& lines) {
  if (lines.empty()) {
    dialogs.Inform(summary);
    return;
  }
  QStringList text;
  for (const std::string& line : GroupedLines(lines)) text << FromUtf8(line);
  TLossReportForm report(summary, text, parent);
  report.exec();
}
