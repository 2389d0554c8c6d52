#include "tests/gui/screenshots.h"

#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace kumora {

void save_screenshot_if_asked(QWidget& window, const QString& name) {
  const QString folder = qEnvironmentVariable("KUMORA_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  QTest::qWait(50);  // let pending paints land
  const QString path = QDir(folder).filePath(name + ".png");
  if (!window.grab().save(path)) qWarning("could not save %s", qPrintable(path));
}

}  // namespace kumora
