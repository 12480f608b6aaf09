#include "ui/maker/ClientForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/model/ClientConfig.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/FileStamp.h"
#include "ui/platform/ApplyDialog.h"
#include "ui/platform/Artwork.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"
#include "ui/results/DropFolder.h"

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Navy(0x00, 0x00, 0x80);

const char* const BitmapFilter = "Bitmap Files (BMP)|*.BMP";

QLabel* WrappedLabel(const char* name, const QString& text) {
  auto* label = Named(new QLabel(text), name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

// A box that is switched off keeps its text but turns silver.
void SetBoxBackground(QWidget* box, bool on) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base,
                   on ? QApplication::palette(box).color(QPalette::Active, QPalette::Base) : Silver);
  box->setPalette(palette);
}

// Only a plain file is read as a picture: reading a pipe or a device of the
// logo's name would never end.
bool IsFile(const QString& path) {
  return QFileInfo(path).isFile();
}

QHBoxLayout* Row(QWidget* first, QWidget* second) {
  auto* row = new QHBoxLayout;
  row->addWidget(first);
  row->addWidget(second, 1);
  return row;
}

}  // namespace

TClientForm::TClientForm(TGlobals& globals, QWidget* parent)
    : TApplyDialog(globals.Dialogs, parent), Globals(globals) {
  setObjectName(QStringLiteral("ClientForm"));
  setWindowTitle(QStringLiteral("Client Configuration"));
  setFixedSize(578, 524);

  auto* panel1 = Named(new QLabel(QStringLiteral("Client Configuration")), "Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setAlignment(Qt::AlignCenter);
  panel1->setFont(PixelFont(16, true));
  QPalette titlePalette = panel1->palette();
  titlePalette.setColor(QPalette::WindowText, Navy);
  panel1->setPalette(titlePalette);
  panel1->setFixedHeight(30);

  auto* label1 =
      WrappedLabel("Label1", QStringLiteral("These settings effect the entire Quizwell engine.    You must "
                                            "include the QWTEST.CFG file with the Quizwell engine for these "
                                            "settings to take effect."));

  auto* pageControl1 = Named(new QTabWidget, "PageControl1");
  pageControl1->addTab(BuildLogoTab(), QStringLiteral("Custom Logo"));
  pageControl1->addTab(BuildAboutTab(), QStringLiteral("Custom About Box"));
  pageControl1->addTab(BuildBehaviorTab(), QStringLiteral("Client Behavior"));
  pageControl1->addTab(BuildResultsTab(), QStringLiteral("Results"));
  pageControl1->setCurrentIndex(1);

  auto* panel2 = Named(new QFrame, "Panel2");
  panel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  QHBoxLayout* buttons = CreateButtonRow(80);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 8, 8, 8);
  page->setSpacing(5);
  page->addWidget(panel1);
  page->addWidget(label1);
  page->addWidget(pageControl1, 1);
  page->addWidget(panel2);
  page->addLayout(buttons);

  connect(Button2, &QPushButton::clicked, this, &TClientForm::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &TClientForm::Edit1Change);
  // Either option button becoming chosen is the about-box choice; a click on the
  // one already chosen changes nothing.
  for (QRadioButton* option : {RadioButton1, RadioButton2})
    connect(option, &QRadioButton::toggled, this, [this](bool chosen) {
      if (chosen) RadioButton1Click();
    });
  connect(CheckBox2, &QCheckBox::clicked, this, &TClientForm::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::clicked, this, &TClientForm::CheckBox3Click);
  // CheckBox1, Edit2 to Edit5 and Memo1 only record that something changed.
  connect(CheckBox1, &QCheckBox::clicked, this, &TApplyDialog::EnableApply);
  for (QLineEdit* box : {Edit2, Edit3, Edit4, Edit5})
    connect(box, &QLineEdit::textChanged, this, &TApplyDialog::EnableApply);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &TApplyDialog::EnableApply);
  connect(ResultsFolderEdit, &QLineEdit::textChanged, this, &TApplyDialog::EnableApply);
  InstallHelpKey(this, Globals.Help, HelpContext::Client);

  CentreOnScreen(this);
}

