#pragma once

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

// A QR code of a text, as its square of modules. Error correction is level M
// (15% of the code may be lost), so a projected or printed code still reads
// with a smudge or a glare on it.
class TQrCode {
public:
  // Encodes text as UTF-8 bytes; Width() is 0 when the text is too long for
  // any QR version (over about 2,300 bytes).
  explicit TQrCode(const QString& text);

  int Width() const { return Size; }
  bool Dark(int x, int y) const { return Modules[static_cast<std::size_t>(y * Size + x)]; }

  // Paints the code black on white into the square of side min(width,
  // height) centred in box, with the four-module quiet zone readers need
  // around it.
  void Paint(QPainter& painter, const QRectF& box) const;

private:
  int Size = 0;
  std::vector<bool> Modules;
};
