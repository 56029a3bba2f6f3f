#include <gtest/gtest.h>

#include <QApplication>

#include "app/Application.h"

// The widget tests need one application object for the whole run, made as the program makes it.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  configureApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