QWidget* TClientForm::BuildLogoTab() {
  Edit1 = Named(new QLineEdit, "Edit1");
  Button2 = Named(new QPushButton(QStringLiteral("&Browse")), "Button2");
  Button2->setAutoDefault(false);

  auto* preview = Named(new QFrame, "Preview");
  preview->setFixedSize(LogoWidth, LogoHeight);
  Image1 = Named(new QLabel(preview), "Image1");
  Image1->setGeometry(0, 0, LogoWidth, LogoHeight);
  Image1->setPixmap(PaintBuiltInLogo());
  Image2 = Named(new QLabel(preview), "Image2");
  Image2->setGeometry(0, 0, LogoWidth, LogoHeight);
  Image2->setAlignment(Qt::AlignCenter);
  Image2->hide();

  LogoError = WrappedLabel("LogoError", QString());
  QPalette errorPalette = LogoError->palette();
  errorPalette.setColor(QPalette::WindowText, Qt::darkRed);
  LogoError->setPalette(errorPalette);
  LogoError->hide();

  auto* group = Named(new QGroupBox(QStringLiteral("Custom Logo")), "GroupBox1");
  auto* layout = new QVBoxLayout(group);
  layout->setSpacing(6);
  layout->addWidget(
      WrappedLabel("Label2", QStringLiteral("You can customize the appearance of the tests you distribute "
                                            "by adding your own logo to the interface. ")));
  auto* logoRow = new QHBoxLayout;
  logoRow->addWidget(Edit1, 1);
  logoRow->addWidget(Button2);
  layout->addLayout(logoRow);
  layout->addWidget(preview, 0, Qt::AlignHCenter);
  layout->addWidget(LogoError);
  layout->addWidget(
      WrappedLabel("Label3", QStringLiteral("Place the bitmap (.bmp extension) file into the same directory "
                                            "that will contain the Quizwell files. The bitmap can be 139 "
                                            "pixels high x 471 pixels wide.")));
  layout->addWidget(
      WrappedLabel("Label4", QStringLiteral("To ensure compatibility with the video capabilities of the "
                                            "computer it will be viewed on, the graphic should be composed "
                                            "in 16 or 256 colors using the standard Windows palette. ")));
  layout->addWidget(
      WrappedLabel("Label5", QStringLiteral("You should experiment with a variety of color settings to see "
                                            "what works best.")));
  layout->addStretch(1);

  auto* tab = Named(new QWidget, "TabSheet1");
  auto* tabLayout = new QVBoxLayout(tab);
  tabLayout->setContentsMargins(6, 6, 6, 6);
  tabLayout->addWidget(group);
  return tab;
}

QWidget* TClientForm::BuildAboutTab() {
  RadioButton1 = Named(new QRadioButton(QStringLiteral("Use custom About Box")), "RadioButton1");
  RadioButton2 = Named(new QRadioButton(QStringLiteral("Do not use custom About Box")), "RadioButton2");
  Label9 = Named(new QLabel(QStringLiteral("About...")), "Label9");
  Edit3 = Named(new QLineEdit, "Edit3");
  Label7 = Named(new QLabel(QStringLiteral("Custom message for about box (shown actual size)")), "Label7");
  Memo1 = Named(new QPlainTextEdit, "Memo1");
  Memo1->setFixedSize(473, 175);
  Memo1->setFont(PixelFont(11));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  Label8 = Named(new QLabel(QStringLiteral("Web page URL")), "Label8");
  Edit2 = Named(new QLineEdit, "Edit2");
  Label9->setFixedWidth(90);
  Label8->setFixedWidth(90);

  auto* choices = new QHBoxLayout;
  choices->addWidget(RadioButton1);
  choices->addWidget(RadioButton2);
  choices->addStretch(1);

  auto* group = Named(new QGroupBox(QStringLiteral("Custom About Box")), "GroupBox2");
  auto* layout = new QVBoxLayout(group);
  layout->setSpacing(4);
  layout->addWidget(
      WrappedLabel("Label6", QStringLiteral("You can have your own \"About\" box from the \"Help\" menu.  "
                                            "You can have your own custom message in this about box.  The "
                                            "logo displayed will be the same as specified on the \"Custom "
                                            "Logo\" tab.")));
  layout->addLayout(choices);
  layout->addLayout(Row(Label9, Edit3));
  layout->addWidget(Label7);
  layout->addWidget(Memo1, 0, Qt::AlignLeft);
  layout->addLayout(Row(Label8, Edit2));
  layout->addStretch(1);

  auto* tab = Named(new QWidget, "TabSheet2");
  auto* tabLayout = new QVBoxLayout(tab);
  tabLayout->setContentsMargins(6, 6, 6, 6);
  tabLayout->addWidget(group);
  return tab;
}

