#pragma once

#include <QPixmap>

// The program's banner artwork, shown at the top of the main window and copied
// into the about box.
inline constexpr int BannerWidth = 467;
inline constexpr int BannerHeight = 169;

// Paints the banner: the program's name and purpose beside a test card with
// ticked answers, on a teal ground.
QPixmap PaintBanner();
