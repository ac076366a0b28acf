#include "view/view_render.h"

#include "controls/density.h"
#include "controls/lib_set.h"
#include "controls/product_dir.h"
#include "controls/skin.h"
#include "host/hwbridge_sender.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "view/block_placement.h"
#include "view/hover_key.h"
#include "view/sender_pair.h"
#include "view/view_records.h"
#include "view/view_tips.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

// Design lengths of the layout.
constexpr int kMargin = 24;          // content margin, top-left and after the extent
constexpr int kGap = 20;             // between blocks, and between a block and its receivers
constexpr int kStatusBand = 24;      // depth of a block's status band
constexpr int kTextSize = 12;        // sender numbers and names
constexpr int kMinBlockLength = 180; // a block of one port still shows its name

const CRect kNotStored(-1, -1, -1, -1);

bool IsStoredPosition(int pos) { return pos >= 0 && pos <= 7; }

CSender* SenderAt(int i)
{
    return i >= 0 && i < g_pProjectData->GetSenderCount() ? g_pProjectData->GetSender(i) : nullptr;
}

bool IsFiber(int sender) { return IsFiberSender(*g_pProjectData, sender); }

// A port's normalised tile rectangles.
std::vector<CRect> TileRects(CPort* port)
{
    CPortProject* project = port ? port->GetPortProject() : nullptr;
    CTileSet* tiles = project ? project->GetTileSet() : nullptr;
    if (!tiles)
        return {};
    CNumberedTileSet copy;
    tiles->GetTileSetNumberedNormalization(copy);
    return copy.GetRects();
}

} // namespace

// A running hash of the words that decide a layout.
class CLayoutKey {
public:
    void Add(int64_t v)
    {
        m_hash = (m_hash ^ static_cast<uint64_t>(v)) * 0x9E3779B97F4A7C15ull;
        m_hash ^= m_hash >> 29;
    }
    void Add(const CRect& r)
    {
        Add(static_cast<int64_t>(static_cast<uint32_t>(r.left)) << 32 | static_cast<uint32_t>(r.top));
        Add(static_cast<int64_t>(static_cast<uint32_t>(r.right)) << 32 | static_cast<uint32_t>(r.bottom));
    }
    uint64_t Value() const { return m_hash; }

private:
    uint64_t m_hash = 0xCBF29CE484222325ull;
};

// The steps of one paint: build the entries, place everything, then draw.
struct CViewRender::Pass {
    Pass(CViewRender& render, SViewPaint& paint) : r(render), p(paint) {}
    CViewRender& r;
    SViewPaint& p;
    std::vector<CRect> placed; // for the content extent
    std::vector<const SSenderLayout*> blocks;
    const SSenderLayout* fiberBoards = nullptr;
    const SSenderLayout* rcvOwner = nullptr;
    std::vector<SLaidPort> ports;
    SReceiverLooks* looks = nullptr;
    float zoom = 1.0f;

    bool SecondRow(const SSenderLayout& e) const
    {
        return g_pSenderLogic && e.nBackupRole != BACKUP_BACKUP && g_pSenderLogic->HasSecondPortRow(e.nDeviceClass);
    }
    int UnitCount(const SSenderLayout& e) const
    {
        return IsFiber(e.nSender) ? CMonitorWarningData::kFiberOutputCount : e.nPortCount;
    }
    // A sender's block with its side's size.
    CSize BlockSize(const SSenderLayout& e, EBlockSide side) const
    {
        const SBlockShape shape = BlockShapeOf(UnitCount(e), p.metrics, SecondRow(e));
        return BlockSizeOn(shape, side, p.metrics);
    }

    void BuildEntries()
    {
        const int count = g_pProjectData->GetSenderCount();
        r.m_entries.assign(static_cast<std::size_t>(std::max(0, count)), SSenderLayout{});
        const uint32_t mask = RenderTypeWarningMask(p.obj.nRenderType);
        for (int i = 0; i < count; ++i) {
            SSenderLayout& e = r.m_entries[static_cast<std::size_t>(i)];
            CSender* s = g_pProjectData->GetSender(i);
            e.nSender = i;
            e.nRenderType = p.obj.nRenderType;
            if (!s)
                continue;
            e.nPortCount = std::min(s->GetPortCount(), kMaxSenderPorts);
            for (int port = 0; port < e.nPortCount; ++port) {
                SBackupMatch m;
                if (g_pProjectData->MatchSrcBackup(i, port, m.nSource, m.nBackup, m.bSecond, &m.nPartnerPort))
                    ApplyBackupMatch(e, port, m);
            }
            e.strName = SenderDisplayName(*g_pProjectData, i);
            e.nDeviceClass = g_pModuleData->GetSenderTypeCode(i);
            e.bOnline = p.monitoring ? g_pModuleData->IsSenderDetected(i)
                                     : (g_pSenderLogic && g_pSenderLogic->IsConnected(i) ? 1 : 0);
            e.bWarning = p.warning.HasSenderWarning(i);
            for (int port = 0; port < e.nPortCount; ++port)
                if (p.warning.HaSenderPortWarning(i, port, mask))
                    e.portWarnings.set(static_cast<std::size_t>(port));
        }
        PropagatePairWarnings(r.m_entries);
    }

