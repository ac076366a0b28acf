#pragma once
// The drawing canvas: the few primitives the panes paint with. One
// implementation draws with the toolkit into a window or an off-screen
// surface; a recording one keeps every call as data for tests.
#include "platform/geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    constexpr bool operator==(const Color&) const = default;
};
constexpr Color RGBColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) { return {r, g, b, a}; }
// From a desktop colour value 0x00BBGGRR.
constexpr Color ColorFromRef(uint32_t ref)
{
    return {static_cast<uint8_t>(ref & 0xFF), static_cast<uint8_t>((ref >> 8) & 0xFF),
            static_cast<uint8_t>((ref >> 16) & 0xFF), 255};
}

// A pen: colour (with alpha), width in pixels and a dash pattern of on/off
// lengths in pixels (empty = solid).
struct Pen {
    Color color;
    int width = 1;
    std::vector<int> dash;
    bool operator==(const Pen&) const = default;
};

struct Font {
    std::string family;
    int pixelSize = 12;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// Text placement inside a rectangle; single line always.
enum TextAlign : unsigned {
    AlignLeft = 0x1,
    AlignRight = 0x2,
    AlignHCenter = 0x4,
    AlignTop = 0x20,
    AlignBottom = 0x40,
    AlignVCenter = 0x80,
    AlignCenter = AlignHCenter | AlignVCenter,
    ElideRight = 0x1000, // cut with an ellipsis when too wide
};

// Corner margins of a nine-part stretch: the four borders keep their size,
// the middle stretches.
struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Margins&) const = default;
};

// A decoded image (PNG). Immutable once loaded; shared by the image cache
// and whoever draws it. Keeps the path it came from so recordings can name it.
class Image {
public:
    static std::shared_ptr<const Image> Load(const std::string& path);
    // A plain image of one colour (placeholders, tests).
    static std::shared_ptr<const Image> Solid(int width, int height, Color color);
    ~Image();
    int Width() const;
    int Height() const;
    const std::string& Path() const;
    struct Impl;
    const Impl& GetImpl() const { return *m_impl; }
    explicit Image(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> m_impl;
};

class ICanvas {
public:
    virtual ~ICanvas() = default;

    virtual void FillRect(const CRect& rect, Color color) = 0;
    // Outline on the pixels just inside the rectangle (right and bottom
    // edges excluded, as everywhere), with the pen's width growing inward.
    virtual void DrawRect(const CRect& rect, const Pen& pen) = 0;
    virtual void DrawLine(const CPoint& from, const CPoint& to, const Pen& pen) = 0;
    virtual void DrawPolyline(const std::vector<CPoint>& points, const Pen& pen) = 0;
    virtual void FillEllipse(const CRect& rect, Color color) = 0;

    // Image scaled into the rectangle, after turning it clockwise by quarter
    // turns (0..3); the turned image's width and height are swapped for odd
    // turns.
    virtual void DrawImage(const Image& image, const CRect& dest, int quarterTurns = 0) = 0;
    // Image unscaled with its top-left corner at a point.
    virtual void DrawImageAt(const Image& image, const CPoint& topLeft) = 0;
    // Nine-part stretch of the (turned) image into the rectangle.
    virtual void DrawImageNinePart(const Image& image, const CRect& dest, const Margins& margins, int quarterTurns = 0)
        = 0;

    // Single-line text in a rectangle with alignment flags, or with its
    // top-left corner at a point; MeasureText answers its size.
    virtual void DrawText(const std::string& text, const CRect& rect, const Font& font, Color color, unsigned align)
        = 0;
    virtual void DrawTextAt(const std::string& text, const CPoint& topLeft, const Font& font, Color color) = 0;
    virtual CSize MeasureText(const std::string& text, const Font& font) = 0;

    // Copies an off-screen surface unscaled with its top-left corner at a point.
    virtual void DrawSurface(const class Surface& surface, const CPoint& topLeft) = 0;

    // Clipping and state: Save/Restore bracket a clip change.
    virtual void Save() = 0;
    virtual void Restore() = 0;
    virtual void SetClipRect(const CRect& rect) = 0;
};

// An off-screen surface of a given size that a canvas draws into; copied to
// a window with ICanvas::DrawSurface, or saved as PNG.
class Surface {
public:
    Surface(int width, int height, Color fill = {255, 255, 255, 255});
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int Width() const;
    int Height() const;
    // Keeps the content when the size is unchanged.
    void Resize(int width, int height);
    // A canvas drawing into this surface; valid while the surface lives and
    // until the next Resize. One canvas at a time.
    std::unique_ptr<ICanvas> BeginPaint();
    Color PixelAt(int x, int y) const;
    bool SavePng(const std::string& path) const;

    struct Impl;
    Impl& GetImpl() const { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};

// Recording canvas: every call becomes one DrawOp. Text is measured with a
// fixed rule (0.6 × pixel size per character, height = pixel size), so tests
// never depend on the fonts installed.
struct DrawOp {
    enum class Kind {
        FillRect,
        DrawRect,
        Line,
        Polyline,
        FillEllipse,
        Image,
        ImageAt,
        ImageNinePart,
        Text,
        TextAt,
        Surface,
        Save,
        Restore,
        Clip
    };
    Kind kind = Kind::FillRect;
    CRect rect;
    std::vector<CPoint> points;
    Color color;
    Pen pen;
    std::string image; // image path
    int quarterTurns = 0;
    Margins margins;
    std::string text;
    Font font;
    unsigned align = 0;
    bool operator==(const DrawOp&) const = default;
};

class RecordingCanvas : public ICanvas {
public:
    void FillRect(const CRect& rect, Color color) override;
    void DrawRect(const CRect& rect, const Pen& pen) override;
    void DrawLine(const CPoint& from, const CPoint& to, const Pen& pen) override;
    void DrawPolyline(const std::vector<CPoint>& points, const Pen& pen) override;
    void FillEllipse(const CRect& rect, Color color) override;
    void DrawImage(const Image& image, const CRect& dest, int quarterTurns = 0) override;
    void DrawImageAt(const Image& image, const CPoint& topLeft) override;
    void DrawImageNinePart(const Image& image, const CRect& dest, const Margins& margins,
                           int quarterTurns = 0) override;
    void DrawText(const std::string& text, const CRect& rect, const Font& font, Color color, unsigned align) override;
    void DrawTextAt(const std::string& text, const CPoint& topLeft, const Font& font, Color color) override;
    CSize MeasureText(const std::string& text, const Font& font) override;
    void Save() override;
    void Restore() override;
    void SetClipRect(const CRect& rect) override;
    void DrawSurface(const Surface& surface, const CPoint& topLeft) override;

    const std::vector<DrawOp>& Ops() const { return m_ops; }
    void Clear() { m_ops.clear(); }

private:
    std::vector<DrawOp> m_ops;
};
