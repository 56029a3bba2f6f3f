#pragma once

class QApplication;

// Settings the program needs from Qt once the application object exists.
void configureApplication(QApplication& app);

// The whole program: the command line, the splash window, then the main window until Exit.
int runKalyra(int argc, char** argv);
