#include "ui/picturememory.h"

#include <QBackingStore>
#include <QImage>
#include <QThreadPool>
#include <QWidget>

#include <memory>

namespace tavrel::ui {

void PictureMemory::prepare(QWidget *window, const QSize &size)
{
    wait();
    QBackingStore *store = window && window->isWindow() ? window->backingStore() : nullptr;
    if (!store || size.isEmpty())
        return;
    store->resize(size);
    auto *image = dynamic_cast<QImage *>(store->paintDevice());
    if (!image || image->isNull())
        return;
    // Painting writes every pixel anew, so what is written here does not matter: one byte a page will do.
    uchar *const bits = image->bits();
    const qsizetype bytes = image->sizeInBytes();
    auto write = std::make_shared<std::packaged_task<void()>>([bits, bytes] {
        constexpr qsizetype Page = 4096;
        for (qsizetype at = 0; at < bytes; at += Page)
            *static_cast<volatile uchar *>(bits + at) = 0;
    });
    std::future<void> written = write->get_future();
    if (QThreadPool::globalInstance()->tryStart([write] { (*write)(); }))
        m_written = std::move(written);
}

void PictureMemory::wait()
{
    if (m_written.valid())
        m_written.get();
}

} // namespace tavrel::ui
