#include "svg_raster.h"

#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

namespace skin {

namespace {

// Collects what the SVG reader reports while it lives; the tools are
// single-threaded, so swapping the global handler is safe.
class ReaderComplaints {
public:
    ReaderComplaints() : m_previous(qInstallMessageHandler(&Collect)) { s_active = this; }
    ~ReaderComplaints()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    ReaderComplaints(const ReaderComplaints&) = delete;
    ReaderComplaints& operator=(const ReaderComplaints&) = delete;

    bool Any(QString& error) const
    {
        if (m_messages.isEmpty())
            return false;
        error = m_messages.join(QStringLiteral("; "));
        return true;
    }

private:
    static void Collect(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (s_active)
            s_active->m_messages.append(message);
    }

    static inline ReaderComplaints* s_active = nullptr;
    QtMessageHandler m_previous;
    QStringList m_messages;
};

bool Load(QSvgRenderer& renderer, const QByteArray& svg, QString& error)
{
    ReaderComplaints complaints;
    if (!renderer.load(svg)) {
        error = QStringLiteral("not a readable SVG document");
        return false;
    }
    return !complaints.Any(error);
}

} // namespace

bool DesignSize(const QByteArray& svg, QSize& size, QString& error)
{
    QSvgRenderer renderer;
    if (!Load(renderer, svg, error))
        return false;
    size = renderer.defaultSize();
    if (size.isEmpty()) {
        error = QStringLiteral("the document has no width and height");
        return false;
    }
    return true;
}

bool RenderSvg(const QByteArray& svg, const QSize& size, QImage& out, QString& error)
{
    QSvgRenderer renderer;
    if (!Load(renderer, svg, error))
        return false;
    out = QImage(size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    ReaderComplaints complaints;
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return !complaints.Any(error);
}

} // namespace skin
