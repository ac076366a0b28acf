// The view's paint (layout plus drawing into its off-screen surface)
// through the real renderer and canvas, on generated installations while
// monitoring reports warnings, beside two yardsticks measured in the same
// run: a naive painter drawing the same receivers with plain QPainter (a
// fill, a solid outline, a dashed alpha outline each, and a centred text
// where the view draws one), and one full-surface copy of the same size.
//
//   bench_view_paint --benchmark_min_time=0.5
//
// Scenarios on a 1920 x 1080 view (Texts2500 also right after each new
// monitoring round, when the values are formatted and measured again):
//   Receivers10k   one sender with 10,000 receivers, too small for value texts;
//   Texts2500      2,500 receivers, each with its value text;
//   Overview255    255 senders as blocks.
// Goals (printed after the run): Receivers10k and Texts2500 at most 0.15
// times the naive painter and 15 times the copy; Overview255 at most 10
// times the copy.
#include "controls/lib_set.h"
#include "controls/skin.h"
#include "host/host_enums.h"
#include "host/hwbridge.h"
#include "host/quarn_label.h"
#include "host/vistrano_label.h"
#include "module/module_data.h"
#include "module/module_entry.h"
#include "module/module_globals.h"
#include "platform/window.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"
#include "view/receiver_text.h"
#include "view/view_records.h"
#include "view/view_render.h"

#include "copy_yardstick.h"
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

// The host's side of the page: a page area and nothing else.
class CBenchHost final : public IVistranoLabel {
public:
    CBenchHost() { m_area.CreateEx(nullptr, {0, 0, 1200, 800}, 1, EWindowKind::Dialog, "page area"); }
    void Notify(int32_t, int32_t, int32_t, int32_t) override {}
    CWnd* GetParentWnd() override { return &m_area; }
    int SwitchLabel() override { return 0; }
    int OpenProject(const std::string&) override { return 0; }
    int SaveProject() override { return 0; }
    int SaveProjectAs() override { return 0; }
    int LoadProjectFromCard(int) override { return 0; }
    int SaveProjectToCard(int& cancelled, CWnd*) override
    {
        cancelled = 0;
        return 0;
    }

private:
    CWnd m_area;
};

enum class EScenario { Receivers10k, Texts2500, Overview255 };

struct SScenario {
    sim::GenerateOptions options;
    int scope;
    int renderType;
};

SScenario Describe(EScenario s)
{
    switch (s) {
    case EScenario::Receivers10k:
        // 134 x 75 cabinets of 13 pixels: all in view, none big enough for text.
        return {{.senders = 1, .portsPerSender = 10, .receiversPerPort = 1000, .cabinetSize = 13},
                TREE_NODE_SENDER,
                RENDER_RECEIVER};
    case EScenario::Texts2500:
        // 67 x 38 cabinets of 26 pixels, each with its temperature.
        return {{.senders = 1, .portsPerSender = 10, .receiversPerPort = 250, .cabinetSize = 26},
                TREE_NODE_SENDER,
                RENDER_TEMPERATURE};
    case EScenario::Overview255:
        return {{.senders = 255, .portsPerSender = 8, .receiversPerPort = 4, .cabinetSize = 64},
                TREE_NODE_ALL_SENDERS,
                RENDER_RECEIVER};
    }
    return {};
}

// The installation loaded, monitored for one round with warnings, the page
// made and the renderer prepared at 1920 x 1080.
class CStage {
public:
    explicit CStage(EScenario scenario)
    {
        const SScenario s = Describe(scenario);
        sim::ShutdownMonitoring();
        sim::SetCallLogEnabled(false);
        std::string error;
        if (!sim::SetProject(sim::GenerateProject(s.options), error)) {
            m_error = error;
            return;
        }
        if (!Monitor_Init(&m_host, &m_page) || !m_page) {
            m_error = "the page was not made";
            return;
        }
        // One receiver in sixteen of the first sender's ports runs hot.
        for (int port = 0; port < s.options.portsPerSender; ++port)
            for (int k = 0; k < s.options.receiversPerPort; k += 16)
                sim::InjectReceiverFault(0, port, k, sim::ReceiverFault::OverTemperature);
        sim::InjectSenderFault(1, sim::SenderFault::Offline);
        sim::SetMonitorStepMode(true);
        if (!GetHwMonitorLogic()->StartMonitor(nullptr) || !sim::RunMonitorRounds(1)) {
            m_error = "the monitoring thread did not run a round";
            return;
        }
        g_pModuleData->SetCurrentObject(s.scope, 1, s.renderType, 0, 0);
        m_render.Prepare({0, 0, kWidth, kHeight});
        m_render.Paint();
        m_options = s.options;
    }
    ~CStage()
    {
        sim::ShutdownMonitoring();
        sim::ClearAllFaults();
        if (m_page)
            m_page->Release();
    }
    const std::string& Error() const { return m_error; }
    CViewRender& Render() { return m_render; }
    const sim::GenerateOptions& Options() const { return m_options; }

private:
    CBenchHost m_host;
    IQuarnLabel* m_page = nullptr;
    CViewRender m_render;
    std::string m_error;
    sim::GenerateOptions m_options;
};

