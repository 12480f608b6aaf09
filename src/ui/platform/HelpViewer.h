#pragma once

class QWidget;

// The help file's contexts: each window names the topic F1 shows.
namespace HelpContext {
inline constexpr int Main = 100;
inline constexpr int About = 101;
inline constexpr int MMedia = 102;
inline constexpr int QA = 103;
inline constexpr int Settings = 104;
inline constexpr int Engine = 105;
inline constexpr int Student = 106;  // every window of the engine: the student's own topic
inline constexpr int Client = 107;
inline constexpr int Print = 108;  // Print Test and Grade Answers
inline constexpr int Results = 109;
inline constexpr int Classroom = 110;
inline constexpr int Scan = 111;  // Scan Answer Sheets
}  // namespace HelpContext

// The help viewer for the help file "qwtestm.hlp": contents, a topic by
// context number, quit.
class THelpViewer {
public:
  virtual ~THelpViewer() = default;
  virtual void ShowContents() = 0;
  virtual void ShowContext(int context) = 0;
  virtual void Quit() = 0;
};

// Makes F1 anywhere in window show its help context.
void InstallHelpKey(QWidget* window, THelpViewer& help, int context);