    SSenderLayout* Entry(int i)
    {
        return i >= 0 && i < static_cast<int>(r.m_entries.size()) ? &r.m_entries[static_cast<std::size_t>(i)] : nullptr;
    }

    void AddBlock(const SSenderLayout& e)
    {
        placed.push_back(e.rcBlock);
        blocks.push_back(&e);
    }

    // Every shown sender's block in a grid, in list order.
    void LayOutOverview(const std::vector<int>& shown)
    {
        CSize largest;
        for (int i : shown)
            if (const SSenderLayout* e = Entry(i)) {
                const CSize size = BlockSize(*e, EBlockSide::Top);
                largest = {std::max(largest.cx, size.cx), std::max(largest.cy, size.cy)};
            }
        const SBlockGrid grid = GridOf(p.client.Width(), largest, p.Scaled(kGap));
        const CPoint origin(p.Scaled(kMargin), p.Scaled(kMargin));
        int position = 0;
        for (int i : shown) {
            SSenderLayout* e = Entry(i);
            if (!e)
                continue;
            e->nRelativePos = 2;
            e->rcBlock = GridCell(origin, grid, position++, BlockSize(*e, EBlockSide::Top));
            AddBlock(*e);
        }
    }

    // The shown sender and its pair partner around their receiver area:
    // the stored placement while it still fits the area, else afresh.
    void PlaceSingle(SSenderLayout& e, const CSize& receivers)
    {
        std::vector<SSenderLayout*> members{&e};
        if (SSenderLayout* partner = Entry(e.Partner()); partner && SenderAt(partner->nSender))
            members.push_back(partner);
        bool stored = true;
        const CPoint storedOrigin = SenderAt(e.nSender)->GetMonitorRcvOffsetPt();
        const CRect storedArea(storedOrigin, receivers);
        for (SSenderLayout* m : members) {
            CSender* s = SenderAt(m->nSender);
            const CRect area = s->GetMonitorRenderArea();
            const int pos = s->GetMonitorRenderRelativePos();
            CRect overlap;
            stored = stored && area != kNotStored && IsStoredPosition(pos) && s->GetMonitorRcvOffsetPt() == storedOrigin
                && !overlap.IntersectRect(area, storedArea);
            m->rcBlock = area;
            m->nRelativePos = pos;
            m->ptRcvOrigin = storedOrigin;
        }
        if (stored)
            return;

        std::vector<SBlockSlot> slots(members.size());
        if (members.size() == 1) {
            slots[0].nRelativePos = LonePosition(members[0]->nRelativePos);
        } else {
            const SPairPositions pos = ReconcilePair(members[0]->nRelativePos, members[1]->nRelativePos,
                                                     members[0]->nBackupRole == BACKUP_BACKUP);
            slots[0].nRelativePos = pos.a;
            slots[1].nRelativePos = pos.b;
        }
        for (std::size_t k = 0; k < members.size(); ++k)
            slots[k].size = BlockSize(*members[k], SideOfPosition(slots[k].nRelativePos));
        const CPoint origin
            = PlaceAroundReceivers(CPoint(p.Scaled(kMargin), p.Scaled(kMargin)), p.Scaled(kGap), receivers, slots);
        for (std::size_t k = 0; k < members.size(); ++k) {
            SSenderLayout& m = *members[k];
            m.rcBlock = slots[k].rcBlock;
            m.ptRcvOrigin = origin;
            CSender* s = SenderAt(m.nSender);
            s->SetMonitorRenderArea(m.rcBlock);
            if (s->GetMonitorRenderRelativePos() != slots[k].nRelativePos)
                s->SetMonitorRenderRelativePos(slots[k].nRelativePos);
            m.nRelativePos = slots[k].nRelativePos;
            s->SetMonitorRcvOffsetPt(origin);
        }
    }

