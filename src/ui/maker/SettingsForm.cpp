#include "ui/maker/SettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/Languages.h"
#include "core/model/TestFile.h"
#include "core/run/ExtraTime.h"
#include "core/run/QuestionDraw.h"
#include "ui/maker/ExtraTimeForm.h"
#include "ui/platform/ApplyDialog.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/PaperWords.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"
#include "ui/platform/WriteOver.h"

QString TSettingsForm::SavedTimeText;

namespace {

QString InvalidTimeText() {
  return QCoreApplication::translate(
      "TSettingsForm", "Invalid time format.  Maximum values are 23:59:59.\rPlease enter again.");
}
// The box the student sees the messages in: its size and font decide where
// lines wrap, and so what the instructor types is what the student reads.
constexpr int MemoWidth = 337;
constexpr int MemoHeight = 161;
constexpr int MemoFontPixels = 13;

QLabel* Label(const char* name, const QString& text) {
  return Named(new QLabel(text), name);
}

QLabel* Explanation(const char* name, const QString& text) {
  QLabel* label = Label(name, text);
  label->setWordWrap(true);
  return label;
}

// A group's column, headed by its explanation, with the control it explains
// (if given) under it.
QVBoxLayout* Explained(const char* name, const QString& text, QWidget* control = nullptr) {
  auto* column = new QVBoxLayout;
  column->addWidget(Explanation(name, text));
  if (control) column->addWidget(control);
  return column;
}

QGroupBox* Group(const char* name, const QString& caption, QLayout* contents) {
  QGroupBox* group = Named(new QGroupBox(caption), name);
  contents->setContentsMargins(6, 3, 6, 5);
  contents->setSpacing(4);
  group->setLayout(contents);
  return group;
}

QComboBox* PickList(const char* name, const QStringList& entries) {
  QComboBox* list = Named(new QComboBox, name);
  list->addItems(entries);
  list->setCurrentIndex(-1);
  return list;
}

// A choice under its explanation, as Explained lays it out; list is set to
// the choice's list.
QVBoxLayout* Choice(QComboBox*& list, const char* listName, const QStringList& entries, const char* name,
                    const QString& text) {
  list = PickList(listName, entries);
  return Explained(name, text, list);
}

QSpinBox* SpinEdit(const char* name, int highest) {
  QSpinBox* box = Named(new QSpinBox, name);
  box->setRange(0, highest);
  box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  return box;
}

QCheckBox* CheckBox(const char* name, const QString& caption, bool checked) {
  QCheckBox* box = Named(new QCheckBox(caption), name);
  box->setChecked(checked);
  return box;
}

// Text in a spin box that is not a whole number counts as 0.
int SpinValue(const QSpinBox* box) {
  bool ok = false;
  const int value = box->cleanText().toInt(&ok);
  return ok ? std::clamp(value, box->minimum(), box->maximum()) : 0;
}

TStrings CoreLines(const QStringList& lines) {
  TStrings converted;
  converted.reserve(lines.size());
  for (const QString& line : lines) converted.push_back(ToCoreText(line));
  return converted;
}

QString JoinedLines(const TStrings& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << ToQString(line);
  return shown.join(QLatin1Char('\n'));
}

QTextEdit* MessageMemo(const char* name) {
  QTextEdit* memo = Named(new QTextEdit, name);
  memo->setAcceptRichText(false);
  memo->setTabChangesFocus(true);
  memo->setFixedSize(MemoWidth, MemoHeight);
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(MemoFontPixels);
  font.setBold(true);
  memo->setFont(font);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // The wrap width is fixed here rather than taken from the viewport, which a
  // box on a page never opened does not have yet: the lines written must be
  // the lines shown even when the page was never looked at.
  memo->ensurePolished();
  const int scrollBar =
      memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo->verticalScrollBar());
  memo->setLineWrapMode(QTextEdit::FixedPixelWidth);
  memo->setLineWrapColumnOrWidth(MemoWidth - 2 * memo->frameWidth() - scrollBar);
  return memo;
}

}  // namespace

