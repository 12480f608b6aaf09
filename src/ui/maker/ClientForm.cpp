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

//: A file dialog's filter: the text before "|" is shown, the pattern after it kept.
const char* const BitmapFilter = QT_TRANSLATE_NOOP("TClientForm", "Bitmap Files (BMP)|*.BMP");

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

// A page of the tabs, holding group.
QWidget* Tab(const char* name, QWidget* group) {
  auto* tab = Named(new QWidget, name);
  auto* column = new QVBoxLayout(tab);
  column->setContentsMargins(6, 6, 6, 6);
  column->addWidget(group);
  return tab;
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
  setWindowTitle(tr("Client Configuration"));

  auto* title = Named(new QLabel(tr("Client Configuration")), "Panel1");
  title->setFrameStyle(QFrame::Panel | QFrame::Raised);
  title->setAlignment(Qt::AlignCenter);
  title->setFont(PixelFont(16, true));
  QPalette titlePalette = title->palette();
  titlePalette.setColor(QPalette::WindowText, Navy);
  title->setPalette(titlePalette);
  title->setFixedHeight(30);

  auto* intro = WrappedLabel("Label1", tr("These settings effect the entire Quizwell engine.    You must "
                                          "include the QWTEST.CFG file with the Quizwell engine for these "
                                          "settings to take effect."));

  auto* tabs = Named(new QTabWidget, "PageControl1");
  tabs->addTab(BuildLogoTab(), tr("Custom Logo"));
  tabs->addTab(BuildAboutTab(), tr("Custom About Box"));
  tabs->addTab(BuildBehaviorTab(), tr("Client Behavior"));
  tabs->addTab(BuildResultsTab(), tr("Results"));
  tabs->setCurrentIndex(1);

  auto* rule = Named(new QFrame, "Panel2");
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  QHBoxLayout* buttons = CreateButtonRow(80);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 8, 8, 8);
  page->setSpacing(5);
  page->addWidget(title);
  page->addWidget(intro);
  page->addWidget(tabs, 1);
  page->addWidget(rule);
  page->addLayout(buttons);

  connect(LogoBrowseButton, &QPushButton::clicked, this, &TClientForm::ChooseLogo);
  connect(LogoNameEdit, &QLineEdit::textChanged, this, &TClientForm::LogoNameChanged);
  // Either option button becoming chosen is the about-box choice; a click on the
  // one already chosen changes nothing.
  for (QRadioButton* option : {CustomAboutOption, NoCustomAboutOption})
    connect(option, &QRadioButton::toggled, this, [this](bool chosen) {
      if (chosen) AboutChoiceChanged();
    });
  connect(HistoryLockCheck, &QCheckBox::clicked, this, &TClientForm::HistoryLockChanged);
  connect(ExitLockCheck, &QCheckBox::clicked, this, &TClientForm::ExitLockChanged);
  // The full-screen box, the about-box texts and the passwords only record that
  // something changed.
  connect(FullScreenCheck, &QCheckBox::clicked, this, &TApplyDialog::EnableApply);
  for (QLineEdit* box : {AboutUrlEdit, AboutWhoEdit, HistoryPasswordEdit, ExitPasswordEdit})
    connect(box, &QLineEdit::textChanged, this, &TApplyDialog::EnableApply);
  connect(AboutMessageMemo, &QPlainTextEdit::textChanged, this, &TApplyDialog::EnableApply);
  connect(ResultsFolderEdit, &QLineEdit::textChanged, this, &TApplyDialog::EnableApply);
  InstallHelpKey(this, Globals.Help, HelpContext::Client);
  FixSizeAtLeast(this, QSize(578, 524));

  CentreOnScreen(this);
}

