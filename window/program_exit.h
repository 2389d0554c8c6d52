// Ending the program from inside a handler.
#pragma once

namespace kumora {

// Thrown when the program ends, so that no handler goes on after the end;
// whoever delivers window events catches it and closes the program.
struct ProgramEnded {};

// What a part calls to end the program (the main window implements it).
class ProgramExit {
 public:
  // Releases the sounds and ends the program (throws ProgramEnded).
  [[noreturn]] virtual void end_program() = 0;

 protected:
  ~ProgramExit() = default;
};

}  // namespace kumora
