// Gomblo: drag each balloon into the basket of its colour.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "art/pictures.h"
#include "forms/qt/qt_backend.h"
#include "game/gomblo.h"

namespace {

QtMessageHandler toolkitMessages = nullptr;

// While the window system is being reached, a failure ends the program with one plain
// line instead of the toolkit's report and an abort; its other chatter is not for players.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type == QtFatalMsg) {
    std::fputs("Gomblo cannot open its window: the display could not be reached.\n", stderr);
    std::_Exit(1);
  }
}

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
  toolkitMessages = qInstallMessageHandler(startupMessages);
  QApplication qapp(argc, argv);
  qInstallMessageHandler(toolkitMessages);
  QApplication::setWindowIcon(art::applicationIcon());
  forms::qt::QtBackend backend;
  return gomblo::RunGame(backend);
}
