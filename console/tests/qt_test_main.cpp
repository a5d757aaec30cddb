// main() of the Qt widget tests: one QApplication on the stack for the whole run, so that it
// outlives every widget and is gone before Qt's own statics are torn down.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Widget tests never need a display (test discovery runs without CTest's environment).
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