QWidget* TClientForm::BuildBehaviorTab() {
  CheckBox1 = Named(new QCheckBox(QStringLiteral("Enable Full Screen mode.")), "CheckBox1");
  CheckBox2 = Named(new QCheckBox(QStringLiteral("Require test history password")), "CheckBox2");
  CheckBox3 = Named(new QCheckBox(QStringLiteral("Require exit password")), "CheckBox3");
  Label12 = Named(new QLabel(QStringLiteral("History Password")), "Label12");
  Label14 = Named(new QLabel(QStringLiteral("Exit Password")), "Label14");
  Edit4 = Named(new QLineEdit, "Edit4");
  Edit5 = Named(new QLineEdit, "Edit5");
  Label12->setMinimumWidth(110);
  Label14->setMinimumWidth(110);

  const auto group = [](const char* name, const QString& title, std::initializer_list<QWidget*> widgets,
                        QHBoxLayout* row) {
    auto* box = Named(new QGroupBox(title), name);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    if (row) {
      row->addStretch(1);
      layout->addLayout(row);
    }
    return box;
  };
  auto* historyRow = Row(Label12, Edit4);
  auto* exitRow = Row(Label14, Edit5);
  Edit4->setFixedWidth(200);
  Edit5->setFixedWidth(200);

  auto* tab = Named(new QWidget, "TabSheet3");
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(
      group("GroupBox8", QStringLiteral("Full Screen Mode"),
            {WrappedLabel("Label10", QStringLiteral("Full screen mode forces Quizwell to occupy the "
                                                    "student's entire screen and only allows the student "
                                                    "to use Quizwell and no other programs.")),
             CheckBox1},
            nullptr));
  layout->addWidget(
      group("GroupBox3", QStringLiteral("Test history Lock"),
            {WrappedLabel("Label11", QStringLiteral("You can allow the student to view their test history "
                                                    "or lock test history so a password is required.")),
             CheckBox2},
            historyRow));
  layout->addWidget(group(
      "GroupBox4", QStringLiteral("Exit Password"),
      {WrappedLabel("Label13", QStringLiteral("You can require a password to exit Quizwell.")), CheckBox3},
      exitRow));
  layout->addStretch(1);
  return tab;
}

