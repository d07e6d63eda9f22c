#pragma once
// How large a drawing may be drawn as an image, the same for the window's
// question and the command line. Each side stays within what a person means
// to print, and the whole image within what Qt reads back by default (its
// image reader refuses larger ones), so an image the program writes can be
// opened again and a size far too large is refused at once instead of after
// seconds of drawing or a failed allocation.
#include <QSize>
#include <QtGlobal>

namespace rimora {

inline constexpr int kLargestImageSide = 16000;
inline constexpr qint64 kLargestImageBytes = qint64(256) << 20;

// The memory a 32-bit image of `size` takes.
inline qint64 ImageBytes(QSize size)
{
    return qint64(size.width()) * size.height() * 4;
}

inline bool ImageFitsInMemory(QSize size)
{
    return ImageBytes(size) <= kLargestImageBytes;
}

// Both sides at least one pixel and at most the largest side, the whole
// within memory.
inline bool ImageSizeAllowed(QSize size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= kLargestImageSide
           && size.height() <= kLargestImageSide && ImageFitsInMemory(size);
}

}  // namespace rimora
