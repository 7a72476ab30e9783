// Test entry point for picture tests: pixmaps and fonts need a GUI application.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Headless by default, so the tests run the same on a desk and in CI.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
