#pragma once
// Turns an expanded SVG document into pixels.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace skin {

// The document's own width and height: the image's size at density 1.0.
bool DesignSize(const QByteArray& svg, QSize& size, QString& error);

// Renders the whole document scaled into a transparent ARGB32 image of the
// given size. Anything the SVG reader complains about is an error, so a
// typing mistake in a source fails the build instead of drawing nothing.
bool RenderSvg(const QByteArray& svg, const QSize& size, QImage& out, QString& error);

} // namespace skin
