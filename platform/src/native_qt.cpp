// Toolkit access for the control library and the host application.
#include "platform/native_qt.h"

#include "canvas_painter.h"
#include "image_impl.h"
#include "window_impl.h"

namespace plat {

QWidget* NativeWidget(const CWnd* wnd) { return wnd && wnd->GetImpl() ? wnd->GetImpl()->widget.data() : nullptr; }

CWnd* WindowFromWidget(const QWidget* widget)
{
    CWnd::Impl* owner = widget ? detail::OwningWindow(widget) : nullptr;
    return owner ? &owner->self : nullptr;
}

bool CreateChildInWidget(CWnd& wnd, QWidget* parent, const CRect& rect, UINT id)
{
    return parent && wnd.GetImpl()->Create(parent, rect, id, EWindowKind::Child, {});
}

std::unique_ptr<ICanvas> MakePainterCanvas(QPainter& painter)
{
    return std::make_unique<detail::PainterCanvas>(painter);
}

const QImage& NativeImage(const Image& image) { return image.GetImpl().image; }

std::shared_ptr<const Image> ImageFromNative(QImage image, std::string path)
{
    if (image.isNull())
        return nullptr;
    return std::make_shared<const Image>(std::make_unique<Image::Impl>(std::move(image), std::move(path)));
}

QImage& NativeSurface(Surface& surface) { return surface.GetImpl().image; }

} // namespace plat
