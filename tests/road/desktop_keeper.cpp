// Keeps the Wine virtual desktop open for a whole test run. The desktop
// process ends about a second after the last thread that uses the desktop has
// gone, and the next test process then waits for a new one to start; a thread
// that holds the desktop for the run saves every test that wait.
//
// The test script starts it after the wineserver and ends it with the server.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Asking for the desktop window makes this thread a user of the desktop and
  // starts the desktop process if there is none yet.
  if (!GetDesktopWindow()) return 1;
  // Sleep in the message queue (never busy) until the server ends the process;
  // a WM_QUIT posted to this thread ends it too.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