QWidget* TClientForm::BuildLogoTab() {
  LogoNameEdit = Named(new QLineEdit, "Edit1");
  LogoBrowseButton = PushButton("Button2", tr("&Browse"));

  auto* preview = Named(new QFrame, "Preview");
  preview->setFixedSize(LogoWidth, LogoHeight);
  BuiltInLogoImage = Named(new QLabel(preview), "Image1");
  BuiltInLogoImage->setGeometry(0, 0, LogoWidth, LogoHeight);
  BuiltInLogoImage->setPixmap(PaintBuiltInLogo());
  CustomLogoImage = Named(new QLabel(preview), "Image2");
  CustomLogoImage->setGeometry(0, 0, LogoWidth, LogoHeight);
  CustomLogoImage->setAlignment(Qt::AlignCenter);
  CustomLogoImage->hide();

  LogoError = WrappedLabel("LogoError", QString());
  QPalette errorPalette = LogoError->palette();
  errorPalette.setColor(QPalette::WindowText, Qt::darkRed);
  LogoError->setPalette(errorPalette);
  LogoError->hide();

  auto* group = Named(new QGroupBox(tr("Custom Logo")), "GroupBox1");
  auto* layout = new QVBoxLayout(group);
  layout->setSpacing(6);
  layout->addWidget(WrappedLabel("Label2", tr("You can customize the appearance of the tests you distribute "
                                              "by adding your own logo to the interface. ")));
  auto* logoRow = new QHBoxLayout;
  logoRow->addWidget(LogoNameEdit, 1);
  logoRow->addWidget(LogoBrowseButton);
  layout->addLayout(logoRow);
  layout->addWidget(preview, 0, Qt::AlignHCenter);
  layout->addWidget(LogoError);
  layout->addWidget(
      WrappedLabel("Label3", tr("Place the bitmap (.bmp extension) file into the same directory "
                                "that will contain the Quizwell files. The bitmap can be 139 "
                                "pixels high x 471 pixels wide.")));
  layout->addWidget(WrappedLabel("Label4", tr("To ensure compatibility with the video capabilities of the "
                                              "computer it will be viewed on, the graphic should be composed "
                                              "in 16 or 256 colors using the standard Windows palette. ")));
  layout->addWidget(WrappedLabel("Label5", tr("You should experiment with a variety of color settings to see "
                                              "what works best.")));
  layout->addStretch(1);

  return Tab("TabSheet1", group);
}

QWidget* TClientForm::BuildAboutTab() {
  CustomAboutOption = Named(new QRadioButton(tr("Use custom About Box")), "RadioButton1");
  NoCustomAboutOption = Named(new QRadioButton(tr("Do not use custom About Box")), "RadioButton2");
  AboutWhoLabel = Named(new QLabel(tr("About...")), "Label9");
  AboutWhoEdit = Named(new QLineEdit, "Edit3");
  AboutMessageLabel = Named(new QLabel(tr("Custom message for about box (shown actual size)")), "Label7");
  AboutMessageMemo = Named(new QPlainTextEdit, "Memo1");
  AboutMessageMemo->setFixedSize(473, 175);
  AboutMessageMemo->setFont(PixelFont(11));
  AboutMessageMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  AboutMessageMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  AboutMessageMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  AboutMessageMemo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  AboutUrlLabel = Named(new QLabel(tr("Web page URL")), "Label8");
  AboutUrlEdit = Named(new QLineEdit, "Edit2");
  AboutWhoLabel->setFixedWidth(90);
  AboutUrlLabel->setFixedWidth(90);

  auto* choices = new QHBoxLayout;
  choices->addWidget(CustomAboutOption);
  choices->addWidget(NoCustomAboutOption);
  choices->addStretch(1);

  auto* group = Named(new QGroupBox(tr("Custom About Box")), "GroupBox2");
  auto* layout = new QVBoxLayout(group);
  layout->setSpacing(4);
  layout->addWidget(WrappedLabel("Label6", tr("You can have your own \"About\" box from the \"Help\" menu.  "
                                              "You can have your own custom message in this about box.  The "
                                              "logo displayed will be the same as specified on the \"Custom "
                                              "Logo\" tab.")));
  layout->addLayout(choices);
  layout->addLayout(Row(AboutWhoLabel, AboutWhoEdit));
  layout->addWidget(AboutMessageLabel);
  layout->addWidget(AboutMessageMemo, 0, Qt::AlignLeft);
  layout->addLayout(Row(AboutUrlLabel, AboutUrlEdit));
  layout->addStretch(1);

  return Tab("TabSheet2", group);
}

QWidget* TClientForm::BuildBehaviorTab() {
  FullScreenCheck = Named(new QCheckBox(tr("Enable Full Screen mode.")), "CheckBox1");
  HistoryLockCheck = Named(new QCheckBox(tr("Require test history password")), "CheckBox2");
  ExitLockCheck = Named(new QCheckBox(tr("Require exit password")), "CheckBox3");
  HistoryPasswordLabel = Named(new QLabel(tr("History Password")), "Label12");
  ExitPasswordLabel = Named(new QLabel(tr("Exit Password")), "Label14");
  HistoryPasswordEdit = Named(new QLineEdit, "Edit4");
  ExitPasswordEdit = Named(new QLineEdit, "Edit5");
  HistoryPasswordLabel->setMinimumWidth(110);
  ExitPasswordLabel->setMinimumWidth(110);

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
  auto* historyRow = Row(HistoryPasswordLabel, HistoryPasswordEdit);
  auto* exitRow = Row(ExitPasswordLabel, ExitPasswordEdit);
  HistoryPasswordEdit->setFixedWidth(200);
  ExitPasswordEdit->setFixedWidth(200);

  auto* tab = Named(new QWidget, "TabSheet3");
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(group("GroupBox8", tr("Full Screen Mode"),
                          {WrappedLabel("Label10", tr("Full screen mode forces Quizwell to occupy the "
                                                      "student's entire screen and only allows the student "
                                                      "to use Quizwell and no other programs.")),
                           FullScreenCheck},
                          nullptr));
  layout->addWidget(group("GroupBox3", tr("Test history Lock"),
                          {WrappedLabel("Label11", tr("You can allow the student to view their test history "
                                                      "or lock test history so a password is required.")),
                           HistoryLockCheck},
                          historyRow));
  layout->addWidget(group(
      "GroupBox4", tr("Exit Password"),
      {WrappedLabel("Label13", tr("You can require a password to exit Quizwell.")), ExitLockCheck}, exitRow));
  layout->addStretch(1);
  return tab;
}

