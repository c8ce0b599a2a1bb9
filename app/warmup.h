#pragma once

#include <thread>

namespace tavrel {

// Start-up work that needs neither the window system nor the main thread, done on a second thread while the main
// thread connects to the window system: reading the font configuration, where the platform's fonts come from it.
// Begun before the application object is created; finishFontWarmUp() waits for it before the first text is
// measured, and does nothing when no warm-up was begun.
void beginFontWarmUp();
void finishFontWarmUp();

// Loads the image-format plug-ins on a second thread for as long as it lives: the first picture or icon read
// (the menu bar's, the windows') then finds them loaded instead of loading them while the input form waits.
class ImageFormatWarmUp
{
public:
    ImageFormatWarmUp();

private:
    std::jthread m_thread; // joined when the warm-up goes
};

} // namespace tavrel
