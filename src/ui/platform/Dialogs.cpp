#include "ui/platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <exception>

#include "core/storage/FileStamp.h"
#include "core/storage/IoError.h"
#include "ui/platform/QtText.h"

QWidget* TQtDialogs::Owner() const {
  // A box belongs to the window it is asked from, so that closing it returns
  // there rather than raising the main window over it.
  QWidget* active = QApplication::activeWindow();
  return active ? active : Parent;
}

TButton TQtDialogs::Message(TMessageKind kind, const QString& text) {
  QMessageBox box(Owner());
  box.setWindowTitle(QApplication::applicationDisplayName());
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // File names and test texts are shown as they are, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(shown);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // an address or path in it can be copied
  switch (kind) {
    case TMessageKind::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case TMessageKind::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case TMessageKind::Plain:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case TMessageKind::Confirmation:
      box.setIcon(QMessageBox::Question);
      break;
    case TMessageKind::RiskyConfirmation:
    case TMessageKind::UnsavedChanges:
      box.setIcon(QMessageBox::Warning);
      break;
  }
  const auto fitTitle = [&box] {
    // Wide enough for its title, which the window manager would otherwise shorten.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
      grid->addItem(
          new QSpacerItem(std::max(360, box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200), 0,
                          QSizePolicy::Minimum, QSizePolicy::Minimum),
          grid->rowCount(), 0, 1, grid->columnCount());
  };
  if (kind == TMessageKind::Confirmation || kind == TMessageKind::RiskyConfirmation) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(kind == TMessageKind::RiskyConfirmation ? QMessageBox::No : QMessageBox::Yes);
    fitTitle();
    return box.exec() == QMessageBox::Yes ? TButton::Yes : TButton::No;
  }
  if (kind == TMessageKind::UnsavedChanges) {
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("TDialogs", "Do&n't Save"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    fitTitle();
    const int pressed = box.exec();
    return pressed == QMessageBox::Save      ? TButton::Yes
           : pressed == QMessageBox::Discard ? TButton::No
                                             : TButton::Cancel;
  }
  box.setStandardButtons(QMessageBox::Ok);
  fitTitle();
  box.exec();
  return TButton::Ok;
}

// An open dialog does not require the chosen file to exist: a name typed for a
// file that is not there goes to the caller, which decides what that means.
std::optional<QString> TQtDialogs::OpenFile(const TFileDialogOptions& options) {
  const QString title =
      options.Title.isEmpty() ? QCoreApplication::translate("TDialogs", "Open") : options.Title;
  QFileDialog dialog(Owner(), title, StartFolder, QtFilter(options.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setLabelText(QFileDialog::Accept, QCoreApplication::translate("TDialogs", "&Open"));
  if (!options.FileName.isEmpty()) dialog.selectFile(options.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return WithDefaultExtension(dialog.selectedFiles().constFirst(), options.DefaultExt);
}

QStringList TQtDialogs::OpenFiles(const TFileDialogOptions& options) {
  QFileDialog dialog(
      Parent, options.Title.isEmpty() ? QCoreApplication::translate("TDialogs", "Open") : options.Title,
      StartFolder, QtFilter(options.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setLabelText(QFileDialog::Accept, QCoreApplication::translate("TDialogs", "&Open"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

std::optional<QString> TQtDialogs::SaveFile(const TFileDialogOptions& options) {
  QFileDialog dialog(Owner(), options.Title, StartFolder, QtFilter(options.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!options.FileName.isEmpty()) dialog.selectFile(options.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  // The kind of file chosen in the dialog decides the extension of a bare name.
  const QString chosenExtension = FilterExtension(dialog.selectedNameFilter());
  return WithDefaultExtension(dialog.selectedFiles().constFirst(),
                              chosenExtension.isEmpty() ? options.DefaultExt : chosenExtension);
}

std::optional<QString> TQtDialogs::ChooseFolder(const TFileDialogOptions& options) {
  const QString folder = QFileDialog::getExistingDirectory(
      Owner(), options.Title, options.FileName.isEmpty() ? StartFolder : options.FileName);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

QString QtFilter(const QString& systemFilter) {
  const QStringList parts = systemFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      if (pattern == QLatin1String("*.*")) {
        patterns << QStringLiteral("*");
        continue;
      }
      for (const QString& spelled : {pattern, pattern.toLower(), pattern.toUpper()})
        if (!patterns.contains(spelled)) patterns << spelled;
    }
    // "GIFT Files (*.gift)" names its patterns already; Qt shows them again.
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
    QString name = parts[i];
    name.remove(shownPatterns);
    filters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

QString FilterExtension(const QString& qtFilter) {
  static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^*?\\[\\] ()]+)[ )]"));
  const QRegularExpressionMatch match = firstPattern.match(qtFilter);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString WithDefaultExtension(const QString& path, const QString& defaultExt) {
  // A file that exists is taken as picked, extension or not.
  const QFileInfo file(path);
  if (defaultExt.isEmpty() || !file.suffix().isEmpty() || file.exists() || file.isSymLink()) return path;
  return path + QLatin1Char('.') + defaultExt;
}

bool StorableOrAsk(TDialogs& dialogs, const QStringList& texts) {
  const QString unstorable = UnstorableCharacters(texts);
  if (unstorable.isEmpty()) return true;
  QStringList named;
  for (const char32_t c : unstorable.toStdU32String())
    named << QStringLiteral("%1 (U+%2)")
                 .arg(
                     QString::fromStdU32String(std::u32string(1, c)),
                     QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
  return dialogs.ConfirmRisk(
      QCoreApplication::translate(
          "TDialogs", "These characters cannot be stored in a test file: %1.\rStore them as \"?\" and go on?")
          .arg(named.join(QStringLiteral(", "))));
}

bool OutputAllowed(TDialogs& dialogs, const QString& output, const QStringList& inputs,
                   const std::vector<std::string>& protectedFiles, TFileKind writes) {
  TOutput rule{ToPath(output), writes, {}, protectedFiles};
  for (const QString& input : inputs)
    if (!input.isEmpty()) rule.Inputs.push_back(ToPath(input));
  const std::optional<TOutputRefusal> refusal = OutputRefusal(rule);
  if (!refusal) return true;
  dialogs.Error(
      refusal->Problem == TOutputProblem::Input
          ? QCoreApplication::translate("TDialogs",
                                        "%1 is the file %2 is made from: it cannot also be the output.\r"
                                        "Choose another name. Nothing was written.")
                .arg(output, QFileInfo(FromPath(refusal->File)).fileName())
          : QCoreApplication::translate(
                "TDialogs", "%1 cannot be written: %2.\rChoose another name. Nothing was written.")
                .arg(output, FromPath(refusal->Reason)));
  return false;
}

bool RunGuarded(TDialogs& dialogs, const std::function<void()>& body) {
  try {
    body();
    return true;
  } catch (const std::exception& error) {
    dialogs.Error(FromSystemText(error.what()));
  } catch (...) {
    dialogs.Error(QCoreApplication::translate("TDialogs", "An unexpected error ended the action."));
  }
  return false;
}
