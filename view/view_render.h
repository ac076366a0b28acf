#pragma once
// CViewRender: lays out and draws the monitor view into an off-screen
// surface of the pane's client size, which the pane copies to its window.
// One per view pane.
//
// Every paint rebuilds the sender layout entries from the project, the page
// state and the monitor data (read under the page state's lock), places the
// blocks and receivers, records their rectangles in the page state for hit
// testing and draws them. Images are looked up once per renderer and again
// on ReloadImages.
#include "platform/canvas.h"
#include "view/sender_layout.h"
#include "view/view_images.h"
#include "view/view_paint.h"

#include <cstdint>
#include <memory>
#include <vector>

class CViewRender {
public:
    CViewRender();
    ~CViewRender();
    CViewRender(const CViewRender&) = delete;
    CViewRender& operator=(const CViewRender&) = delete;

    // Looks the images up again (the skin or the density changed).
    void ReloadImages();
    // (Re)creates the surface at the client rectangle's size and tells the
    // design background about the rectangle. An empty rectangle leaves no
    // surface.
    void Prepare(const CRect& client);
    // Lays out and draws the whole view into the surface; nothing without one.
    // What changes only with the layout (background, watermark, receivers
    // in their normal state) is kept in a surface of its own; the receivers
    // in another state are drawn over a copy of it into a second kept
    // surface when the monitor data changed; that one is copied under the
    // rest at every paint.
    void Paint();
    // The same paint into another canvas, at the prepared client size,
    // base layer included.
    void PaintTo(ICanvas& dc);
    // The same paint with the base layer drawn into `base` and the rest into
    // `dc`; laid over each other they give what PaintTo draws.
    void PaintSplit(ICanvas& dc, ICanvas& base);

    const Surface* GetSurface() const { return m_surface.get(); }
    const CRect& GetClientRect() const { return m_client; }
    // The entries of the last paint, indexed by sender index.
    const std::vector<SSenderLayout>& GetLayout() const { return m_entries; }
    // Whether the last paint showed the video input button (render type 2
    // with an online sender).
    bool IsInputButtonShown() const { return m_bInputButton; }

private:
    struct Pass;
    // base: where the base layer goes; null: the kept layers.
    void Draw(ICanvas& dc, ICanvas* base);

    SViewImages m_images;
    uint64_t m_nImageGeneration = 0;
    double m_dDensity = 1.0;
    CRect m_client;
    std::unique_ptr<Surface> m_surface;
    // A surface drawn again only when what it shows (its key) changed.
    struct SKeptLayer {
        std::unique_ptr<Surface> surface;
        uint64_t nKey = 0;
    };
    SKeptLayer m_outlines;     // the receivers in their normal state
    SKeptLayer m_base;         // the same with the receivers' states
    uint64_t m_nLayoutKey = 0; // what the recorded rectangles describe
    std::vector<SSenderLayout> m_entries;
    SReceiverLooks m_looks; // the receivers' looks of the last paint
    bool m_bInputButton = false;
};
