#pragma once
// Toolkit access for the control library and the host application only.
// Never included by the module's folders.
#include "platform/canvas.h"
#include "platform/window.h"

#include <QImage>
#include <QPainter>

class QWidget;

namespace plat {

// The widget a window owns (null while it has no window), and the window
// object that owns a widget or its nearest owning ancestor.
QWidget* NativeWidget(const CWnd* wnd);
CWnd* WindowFromWidget(const QWidget* widget);

// Creates a window as a child of a plain toolkit widget (the host's page
// area, a test's container), hidden, with the rectangle relative to it.
// Answers false when the window exists already or there is no parent.
bool CreateChildInWidget(CWnd& wnd, QWidget* parent, const CRect& rect, UINT id);

// A canvas drawing with the given painter (owned by the caller).
std::unique_ptr<ICanvas> MakePainterCanvas(QPainter& painter);

const QImage& NativeImage(const Image& image);
std::shared_ptr<const Image> ImageFromNative(QImage image, std::string path = {});
QImage& NativeSurface(Surface& surface);

} // namespace plat
