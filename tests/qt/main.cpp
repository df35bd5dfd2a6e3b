// Real windows, real Qt input, no display: runs under the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "forms/qt/qt_backend.h"
#include "qt_fixture.h"

namespace gomblo::testing {
forms::qt::QtBackend* qtBackend = nullptr;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication::setApplicationName(QStringLiteral("Gomblo"));
  QApplication app(argc, argv);
  forms::qt::QtBackend backend;
  gomblo::testing::qtBackend = &backend;
  return RUN_ALL_TESTS();
}
