#include "ui/page/QrCode.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace {

constexpr int QuietZone = 4;  // modules of white around the code

}  // namespace

TQrCode::TQrCode(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeData(static_cast<int>(bytes.size()),
                        reinterpret_cast<const unsigned char*>(bytes.constData()), 0, QR_ECLEVEL_M),
      &QRcode_free);
  if (!code) return;
  Size = code->width;
  Modules.resize(static_cast<std::size_t>(Size) * static_cast<std::size_t>(Size));
  for (std::size_t i = 0; i < Modules.size(); ++i) Modules[i] = (code->data[i] & 1) != 0;
}

void TQrCode::Paint(QPainter& painter, const QRectF& box) const {
  const double side = std::min(box.width(), box.height());
  const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
  painter.fillRect(square, Qt::white);
  if (Size == 0) return;
  const double module = side / (Size + 2 * QuietZone);
  const QPointF origin = square.topLeft() + QPointF(QuietZone * module, QuietZone * module);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
      // A hair wider than a module, so that antialiased neighbours leave no
      // seam between them.
      if (Dark(x, y))
        painter.drawRect(
            QRectF(origin.x() + x * module, origin.y() + y * module, module * 1.02, module * 1.02));
  painter.restore();
}