TSettingsForm::TSettingsForm(TGlobals& globals, QWidget* parent)
    : TApplyDialog(globals.Dialogs, parent), Globals(globals) {
  setWindowTitle(tr("Global Test Settings"));
  // A compact font keeps every explanation of the fixed-size window readable.
  QFont dialogFont = font();
  dialogFont.setPixelSize(11);
  setFont(dialogFont);

  QLabel* panel1 = Label("Panel1", tr("Global Test Settings"));
  QFont titleFont = panel1->font();
  titleFont.setBold(true);
  titleFont.setPixelSize(16);
  panel1->setFont(titleFont);
  panel1->setStyleSheet(QStringLiteral("color: navy;"));
  panel1->setAlignment(Qt::AlignCenter);
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setFixedHeight(30);

  Edit1 = Named(new QLineEdit, "Edit1");
  auto* descriptionLayout = new QVBoxLayout;
  descriptionLayout->addWidget(Edit1);
  QGroupBox* groupBox1 = Group("GroupBox1", tr("Test Description"), descriptionLayout);

  auto* pageControl = Named(new QTabWidget, "PageControl1");
  pageControl->addTab(CreateSettingsPage1(), tr("Settings Page 1"));
  pageControl->addTab(CreateSettingsPage2(), tr("Settings Page 2"));
  pageControl->addTab(CreateMessagePage("TabSheet3", "GroupBox11", tr("Test Begin Message"), "Label16",
                                        tr("Enter anything you would like to tell the student "
                                           "before they begin the test."),
                                        "Label18", Memo1, "Memo1"),
                      tr("Begin Test Message"));
  pageControl->addTab(CreateMessagePage("TabSheet4", "GroupBox13", tr("Complete Test Message"), "Label17",
                                        tr("Enter anything you would like to tell the student "
                                           "after they complete the test."),
                                        "Label20", Memo2, "Memo2"),
                      tr("Complete Test Message"));
  pageControl->addTab(CreateBlueprintPage(), tr("Question Bank"));
  pageControl->setCurrentIndex(0);

  auto* panel2 = Named(new QFrame, "Panel2");
  panel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  QHBoxLayout* buttons = CreateButtonRow(80);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(5);
  layout->addWidget(panel1);
  layout->addWidget(groupBox1);
  layout->addWidget(pageControl, 1);
  layout->addWidget(panel2);
  layout->addLayout(buttons);

  connect(SpinButton1, &TSpinButton::UpClick, this, &TSettingsForm::SpinButton1UpClick);
  connect(SpinButton1, &TSpinButton::DownClick, this, &TSettingsForm::SpinButton1DownClick);
  OnFieldLeft(
      MaskEdit1, [this] { MaskEdit1Exit(); }, [this] { MaskEdit1Enter(); });
  BindChanges();
  InstallHelpKey(this, Globals.Help, HelpContext::Settings);
  FixSizeAtLeast(this, QSize(578, 524));

  CentreOnScreen(this);
}

