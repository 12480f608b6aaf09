#include "ui/maker/MMediaForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/model/MediaFile.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

constexpr int ClientWidth = 488;
constexpr int ClientHeight = 240;

QString WarningText() {
  return QCoreApplication::translate(
      "TMMediaForm",
      "Media file should contain a valid extension of... \rAVI\rBMP\rRTF\rTXT\rWAV\ror a FACTVAULT query.\r\r"
      "If not, then an attempt to launch the file will be made.");
}

QLabel* Note(const char* name, const QString& text, QWidget* parent) {
  auto* label = Named(new QLabel(text, parent), name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

// Buttons take no focus from a click, so that leaving the text box is a
// decision of the user's (Tab) and Apply warns at most once.
QPushButton* Button(const char* name, const QString& caption) {
  auto* button = PushButton(name, caption);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

TMMediaForm::TMMediaForm(TGlobals& globals, QWidget* parent) : QDialog(parent), Globals(globals) {
  setObjectName(QStringLiteral("MMediaForm"));
  setWindowTitle(tr("Media File Parameters"));

  auto* label1 = Named(new QLabel(tr("Media file to display"), this), "Label1");
  QFont bold = label1->font();
  bold.setBold(true);
  label1->setFont(bold);

  Edit1 = Named(new QLineEdit(this), "Edit1");
  label1->setBuddy(Edit1);
  // Leaving the box checks the name typed into it.
  OnFieldLeft(Edit1, [this] { QTimer::singleShot(0, this, &TMMediaForm::Edit1Exit); });
  QPushButton* button4 = Button("Button4", tr("&Browse"));
  CheckBox1 =
      Named(new QCheckBox(tr("Use internal viewer (AVI, BMP, TXT, RTF, WAV files only)"), this), "CheckBox1");
  CheckBox1->setChecked(true);
  CheckBox1->hide();

  QPushButton* button3 = Button("Button3", tr("&Help"));
  QPushButton* button1 = Button("Button1", tr("&Apply"));
  QPushButton* button2 = Button("Button2", tr("&Cancel"));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(10, 8, 10, 8);
  column->setSpacing(5);
  column->addWidget(label1);
  auto* entry = new QHBoxLayout;
  entry->addWidget(Edit1, 1);
  entry->addWidget(button4);
  column->addLayout(entry);
  column->addWidget(CheckBox1);
  // The notes under the entry, in their order on the form.
  for (const auto& [name, note] :
       {std::pair{"Label2", tr("Supported media file types are; AVI - Windows Video, BMP - Bitmap, RTF - "
                               "Rich Text, TXT - Plain Text, and WAV - Audio.")},
        std::pair{"Label5", tr("You can also perform a FactVault(tm) query.  To do so enter: "
                               "FACTVAULT:Query String.  See help for more information.")},
        std::pair{"Label3", tr("Simply entering a file name will make Quizwell look in the same folder "
                               "that it is running in.  You can also provide a relative path using \\.  ")},
        std::pair{"Label4", tr("For example, \"\\MEDIA\\SOUND.WAV\" would look in the media folder under "
                               "the folder that Quizwell is running from for the file sound.wav")}})
    column->addWidget(Note(name, note, this));
  column->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(button3);
  buttons->addStretch(1);
  buttons->addWidget(button1);
  buttons->addWidget(button2);
  column->addLayout(buttons);

  connect(button4, &QPushButton::clicked, this, &TMMediaForm::Button4Click);
  connect(button3, &QPushButton::clicked, this, &TMMediaForm::Button3Click);
  connect(button1, &QPushButton::clicked, this, &TMMediaForm::Button1Click);
  connect(button2, &QPushButton::clicked, this, &QDialog::reject);
  InstallHelpKey(this, Globals.Help, HelpContext::MMedia);

  setFixedSize(ClientWidth, ClientHeight);
  CentreOnScreen(this);
}

QString TMMediaForm::Text() const {
  return Edit1->text();
}
void TMMediaForm::SetText(const QString& text) {
  Edit1->setText(text);
}
bool TMMediaForm::InternalViewer() const {
  return CheckBox1->isChecked();
}
void TMMediaForm::SetInternalViewer(bool internal) {
  CheckBox1->setChecked(internal);
}

void TMMediaForm::Edit1Exit() {
  if (!MediaFile::IsViewable(ToPath(Edit1->text()))) Globals.Dialogs.Inform(WarningText());
}

void TMMediaForm::Button4Click() {
  const std::optional<QString> chosen = Globals.Dialogs.OpenFile(TFileDialogOptions{});
  if (!chosen) return;
  Edit1->setText(FromPath(MediaFile::StoredName(ToPath(*chosen), ToPath(Globals.ProgramFolder))));
}

void TMMediaForm::Button3Click() {
  Globals.Help.ShowContext(HelpContext::MMedia);
}

void TMMediaForm::Button1Click() {
  // Closing takes the focus out of the text box: that is leaving it too.
  if (Edit1->hasFocus()) Edit1Exit();
  accept();
}
