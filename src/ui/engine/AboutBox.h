#pragma once

#include <QDialog>
#include <QPixmap>

#include "core/model/ClientConfig.h"

struct TEngineServices;

// The engine's about box: the instructor's own (who, web address, message
// lines, logo) when the configuration asks for it, otherwise the program's.
class TAboutBox : public QDialog {
  Q_OBJECT
public:
  TAboutBox(const ClientConfig& config, const QPixmap& logo, const TEngineServices& services,
            QWidget* parent = nullptr);
};

// The logo the configuration names, found in folder without regard to letter
// case; the engine's own built-in logo when there is none or it cannot be read.
QPixmap EngineLogo(const ClientConfig& config, const QString& folder);