QWidget* TSettingsForm::CreateSettingsPage1() {
  MaskEdit1 = Named(new QLineEdit, "MaskEdit1");
  MaskEdit1->setInputMask(QStringLiteral("99:99:99;0"));
  MaskEdit1->setMaxLength(8);
  MaskEdit1->setToolTip(tr("Hours : Minutes : Seconds"));
  MaskEdit1->setFixedWidth(MaskEdit1->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 12);
  SpinButton1 = Named(new TSpinButton, "SpinButton1");
  SpinButton1->findChild<QToolButton*>(QStringLiteral("Up"))->setAccessibleName(tr("More time"));
  SpinButton1->findChild<QToolButton*>(QStringLiteral("Down"))->setAccessibleName(tr("Less time"));
  auto* timeRow = new QHBoxLayout;
  timeRow->setSpacing(2);
  timeRow->addWidget(Label("Label2", tr("Time Allowed (HH:MM:SS)")));
  timeRow->addWidget(MaskEdit1);
  timeRow->addWidget(SpinButton1);
  timeRow->addStretch();
  auto* extraTime = Named(new QPushButton(tr("E&xtra Time per Student...")), "ExtraTimeButton");
  extraTime->setAutoDefault(false);  // Enter in a field never opens it
  connect(extraTime, &QPushButton::clicked, this, [this] {
    TExtraTimeForm form(ToPath(Globals.CurrentTestPath), PendingExtraTime, Globals.Dialogs, this);
    if (form.exec() != QDialog::Accepted) return;
    PendingExtraTime = form.List();
    EnableApply();
  });
  // On a line of its own: beside the time field it would cut both captions.
  auto* extraTimeRow = new QHBoxLayout;
  extraTimeRow->addWidget(extraTime);
  extraTimeRow->addStretch();
  auto* time = Explained("Label6", tr("Leave blank or set to all zeros if this is not a timed test."));
  time->addLayout(timeRow);
  time->addLayout(extraTimeRow);

  auto* ordering =
      Choice(ComboBox2, "ComboBox2", {tr("Show questions in order"), tr("Randomize the questions")}, "Label8",
             tr("Questions can be presented to the student in the same "
                "order they were prepared or they can be presented at "
                "random."));

  auto* checking = Choice(ComboBox1, "ComboBox1",
                          {tr("Do not allow answer checking"), tr("Allow answer checking")}, "Label7",
                          tr("This setting specifies whether or not a student can "
                             "check answers while the test is being taken."));

  auto* requirement = Choice(ComboBox3, "ComboBox3",
                             {tr("Can leave answer blank"), tr("Must answer before going to next")}, "Label9",
                             tr("You can require the student to answer a question "
                                "before moving on to the next, or you can let them "
                                "leave answers blank."));

  SpinEdit2 = SpinEdit("SpinEdit2", TestSettings::MaxPassPoint);
  auto* passRow = new QHBoxLayout;
  passRow->addWidget(Label("Label11", tr("Pass point")));
  passRow->addWidget(SpinEdit2);
  passRow->addWidget(Label("Label12", QStringLiteral("%")));
  passRow->addStretch();
  auto* pass = Explained("Label10", tr("This will inform the student if they have passed or "
                                       "failed the test.  Set to zero if you do not want to "
                                       "report pass/fail."));
  pass->addLayout(passRow);

  SpinEdit3 = SpinEdit("SpinEdit3", TestSettings::MaxQuestionLimit);
  CheckBox6 = CheckBox("CheckBox6", tr("Allow student to specify maximum questions"), false);
  auto* maxRow = new QHBoxLayout;
  maxRow->addWidget(Label("Label4", tr("Maximum Questions")));
  maxRow->addWidget(SpinEdit3);
  maxRow->addStretch();
  auto* maximum = Explained("Label13", tr("You can specify that only a subset of all questions "
                                          "are asked.  Set to zero to ask all questions."));
  maximum->addLayout(maxRow);
  maximum->addWidget(CheckBox6);

  // Two columns that share out their height each on its own: the right one
  // holds the longest texts and the widest check box caption.
  auto* left = new QVBoxLayout;
  for (QGroupBox* group :
       {Group("GroupBox2", tr("Test Time"), time), Group("GroupBox3", tr("Answer Checking"), checking),
        Group("GroupBox6", tr("Pass Point"), pass)}) {
    group->setFixedWidth(248);
    left->addWidget(group);
  }
  auto* right = new QVBoxLayout;
  right->addWidget(Group("GroupBox4", tr("Question Ordering"), ordering));
  right->addWidget(Group("GroupBox5", tr("Answer Requirement"), requirement));
  right->addWidget(Group("GroupBox7", tr("Maximum Questions"), maximum));
  auto* columns = new QHBoxLayout;
  columns->setContentsMargins(4, 4, 4, 4);
  columns->setSpacing(4);
  columns->addLayout(left);
  columns->addLayout(right);
  auto* page = Named(new QWidget, "TabSheet1");
  page->setLayout(columns);
  return page;
}

