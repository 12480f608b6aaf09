#pragma once

#include <QStringList>
#include <optional>

#include "core/model/TestSettings.h"
#include "core/run/ExtraTime.h"
#include "core/storage/FileStamp.h"
#include "ui/platform/ApplyDialog.h"
#include "ui/platform/SpinButton.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTextEdit;
class QToolButton;
struct TGlobals;

// The global test settings dialog: shows and writes the test-wide settings of
// the test named by TGlobals::CurrentTestPath. It reads the file when it is
// shown and writes it on Apply and OK; the Apply button's enabled state is its
// only record of unapplied changes. The title-bar close box discards them.
class TSettingsForm : public TApplyDialog {
  Q_OBJECT
public:
  explicit TSettingsForm(TGlobals& globals, QWidget* parent = nullptr);

  // The time field's text when it last received the focus, used to undo an
  // invalid entry. One for the whole run: it carries over between openings.
  static QString SavedTimeText;

  // Load: fills the controls from the file, then disables Apply. When the file
  // cannot be read the error is shown and the dialog closes, so that nothing
  // can be written over the settings it did not show.
  void FormShow();
  // Run after every change of an input control.
  void Edit1Change();
  void MaskEdit1Enter();
  // Time validation: an invalid time is reported and the field returns to
  // SavedTimeText.
  void MaskEdit1Exit();
  void SpinButton1UpClick();
  void SpinButton1DownClick();

protected:
  void showEvent(QShowEvent* event) override;

private:
  QWidget* CreateSettingsPage1();
  QWidget* CreateSettingsPage2();
  QWidget* CreateBlueprintPage();
  // The blueprint's lines as the table holds them; a row is added whenever
  // the last one is filled in.
  void ShowBlueprint(const std::string& blueprint);
  void AppendBlueprintRow(const QString& category, const QString& count, bool eachTag);
  std::string BlueprintText() const;
  void BlueprintEdited();
  QWidget* CreateMessagePage(const char* pageName, const char* groupName, const QString& groupCaption,
                             const char* introName, const QString& intro, const char* noteName,
                             QTextEdit*& memo, const char* memoName);
  void BindChanges();

  void ToControls(const TestSettings& settings);
  // Writes the controls to the file; false when writing failed (already
  // reported).
  bool Save() override;
  std::string FieldText() const;
  void SetFieldText(const std::string& text);

  TGlobals& Globals;
  bool FormShown = false;
  TFileStamp LoadedStamp;  // the test file as the settings were loaded from it
  // The extra-time list as its window last kept it, written with the settings.
  std::optional<ExtraTime::TList> PendingExtraTime;

  QLineEdit* Edit1;
  QLineEdit* MaskEdit1;
  TSpinButton* SpinButton1;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  QComboBox* ComboBox3;
  QComboBox* ComboBox4;
  QComboBox* ComboBox5;  // LANGUAGE
  QSpinBox* SpinEdit2;
  QSpinBox* SpinEdit3;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QCheckBox* CheckBox4;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox6;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QTextEdit* Memo1;
  QTextEdit* Memo2;
  QTableWidget* BlueprintGrid;
};
