#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QString>
#include <memory>

#include "core/model/QuestionSet.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/UiKit.h"
#include "ui/platform/Globals.h"
#include "ui/platform/QtText.h"

// The maker's windows over a fresh folder, with the scripted seams and a
// question set of their own.
class MakerFixture : public ::testing::Test {
protected:
  QString Folder() const { return FromPath(Dir.Path().string()); }

  TTempDir Dir;
  TScriptedDialogs Dialogs;
  TRecordingHelp Help;
  TRecordingShell Shell;
  std::unique_ptr<QuestionSet> Set = std::make_unique<QuestionSet>();
  TGlobals Globals{Folder(), QString(), Dialogs, Help, Shell, *Set};
};

// The same for one window of type TForm, Form once the test has made it, and
// its controls found by name.
template <class TForm>
class FormFixture : public MakerFixture {
protected:
  template <typename T>
  T* Get(const char* name) const {
    return Child<T>(*Form, name);
  }
  QCheckBox* Check(const char* name) const { return Get<QCheckBox>(name); }
  QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }

  TForm* Form = nullptr;
};