    void LayOutPorts(const SSenderLayout& owner, float z)
    {
        rcvOwner = &owner;
        zoom = z;
        LayOutReceivers(p, p.ToClient(owner.ptRcvOrigin), zoom, ports);
    }

    // One Ethernet sender with its partner's block and its receivers.
    void LayOutSingle(int index)
    {
        SSenderLayout* e = Entry(index);
        CSender* s = SenderAt(index);
        if (!e || !s)
            return;
        const float z = g_pModuleData->GetZoom(index);
        const CRect bound = s->GetBound();
        const bool hasReceivers = !bound.IsRectEmpty();
        const CSize receivers = hasReceivers ? ZoomedSize(bound.Size(), z) : CSize();
        PlaceSingle(*e, receivers);
        g_pModuleData->SetSenderPoint(index, e->ptRcvOrigin);
        AddBlock(*e);
        if (SSenderLayout* partner = Entry(e->Partner()); partner && SenderAt(partner->nSender))
            AddBlock(*partner);
        if (!hasReceivers)
            return;
        placed.push_back(CRect(e->ptRcvOrigin, receivers));
        for (int port = 0; port < e->nPortCount; ++port)
            ports.push_back({port, false, TileRects(s->GetPort(port)), {}});
        LayOutPorts(*e, z);
    }

    // A fibre sender: its block, its boards, and with one board chosen
    // (scope 3) and a receiver target the receivers of that board.
    void LayOutFiber(int index)
    {
        SSenderLayout* e = Entry(index);
        CSender* s = SenderAt(index);
        if (!e || !s)
            return;
        e->nRelativePos = 2;
        e->rcBlock = CRect(CPoint(p.Scaled(kMargin), p.Scaled(kMargin)), BlockSize(*e, EBlockSide::Top));
        AddBlock(*e);
        fiberBoards = e;
        const CRect boards = FiberBoardsArea(p, *e);
        placed.push_back(boards);
        const int output = p.obj.nPort;
        if (p.obj.nScope != TREE_NODE_PORT || !IsReceiverTarget(p.obj.nRenderType) || output < 0
            || output >= s->GetFiberPortCount())
            return;
        ports.push_back({output, true, TileRects(s->GetFiberPort(output)), {}});
        CRect bound;
        for (const CRect& t : ports.back().tiles)
            bound = {std::min(bound.left, t.left), std::min(bound.top, t.top), std::max(bound.right, t.right),
                     std::max(bound.bottom, t.bottom)};
        const float z = g_pModuleData->GetZoom(index);
        e->ptRcvOrigin = CPoint(boards.left, boards.bottom + p.Scaled(kGap));
        g_pModuleData->SetSenderPoint(index, e->ptRcvOrigin);
        placed.push_back(CRect(e->ptRcvOrigin, ZoomedSize(CSize(bound.right, bound.bottom), z)));
        LayOutPorts(*e, z);
    }

    // Everything the rectangles recorded for hit testing depend on, beyond
    // the base layer's key.
    uint64_t LayoutKey(uint64_t base, const std::vector<int>& shown) const
    {
        CLayoutKey key;
        key.Add(static_cast<int64_t>(base));
        for (int32_t w : {p.obj.nScope, p.obj.bValid, p.obj.nRenderType, p.obj.nSender, p.obj.nPort})
            key.Add(w);
        for (int i : shown)
            key.Add(i);
        key.Add(p.start.x);
        key.Add(p.start.y);
        key.Add(p.client);
        for (const SSenderLayout* b : blocks)
            key.Add(b->rcBlock);
        return key.Value();
    }
    // Where the base layer's receivers stand, and what it looks like empty.
    uint64_t ReceiversKey() const
    {
        CLayoutKey key;
        key.Add(p.client);
        key.Add(static_cast<int64_t>(r.m_nImageGeneration));
        for (const SLaidPort& port : ports)
            for (const SLaidReceiver& rcv : port.visible)
                key.Add(rcv.rect);
        return key.Value();
    }
    // Everything the base layer (background, watermark, receivers with
    // their fills) and the receivers' looks depend on.
    uint64_t BaseKey(uint64_t receivers) const
    {
        CLayoutKey key;
        key.Add(static_cast<int64_t>(receivers));
        if (rcvOwner) {
            key.Add(static_cast<int64_t>(p.data.GetSnapshotGeneration()));
            key.Add(p.monitoring);
            key.Add(p.obj.nRenderType);
            key.Add(rcvOwner->nSender);
            key.Add(static_cast<int64_t>(std::hash<std::string>()(CMorvLibSet::Instance().GetDefaultFontName())));
        }
        return key.Value();
    }

