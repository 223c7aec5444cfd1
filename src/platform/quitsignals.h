// Turns the signals a desktop sends at logout into an ordinary quit.
#pragma once

// After this, SIGTERM, SIGINT and SIGHUP end the event loop as the tray's
// Quit does, so what the program undoes on the way out (the user's pointer
// speed) is still undone. Call once, with the application object made.
void quitOnTerminationSignals();