QWidget* TClientForm::BuildResultsTab() {
  ResultsFolderEdit = Named(new QLineEdit, "ResultsFolderEdit");
  ResultsFolderEdit->setPlaceholderText(QStringLiteral("/srv/results/biology"));
  auto* group = Named(new QGroupBox(tr("Results Folder")), "ResultsGroup");
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(WrappedLabel("ResultsLabel1",
                                 tr("Every finished test is kept in the results beside the test. Where the "
                                    "student's computer cannot write there (a computer lab), the result is "
                                    "left as a small file in this folder instead, and File, Results... "
                                    "collects it from there.")));
  auto* browse = Named(new QPushButton(tr("B&rowse...")), "ResultsBrowseButton");
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(ResultsFolderEdit, 1);
  folderRow->addWidget(browse);
  layout->addLayout(folderRow);
  connect(browse, &QPushButton::clicked, this, &TClientForm::ResultsBrowseButtonClick);
  layout->addWidget(WrappedLabel("ResultsLabel2",
                                 tr("Use a shared folder every student computer can write to. Make it a "
                                    "drop folder (mode 1733) so students cannot read each other's results; "
                                    "Help, Results tells how. A result that can be kept in neither place "
                                    "waits on the student's computer until the next start.")));
  layout->addStretch(1);
  return Tab("TabSheet4", group);
}

void TClientForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (Loaded) return;
  Loaded = true;
  LoadConfig();
}

QString TClientForm::ConfigPath() const {
  return FromPath(ClientConfigPath(ToPath(Globals.ProgramFolder)));
}