    void WorkOutLooks(uint64_t baseKey)
    {
        if (rcvOwner)
            ::WorkOutLooks(p, *rcvOwner, ports, *looks, baseKey);
        else
            *looks = {};
    }

    void DrawOutlines(ICanvas& dc) const
    {
        dc.FillRect(p.client, p.colors.clrBackground);
        DrawWatermark(dc, p.images, p.client);
        DrawReceiverBase(dc, p.colors, ports);
    }
    void DrawStates(ICanvas& dc) const { DrawReceiverStates(dc, p.colors, ports, *looks); }

    // The blocks in view; the others cannot be seen or pointed at.
    void DrawBlocks(bool record)
    {
        for (const SSenderLayout* e : blocks) {
            if (!p.IsVisible(p.ToClient(e->rcBlock)))
                continue;
            if (IsFiber(e->nSender))
                DrawFiberSenderBlock(p, *e, record);
            else
                DrawSenderBlock(p, *e, SecondRow(*e), record);
        }
        if (fiberBoards)
            DrawFiberBoards(p, *fiberBoards);
    }

    void DrawReceivers(bool record)
    {
        if (!rcvOwner)
            return;
        DrawReceiverTexts(p, *rcvOwner, ports, *looks, record);
        // The hovered port's path, also when the port is the partner's: the
        // partner's port feeds the same cabinets from its own connector. A
        // fibre sender's path is that of the board's port whose receivers
        // are shown.
        const bool fiber = IsFiber(rcvOwner->nSender);
        const SHoverPort hover = ReadHoverKey(g_pModuleData->GetHoverKey(), fiber);
        const SSenderLayout* owner = Entry(hover.nSender);
        if (!owner || (hover.nSender != rcvOwner->nSender && hover.nSender != rcvOwner->Partner()))
            return;
        for (const SLaidPort& laid : ports) {
            const bool named = fiber ? laid.bFiber && hover.nBoard == laid.nPort && hover.nPort == 0
                                     : !laid.bFiber && hover.nPort == laid.nPort && hover.nPort < owner->nPortCount;
            if (named)
                DrawCablingPath(p, hover.nSender, p.ToClient(rcvOwner->ptRcvOrigin), laid, zoom,
                                !fiber && SecondRow(*owner));
        }
    }
};

CViewRender::CViewRender() { ReloadImages(); }

CViewRender::~CViewRender() = default;

void CViewRender::ReloadImages()
{
    m_dDensity = g_dDpiScale > 0 ? g_dDpiScale : 1.0;
    const std::string root = g_pSkin ? g_pSkin->GetImageRoot() : CMorvSkin::Instance().GetImageRoot();
    m_images = LoadViewImages(root, CProductDirectorySet::GetRootDir(), m_dDensity);
    ++m_nImageGeneration;
}

void CViewRender::Prepare(const CRect& client)
{
    m_client = CRect(0, 0, std::max(0, client.Width()), std::max(0, client.Height()));
    const Color background = CMorvSkin::Instance().GetColors().clrBackground;
    for (std::unique_ptr<Surface>* s : {&m_surface, &m_outlines.surface, &m_base.surface}) {
        if (m_client.IsRectEmpty())
            s->reset();
        else if (!*s)
            *s = std::make_unique<Surface>(m_client.Width(), m_client.Height(), background);
        else
            (*s)->Resize(m_client.Width(), m_client.Height());
    }
    m_outlines.nKey = m_base.nKey = 0;
    if (CDesignBackground* design = g_pRuntimeData ? g_pRuntimeData->GetDesignBackground() : nullptr) {
        design->SetClientRect(10, client);
        design->SetBackgroundModified(1);
    }
}

void CViewRender::Paint()
{
    if (!m_surface)
        return;
    if (std::unique_ptr<ICanvas> dc = m_surface->BeginPaint())
        Draw(*dc, nullptr);
}

void CViewRender::PaintTo(ICanvas& dc) { Draw(dc, &dc); }

void CViewRender::PaintSplit(ICanvas& dc, ICanvas& base) { Draw(dc, &base); }

