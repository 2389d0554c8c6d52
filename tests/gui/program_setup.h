// The application set-up of the program (app/main.cpp): Qt's Japanese
// translation for the box buttons and the window font.
#pragma once

class QTranslator;

namespace kumora {

void set_up_like_the_program(QTranslator& japanese);

}  // namespace kumora