void TClientForm::LoadConfig() {
  // A file that cannot be read closes the window with the error: showing the
  // defaults instead would let a later Apply write them over settings unseen.
  ClientConfig config;
  if (!RunGuarded(Globals.Dialogs, [&] { config = LoadClientConfig(ToPath(ConfigPath())); })) {
    ApplyButton->setEnabled(false);
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  RunGuarded(Globals.Dialogs, [&] {
    LogoNameEdit->clear();
    LogoNameEdit->setText(ToQString(config.Logo));
    // The stored name has no folder: it is looked up in the working folder.
    if (!LogoNameEdit->text().isEmpty() && IsFile(LogoNameEdit->text()))
      ShowPicture(LogoNameEdit->text());
    else
      ShowBuiltInLogo();

    // A fresh dialog has neither chosen, so this runs the about-box choice.
    (config.CustomAbout ? CustomAboutOption : NoCustomAboutOption)->setChecked(true);
    AboutWhoEdit->setText(ToQString(config.AboutWho));
    AboutUrlEdit->setText(ToQString(config.AboutUrl));
    QStringList message;
    for (const std::string& line : config.AboutMessage) message << ToQString(line);
    AboutMessageMemo->setPlainText(message.join(QLatin1Char('\n')));

    FullScreenCheck->setChecked(config.FullScreen);
    HistoryPasswordEdit->setText(ToQString(config.HistoryPassword));
    HistoryLockCheck->setChecked(!HistoryPasswordEdit->text().isEmpty());
    HistoryLockChanged();
    ExitPasswordEdit->setText(ToQString(config.ExitPassword));
    ExitLockCheck->setChecked(!ExitPasswordEdit->text().isEmpty());
    ExitLockChanged();
    ResultsFolderEdit->setText(FromPath(config.ResultsFolder));
  });
  // Every step above ran handlers that enable Apply; a fresh load has no changes.
  ApplyButton->setEnabled(false);
}

void TClientForm::ResultsBrowseButtonClick() {
  const std::optional<QString> chosen = Globals.Dialogs.ChooseFolder(
      {tr("Results Folder"), QString(), QString(), ResultsFolderEdit->text().trimmed()});
  if (!chosen) return;
  ResultsFolderEdit->setText(*chosen);
  if (DropFolder::Offerable(*chosen)) DropFolder::Offer(Globals.Dialogs, *chosen);
}

void TClientForm::ChooseLogo() {
  const std::optional<QString> chosen =
      Globals.Dialogs.OpenFile({QString(), tr(BitmapFilter), QString(), QString()});
  if (!chosen) return;
  QString logo = *chosen;
  RunGuarded(Globals.Dialogs, [&] { logo = LogoInEngineFolder(*chosen); });
  LogoNameEdit->setText(logo);
  if (IsFile(logo)) ShowPicture(logo);
}

QString TClientForm::LogoInEngineFolder(const QString& picked) {
  const QFileInfo file(picked);
  if (!file.isFile() || SameFile(ToPath(file.absolutePath()), ToPath(Globals.ProgramFolder))) return picked;
  const QString folder = QDir::toNativeSeparators(Globals.ProgramFolder);
  //: %1 is the engine's folder, %2 the picture's file name.
  if (!Globals.Dialogs.Confirm(tr("The engine looks for the logo in its own folder, %1, and will not find %2 "
                                  "where it is.\rCopy it into that folder?")
                                   .arg(folder, file.fileName())))
    return picked;
  const QString copy = QDir(Globals.ProgramFolder).filePath(file.fileName());
  if (QFileInfo::exists(copy) &&
      //: %1 is a file name, %2 the engine's folder.
      !Globals.Dialogs.ConfirmRisk(
          tr("A file named %1 is in %2 already.\rReplace it with the picture picked?")
              .arg(file.fileName(), folder)))
    return picked;
  TInputFile input(ToPath(picked));
  const TFileBytes bytes = input.ReadRest();
  ReplaceFileAtomically(ToPath(copy), std::string_view(bytes.Data.get(), bytes.Size));
  return copy;
}

void TClientForm::LogoNameChanged() {
  EnableApply();
  if (LogoNameEdit->text().isEmpty()) ShowBuiltInLogo();
}

void TClientForm::AboutChoiceChanged() {
  EnableApply();
  const bool on = CustomAboutOption->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{AboutMessageLabel, AboutUrlLabel, AboutWhoLabel,
                                                          AboutUrlEdit, AboutWhoEdit, AboutMessageMemo})
    control->setEnabled(on);
  for (QWidget* box : std::initializer_list<QWidget*>{AboutUrlEdit, AboutWhoEdit, AboutMessageMemo})
    SetBoxBackground(box, on);
}

void TClientForm::HistoryLockChanged() {
  PasswordChoice(HistoryLockCheck, HistoryPasswordLabel, HistoryPasswordEdit);
}

void TClientForm::ExitLockChanged() {
  PasswordChoice(ExitLockCheck, ExitPasswordLabel, ExitPasswordEdit);
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
    LogoError->setText(tr("The file \"%1\" could not be read as a picture; the built-in logo is shown.")
                           .arg(QDir::toNativeSeparators(path)));
    LogoError->show();
    return;
  }
  CustomLogoImage->setPixmap(QPixmap::fromImage(picture));
  CustomLogoImage->show();
  BuiltInLogoImage->hide();
  LogoError->hide();
}

void TClientForm::ShowBuiltInLogo() {
  CustomLogoImage->hide();
  CustomLogoImage->clear();
  BuiltInLogoImage->show();
  LogoError->hide();
}

bool TClientForm::Save() {
  const QStringList message = ShownLines(AboutMessageMemo);
  // Only the file name of the logo is stored, so only it has to fit the code page.
  const QString logoName = FromPath(LogoFileName(ToPath(LogoNameEdit->text())));
  if (!StorableOrAsk(Globals.Dialogs,
                     {logoName, AboutUrlEdit->text(), AboutWhoEdit->text(), HistoryPasswordEdit->text(),
                      ExitPasswordEdit->text(), message.join(QLatin1Char('\n'))}))
    return false;

  ClientConfig config;
  config.Logo = ToCoreText(LogoNameEdit->text());
  config.CustomAbout = CustomAboutOption->isChecked();
  config.AboutWho = ToCoreText(AboutWhoEdit->text());
  config.AboutUrl = ToCoreText(AboutUrlEdit->text());
  for (const QString& line : message) config.AboutMessage.push_back(ToCoreText(line));
  config.FullScreen = FullScreenCheck->isChecked();
  config.HistoryPassword = ToCoreText(HistoryPasswordEdit->text());
  config.ExitPassword = ToCoreText(ExitPasswordEdit->text());
  config.ResultsFolder = ToPath(ResultsFolderEdit->text().trimmed());
  if (!RunGuarded(Globals.Dialogs, [&] { SaveClientConfig(ToPath(ConfigPath()), config); })) return false;
  ApplyButton->setEnabled(false);
  return true;
}
