#pragma once

#include <functional>
#include <optional>

namespace quenmar {

class frmEcd;

// Starts the program: the display check, the application and its style, the main window shown
// and the event loop. `beforeShow`, when given, sees the window first; a value it returns ends
// the program with that code instead (the start-up benchmark's probe starts the program
// through here, so that it times exactly what a user starts).
int runQuenmar(int argc, char* argv[],
               const std::function<std::optional<int>(frmEcd&)>& beforeShow = {});

}  // namespace quenmar
