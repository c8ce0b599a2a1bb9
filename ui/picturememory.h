#pragma once

#include <QSize>

#include <future>

class QWidget;

namespace tavrel::ui {

// Makes the memory of a window's picture (its backing store) ready on a second thread. The system hands out the
// pages of new memory as they are first written, and for a window the size of the screen that takes a couple of
// milliseconds, which the window's first paint would otherwise spend. Call prepare() when the window begins to
// be built and wait() before it is first painted.
class PictureMemory
{
public:
    PictureMemory() = default;
    PictureMemory(const PictureMemory &) = delete;
    PictureMemory &operator=(const PictureMemory &) = delete;
    ~PictureMemory() { wait(); }

    // Sizes the picture of top-level `window`, whose native window has been created, for `size` (in
    // device-independent pixels) and writes the picture's pages on a thread of the pool. Does nothing for a
    // window without a native window yet, a picture that is not an image in memory, or when no thread of the
    // pool is free.
    void prepare(QWidget *window, const QSize &size);
    // Returns once the pages are written.
    void wait();

private:
    std::future<void> m_written;
};

} // namespace tavrel::ui
