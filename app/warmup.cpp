#include "app/warmup.h"

#include <QImageReader>

#ifdef TAVREL_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tavrel {

namespace {

std::jthread &fontWork()
{
    static std::jthread work;
    return work;
}

} // namespace

void beginFontWarmUp()
{
#ifdef TAVREL_WARM_FONTCONFIG
    // Reading the configuration is safe beside another thread's use of fontconfig: the first complete
    // configuration becomes the current one.
    if (!fontWork().joinable())
        fontWork() = std::jthread([] { FcInit(); });
#endif
}

void finishFontWarmUp()
{
    if (fontWork().joinable())
        fontWork().join();
}

// Asking which formats can be read loads every image-format plug-in.
ImageFormatWarmUp::ImageFormatWarmUp()
    : m_thread([] { QImageReader::supportedImageFormats(); })
{ }

} // namespace tavrel
