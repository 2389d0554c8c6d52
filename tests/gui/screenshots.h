// Screenshots of the whole window (menu bar included) for the README, saved
// as NAME.png in the folder named by KUMORA_SCREENSHOT_DIR when it is set.
#pragma once

#include <QString>

class QWidget;

namespace kumora {

void save_screenshot_if_asked(QWidget& window, const QString& name);

}  // namespace kumora
