#include "ui/engine/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/run/MediaPath.h"
#include "ui/platform/Artwork.h"
#include "ui/platform/EngineServices.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ShellOpen.h"

QPixmap EngineLogo(const ClientConfig& config, const QString& folder) {
  QPixmap logo;
  const std::string name = LogoFileName(config.Logo);
  if (!name.empty()) logo.load(FromPath(MediaPath::Resolve(ToPath(folder), name)));
  if (logo.isNull()) return PaintBuiltInLogo();
  if (logo.width() > BuiltInLogoWidth || logo.height() > BuiltInLogoHeight)
    logo = logo.scaled(BuiltInLogoWidth, BuiltInLogoHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return logo;
}

TAboutBox::TAboutBox(const ClientConfig& config, const QPixmap& logo, const TEngineServices& services,
                     QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About"));
  auto* layout = new QVBoxLayout(this);
  QLabel* picture = Named(new QLabel, "LogoImage");
  picture->setPixmap(logo);
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  QStringList lines;
  if (config.CustomAbout) {
    if (!config.AboutWho.empty()) lines << ToQString(config.AboutWho);
    for (const std::string& line : config.AboutMessage) lines << ToQString(line);
  } else {
    lines << tr("Quizwell Client") << tr("Takes the self-tests made with Quizwell Maker.");
  }
  QLabel* text = Named(new QLabel(lines.join(QLatin1Char('\n'))), "AboutText");
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setAlignment(Qt::AlignCenter);
  layout->addWidget(text);
  if (config.CustomAbout && !config.AboutUrl.empty()) {
    const QString url = ToQString(config.AboutUrl);
    QLabel* link = Named(
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), url.toHtmlEscaped())),
        "AboutUrl");
    link->setTextFormat(Qt::RichText);
    if (MediaPath::IsWebAddress(config.AboutUrl))
      connect(link, &QLabel::linkActivated, this,
              [services, url] { OpenInBrowser(services.Shell, services.Dialogs, url); });
    else
      link->setText(url);
    link->setAlignment(Qt::AlignCenter);
    layout->addWidget(link);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  CentreOnScreen(this);
}
