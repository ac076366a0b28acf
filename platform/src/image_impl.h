#pragma once
// Private side of Image and Surface: the toolkit images behind them.
#include "platform/canvas.h"

#include <QImage>

#include <array>
#include <mutex>

struct Image::Impl {
    Impl(QImage decoded, std::string from);

    QImage image; // premultiplied ARGB, the fastest to draw
    std::string path;

    // The image turned clockwise by quarter turns; each turn is made once
    // and kept, so drawing a turned image again costs no rotation.
    const QImage& Turned(int quarterTurns) const;

private:
    mutable std::mutex m_mutex;
    mutable std::array<QImage, 3> m_turned;
};

struct Surface::Impl {
    QImage image;
    Color fill;
};

namespace plat::detail {
// Quarter turns brought into 0..3 (negative turns count anticlockwise).
constexpr int NormalizeTurns(int quarterTurns) { return ((quarterTurns % 4) + 4) % 4; }
} // namespace plat::detail