QWidget* TSettingsForm::CreateSettingsPage2() {
  CheckBox1 = CheckBox("CheckBox1", tr("Allow hot links during test."), true);
  CheckBox2 = CheckBox("CheckBox2", tr("Show references while taking test."), true);
  CheckBox3 = CheckBox("CheckBox3", tr("Allow hot links during review."), true);
  CheckBox4 = CheckBox("CheckBox4", tr("Show references during review."), true);
  auto* boxes = new QGridLayout;
  boxes->addWidget(Label("Label3", tr("While Testing")), 0, 0);
  boxes->addWidget(CheckBox1, 1, 0);
  boxes->addWidget(CheckBox2, 2, 0);
  boxes->addWidget(Label("Label5", tr("While Reviewing")), 0, 1);
  boxes->addWidget(CheckBox3, 1, 1);
  boxes->addWidget(CheckBox4, 2, 1);
  auto* links = Explained("Label1", tr("These settings specify if the student can pop-up hot "
                                       "links and view references while taking the test and "
                                       "while reviewing missed questions."));
  links->addLayout(boxes);

  auto* timers =
      Choice(ComboBox4, "ComboBox4",
             {tr("Non-Scrolling timers"), tr("Scrolling timers"), tr("Do not display timers")}, "Label14",
             tr("This setting specifies the timer type to display (both "
                "elapsed timer and test timer)"));

  RadioButton1 = Named(new QRadioButton(tr("Do not allow test review")), "RadioButton1");
  RadioButton2 = Named(new QRadioButton(tr("Allow test review")), "RadioButton2");
  CheckBox5 = CheckBox("CheckBox5", tr("Allow review of skipped questions"), false);
  auto* skipped = new QHBoxLayout;
  skipped->addSpacing(20);
  skipped->addWidget(CheckBox5);
  auto* review = Explained("Label15", tr("This setting specifies whether or not the student can "
                                         "review the test after taking it."));
  review->addWidget(RadioButton1);
  review->addWidget(RadioButton2);
  review->addLayout(skipped);

  // The languages by name; the tag each stands for is the entry's data, and
  // the first entry, no language, stores nothing.
  ComboBox5 = Named(new QComboBox, "ComboBox5");
  ComboBox5->addItem(tr("(not set)"), QString());
  for (const Languages::TLanguage& language : Languages::Known())
    ComboBox5->addItem(FromUtf8(std::string(language.Name)), FromUtf8(std::string(language.Tag)));
  auto* language = Explained("Label16", tr("The language of the test's text picks the spelling "
                                           "dictionary and lays out Arabic and Hebrew right to left."));
  language->addWidget(ComboBox5);

  auto* layout = new QVBoxLayout;
  layout->addWidget(Group("GroupBox8", tr("Hot Links and References"), links));
  layout->addWidget(Group("GroupBox9", tr("Time Display"), timers));
  layout->addWidget(Group("GroupBox10", tr("Test Review"), review));
  layout->addWidget(Group("GroupBox11", tr("Language"), language));
  layout->addStretch();
  auto* page = Named(new QWidget, "TabSheet2");
  page->setLayout(layout);
  return page;
}

QWidget* TSettingsForm::CreateMessagePage(const char* pageName, const char* groupName,
                                          const QString& groupCaption, const char* introName,
                                          const QString& intro, const char* noteName, QTextEdit*& memo,
                                          const char* memoName) {
  memo = MessageMemo(memoName);
  auto* contents = Explained(introName, intro);
  contents->addWidget(memo, 0, Qt::AlignHCenter);
  contents->addWidget(Explanation(noteName, tr("Note: This entry box is the same size and uses the "
                                               "same font as will be displayed to the student.")));
  contents->addStretch();
  auto* layout = new QVBoxLayout;
  layout->addWidget(Group(groupName, groupCaption, contents));
  auto* page = Named(new QWidget, pageName);
  page->setLayout(layout);
  return page;
}

