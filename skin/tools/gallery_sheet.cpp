#include "gallery_sheet.h"

#include "gallery_scene.h"
#include "skin_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>

#include <algorithm>
#include <functional>
#include <vector>

namespace skin {

namespace {

constexpr int kSheetWidth = 1400; // design pixels

QString FolderOf(const QString& name)
{
    const qsizetype cut = name.lastIndexOf(u'\\');
    return cut < 0 ? QStringLiteral("(image root)") : name.left(cut + 1);
}

QString FileOf(const QString& name) { return name.mid(name.lastIndexOf(u'\\') + 1); }

// Places boxes left to right and wraps at the sheet's width.
class Flow {
public:
    Flow(const GalleryContext& context, int top) : m_c(context), m_x(context.Px(20)), m_y(top) {}

    // Reserves a box; answers its top-left corner.
    QPoint Place(const QSize& size)
    {
        if (m_x + size.width() > m_c.Px(kSheetWidth - 20) && m_x > m_c.Px(20)) {
            m_y += m_rowHeight + m_c.Px(14);
            m_x = m_c.Px(20);
            m_rowHeight = 0;
        }
        const QPoint at(m_x, m_y);
        m_x += size.width() + m_c.Px(28);
        m_rowHeight = std::max(m_rowHeight, size.height());
        return at;
    }
    int Bottom() const { return m_y + m_rowHeight; }

private:
    const GalleryContext& m_c;
    int m_x;
    int m_y;
    int m_rowHeight = 0;
};

using CellPainter = std::function<void(QPainter&, const QRect&)>;

// One drawing with its caption below.
struct Cell {
    QSize size;
    QString caption;
    CellPainter draw;
};

// A labelled row of cells, placed as one box by the flow.
void DrawGroup(QPainter& painter, const GalleryContext& c, Flow& flow, const QString& label,
               const std::vector<Cell>& cells)
{
    const QFontMetrics labelMetrics(c.Font(11, true));
    const QFontMetrics captionMetrics(c.Font(10));
    const int gap = c.Px(10);
    std::vector<int> widths;
    int width = labelMetrics.horizontalAdvance(label);
    int row = 0, tallest = 0;
    for (const Cell& cell : cells) {
        widths.push_back(std::max(cell.size.width(), captionMetrics.horizontalAdvance(cell.caption)));
        row += widths.back() + (row ? gap : 0);
        tallest = std::max(tallest, cell.size.height());
    }
    width = std::max(width, row);
    const int cellsTop = labelMetrics.height() + c.Px(4);
    const QPoint at = flow.Place({width, cellsTop + tallest + c.Px(4) + captionMetrics.height()});

    painter.setFont(c.Font(11, true));
    painter.setPen(c.Color(QStringLiteral("ink")));
    painter.drawText(at + QPoint(0, labelMetrics.ascent()), label);
    int x = at.x();
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        const QRect rect(
            QPoint(x + (widths[i] - cell.size.width()) / 2, at.y() + cellsTop + tallest - cell.size.height()),
            cell.size);
        cell.draw(painter, rect);
        painter.setFont(c.Font(10));
        painter.setPen(c.Color(QStringLiteral("textOff")));
        painter.drawText(QRect(x, at.y() + cellsTop + tallest + c.Px(4), widths[i], captionMetrics.height()),
                         Qt::AlignHCenter, cell.caption);
        x += widths[i] + gap;
    }
}

// An image at its own size; a missing one shows as a warning square.
Cell ImageCell(const GalleryContext& c, const QImage& image, const QString& caption)
{
    const QSize size = image.isNull() ? QSize(c.Px(24), c.Px(24)) : image.size();
    return {size, caption, [image, missing = c.Color(QStringLiteral("warn"))](QPainter& p, const QRect& r) {
                if (image.isNull())
                    p.fillRect(r, missing);
                else
                    p.drawImage(r.topLeft(), image);
            }};
}

int DrawHeading(QPainter& painter, const GalleryContext& c, const QString& text, int top)
{
    painter.setFont(c.Font(16, true));
    painter.setPen(c.Color(QStringLiteral("text")));
    const int height = QFontMetrics(painter.font()).height();
    painter.drawText(QRect(c.Px(20), top, c.Px(kSheetWidth - 40), height), Qt::AlignLeft | Qt::AlignVCenter, text);
    return top + height + c.Px(8);
}

// Each nine-part frame at its own size, stretched three ways and turned;
// of a state folder only the Normal file, the others differ in colour alone.
int DrawStretched(QPainter& painter, const GalleryContext& c, int top)
{
    Flow flow(c,
              DrawHeading(painter, c, QStringLiteral("Nine-part frames: own size, stretched, turned 90/180/270"), top));
    for (const QString& name : c.manifest.skin) {
        const Recipe* recipe = c.RecipeOf(name);
        const QImage image = c.Skin(name);
        if (!recipe || recipe->margin == 0 || image.isNull()
            || (!recipe->stateSet.isEmpty() && FileOf(name) != QLatin1String("Normal.png")))
            continue;
        const int margin = recipe->margin;
        const QSize own = image.size();
        const QSize wide(own.width() * 4, own.height());
        const QSize turned(wide.height(), wide.width());
        const std::vector<std::pair<QSize, int>> variants{{own, 0},
                                                          {wide, 0},
                                                          {QSize(own.width(), own.height() * 3), 0},
                                                          {QSize(own.width() * 3, own.height() * 2), 0},
                                                          {turned, 1},
                                                          {wide, 2},
                                                          {turned, 3}};
        std::vector<Cell> cells;
        for (const auto& [size, turns] : variants) {
            const QString caption = turns ? QStringLiteral("%1\u00B0").arg(turns * 90)
                                          : QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            cells.push_back({size, caption, [image, margin, turns = turns](QPainter& p, const QRect& r) {
                                 DrawNinePart(p, image, r, margin, turns);
                             }});
        }
        DrawGroup(painter, c, flow, QStringLiteral("%1 (corners %2 px)").arg(name).arg(margin), cells);
    }
    return flow.Bottom() + c.Px(24);
}

int DrawCatalogue(QPainter& painter, const GalleryContext& c, int top)
{
    Flow flow(c, DrawHeading(painter, c, QStringLiteral("Every image"), top));
    QStringList folders;
    for (const QString& name : c.manifest.skin) {
        if (!folders.contains(FolderOf(name)))
            folders.append(FolderOf(name));
    }
    for (const QString& folder : folders) {
        std::vector<Cell> cells;
        for (const QString& name : c.manifest.skin) {
            if (FolderOf(name) == folder)
                cells.push_back(ImageCell(c, c.Skin(name), FileOf(name)));
        }
        DrawGroup(painter, c, flow, folder, cells);
    }
    return flow.Bottom() + c.Px(24);
}

int DrawProducts(QPainter& painter, const GalleryContext& c, int top)
{
    Flow flow(c, DrawHeading(painter, c, QStringLiteral("Product folder"), top));
    for (const QString& name : c.manifest.product)
        DrawGroup(painter, c, flow, name,
                  {ImageCell(c, c.Product(name),
                             QStringLiteral("%1x%2").arg(c.Product(name).width()).arg(c.Product(name).height()))});
    return flow.Bottom() + c.Px(24);
}

} // namespace

QImage DrawGallery(const GalleryContext& c)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int top = c.Px(16);
    top = DrawHeading(painter, c, QStringLiteral("Monitor skin at %1%").arg(c.density.percent), top);
    top = DrawViewScene(painter, c, top) + c.Px(24);
    top = DrawStretched(painter, c, top);
    top = DrawCatalogue(painter, c, top);
    top = DrawProducts(painter, c, top);
    painter.end();

    QImage sheet(c.Px(kSheetWidth), top, QImage::Format_ARGB32);
    sheet.fill(c.Color(QStringLiteral("background")));
    QPainter out(&sheet);
    out.drawPicture(0, 0, picture);
    return sheet;
}

} // namespace skin
