#include "gallery_scene.h"

#include "skin_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QtMath>

#include <vector>

namespace skin {

namespace {

constexpr int kPageWidth = 1360;
constexpr int kPageHeight = 600;
constexpr int kToolbarHeight = 40;
constexpr int kPanelWidth = 200;
constexpr int kTargetWidth = 62;
constexpr int kScrollWidth = 14;

enum class PortState { Normal, Warning, Unknown };

struct Block {
    QRect rect;    // device pixels
    int turns = 0; // 0 receivers below, 1 to the left, 2 above, 3 to the right
    bool online = true;
    bool warning = false;
    std::vector<PortState> ports;
    std::vector<bool> backed; // ports with a backup port
    bool backupSet = false;   // draw the backed-up frames
    QString name;
    int number = 1;
};

class Scene {
public:
    Scene(QPainter& painter, const GalleryContext& c, QPoint origin) : p(painter), c(c), m_origin(origin) {}

    QPoint At(int x, int y) const { return m_origin + QPoint(c.Px(x), c.Px(y)); }
    QRect Rect(int x, int y, int w, int h) const { return {At(x, y), QSize(c.Px(w), c.Px(h))}; }

    void Image(const QString& name, const QPoint& at) { p.drawImage(at, c.Skin(name)); }
    void Frame(const QString& name, const QRect& rect, int turns = 0)
    {
        DrawNinePart(p, c.Skin(name), rect, c.Margin(name), turns);
    }
    void Centered(const QString& name, const QRect& rect, int turns = 0)
    {
        DrawCentered(p, c.Skin(name), rect.center() + QPoint(1, 1), turns);
    }
    void Text(const QString& text, const QRect& rect, int size, const QString& colour, int align)
    {
        p.setFont(c.Font(size));
        p.setPen(c.Color(colour));
        p.drawText(rect, align, text);
    }

    void Toolbar();
    void SenderPanel();
    void TargetPane();
    void View();

private:
    int ToolButton(int x, const QString& folder, const QString& state);
    int Separator(int x);
    void DrawBlock(const Block& block);
    QRect PortRect(const Block& block, int index) const;
    void Receivers(const QRect& area, int columns, int rows, const std::vector<char>& states, bool values);
    void Cabling(const QPoint& from, const QRect& area, int columns, int rows, int broken);
    void Arrow(const QPoint& from, const QPoint& to, const QPen& pen);
    void Legend(const QRect& view);
    void ScrollBars(const QRect& view);