QWidget* TSettingsForm::CreateBlueprintPage() {
  BlueprintGrid = Named(new QTableWidget(0, 3), "BlueprintGrid");
  BlueprintGrid->setHorizontalHeaderLabels({tr("Category"), tr("Questions asked"), tr("One of each tag")});
  BlueprintGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  BlueprintGrid->verticalHeader()->hide();
  BlueprintGrid->setAccessibleName(tr("Questions asked of each category"));
  auto* layout = new QVBoxLayout;
  auto* intro = Label("LabelBlueprint", tr("Each student is asked this many questions of each category "
                                           "(and of the categories under it, such as Mechanics/Forces "
                                           "under Mechanics). Leave it empty to use Maximum Questions."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  layout->addWidget(BlueprintGrid);
  auto* page = Named(new QWidget, "TabSheetBlueprint");
  page->setLayout(layout);
  ShowBlueprint({});
  return page;
}

void TSettingsForm::AppendBlueprintRow(const QString& category, const QString& count, bool eachTag) {
  const QSignalBlocker quiet(BlueprintGrid);
  const int row = BlueprintGrid->rowCount();
  BlueprintGrid->insertRow(row);
  BlueprintGrid->setItem(row, 0, new QTableWidgetItem(category));
  BlueprintGrid->setItem(row, 1, new QTableWidgetItem(count));
  auto* tags = new QTableWidgetItem;
  tags->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
  tags->setCheckState(eachTag ? Qt::Checked : Qt::Unchecked);
  BlueprintGrid->setItem(row, 2, tags);
}

void TSettingsForm::ShowBlueprint(const std::string& blueprint) {
  BlueprintGrid->setRowCount(0);
  // A stored blueprint that does not read is shown as it stands, to be mended.
  const QuestionDraw::TParsed parsed = QuestionDraw::Parse(blueprint);
  if (!parsed.Error.empty()) AppendBlueprintRow(ToQString(blueprint), {}, false);
  for (const QuestionDraw::TRow& line : parsed.Blueprint.Rows)
    AppendBlueprintRow(ToQString(line.Category), QString::number(line.Count), line.EachTag);
  AppendBlueprintRow({}, {}, false);
}

std::string TSettingsForm::BlueprintText() const {
  std::string text;
  for (int row = 0; row < BlueprintGrid->rowCount(); ++row) {
    const QString category = BlueprintGrid->item(row, 0)->text().trimmed();
    const QString count = BlueprintGrid->item(row, 1)->text().trimmed();
    if (category.isEmpty() && count.isEmpty()) continue;
    text += (text.empty() ? "" : ";") + ToCoreText(category) + "=" + ToCoreText(count) +
            (BlueprintGrid->item(row, 2)->checkState() == Qt::Checked ? std::string(QuestionDraw::EachTagMark)
                                                                      : "");
  }
  return text;
}

void TSettingsForm::BlueprintEdited() {
  const int last = BlueprintGrid->rowCount() - 1;
  if (!BlueprintGrid->item(last, 0)->text().isEmpty() || !BlueprintGrid->item(last, 1)->text().isEmpty())
    AppendBlueprintRow({}, {}, false);
  Edit1Change();
}

void TSettingsForm::BindChanges() {
  const auto change = [this] { Edit1Change(); };
  connect(Edit1, &QLineEdit::textChanged, this, change);
  connect(MaskEdit1, &QLineEdit::textChanged, this, change);
  // Only a user's choice counts: choosing an entry from the program is no change.
  for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5})
    connect(list, &QComboBox::activated, this, change);
  for (QSpinBox* box : {SpinEdit2, SpinEdit3}) connect(box, &QSpinBox::textChanged, this, change);
  for (QTextEdit* memo : {Memo1, Memo2}) connect(memo, &QTextEdit::textChanged, this, change);
  connect(BlueprintGrid, &QTableWidget::itemChanged, this, &TSettingsForm::BlueprintEdited);
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
           CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, RadioButton1, RadioButton2})
    connect(button, &QAbstractButton::toggled, this, change);
}

void TSettingsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (FormShown) return;
  FormShown = true;
  FormShow();
}