QWidget* TClientForm::BuildResultsTab() {
  ResultsFolderEdit = Named(new QLineEdit, "ResultsFolderEdit");
  ResultsFolderEdit->setPlaceholderText(QStringLiteral("/srv/results/biology"));
  auto* group = Named(new QGroupBox(QStringLiteral("Results Folder")), "ResultsGroup");
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(WrappedLabel(
      "ResultsLabel1", QStringLiteral("Every finished test is kept in the results beside the test. Where the "
                                      "student's computer cannot write there (a computer lab), the result is "
                                      "left as a small file in this folder instead, and File, Results... "
                                      "collects it from there.")));
  auto* browse = Named(new QPushButton(QStringLiteral("B&rowse...")), "ResultsBrowseButton");
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(ResultsFolderEdit, 1);
  folderRow->addWidget(browse);
  layout->addLayout(folderRow);
  connect(browse, &QPushButton::clicked, this, &TClientForm::ResultsBrowseButtonClick);
  layout->addWidget(WrappedLabel(
      "ResultsLabel2", QStringLiteral("Use a shared folder every student computer can write to. Make it a "
                                      "drop folder (mode 1733) so students cannot read each other's results; "
                                      "Help, Results tells how. A result that can be kept in neither place "
                                      "waits on the student's computer until the next start.")));
  layout->addStretch(1);
  auto* tab = Named(new QWidget, "TabSheet4");
  auto* tabLayout = new QVBoxLayout(tab);
  tabLayout->setContentsMargins(6, 6, 6, 6);
  tabLayout->addWidget(group);
  return tab;
}

void TClientForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (Loaded) return;
  Loaded = true;
  FormShow();
}

// Esc asks like Cancel; the title-bar close box goes through QDialog's own
// reject() and closes without asking or writing.
QString TClientForm::ConfigPath() const {
  return FromPath(ClientConfigPath(ToPath(Globals.ProgramFolder)));
}

void TClientForm::FormShow() {
  // A file that cannot be read closes the window with the error: showing the
  // defaults instead would let a later Apply write them over settings unseen.
  ClientConfig config;
  if (!RunGuarded(Globals.Dialogs, [&] { config = LoadClientConfig(ToPath(ConfigPath())); })) {
    ApplyButton->setEnabled(false);
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  RunGuarded(Globals.Dialogs, [&] {
    Edit1->clear();
    Edit1->setText(ToQString(config.Logo));
    // The stored name has no folder: it is looked up in the working folder.
    if (!Edit1->text().isEmpty() && IsFile(Edit1->text()))
      ShowPicture(Edit1->text());
    else
      ShowBuiltInLogo();

    // A fresh dialog has neither chosen, so this runs the about-box choice.
    (config.CustomAbout ? RadioButton1 : RadioButton2)->setChecked(true);
    Edit3->setText(ToQString(config.AboutWho));
    Edit2->setText(ToQString(config.AboutUrl));
    QStringList message;
    for (const std::string& line : config.AboutMessage) message << ToQString(line);
    Memo1->setPlainText(message.join(QLatin1Char('\n')));

    CheckBox1->setChecked(config.FullScreen);
    Edit4->setText(ToQString(config.HistoryPassword));
    CheckBox2->setChecked(!Edit4->text().isEmpty());
    CheckBox2Click();
    Edit5->setText(ToQString(config.ExitPassword));
    CheckBox3->setChecked(!Edit5->text().isEmpty());
    CheckBox3Click();
    ResultsFolderEdit->setText(FromPath(config.ResultsFolder));
  });
  // Every step above ran handlers that enable Apply; a fresh load has no changes.
  ApplyButton->setEnabled(false);
}

void TClientForm::ResultsBrowseButtonClick() {
  const std::optional<QString> chosen = Globals.Dialogs.ChooseFolder(
      {QStringLiteral("Results Folder"), QString(), QString(), ResultsFolderEdit->text().trimmed()});
  if (!chosen) return;
  ResultsFolderEdit->setText(*chosen);
  if (DropFolder::Offerable(*chosen)) DropFolder::Offer(Globals.Dialogs, *chosen);
}

void TClientForm::Button2Click() {
  const std::optional<QString> chosen =
      Globals.Dialogs.OpenFile({QString(), QString::fromLatin1(BitmapFilter), QString(), QString()});
  if (!chosen) return;
  QString logo = *chosen;
  RunGuarded(Globals.Dialogs, [&] { logo = LogoInEngineFolder(*chosen); });
  Edit1->setText(logo);
  if (IsFile(logo)) ShowPicture(logo);
}

QString TClientForm::LogoInEngineFolder(const QString& picked) {
  const QFileInfo file(picked);
  if (!file.isFile() || SameFile(ToPath(file.absolutePath()), ToPath(Globals.ProgramFolder))) return picked;
  const QString folder = QDir::toNativeSeparators(Globals.ProgramFolder);
  if (!Globals.Dialogs.Confirm(QStringLiteral("The engine looks for the logo in its own folder, ") + folder +
                               QStringLiteral(", and will not find ") + file.fileName() +
                               QStringLiteral(" where it is.\rCopy it into that folder?")))
    return picked;
  const QString copy = QDir(Globals.ProgramFolder).filePath(file.fileName());
  if (QFileInfo::exists(copy) &&
      !Globals.Dialogs.ConfirmRisk(QStringLiteral("A file named ") + file.fileName() +
                                   QStringLiteral(" is in ") + folder +
                                   QStringLiteral(" already.\rReplace it with the picture picked?")))
    return picked;
  TInputFile input(ToPath(picked));
  const TFileBytes bytes = input.ReadRest();
  ReplaceFileAtomically(ToPath(copy), std::string_view(bytes.Data.get(), bytes.Size));
  return copy;
}

void TClientForm::Edit1Change() {
  EnableApply();
  if (Edit1->text().isEmpty()) ShowBuiltInLogo();
}

void TClientForm::RadioButton1Click() {
  EnableApply();
  const bool on = RadioButton1->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{Label7, Label8, Label9, Edit2, Edit3, Memo1})
    control->setEnabled(on);
  for (QWidget* box : std::initializer_list<QWidget*>{Edit2, Edit3, Memo1}) SetBoxBackground(box, on);
}