    QPainter& p;
    const GalleryContext& c;
    QPoint m_origin;
};

int Scene::ToolButton(int x, const QString& folder, const QString& state)
{
    const int top = (c.Px(kToolbarHeight) - c.Px(31)) / 2;
    Image(QStringLiteral("%1\\%2.png").arg(folder, state), m_origin + QPoint(x, top));
    return x + c.Px(38);
}

int Scene::Separator(int x)
{
    const int slot = c.Px(6);
    const int height = c.Px(kToolbarHeight);
    const QRect rect(m_origin + QPoint(x + (slot - 2) / 2, height / 10), QSize(2, height * 4 / 5));
    p.drawImage(rect, c.Skin(QStringLiteral("ToolBar\\splitline.png")));
    return x + slot;
}

void Scene::Toolbar()
{
    const QRect bar = Rect(0, 0, kPageWidth, kToolbarHeight);
    p.fillRect(bar, Qt::white);
    Image(QStringLiteral("ToolBar\\LeftImage\\Normal.png"), m_origin + QPoint(0, (bar.height() - c.Px(30)) / 2));
    int x = c.Px(20);
    x = ToolButton(x, QStringLiteral("ToolBar\\Open"), QStringLiteral("Normal"));
    x = ToolButton(x, QStringLiteral("ToolBar\\Save"), QStringLiteral("Hover"));
    x = ToolButton(x, QStringLiteral("ToolBar\\LoadFromCard"), QStringLiteral("Down"));
    x = ToolButton(x, QStringLiteral("ToolBar\\SaveToCard"), QStringLiteral("Disable"));
    x = Separator(x);
    x = ToolButton(x, QStringLiteral("ToolBar\\Setting"), QStringLiteral("Normal"));
    x = Separator(x);
    x = ToolButton(x, QStringLiteral("ToolBar\\MonitorStart"), QStringLiteral("Disable"));
    x = ToolButton(x, QStringLiteral("ToolBar\\MonitorStop"), QStringLiteral("Normal"));
    x = Separator(x);
    x = ToolButton(x, QStringLiteral("ToolBar\\Normal"), QStringLiteral("Normal"));
    x = ToolButton(x, QStringLiteral("ToolBar\\Hand"), QStringLiteral("Checked"));
    x = Separator(x);
    x = ToolButton(x, QStringLiteral("ToolBar\\MonitorLog"), QStringLiteral("Normal"));
    x = ToolButton(x, QStringLiteral("ToolBar\\Navigation"), QStringLiteral("Checked"));
    x = Separator(x);
    const int zoomLeft = x + (c.Px(87) - c.Px(75)) / 2;
    const QRect zoom(m_origin + QPoint(zoomLeft, bar.height() / 10), QSize(c.Px(75), bar.height() * 4 / 5));
    Text(QStringLiteral("100%"), zoom, 13, QStringLiteral("text"), Qt::AlignCenter);
    Text(QStringLiteral("Demo sender (Demo mode)"), bar.adjusted(0, 0, -c.Px(30), 0), 11, QStringLiteral("textOff"),
         Qt::AlignRight | Qt::AlignVCenter);
    p.fillRect(QRect(bar.left(), bar.bottom() - 1, bar.width(), 1), c.Color(QStringLiteral("line1")));
    p.fillRect(QRect(bar.left(), bar.bottom(), bar.width(), 1), c.Color(QStringLiteral("line2")));
}

void Scene::SenderPanel()
{
    const QRect panel = Rect(0, kToolbarHeight, kPanelWidth, kPageHeight - kToolbarHeight);
    p.fillRect(panel, c.Color(QStringLiteral("panel")));
    const QStringList buttons{QStringLiteral("TreeCtr\\SenderTree\\ToolBar\\Add\\Normal.png"),
                              QStringLiteral("TreeCtr\\SenderTree\\ToolBar\\Rename\\Disable.png"),
                              QStringLiteral("TreeCtr\\SenderTree\\ToolBar\\Delete\\Hover.png"),
                              QString(),
                              QStringLiteral("Sender2\\Refresh\\Normal.png"),
                              QStringLiteral("TreeCtr\\SenderTree\\ToolBar\\Fold\\Down.png"),
                              QStringLiteral("TreeCtr\\SenderTree\\ToolBar\\Expand\\Checked.png")};
    int x = c.Px(6);
    for (const QString& name : buttons) {
        if (name.isEmpty()) {
            p.drawImage(QRect(m_origin + QPoint(x + c.Px(2), c.Px(kToolbarHeight + 8)), QSize(2, c.Px(20))),
                        c.Skin(QStringLiteral("ToolBar\\splitline.png")));
            x += c.Px(6);
            continue;
        }
        Image(name, m_origin + QPoint(x, c.Px(kToolbarHeight + 6)));
        x += c.Px(26);
    }
    Text(QStringLiteral("All senders (3)"), Rect(10, kToolbarHeight + 40, 180, 20), 12, QStringLiteral("text"),
         Qt::AlignLeft | Qt::AlignVCenter);
    const QStringList states{QStringLiteral("Normal"), QStringLiteral("Checked"), QStringLiteral("Hover"),
                             QStringLiteral("Normal")};
    for (int i = 0; i < states.size(); ++i) {
        const int y = kToolbarHeight + 66 + i * 26;
        Frame(QStringLiteral("TreeCtr\\SenderTree\\PortFrame\\%1.png").arg(states[i]), Rect(24, y, 150, 22));
        Text(QStringLiteral("Port %1").arg(i + 1), Rect(32, y, 140, 22), 12, QStringLiteral("text"),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    const QStringList boxes{QStringLiteral("ImageButton\\CheckButton\\Checked\\Normal.png"),
                            QStringLiteral("ImageButton\\CheckButton\\UnChecked\\Normal.png"),
                            QStringLiteral("ImageButton\\CheckButton\\UnChecked\\Hover.png"),
                            QStringLiteral("ImageButton\\CheckButton\\Checked\\Disable.png")};
    for (int i = 0; i < boxes.size(); ++i) {
        const int y = kToolbarHeight + 190 + i * 24;
        Image(boxes[i], At(16, y));
        Text(i % 2 ? QStringLiteral("Humidity off") : QStringLiteral("Temperature on"), Rect(40, y - 2, 150, 20), 12,
             QStringLiteral("text"), Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void Scene::TargetPane()
{
    const QRect pane = Rect(kPanelWidth, kToolbarHeight, kTargetWidth, kPageHeight - kToolbarHeight);
    p.fillRect(pane, Qt::white);
    const int left = (pane.width() - 2 - c.Px(54)) / 2 + c.Px(8);
    struct Button {
        QString icon;
        QString state;
        int height;
        bool warning;
    };
    const std::vector<Button> buttons{{QStringLiteral("Sender"), QStringLiteral("Normal"), 46, false},
                                      {QStringLiteral("Receiver"), QStringLiteral("Checked"), 46, true},
                                      {QStringLiteral("Temperature"), QStringLiteral("Hover"), 34, true},
                                      {QStringLiteral("Humidity"), QStringLiteral("Normal"), 34, false},
                                      {QStringLiteral("PowerBackup"), QStringLiteral("Down"), 34, false},
                                      {QStringLiteral("Voltage"), QStringLiteral("Disable"), 34, false}};
    int y = pane.top() + c.Px(5);
    for (const Button& b : buttons) {
        const QRect rect(pane.left() + left, y, c.Px(54) - c.Px(8), c.Px(b.height));
        Frame(QStringLiteral("Monitor\\BackGround\\%1.png").arg(b.state), rect);
        Centered(QStringLiteral("Monitor\\%1\\Normal.png").arg(b.icon), rect.adjusted(3, 3, -4, -4));
        if (b.warning) {
            const QRect mark(rect.left() - c.Px(9), rect.center().y() - c.Px(8) / 2, c.Px(8), c.Px(8));
            p.drawImage(mark.topLeft(), c.Skin(QStringLiteral("Monitor\\Warning\\Normal.png")));
        }
        y = rect.bottom() + 1 + c.Px(5);
    }
}

QRect Scene::PortRect(const Block& block, int index) const
{
    const QImage unit = c.Skin(QStringLiteral("Port\\Backup\\Normal.png"));
    const int pw = unit.width(), ph = unit.height();
    const int n = static_cast<int>(block.ports.size());
    const int group = n == 20 ? 5 : 4;
    // Upright blocks keep their status band across the top, before the ports.
    const int band = block.turns % 2 ? c.Px(24) : 0;
    const int along = band + qRound(0.2 * pw) + index * (pw + qRound(0.1 * pw))
        + (index / group) * (qRound(0.3 * pw) - qRound(0.1 * pw));
    const int inset = c.Px(3);
    const QRect& r = block.rect;
    switch (block.turns) {
    case 0: return {r.left() + along, r.bottom() + 1 - inset - ph, pw, ph};
    case 2: return {r.left() + along, r.top() + inset, pw, ph};
    case 1: return {r.left() + inset, r.top() + along, ph, pw};
    default: return {r.right() + 1 - inset - ph, r.top() + along, ph, pw};
    }
}

void Scene::DrawBlock(const Block& block)
{
    Frame(block.online ? QStringLiteral("Monitor\\SenderFrame\\Normal.png")
                       : QStringLiteral("Monitor\\SenderFrame\\Offline.png"),
          block.rect);
    const QString status = !block.online ? QStringLiteral("Offline")
        : block.warning                  ? QStringLiteral("Warning")
                                         : QStringLiteral("Online");
    const QImage icon = c.Skin(QStringLiteral("Monitor\\SenderStatus\\%1.png").arg(status));
    const bool upright = block.turns % 2 == 0;
    const int bandTop = block.turns == 2 ? block.rect.bottom() + 1 - c.Px(24) : block.rect.top();
    const QPoint iconAt = upright
        ? QPoint(block.rect.left() + (block.rect.width() - icon.width()) / 2 + 1, bandTop + c.Px(4))
        : QPoint(block.rect.left() + (block.rect.width() - icon.width()) / 2 + 1, block.rect.top() + c.Px(4));
    p.drawImage(iconAt, icon);
    const QString colour = block.online ? QStringLiteral("text") : QStringLiteral("textOff");
    const QRect band(block.rect.left() + c.Px(4), iconAt.y(), block.rect.width() - c.Px(8), icon.height());
    Text(QString::number(block.number), band, 12, colour, Qt::AlignLeft | Qt::AlignVCenter);
    if (upright)
        Text(block.name,
             QRect(iconAt.x() + icon.width() + c.Px(4), band.top(), band.right() - iconAt.x() - icon.width(),
                   band.height()),
             12, colour, Qt::AlignLeft | Qt::AlignVCenter);

    const QString set = block.backupSet ? QStringLiteral("PortFrameBackup") : QStringLiteral("PortFrame");
    for (int i = 0; i < static_cast<int>(block.ports.size()); ++i) {
        const QString state = block.ports[i] == PortState::Warning ? QStringLiteral("Warning")
            : block.ports[i] == PortState::Unknown                 ? QStringLiteral("UnKnown")
                                                                   : QStringLiteral("Normal");
        const QString second = block.backupSet
            ? QStringLiteral("Monitor\\PortFrameBackup\\") + state + QStringLiteral("2.png")
            : QStringLiteral("Monitor\\PortFrame2\\%1.png").arg(state);
        const QRect port = PortRect(block, i);
        Frame(QStringLiteral("Monitor\\%1\\%2.png").arg(set, state), port, block.turns);
        Centered(second, port, block.turns);
        if (i < static_cast<int>(block.backed.size()) && block.backed[i])
            Centered(QStringLiteral("Port\\Backup\\Normal.png"), port, block.turns);
    }
}

void Scene::Receivers(const QRect& area, int columns, int rows, const std::vector<char>& states, bool values)
{
    const int w = area.width() / columns, h = area.height() / rows;
    QPen solid(c.Color(QStringLiteral("white")), 1);
    QPen dashed(c.Color(QStringLiteral("line1")), 1, Qt::DashLine);
    for (int k = 0; k < columns * rows; ++k) {
        const QRect cell(area.left() + (k % columns) * w, area.top() + (k / columns) * h, w, h);
        const char s = states[k % states.size()];
        p.fillRect(cell,
                   c.Color(s == 'w'       ? QStringLiteral("warn")
                               : s == 'o' ? QStringLiteral("off")
                                          : QStringLiteral("ok")));
        p.setPen(solid);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        p.setPen(dashed);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        if (!values)
            continue;
        if (s == 'o') {
            p.fillRect(QRect(cell.left() + w * 3 / 8, cell.center().y(), w / 4, c.Px(2)), Qt::black);
        } else {
            const int m = std::min(w, h);
            p.setFont(c.Font(1));
            QFont font = p.font();
            font.setPixelSize(m > 60 ? m / 3 : m > 50 ? 19 : m > 44 ? 17 : m > 40 ? 15 : m > 32 ? 13 : 11);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(cell, Qt::AlignCenter, s == 'w' ? QStringLiteral("71\u00B0C") : QStringLiteral("42\u00B0C"));
        }
    }
}

void Scene::Arrow(const QPoint& from, const QPoint& to, const QPen& pen)
{
    p.setPen(pen);
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double length = c.Px(8);
    for (double side : {-1.0, 1.0}) {
        const double a = angle + M_PI - side * M_PI / 6;
        p.drawLine(to, to + QPoint(qRound(length * std::cos(a)), qRound(length * std::sin(a))));
    }
}

void Scene::Cabling(const QPoint& from, const QRect& area, int columns, int rows, int broken)
{
    const int w = area.width() / columns, h = area.height() / rows;
    QPen pen(QColor(66, 132, 207), 2 * c.density.factor);
    pen.setCapStyle(Qt::RoundCap);
    p.setRenderHint(QPainter::Antialiasing);
    QPoint previous = from;
    for (int k = 0; k < columns * rows; ++k) {
        const int row = k / columns;
        const int column = row % 2 == 0 ? k % columns : columns - 1 - k % columns; // snake order
        const QPoint centre(area.left() + column * w + w / 2, area.top() + row * h + h / 2);
        Arrow(previous, centre, pen);
        if (k == broken) {
            // The marker drawn at this density.
            const QString marker = c.density.percent >= 250 ? QStringLiteral("50.png")
                : c.density.percent >= 150                  ? QStringLiteral("30.png")
                                                            : QStringLiteral("14.png");
            const QImage image = c.Skin(marker);
            p.drawImage((previous + centre) / 2 - QPoint(image.width() / 2, image.height() / 2), image);
        }
        previous = centre;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void Scene::Legend(const QRect& view)
{
    int right = view.right() + 1 - 5;
    const QList<std::pair<QString, QString>> entries{{QStringLiteral("Offline"), QStringLiteral("off")},
                                                     {QStringLiteral("Warning"), QStringLiteral("warn")}};
    for (const auto& [text, colour] : entries) {
        p.setFont(c.Font(14));
        const int width = c.Px(QFontMetrics(p.font()).horizontalAdvance(text) / c.density.factor + 34);
        const QRect entry(right - width, view.top() + c.Px(6), width, c.Px(22));
        p.fillRect(QRect(entry.left() + c.Px(6), entry.top() + c.Px(5), c.Px(12), c.Px(12)), c.Color(colour));
        Text(text, entry.adjusted(c.Px(24), -3, 0, -3), 14, QStringLiteral("text"), Qt::AlignLeft | Qt::AlignVCenter);
        right -= width;
    }
}

void Scene::ScrollBars(const QRect& view)
{
    const int t = c.Px(kScrollWidth);
    const QRect vertical(view.right() + 1, view.top(), t, view.height());
    const QRect level(view.left(), view.bottom() + 1, view.width(), t);
    p.fillRect(vertical, Qt::white);
    p.fillRect(level, Qt::white);
    p.fillRect(QRect(vertical.left(), level.top(), t, t), Qt::white);
    Frame(QStringLiteral("ScrollBar\\vertical\\Top\\Normal.png"), QRect(vertical.topLeft(), QSize(t, t)));
    Frame(QStringLiteral("ScrollBar\\vertical\\Thumb\\Hover.png"),
          QRect(vertical.left(), vertical.top() + t + c.Px(40), t, vertical.height() / 3));
    Frame(QStringLiteral("ScrollBar\\vertical\\Bottom\\Hover.png"),
          QRect(vertical.left(), vertical.bottom() + 1 - t, t, t));
    Frame(QStringLiteral("ScrollBar\\level\\Top\\Down.png"), QRect(level.topLeft(), QSize(t, t)));
    Frame(QStringLiteral("ScrollBar\\level\\Thumb\\Normal.png"),
          QRect(level.left() + t + c.Px(120), level.top(), level.width() / 2, t));
    Frame(QStringLiteral("ScrollBar\\level\\Bottom\\Normal.png"), QRect(level.right() + 1 - t, level.top(), t, t));
}

std::vector<PortState> States(const QString& pattern)
{
    std::vector<PortState> states;
    for (QChar ch : pattern)
        states.push_back(ch == u'w' ? PortState::Warning : ch == u'u' ? PortState::Unknown : PortState::Normal);
    return states;
}

void Scene::View()
{
    const int left = kPanelWidth + kTargetWidth;
    const QRect view
        = Rect(left, kToolbarHeight, kPageWidth - left - kScrollWidth, kPageHeight - kToolbarHeight - kScrollWidth);
    p.fillRect(view, c.Color(QStringLiteral("background")));
    p.save();
    p.setClipRect(view);
    const QImage watermark = c.Skin(QStringLiteral("WaterMark_Level.png"));
    p.drawImage(view.bottomRight() + QPoint(1, 1) - QPoint(5, 5) - QPoint(watermark.width(), watermark.height()),
                watermark);
    const int pw = c.Skin(QStringLiteral("Port\\Backup\\Normal.png")).width();
    const int ph = c.Skin(QStringLiteral("Port\\Backup\\Normal.png")).height();
    const auto length = [&](int n) {
        return n * pw + 2 * qRound(0.2 * pw) + ((n - 1) / 4) * qRound(0.3 * pw)
            + (n - 1 - (n - 1) / 4) * qRound(0.1 * pw);
    };
    const int depth = c.Px(24) + ph + c.Px(6);

    // One sender above its receivers, with the cabling path of port 1 broken.
    Block a;
    a.rect = QRect(view.topLeft() + QPoint(c.Px(24), c.Px(40)), QSize(length(8), depth));
    a.warning = true;
    a.ports = States(QStringLiteral("nnnnnwnn"));
    a.name = QStringLiteral("Hall A");
    DrawBlock(a);
    const QRect area(a.rect.left(), a.rect.bottom() + 1 + c.Px(20), c.Px(4 * 56), c.Px(3 * 40));
    Receivers(area, 4, 3, {'k', 'k', 'w', 'k', 'k', 'o', 'k', 'k', 'k', 'k', 'k', 'k'}, true);
    Cabling(PortRect(a, 0).center() + QPoint(0, ph / 2), area, 4, 3, 5);

    // Four senders on the four sides of one receiver area.
    const QPoint middle = view.topLeft() + QPoint(c.Px(400), c.Px(40));
    const int side = length(4);
    const QRect shared(middle + QPoint(depth + c.Px(20), depth + c.Px(20)), QSize(side, side));
    Receivers(shared, 3, 3, {'k', 'k', 'k', 'w', 'k', 'k', 'k', 'k', 'o'}, false);
    Block top{QRect(shared.left(), shared.top() - c.Px(20) - depth, side, depth),
              0,
              true,
              false,
              States(QStringLiteral("nnnn")),
              {},
              false,
              QStringLiteral("Top"),
              2};
    Block right{QRect(shared.right() + 1 + c.Px(20), shared.top() - c.Px(24), depth, side + c.Px(24)),
                1,
                true,
                false,
                States(QStringLiteral("nnnn")),
                {true, false, true, false},
                true,
                QString(),
                3};
    Block bottom{QRect(shared.left(), shared.bottom() + 1 + c.Px(20), side, depth),
                 2,
                 false,
                 false,
                 States(QStringLiteral("uuuu")),
                 {},
                 false,
                 QStringLiteral("Lost"),
                 4};
    Block leftBlock{QRect(shared.left() - c.Px(20) - depth, shared.top() - c.Px(24), depth, side + c.Px(24)),
                    3,
                    true,
                    true,
                    States(QStringLiteral("nwnn")),
                    {},
                    false,
                    QString(),
                    5};
    for (const Block* b : {&top, &right, &bottom, &leftBlock})
        DrawBlock(*b);

    // A fibre sender: its main and backup boards with their outputs.
    const QRect fibre(view.topLeft() + QPoint(c.Px(760), c.Px(40)), QSize(c.Px(300), depth + c.Px(30)));
    Frame(QStringLiteral("Monitor\\SenderFrame\\Normal.png"), fibre);
    Image(QStringLiteral("Monitor\\SenderStatus\\Online.png"),
          QPoint(fibre.left() + (fibre.width() - c.Px(16)) / 2 + 1, fibre.top() + c.Px(4)));
    Text(QStringLiteral("6  Processor6"), QRect(fibre.left() + c.Px(4), fibre.top() + c.Px(4), c.Px(100), c.Px(16)), 12,
         QStringLiteral("text"), Qt::AlignLeft | Qt::AlignVCenter);
    const QStringList boards{QStringLiteral("MainFiber\\Normal"), QStringLiteral("BackupFiber\\Unknown")};
    for (int b = 0; b < boards.size(); ++b) {
        const QRect board(fibre.left() + c.Px(8) + b * c.Px(146), fibre.top() + c.Px(26), c.Px(138), ph + c.Px(14));
        Frame(QStringLiteral("Monitor\\FiberBoard\\%1.png").arg(boards[b]), board);
        for (int i = 0; i < 4; ++i) {
            const QString frame = b == 0 ? (i == 2 ? QStringLiteral("Monitor\\PortFrame\\Warning.png")
                                                   : QStringLiteral("Monitor\\PortFrame\\Normal.png"))
                                         : QStringLiteral("Monitor\\PortFrameBackup\\UnKnown.png");
            const QString plug = b == 0 ? (i == 2 ? QStringLiteral("Monitor\\PortFrame2\\Warning.png")
                                                  : QStringLiteral("Monitor\\PortFrame2\\Normal.png"))
                                        : QStringLiteral("Monitor\\PortFrameBackup\\UnKnown2.png");
            const QRect port(board.left() + c.Px(7) + i * (pw + c.Px(8)), board.top() + c.Px(7), pw, ph);
            Frame(frame, port);
            Centered(plug, port);
        }
    }
    Legend(view);
    p.restore();
    ScrollBars(view);
}

} // namespace

int DrawViewScene(QPainter& painter, const GalleryContext& context, int top)
{
    Scene scene(painter, context, QPoint(context.Px(20), top));
    scene.Toolbar();
    scene.SenderPanel();
    scene.TargetPane();
    scene.View();
    return top + context.Px(kPageHeight);
}

} // namespace skin
