#include "ui/text/ShuffleWords.h"

#include <QCoreApplication>

QString ShuffledText(bool questions, bool answers) {
  return questions && answers ? QCoreApplication::translate("TTestPrinter", "questions and answers shuffled")
         : questions          ? QCoreApplication::translate("TTestPrinter", "questions shuffled")
         : answers            ? QCoreApplication::translate("TTestPrinter", "answers shuffled")
                              : QCoreApplication::translate("TTestPrinter", "nothing shuffled");
}
