#pragma once

class QApplication;

// The program from its first step to its end; returns the exit code.
int runLumora(QApplication& application);
