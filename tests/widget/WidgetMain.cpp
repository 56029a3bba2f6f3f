#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/Application.h"

// One application object for the whole run, made as the program makes it, with fresh XDG
// folders of its own so that no run sees another's settings or caches.
int main(int argc, char** argv) {
  QTemporaryDir home;  // private to its owner, as the runtime folder must be
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
    QDir().mkpath(home.filePath(name)), qputenv(name, home.filePath(name).toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
  QApplication app(argc, argv);
  configureApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
