#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/exchange/Import.h"
#include "ui/platform/Dialogs.h"

class QWidget;

// The steps of Import Questions that the main window and the editor share.

// Every exchange format's filter, "GIFT Files|*.gift|..."; for import, one
// for all of them first.
QString ExchangeFilter(bool import);

// A question file chosen and read.
struct TChosenImport {
  QString Source;
  Import::TPreparedImport Prepared;
};

// Asks for a question file and reads it. A file of no known kind or not in
// its format is refused with a message, one that holds no question shows its
// report; these and Cancel give nothing. Throws TIoError when the file cannot
// be read.
std::optional<TChosenImport> ChooseQuestionFile(TDialogs& dialogs, QWidget* parent);

// The loss report of an import or export, or a plain notice when nothing was
// lost.
void ShowLossReport(TDialogs& dialogs, QWidget* parent, const QString& summary,
                    const std::vector<std::string>& lines);
