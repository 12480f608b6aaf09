#include <QLineEdit>
#include <filesystem>

#include "DropFolderOffer.h"
#include "core/model/ClientConfig.h"
#include "ui/maker/ClientForm.h"
#include "ui/maker/MakerFixture.h"

namespace {

using ResultsFolderTabTest = MakerFixture;

}  // namespace

// The results folder goes into a section of its own after everything else,
// so the keys other engines read keep their bytes, and clearing it gives the
// old file back.
TEST_F(ResultsFolderTabTest, TheFolderIsASectionOfItsOwnAndClearingItRestoresTheFile) {
  const std::string path = Dir.File("qwtest.cfg");
  const std::string before =
      "[SETTINGS]\r\nLOGO=logo.bmp\r\nCUSTOMABOUT=0\r\nABOUTWHO=\r\nABOUTURL=\r\nFULLSCREEN=1\r\nHISTORY=\r\n"
      "ONEXIT=\r\n\r\n";
  WriteBytes(path, before);
  const auto applyFolder = [&](const QString& folder) {
    TClientForm form(Globals);
    form.show();
    auto* edit = Child<QLineEdit>(form, "ResultsFolderEdit");
    edit->setText(folder);
    Click(form, "ApplyButton");
    return LoadClientConfig(path).ResultsFolder;
  };
  EXPECT_EQ(applyFolder(QStringLiteral(" /srv/dr\u00f6p ")), "/srv/dr\xC3\xB6p");
  EXPECT_EQ(ReadBytes(path), before + "[RESULTS]\r\nFOLDER=/srv/dr\xC3\xB6p\r\n\r\n");
  {
    TClientForm form(Globals);
    form.show();
    EXPECT_EQ(Child<QLineEdit>(form, "ResultsFolderEdit")->text(), QStringLiteral("/srv/dr\u00f6p"));
  }
  EXPECT_EQ(applyFolder(QString()), "");
  EXPECT_EQ(ReadBytes(path), before);
}

// Browse picks the folder; a folder of the user's is offered as a drop folder,
// once, and a cancelled choice changes nothing.
TEST_F(ResultsFolderTabTest, BrowsePicksTheFolderAndOffersToMakeItADropFolder) {
  namespace fs = std::filesystem;
  const std::string drop = Dir.File("drop");
  fs::create_directories(drop);
  fs::permissions(drop, fs::perms(0755));
  TClientForm form(Globals);
  form.show();
  auto* edit = Child<QLineEdit>(form, "ResultsFolderEdit");
  Dialogs.ExpectFolder(FromPath(drop));
  AcceptDropFolderOffer(Dialogs, drop);
  Click(form, "ResultsBrowseButton");
  EXPECT_EQ(edit->text(), FromPath(drop));
  EXPECT_EQ(fs::status(drop).permissions() & fs::perms::mask, fs::perms(01733));
  Dialogs.ExpectFolder(FromPath(drop));  // a drop folder already: nothing asked
  Click(form, "ResultsBrowseButton");
  Dialogs.ExpectFolder(std::nullopt);
  Click(form, "ResultsBrowseButton");
  EXPECT_EQ(edit->text(), FromPath(drop));
  EXPECT_EQ(Dialogs.Files.back().Options.FileName, FromPath(drop)) << "the dialog opens on the folder set";
}
