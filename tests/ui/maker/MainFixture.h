#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <string>

#include "MakerFixture.h"
#include "core/storage/ZarnEncryption.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/QtText.h"

inline const QString Notice =
    QStringLiteral("This is the Instructor Test Maker.\rDo not distribute with Quizwell.");
inline const QString NoTests = QStringLiteral(
    "Did not find any tests.\rAll tests (*.QWT) should be in the same folder as this program.");
inline const QString Prompt = QStringLiteral("Please make your selection now.");
inline const QString NotLoaded =
    QStringLiteral("Test is not loaded. Create a new test or load an existing one.");
inline const QString NotADescription =
    QStringLiteral("Could not read test description.\rTest is not valid manually edit or delete.");

// The bytes of a test named description.
inline std::string TestBytes(const std::string& description) {
  return "[SETTINGS]\r\nDESC=" + Encrypt(description) + "\r\nTIME=" + Encrypt("00:10:00") + "\r\n\r\n";
}

// The main window over a fresh folder, with the scripted seams.
class MainFixture : public MakerFixture {
protected:
  QString FileIn(const std::string& name) const { return FromPath(Dir.File(name)); }

  // Shows the window and lets the start-up scan run with the messages queued before.
  void Start() {
    Form.show();
    Scanned();
  }
  // Starts on a folder that holds tests.
  void StartWithTests() {
    Dialogs.ExpectMessage(TMessageKind::Information, Notice);
    Start();
  }
  // Starts on a folder without tests.
  void StartEmpty() {
    Dialogs.ExpectMessage(TMessageKind::Information, Notice);
    Dialogs.ExpectMessage(TMessageKind::Information, NoTests);
    Start();
  }
  void Scanned() {
    ASSERT_TRUE(WaitUntil([this] { return Dialogs.AllUsed(); })) << "a queued message was never shown";
    ASSERT_TRUE(WaitUntil([this] { return !Timer()->isActive(); })) << "the scan never ended";
  }

  // Picks item index of the list of tests the way the instructor does.
  void Pick(int index) { PickItem(Combo(), index); }
  QStringList Items() const {
    QStringList items;
    for (int i = 0; i < Combo()->count(); ++i) items << Combo()->itemText(i);
    return items;
  }
  // The list once a rescan has filled it as items.
  void ExpectItems(const QStringList& items) {
    WaitUntil([&] { return Items() == items; });
    EXPECT_EQ(Items(), items);
  }
  QComboBox* Combo() const { return Child<QComboBox>(Form, "ComboBox1"); }
  QTimer* Timer() const { return Child<QTimer>(Form, "StartTimer"); }
  QString Status() const { return Child<QLabel>(Form, "Panel6")->text(); }

  TMainForm Form{Folder(), Dialogs, Help, Shell};
};
