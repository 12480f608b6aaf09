#include <gtest/gtest.h>

#include <QApplication>

// Screen tests run real widgets on the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Quizwell Maker"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
