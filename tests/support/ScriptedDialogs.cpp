#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {
const char* KindName(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Information:
      return "information";
    case TMessageKind::Error:
      return "error";
    case TMessageKind::Plain:
      return "plain";
    case TMessageKind::Confirmation:
      return "confirmation";
    case TMessageKind::RiskyConfirmation:
      return "risky confirmation";
    case TMessageKind::UnsavedChanges:
      return "unsaved changes";
  }
  return "?";
}
}  // namespace

TScriptedDialogs::~TScriptedDialogs() {
  EXPECT_TRUE(Pending.empty()) << Pending.size() << " scripted answer(s) were never used";
}

void TScriptedDialogs::ExpectMessage(TMessageKind kind, const QString& text, TButton answer) {
  Pending.push_back({TExpected::MessageBox, kind, text, answer, {}});
}

void TScriptedDialogs::ExpectOpen(std::optional<QString> answer) {
  Pending.push_back(
      {TExpected::Open, TMessageKind::Information, {}, TButton::Ok, answer.value_or(QString())});
}

void TScriptedDialogs::ExpectSave(std::optional<QString> answer) {
  Pending.push_back(
      {TExpected::Save, TMessageKind::Information, {}, TButton::Ok, answer.value_or(QString())});
}

void TScriptedDialogs::ExpectFolder(std::optional<QString> answer) {
  Pending.push_back(
      {TExpected::Folder, TMessageKind::Information, {}, TButton::Ok, answer.value_or(QString())});
}

TScriptedDialogs::TExpected TScriptedDialogs::Take(const char* what) {
  if (Pending.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    return {TExpected::MessageBox, TMessageKind::Information, {}, TButton::No, {}};
  }
  TExpected next = std::move(Pending.front());
  Pending.pop_front();
  return next;
}

TButton TScriptedDialogs::Message(TMessageKind kind, const QString& text) {
  Messages.push_back({kind, text});
  const std::string shown = std::string(KindName(kind)) + " box \"" + text.toStdString() + "\"";
  const TExpected expected = Take(shown.c_str());
  if (expected.What != TExpected::MessageBox) {
    ADD_FAILURE() << "expected a file dialog, got " << shown;
    return TButton::No;
  }
  EXPECT_EQ(KindName(expected.Kind), std::string(KindName(kind))) << "for " << shown;
  EXPECT_EQ(expected.Text.toStdString(), text.toStdString());
  return expected.Answer;
}

std::optional<QString> TScriptedDialogs::OpenFile(const TFileDialogOptions& options) {
  Files.push_back({false, options});
  const TExpected expected = Take(("open dialog \"" + options.Title.toStdString() + "\"").c_str());
  EXPECT_EQ(expected.What, TExpected::Open) << "an open dialog came when something else was expected";
  if (expected.What != TExpected::Open || expected.Path.isEmpty()) return std::nullopt;
  return expected.Path;
}

std::optional<QString> TScriptedDialogs::SaveFile(const TFileDialogOptions& options) {
  Files.push_back({true, options});
  const TExpected expected = Take(("save dialog \"" + options.Title.toStdString() + "\"").c_str());
  EXPECT_EQ(expected.What, TExpected::Save) << "a save dialog came when something else was expected";
  if (expected.What != TExpected::Save || expected.Path.isEmpty()) return std::nullopt;
  return expected.Path;
}

std::optional<QString> TScriptedDialogs::ChooseFolder(const TFileDialogOptions& options) {
  Files.push_back({false, options});
  const TExpected expected = Take(("folder dialog \"" + options.Title.toStdString() + "\"").c_str());
  EXPECT_EQ(expected.What, TExpected::Folder) << "a folder dialog came when something else was expected";
  if (expected.What != TExpected::Folder || expected.Path.isEmpty()) return std::nullopt;
  return expected.Path;
}
