#pragma once

#include <functional>

class CabinetManager;

// The controller's whole run: application object, signal handling, log
// handler, command line, cabinet and event loop. The program's main() is
// this; a program that adds something to the controller (a simulated cook,
// say) gets the cabinet through `started`, called once the cabinet is
// built and before the event loop runs; `prepared`, when given, runs once
// the application object exists and just before the cabinet is built (a
// measuring program watches the first frame from there).
class KivlfbProgram
{
public:
    static int run(int argc, char *argv[], const std::function<void(CabinetManager &)> &started = {},
                   const std::function<void()> &prepared = {});
};
