#include "ui/maker/AboutForm.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/platform/Artwork.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/Version.h"
#include "ui/platform/WindowKit.h"

namespace {

constexpr int ClientWidth = 509;
constexpr int ClientHeight = 423;

// Kept to short lines: the box scrolls sideways instead of wrapping.
//: The license shown in the about box; keep its lines short, as the box does not wrap them.
const char* const License = QT_TRANSLATE_NOOP("TAboutForm",
                                              "QUIZWELL MAKER LICENSE AGREEMENT\n"
                                              "\n"
                                              "Please read this agreement. By installing or using Quizwell\n"
                                              "Maker (\"the maker\") you accept it.\n"
                                              "\n"
                                              "1. Use. You may install the maker on the computers on which\n"
                                              "   you and your colleagues prepare tests, and use it to\n"
                                              "   write, change and convert tests for any number of\n"
                                              "   students.\n"
                                              "\n"
                                              "2. Your tests. The tests, questions, messages, logos and\n"
                                              "   media that you make with the maker are yours. You may\n"
                                              "   hand them out, together with the Quizwell engine and its\n"
                                              "   configuration file, on any terms you choose.\n"
                                              "\n"
                                              "3. The maker stays with instructors. The maker can read and\n"
                                              "   change every test, answers included. Do not hand it out\n"
                                              "   with the engine or place it where students can run it.\n"
                                              "\n"
                                              "4. Copies. You may make copies of the maker for the purposes\n"
                                              "   above and for safekeeping. Keep this agreement with every\n"
                                              "   copy. You may not sell the maker or pass it off as your\n"
                                              "   own work.\n"
                                              "\n"
                                              "5. No warranty. The maker is provided \"as is\", without\n"
                                              "   warranty of any kind, express or implied, including the\n"
                                              "   warranties of merchantability and fitness for a\n"
                                              "   particular purpose. Keep copies of your tests.\n"
                                              "\n"
                                              "6. Limitation of liability. In no event shall the makers of\n"
                                              "   Quizwell Maker be liable for any damages arising from the\n"
                                              "   use of, or the inability to use, the maker or the tests\n"
                                              "   made with it, even if advised of the possibility of such\n"
                                              "   damages.\n"
                                              "\n"
                                              "7. End. This agreement ends when you stop using the maker\n"
                                              "   and remove every copy of it.\n");

}  // namespace

TAboutForm::TAboutForm(TGlobals& globals, const QPixmap& banner, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      Banner(banner) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(tr("About Quizwell Maker"));

  Image1 = Named(new QLabel(this), "Image1");
  Image1->setFixedSize(BannerWidth, BannerHeight);
  Image1->setAlignment(Qt::AlignCenter);

  Label3 = Named(new QLabel(this), "Label3");
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignCenter);

  auto* panel1 = Named(new QFrame(this), "Panel1");
  panel1->setFrameShape(QFrame::StyledPanel);
  panel1->setFrameShadow(QFrame::Sunken);
  auto* label1 = Named(new QLabel(tr("License Agreement"), panel1), "Label1");
  QFont bold = label1->font();
  bold.setBold(true);
  label1->setFont(bold);
  Memo1 = Named(new QPlainTextEdit(panel1), "Memo1");
  Memo1->setAccessibleName(tr("About Quizwell Maker"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setPlainText(LicenseText());
  auto* panelColumn = new QVBoxLayout(panel1);
  panelColumn->setContentsMargins(6, 4, 6, 6);
  panelColumn->setSpacing(4);
  panelColumn->addWidget(label1);
  panelColumn->addWidget(Memo1, 1);

  auto* button1 = Named(new QPushButton(tr("&Close"), this), "Button1");
  button1->setDefault(true);
  button1->setMinimumWidth(90);
  connect(button1, &QPushButton::clicked, this, &QDialog::reject);  // Esc does the same

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(button1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(21, 10, 21, 10);
  column->setSpacing(8);
  column->addWidget(Image1, 0, Qt::AlignHCenter);
  column->addWidget(Label3);
  column->addWidget(panel1, 1);
  column->addLayout(buttonRow);

  InstallHelpKey(this, globals.Help, HelpContext::About);

  setFixedSize(ClientWidth, ClientHeight);
  CentreOnScreen(this);
}

const QString& TAboutForm::LicenseText() {
  static const QString text = tr(License);
  return text;
}

void TAboutForm::showEvent(QShowEvent* event) {
  Image1->setPixmap(Banner);
  Label3->setText(VersionText);
  QDialog::showEvent(event);
}