void TClientForm::CheckBox2Click() {
  PasswordChoice(CheckBox2, Label12, Edit4);
}

void TClientForm::CheckBox3Click() {
  PasswordChoice(CheckBox3, Label14, Edit5);
}

void TClientForm::PasswordChoice(QCheckBox* check, QLabel* label, QLineEdit* box) {
  EnableApply();
  const bool on = check->isChecked();
  label->setEnabled(on);
  if (!on) box->clear();
  box->setEnabled(on);
  SetBoxBackground(box, on);
}

void TClientForm::ShowPicture(const QString& path) {
  QImageReader reader(path);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    ShowBuiltInLogo();
    LogoError->setText(
        QStringLiteral("The file \"%1\" could not be read as a picture; the built-in logo is shown.")
            .arg(QDir::toNativeSeparators(path)));
    LogoError->show();
    return;
  }
  Image2->setPixmap(QPixmap::fromImage(picture));
  Image2->show();
  Image1->hide();
  LogoError->hide();
}

void TClientForm::ShowBuiltInLogo() {
  Image2->hide();
  Image2->clear();
  Image1->show();
  LogoError->hide();
}

bool TClientForm::Save() {
  const QStringList message = ShownLines(Memo1);
  // Only the file name of the logo is stored, so only it has to fit the code page.
  const QString logoName = FromPath(LogoFileName(ToPath(Edit1->text())));
  if (!StorableOrAsk(Globals.Dialogs, {logoName, Edit2->text(), Edit3->text(), Edit4->text(), Edit5->text(),
                                       message.join(QLatin1Char('\n'))}))
    return false;

  ClientConfig config;
  config.Logo = ToCp1252(Edit1->text());
  config.CustomAbout = RadioButton1->isChecked();
  config.AboutWho = ToCp1252(Edit3->text());
  config.AboutUrl = ToCp1252(Edit2->text());
  for (const QString& line : message) config.AboutMessage.push_back(ToCp1252(line));
  config.FullScreen = CheckBox1->isChecked();
  config.HistoryPassword = ToCp1252(Edit4->text());
  config.ExitPassword = ToCp1252(Edit5->text());
  config.ResultsFolder = ToPath(ResultsFolderEdit->text().trimmed());
  if (!RunGuarded(Globals.Dialogs, [&] { SaveClientConfig(ToPath(ConfigPath()), config); })) return false;
  ApplyButton->setEnabled(false);
  return true;
}
