#include "ui/platform/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ui/platform/WindowKit.h"

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent) {
  auto arrow = [this](Qt::ArrowType type, const char* name) {
    QToolButton* button = Named(new QToolButton(this), name);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(100);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(17, 11);
    return button;
  };
  UpButton = arrow(Qt::UpArrow, "Up");
  DownButton = arrow(Qt::DownArrow, "Down");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(UpButton);
  layout->addWidget(DownButton);
  connect(UpButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
  connect(DownButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
}
