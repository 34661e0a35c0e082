// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/drawingsurface.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

namespace vendrilo::gui {

namespace {
constexpr qsizetype kPageBytes = 4096;
} // namespace

DrawingSurfacePreparation::~DrawingSurfacePreparation()
{
    wait();
}

bool DrawingSurfacePreparation::worthwhileHere()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void DrawingSurfacePreparation::begin(QWidget& window)
{
    wait();
    // Once on the screen the window has been painted, or may be at any moment.
    if (!window.isWindow() || window.testAttribute(Qt::WA_Mapped))
        return;
    window.winId(); // the native window, if not shown yet
    QBackingStore* store = window.backingStore();
    if (!store)
        return;
    // Qt's first paint sizes the surface to the window; sized now, it keeps this one.
    store->resize(window.size());
    // With a scale factor the surface is wrapped only at the first paint: nothing to touch.
    QPaintDevice* device = store->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return;
    const auto* image = static_cast<const QImage*>(device);
    // The surface's own memory (bits() could detach to a copy).
    auto* bits = const_cast<uchar*>(image->constBits());
    const qsizetype bytes = image->sizeInBytes();
    if (!bits || bytes <= 0)
        return;
    // Written, not read: a read would map the page without the right to write, and the paint
    // would fault again. The paint overwrites every pixel.
    m_toucher = std::thread([bits, bytes] {
        for (qsizetype at = 0; at < bytes; at += kPageBytes)
            bits[at] = 0;
    });
}

void DrawingSurfacePreparation::wait()
{
    if (m_toucher.joinable())
        m_toucher.join();
}

} // namespace vendrilo::gui
