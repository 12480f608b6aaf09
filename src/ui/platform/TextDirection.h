#pragma once

#include <QString>

class QWidget;

// Lays widget out in the direction text runs: right to left when its first
// strongly directed character is Arabic or Hebrew, left to right when it is
// of another script. A text with neither (numbers, punctuation, nothing)
// gives widget back the direction of its window.
void FollowTextDirection(QWidget* widget, const QString& text);
