// Detection progress.
#include "detection_progress.h"

#include "controls/progress.h"
#include "platform/window.h"

namespace sim::hw {

DetectionProgress::DetectionProgress(CWnd* wnd, int begin, int end) : m_begin(begin), m_end(end)
{
    if (wnd && (begin != 0 || end != 0))
        m_watcher = dynamic_cast<IProgressWatcherEx2*>(wnd);
}

void DetectionProgress::Step(int done, int total)
{
    if (m_watcher && total > 0)
        m_watcher->SetProgressPos(m_begin + (m_end - m_begin) * done / total);
}

} // namespace sim::hw
