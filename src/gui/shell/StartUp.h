#pragma once

#include <functional>

class AppContext;
class QApplication;

// The program from its first step to its end; returns the exit code.
int runLumora(QApplication& application);

// The start-up steps over a prepared context; `eventLoop` runs the program
// once the main menu exists (tests pass one that returns at once).
int runStartUp(AppContext& context, const std::function<int()>& eventLoop);