void TSettingsForm::FormShow() {
  const bool loaded = RunGuarded(Globals.Dialogs, [this] {
    const std::string path = ToPath(Globals.CurrentTestPath);
    const TFileStamp stamp = StampFile(path);
    ToControls(LoadTestSettings(path));
    LoadedStamp = stamp;
  });
  ApplyButton->setEnabled(false);
  if (!loaded) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void TSettingsForm::ToControls(const TestSettings& s) {
  // Each control that changes raises its change event, as a user's edit
  // would; the caller disables Apply afterwards.
  Edit1->setText(ToQString(s.Description));
  SetFieldText(s.Time);
  ComboBox2->setCurrentIndex(s.RandomQuestions);
  SpinEdit2->setValue(s.PassPoint);
  ComboBox1->setCurrentIndex(s.CheckAnswers);
  ComboBox3->setCurrentIndex(s.MustAnswer);
  SpinEdit3->setValue(s.MaxQuestions);
  CheckBox1->setChecked(s.TestHot);
  CheckBox2->setChecked(s.TestRef);
  CheckBox3->setChecked(s.ReviewHot);
  CheckBox4->setChecked(s.ReviewRef);
  CheckBox6->setChecked(s.StudentMax);
  ComboBox4->setCurrentIndex(s.TimerType);
  // A tag the list does not name is kept as an entry of its own.
  const QString tag = FromUtf8(s.Language);
  if (ComboBox5->findData(tag) < 0) ComboBox5->addItem(tag, tag);
  ComboBox5->setCurrentIndex(ComboBox5->findData(tag));
  (s.ReviewAllow ? RadioButton2 : RadioButton1)->setChecked(true);
  CheckBox5->setChecked(s.ReviewBlank);
  if (!s.BeginMessage.empty()) Memo1->setPlainText(JoinedLines(s.BeginMessage));
  if (!s.EndMessage.empty()) Memo2->setPlainText(JoinedLines(s.EndMessage));
  ShowBlueprint(s.Blueprint);
}

bool TSettingsForm::Save() {
  const QStringList beginLines = ShownLines(Memo1);
  const QStringList endLines = ShownLines(Memo2);

  TestSettings s;
  s.Description = ToCoreText(Edit1->text());
  s.Time = FieldText();
  s.RandomQuestions = ComboBox2->currentIndex();
  s.PassPoint = SpinValue(SpinEdit2);
  s.CheckAnswers = ComboBox1->currentIndex();
  s.MustAnswer = ComboBox3->currentIndex();
  s.MaxQuestions = SpinValue(SpinEdit3);
  s.TimerType = ComboBox4->currentIndex();
  s.Language = ComboBox5->currentData().toString().toStdString();
  s.BeginMessage = CoreLines(beginLines);
  s.EndMessage = CoreLines(endLines);
  s.ReviewAllow = RadioButton2->isChecked();
  s.ReviewBlank = CheckBox5->isChecked();
  s.TestHot = CheckBox1->isChecked();
  s.TestRef = CheckBox2->isChecked();
  s.ReviewHot = CheckBox3->isChecked();
  s.ReviewRef = CheckBox4->isChecked();
  s.StudentMax = CheckBox6->isChecked();
  // A blueprint the test cannot meet is refused here, before anything is written.
  QuestionDraw::TChecked blueprint;
  if (!RunGuarded(Globals.Dialogs, [&] {
        blueprint = QuestionDraw::CheckForTest(BlueprintText(), ToPath(Globals.CurrentTestPath));
      }))
    return false;
  if (!blueprint.Refusals.empty()) {
    QStringList sentences;
    for (const QuestionDraw::TProblem& refusal : blueprint.Refusals)
      sentences << BlueprintProblemText(refusal);
    Globals.Dialogs.Error(sentences.join('\r'));
    return false;
  }
  s.Blueprint = blueprint.Text;

  bool becameUtf8 = false;
  if (!MayWriteOver(Globals.Dialogs, LoadedStamp, Globals.CurrentTestPath) ||
      !RunGuarded(Globals.Dialogs, [&] {
        const std::string path = ToPath(Globals.CurrentTestPath);
        becameUtf8 = SaveTestSettings(path, s);
        LoadedStamp = StampFile(path);
        if (PendingExtraTime) ExtraTime::Save(path, *PendingExtraTime);
        PendingExtraTime.reset();
      }))
    return false;
  if (becameUtf8) Globals.Dialogs.Inform(FromUtf8(std::string(TestFile::Utf8Notice)));
  ApplyButton->setEnabled(false);
  return true;
}

void TSettingsForm::Edit1Change() {
  ApplyButton->setEnabled(true);
  MaskEdit1Exit();
  CheckBox5->setEnabled(RadioButton2->isChecked());
}

void TSettingsForm::MaskEdit1Enter() {
  SavedTimeText = MaskEdit1->displayText();
}

void TSettingsForm::MaskEdit1Exit() {
  if (TimeField::IsValid(FieldText())) return;
  Globals.Dialogs.Error(InvalidTimeText());
  // The saved text always held a valid time when it was taken; should it not,
  // an unfilled field (00:00:00) still ends the round of messages.
  const bool savedIsValid = TimeField::IsValid(ToCoreText(SavedTimeText));
  MaskEdit1->setText(savedIsValid ? SavedTimeText : QString());
}

void TSettingsForm::SpinButton1UpClick() {
  SetFieldText(TimeField::Step(FieldText(), 1));
}

void TSettingsForm::SpinButton1DownClick() {
  SetFieldText(TimeField::Step(FieldText(), -1));
}

// What the field shows: its unfilled positions show, and read, as 0.
std::string TSettingsForm::FieldText() const {
  return ToCoreText(MaskEdit1->displayText());
}

void TSettingsForm::SetFieldText(const std::string& text) {
  MaskEdit1->setText(ToQString(text));
}