// What the naive painter draws: each receiver the view placed, its fill and
// its value text where the view draws one.
struct SNaiveCell {
    QRect rect;
    QColor fill;
    QString text;
    int textSize = 0;
};

std::vector<SNaiveCell> NaiveCells(const sim::GenerateOptions& o)
{
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    CModuleData& data = *g_pModuleData;
    const CModuleDataLock lock(data);
    const SCurrentObject obj = data.GetCurrentObject();
    std::vector<SNaiveCell> cells;
    for (int port = 0; port < o.portsPerSender; ++port)
        for (int k = 0; k < o.receiversPerPort; ++k) {
            const CRect r = RecordedReceiver(data, obj, 0, port, 0, k);
            if (r.IsRectEmpty())
                continue;
            const uint32_t word = data.GetWarningData().GetSenderPortRcvWarning(0, port, k);
            const Color c
                = (word & RenderTypeWarningMask(obj.nRenderType)) ? colors.clrWarningFill : colors.clrNormalFill;
            SNaiveCell cell{QRect(r.left, r.top, r.Width(), r.Height()), QColor(c.r, c.g, c.b), {}, 0};
            cell.textSize = ReceiverTextSize(std::min(r.Width(), r.Height()), k + 1);
            if (cell.textSize > 0)
                cell.text = QString::fromStdString(data.GetRcvShowData().GetRcvShowStr(obj.nRenderType, 0, port, k));
            cells.push_back(cell);
        }
    return cells;
}

std::map<std::string, double> g_times; // nanoseconds per iteration, by name

void Paint(benchmark::State& state, EScenario scenario)
{
    CStage stage(scenario);
    if (!stage.Error().empty()) {
        state.SkipWithError(stage.Error().c_str());
        return;
    }
    for (auto _ : state)
        stage.Render().Paint();
}

// A paint after each new monitoring round: the values are formatted and
// measured again (the round itself is not timed).
void PaintAfterRound(benchmark::State& state, EScenario scenario)
{
    CStage stage(scenario);
    if (!stage.Error().empty()) {
        state.SkipWithError(stage.Error().c_str());
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        sim::RunMonitorRounds(1);
        state.ResumeTiming();
        stage.Render().Paint();
    }
}

void Naive(benchmark::State& state, EScenario scenario)
{
    CStage stage(scenario);
    if (!stage.Error().empty()) {
        state.SkipWithError(stage.Error().c_str());
        return;
    }
    const std::vector<SNaiveCell> cells = NaiveCells(stage.Options());
    QImage surface(kWidth, kHeight, QImage::Format_RGB32);
    QPen solid(QColor(205, 210, 216), 1);
    QPen dashed(QColor(90, 90, 90, 200), 1);
    dashed.setDashPattern({3, 2});
    QFont font(QString::fromStdString(CMorvLibSet::Instance().GetDefaultFontName()));
    for (auto _ : state) {
        QPainter p(&surface);
        p.fillRect(surface.rect(), QColor(241, 247, 255));
        for (const SNaiveCell& c : cells) {
            p.fillRect(c.rect, c.fill);
            p.setPen(solid);
            p.drawRect(c.rect.adjusted(0, 0, -1, -1));
            p.setPen(dashed);
            p.drawRect(c.rect.adjusted(0, 0, -1, -1));
            if (!c.text.isEmpty()) {
                font.setPixelSize(c.textSize);
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(c.rect, Qt::AlignCenter, c.text);
            }
        }
    }
    state.counters["cells"] = static_cast<double>(cells.size());
}

void Copy(benchmark::State& state) { CopyFullSurface(state, kWidth, kHeight); }

BENCHMARK_CAPTURE(Paint, Receivers10k, EScenario::Receivers10k)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Naive, Receivers10k, EScenario::Receivers10k)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paint, Texts2500, EScenario::Texts2500)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintAfterRound, Texts2500, EScenario::Texts2500)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Naive, Texts2500, EScenario::Texts2500)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paint, Overview255, EScenario::Overview255)->Unit(benchmark::kMillisecond);
BENCHMARK(Copy)->Unit(benchmark::kMillisecond);

// Keeps every run's time per iteration for the ratios.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (!r.error_occurred)
                g_times[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatios()
{
    const auto time = [](const std::string& name) {
        auto it = g_times.find(name);
        return it == g_times.end() ? 0.0 : it->second;
    };
    const double copy = time("Copy");
    if (copy <= 0)
        return;
    std::printf("\nRatios in this run (goal in brackets):\n");
    for (const char* s : {"Receivers10k", "Texts2500"}) {
        const double paint = time(std::string("Paint/") + s), naive = time(std::string("Naive/") + s);
        if (paint > 0 && naive > 0)
            std::printf("  %-13s paint / naive %.3f [<= 0.15]   paint / copy %.1f [<= 15]\n", s, paint / naive,
                        paint / copy);
    }
    const double fresh = time("PaintAfterRound/Texts2500"), naive = time("Naive/Texts2500");
    if (fresh > 0 && naive > 0)
        std::printf("  %-13s paint after a new round / naive %.3f   paint / copy %.1f\n", "Texts2500", fresh / naive,
                    fresh / copy);
    if (const double overview = time("Paint/Overview255"); overview > 0)
        std::printf("  %-13s paint / copy %.1f [<= 10]\n", "Overview255", overview / copy);
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
