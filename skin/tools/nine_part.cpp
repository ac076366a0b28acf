#include "nine_part.h"

#include <QTransform>

#include <array>

namespace skin {

QImage Turned(const QImage& image, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0)
        return image;
    return image.transformed(QTransform().rotate(90.0 * turns));
}

void DrawNinePart(QPainter& painter, const QImage& image, const QRect& dest, int margin, int quarterTurns)
{
    const QImage source = Turned(image, quarterTurns);
    // Cut lines of the source and of the destination, left to right.
    const std::array<int, 4> sx{0, margin, source.width() - margin, source.width()};
    const std::array<int, 4> sy{0, margin, source.height() - margin, source.height()};
    const std::array<int, 4> dx{dest.left(), dest.left() + margin, dest.left() + dest.width() - margin, dest.left() + dest.width()};
    const std::array<int, 4> dy{dest.top(), dest.top() + margin, dest.top() + dest.height() - margin, dest.top() + dest.height()};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect from(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
            const QRect to(dx[col], dy[row], dx[col + 1] - dx[col], dy[row + 1] - dy[row]);
            if (!from.isEmpty() && !to.isEmpty())
                painter.drawImage(to, source, from);
        }
    }
}

}  // namespace skin
