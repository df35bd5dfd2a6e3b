// Gomblo: drag each balloon into the basket of its colour.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "art/pictures.h"
#include "forms/qt/qt_backend.h"
#include "game/gomblo.h"

namespace {

bool haveDisplay() {
  const auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::fputs("Gomblo needs a graphical desktop: no display found (DISPLAY is not set).\n",
               stderr);
    return 1;
  }
  // The program's identity on the desktop; the caption bar keeps the window's own text.
  QApplication::setApplicationName(QStringLiteral("Gomblo"));
  QApplication::setDesktopFileName(QStringLiteral("Gomblo"));
  QApplication qapp(argc, argv);
  QApplication::setWindowIcon(art::applicationIcon());
  forms::qt::QtBackend backend;
  return gomblo::RunGame(backend);
}