void CViewRender::Draw(ICanvas& dc, ICanvas* base)
{
    m_bInputButton = false;
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    if (!g_pProjectData || !g_pModuleData || m_client.IsRectEmpty()) {
        dc.FillRect(m_client, colors.clrBackground);
        return;
    }

    CModuleData& data = *g_pModuleData;
    const CModuleDataLock lock(data);
    CDesignBackground* design = g_pRuntimeData ? g_pRuntimeData->GetDesignBackground() : nullptr;
    SBlockMetrics metrics;
    metrics.dDensity = m_dDensity;
    metrics.nPortWidth = m_images.backupMark ? m_images.backupMark->Width() : morv::Scale(24, m_dDensity);
    metrics.nPortHeight = m_images.backupMark ? m_images.backupMark->Height() : morv::Scale(20, m_dDensity);
    metrics.nStatusBand = morv::Scale(kStatusBand, m_dDensity);
    metrics.nMinLength = morv::Scale(kMinBlockLength, m_dDensity);
    SViewPaint p{dc,
                 m_images,
                 colors,
                 data,
                 data.GetWarningData(),
                 data.GetRcvShowData(),
                 data.GetCurrentObject(),
                 m_client,
                 design ? design->GetViewStartPt() : CPoint(),
                 m_dDensity,
                 g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(),
                 metrics,
                 Font{CMorvLibSet::Instance().GetDefaultFontName(), morv::Scale(kTextSize, m_dDensity), false}};

    Pass pass{*this, p};
    pass.BuildEntries();
    std::vector<int> shown;
    data.GetShowSenders(shown);
    shown.erase(std::remove_if(shown.begin(), shown.end(), [](int i) { return !SenderAt(i); }), shown.end());
    const int renderType = p.obj.nRenderType;
    // The block grid shows blocks only, however many senders are shown.
    const bool overview = p.obj.nScope == TREE_NODE_ALL_SENDERS || p.obj.nScope == TREE_NODE_GROUP || shown.size() >= 2
        || renderType == RENDER_BLOCK_GRID;
    const bool singlePanel = p.obj.bValid && renderType == RENDER_SINGLE_SENDER;
    if (!singlePanel) {
        if (overview)
            pass.LayOutOverview(shown);
        else if (!shown.empty() && IsFiber(shown[0]))
            pass.LayOutFiber(shown[0]);
        else if (!shown.empty())
            pass.LayOutSingle(shown[0]);
    }

    // What changes only with the layout and the monitor data (the base
    // layer) is drawn once into its own surface and copied at every paint;
    // the rest is drawn over it. The looks kept from paint to paint were
    // measured on the surface; a canvas of the caller's measures its own.
    SReceiverLooks ownLooks;
    pass.looks = base ? &ownLooks : &m_looks;
    const uint64_t receiversKey = pass.ReceiversKey();
    const uint64_t baseKey = pass.BaseKey(receiversKey);
    pass.WorkOutLooks(baseKey);
    if (base) {
        pass.DrawOutlines(*base);
        pass.DrawStates(*base);
    } else {
        if (receiversKey != m_outlines.nKey)
            if (std::unique_ptr<ICanvas> layer = m_outlines.surface->BeginPaint()) {
                pass.DrawOutlines(*layer);
                m_outlines.nKey = receiversKey;
                m_base.nKey = 0;
            }
        if (baseKey != m_base.nKey)
            if (std::unique_ptr<ICanvas> layer = m_base.surface->BeginPaint()) {
                layer->DrawSurface(*m_outlines.surface, {0, 0});
                pass.DrawStates(*layer);
                m_base.nKey = baseKey;
            }
        dc.DrawSurface(*m_base.surface, {0, 0});
    }
    // The recorded rectangles are renewed only when the layout changed.
    const uint64_t layout = pass.LayoutKey(receiversKey, shown);
    const bool record = layout != m_nLayoutKey;
    if (record)
        data.ClearItems();
    m_nLayoutKey = layout;

    if (singlePanel) {
        const int current = shown.size() == 1 ? shown[0] : p.obj.nSender;
        if (SSenderLayout* e = pass.Entry(current); e && SenderAt(current))
            m_bInputButton = DrawSingleSenderPanel(p, *e);
    }
    pass.DrawBlocks(record);
    pass.DrawReceivers(record);
    const CSize extent = ContentExtentOf(pass.placed, p.Scaled(kMargin));
    data.SetContentExtent(extent.cx, extent.cy);

    if (renderType != RENDER_SINGLE_SENDER)
        DrawLegend(p);
    if (data.GetNavigationOn())
        DrawNavigation(p, shown, m_entries);
}
