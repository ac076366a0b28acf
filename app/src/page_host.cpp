#include "page_host.h"

#include "platform/window.h"

#include <cstdio>

namespace app {

namespace {

template <class T>
void Keep(std::deque<T>& records, T record)
{
    records.push_back(std::move(record));
    if (records.size() > kKeptRecords)
        records.pop_front();
}

} // namespace

CPageHost::CPageHost(CWnd& pageArea, IHostCommands& commands) : m_pageArea(pageArea), m_commands(commands) {}

CPageHost::~CPageHost() { ReleasePages(); }

IQuarnLabel* CPageHost::AttachPage(const std::string& name, const std::function<IQuarnLabel*()>& create)
{
    IQuarnLabel* page = nullptr;
    Held([&] {
        page = create();
        if (!page)
            return;
        m_pages.push_back({name, page});
        Place(PageCount() - 1);
    });
    return page;
}

IQuarnLabel* CPageHost::Page(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)].label : nullptr;
}

std::string CPageHost::PageName(int index) const
{
    return index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)].name : std::string();
}

bool CPageHost::ShowPage(int index)
{
    IQuarnLabel* shown = Page(index);
    if (!shown)
        return false;
    Held([&] {
        for (const SPage& page : m_pages) {
            if (page.label != shown)
                page.label->Show(0);
        }
        m_current = index;
        shown->Show(1);
        shown->Activate();
    });
    return true;
}

void CPageHost::PlacePages()
{
    Held([&] {
        for (int i = 0; i < PageCount(); ++i)
            Place(i);
    });
}

void CPageHost::Place(int index)
{
    IQuarnLabel* page = Page(index);
    page->MoveTo(m_pageArea.GetClientRect());
    Record(index, -1, 0, 1, page->Update(-1, 0, 1));
}

void CPageHost::Record(int index, int32_t mask, int32_t word, int32_t relayout, int result)
{
    ++m_updateCount;
    Keep(m_updates, SUpdateRecord{index, mask, word, relayout, result});
}

void CPageHost::Refresh(int32_t mask, int32_t word, int32_t relayout)
{
    if (m_busy) {
        m_pending.push_back({mask, word, relayout});
        return;
    }
    Held([&] { UpdateAll(mask, word, relayout); });
}

void CPageHost::ReleasePages()
{
    // Taken off the list first: a page that notifies while it goes reaches
    // no released page.
    std::vector<SPage> pages;
    pages.swap(m_pages);
    m_current = -1;
    m_pending.clear();
    for (auto it = pages.rbegin(); it != pages.rend(); ++it)
        it->label->Release();
}

bool CPageHost::RecreatePage(int index, const std::function<IQuarnLabel*()>& create)
{
    if (!Page(index))
        return false;
    bool created = false;
    Held([&] {
        // Off the list while it goes and while its successor is made, as in ReleasePages.
        const auto at = m_pages.begin() + index;
        SPage page = *at;
        m_pages.erase(at);
        const bool shown = m_current == index;
        m_current = shown ? -1 : m_current - (m_current > index ? 1 : 0);
        page.label->Release();
        page.label = create();
        if (!page.label)
            return;
        m_pages.insert(m_pages.begin() + index, page);
        if (m_current >= index)
            ++m_current;
        Place(index);
        page.label->Show(shown ? 1 : 0);
        if (shown) {
            m_current = index;
            page.label->Activate();
        }
        created = true;
    });
    return created;
}

void CPageHost::Notify(int32_t mask, int32_t word1, int32_t word2, int32_t word3)
{
    ++m_notificationCount;
    Keep(m_notifications, SNotifyRecord{mask, word1, word2, word3, m_busy});
    // The second or the third word asks the page to lay its panes out
    // again (a zoom; a folded sender panel, a detection); the first is
    // handed on as the update's word.
    Refresh(mask, word1, word2 != 0 || word3 != 0 ? 1 : 0);
}

void CPageHost::Held(const std::function<void()>& action)
{
    if (m_busy) {
        action();
        return;
    }
    m_busy = true;
    action();
    int delivered = 0;
    while (!m_pending.empty()) {
        if (delivered++ == kMaxQueuedDeliveries) {
            m_dropped += static_cast<long>(m_pending.size());
            std::fprintf(stderr, "quarn: a page keeps notifying from inside its updates; %zu notification(s) dropped\n",
                         m_pending.size());
            m_pending.clear();
            break;
        }
        const SPending next = m_pending.front();
        m_pending.pop_front();
        UpdateAll(next.mask, next.word, next.relayout);
    }
    m_busy = false;
    if (m_onDelivered)
        m_onDelivered();
}

void CPageHost::UpdateAll(int32_t mask, int32_t word, int32_t relayout)
{
    for (int i = 0; i < PageCount(); ++i)
        Record(i, mask, word, relayout, Page(i)->Update(mask, word, relayout));
}

int CPageHost::SwitchLabel()
{
    if (PageCount() < 2)
        return 0;
    return ShowPage((m_current + 1) % PageCount()) ? 1 : 0;
}

int CPageHost::OpenProject(const std::string& path)
{
    const int result = m_commands.OpenProject(path);
    if (result)
        Refresh(-1, 0, 1);
    return result;
}

int CPageHost::SaveProject() { return m_commands.SaveProject(); }

int CPageHost::SaveProjectAs() { return m_commands.SaveProjectAs(); }

int CPageHost::LoadProjectFromCard(int senderIndex)
{
    const int result = m_commands.LoadProjectFromCard(senderIndex);
    if (result)
        Refresh(-1, 0, 1);
    return result;
}

int CPageHost::SaveProjectToCard(int& cancelled, CWnd* wnd) { return m_commands.SaveProjectToCard(cancelled, wnd); }

} // namespace app
