// Entry point: wires the real Windows services into the program.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"Quill Box", L"Quill Box", MB_OK);
  return 0;
}
