#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MakerFixture.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/Questions.h"
#include "ui/maker/QAForm.h"

// A question with its text and every other field derived from tag.
inline QuestionRecord Question(const std::string& tag) {
  QuestionRecord record = MakeQuestion("Question " + tag, {"A of " + tag, "B of " + tag});
  record.Reference = "Page " + tag;
  return record;
}

inline std::vector<QuestionRecord> Questions(int count) {
  std::vector<QuestionRecord> records;
  for (int n = 1; n <= count; ++n) records.push_back(Question(std::to_string(n)));
  return records;
}

// The editor's windows over a fresh folder, the scripted seams and a question
// set of their own.
class EditorFixture : public MakerFixture {
protected:
  // A new test named description holding records as QA1, QA2, ...
  std::string WriteTest(const std::vector<QuestionRecord>& records, const std::string& name = "TEST.QWT",
                        const std::string& description = "Review") {
    const std::string path = Dir.File(name);
    TIniStore store(path);
    TestFile::TTestSave save(store);
    TestFile::WriteNewTest(save);
    save.Write(TestFile::Settings, TestFile::Desc, description);
    for (size_t i = 0; i < records.size(); ++i)
      TestFile::WriteQuestion(save, static_cast<int>(i) + 1, records[i]);
    save.Finish();
    store.UpdateFile();
    return path;
  }

  // The editor on the test at path, shown and active, with the load done.
  TQAForm& OpenEditor(const std::string& path) {
    Globals.CurrentTestPath = FromPath(path);
    Editor = std::make_unique<TQAForm>(Globals);
    Editor->show();
    EXPECT_TRUE(Activate(*Editor));
    Editor->StartTimerTimer();
    // The notice window came and went; the keyboard is back with the editor.
    EXPECT_TRUE(WaitUntil([this] { return QApplication::activeWindow() == Editor.get(); }));
    return *Editor;
  }

  // Makes window the active window and waits until the window system agrees.
  static bool Activate(QWidget& window) {
    window.activateWindow();
    return WaitUntil([&window] { return QApplication::activeWindow() == &window; });
  }

  // The questions of the file at path as a fresh load sees them.
  static std::unique_ptr<QuestionSet> Reload(const std::string& path) {
    auto set = std::make_unique<QuestionSet>();
    set->LoadQuestions(path);
    return set;
  }

  // Whether the question on the editor's screen opens its media in the
  // engine's own viewer, as copying the screen into the question stores it.
  bool ShownInternalViewer() {
    EXPECT_TRUE(Editor->SaveCurrent());
    return Set->Current().MMediaInternal;
  }

  std::unique_ptr<TQAForm> Editor;
};
