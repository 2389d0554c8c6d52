// The application set-up of the program: its names and font, and the
// language, with Qt's Japanese translation for the box buttons.
#pragma once

namespace kumora {

class LanguageSwitch;

// Sets the application up as the program does, in Japanese, and answers the
// language switch the windows of the test share; it finds the English texts
// in the build tree.
LanguageSwitch& set_up_like_the_program();

}  // namespace kumora
