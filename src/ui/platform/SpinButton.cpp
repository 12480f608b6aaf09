#include "ui/platform/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ui/platform/WindowKit.h"

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
  auto arrow = [this](Qt::ArrowType type) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(100);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(17, 11);
    return button;
  };
  UpButton = Named(arrow(Qt::UpArrow), "Up");
  DownButton = Named(arrow(Qt::DownArrow), "Down");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(UpButton);
  layout->addWidget(DownButton);
  connect(UpButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
  connect(DownButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
}
