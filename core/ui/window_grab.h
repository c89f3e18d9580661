#pragma once
// Screenshots without a display: with SCX_GRAB_WINDOW=FILE.png in the environment a program saves
// a picture of its main window, once that has been shown for a second, and quits. The README's
// screenshots and the check of an installed package use it; without the variable nothing happens.

namespace scx {

// Call once after the QApplication exists, before the program's event loop runs. Exit status of
// the program when the picture cannot be taken: kWindowGrabFailed (no window within 20 s, or the
// file not written).
void ArmWindowGrabFromEnvironment();

inline constexpr int kWindowGrabFailed = 3;

}  // namespace scx
