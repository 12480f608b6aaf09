#pragma once

#include <QString>

class TDialogs;
class THelpViewer;
class TShellOpen;
class QuestionSet;

// What the windows of one run share. The main window owns it; every other
// window is handed it when it is created.
struct TGlobals {
  QString ProgramFolder;    // the folder of the running program, with no trailing separator
  QString CurrentTestPath;  // full path of the current test; empty when none is loaded
  TDialogs& Dialogs;
  THelpViewer& Help;
  TShellOpen& Shell;
  QuestionSet& Questions;  // the editor's question set, one for the whole run
};
