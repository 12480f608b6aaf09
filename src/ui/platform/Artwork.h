#pragma once

#include <QFont>
#include <QPixmap>

// The program's drawn artwork: the banner, the editor's pictures and the
// engine's built-in logo. Each is painted on request; nothing is read from disk.

// The banner, shown at the top of the main window and copied into the about box.
inline constexpr int BannerWidth = 467;
inline constexpr int BannerHeight = 169;

// Paints the banner: the program's name and purpose beside a test card with
// ticked answers, on a teal ground.
QPixmap PaintBanner();

// The pictures of the editor's buttons; the jump dialog shows the navigation ones too.
enum class TEditorPicture {
  Save,
  Exit,
  Revert,
  Bottom,
  Previous,
  Next,
  Top,
  Jump,
  Add,
  Delete,
  HotLink,
  Media,
  Question,
  Answers
};
// One picture, size pixels square, on a transparent ground.
QPixmap EditorPicture(TEditorPicture picture, int size);

// The logo the engine shows while no custom bitmap is chosen: a badge with a
// tick beside the program's name, on a navy-to-teal band.
inline constexpr int BuiltInLogoWidth = 471;
inline constexpr int BuiltInLogoHeight = 139;
QPixmap PaintBuiltInLogo();

// A sans-serif font of an exact pixel size, the same on every desktop: the
// logo's lettering, and the titles drawn to match it.
QFont PixelFont(int pixels, bool bold = false);
