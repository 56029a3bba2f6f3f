#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/Application.h"

// The widget tests need one application object for the whole run, made as the program makes it,
// with fresh XDG folders of their own so that no run sees another's settings or caches.
int main(int argc, char** argv) {
  QTemporaryDir home;
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
    qputenv(name, home.filePath(QString::fromLatin1(name)).toLocal8Bit()),
        QDir().mkpath(home.filePath(QString::fromLatin1(name)));
  QFile::setPermissions(home.filePath("XDG_RUNTIME_DIR"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QApplication app(argc, argv);
  configureApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
