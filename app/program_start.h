// How the program opens: the application's names and font, and the game
// window set as the command line asks. The tests of the real window open it
// the same way.
#pragma once

namespace kumora {

struct CommandLine;
class GameWindow;

// Names the application for the desktop and sets the window font.
void set_up_application();

// Hands the command line's node budget to the window, loads its settings
// and shows it.
void open_game_window(GameWindow& window, const CommandLine& line);

}  // namespace kumora
