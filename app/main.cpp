// trimlet: the window program.
#include <QApplication>

#include <cstdio>

#include "app/kivo_program.h"
#include "engine/image/buffer_pool.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("trimlet"));
  QApplication::setApplicationVersion(QStringLiteral("3.1"));
  QApplication::setDesktopFileName(QStringLiteral("trimlet"));

  // The window's work (opening, the preview's road, turns in the manual
  // window) runs on this thread: its large blocks are kept for the next
  // image or angle instead of being faulted in afresh each time. Declared
  // before the program, so the program's images go back to it first.
  trimlet::BufferPoolScope pool(trimlet::kInteractivePoolBlocks, trimlet::kInteractivePoolBytes);
  trimlet::KivoProgram program;
  if (!program.InitInstance(QApplication::arguments())) {
    const trimlet::CommandLine& line = program.commandLine();
    if (line.outcome == trimlet::CommandLine::kPrinted) {
      std::fputs(line.text.toLocal8Bit().constData(), stdout);
      return 0;
    }
    std::fprintf(stderr, "trimlet: %s\nUsage: trimlet [FOLDER]\n",
                 line.text.toLocal8Bit().constData());
    return 2;
  }
  return application.exec();
}
