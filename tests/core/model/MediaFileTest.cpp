#include <gtest/gtest.h>

#include "core/model/MediaFile.h"

namespace {

TEST(MediaFile, ViewableTextsPassWithoutWarning) {
  for (const char* text : {"", "SOUND.WAV", "clip.avi", "\\MEDIA\\PIC.Bmp", "/home/me/notes.txt", "x.y.RTF",
                           "FACTVAULT:printer drivers", "factvault query", "FACTVAULT"})
    EXPECT_TRUE(MediaFile::IsViewable(text)) << text;
}

TEST(MediaFile, OtherTextsAreWarnedAbout) {
  // The extension is taken from the last path component only.
  for (const char* text : {"notes.doc", "CALC.EXE", "http://example.org", "SOUND.WAV.bak",
                           "MEDIA.WAV\\readme", "C:readme", "WAV", ".WAVE", "MY FACTVAULT"})
    EXPECT_FALSE(MediaFile::IsViewable(text)) << text;
}

TEST(MediaFile, BrowsedNamesAreStoredInTheEnginesForm) {
  struct TCase {
    const char* Chosen;
    const char* Folder;
    const char* Stored;
  };
  for (const TCase c : {
           TCase{"D:\\X\\CLIP.AVI", "/opt/qw", "\\X\\CLIP.AVI"},
           TCase{"c:SOUND.WAV", "/opt/qw", "SOUND.WAV"},
           TCase{"/opt/qw/MEDIA/SOUND.WAV", "/opt/qw", "\\MEDIA\\SOUND.WAV"},
           TCase{"/opt/qw/SOUND.WAV", "/opt/qw/", "\\SOUND.WAV"},
           TCase{"/opt/qwx/SOUND.WAV", "/opt/qw", "/opt/qwx/SOUND.WAV"},
           TCase{"/home/me/clip.avi", "/opt/qw", "/home/me/clip.avi"},
           TCase{"/home/me/clip.avi", "", "/home/me/clip.avi"},
           TCase{"/opt/qw/", "/opt/qw", "/opt/qw/"},
           TCase{"/x/a:b.wav", "/opt/qw", "/x/a:b.wav"},
       })
    EXPECT_EQ(MediaFile::StoredName(c.Chosen, c.Folder), c.Stored) << c.Chosen << " in " << c.Folder;
}

}  // namespace
