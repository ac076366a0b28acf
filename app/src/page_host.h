#pragma once
// The host's side of its pages: it hands every Notify back to every page as
// an Update, keeps the pages placed in the page area, switches between
// them, and passes the project and card operations on to the host's
// commands.
//
// Re-entrancy: a Notify that arrives while the host is updating the pages
// (a page notifying from inside its Update, or while a page is being
// created) is queued and delivered after the running update, in order.
// Delivered directly it would nest a second refresh inside the first, and
// a pane whose refresh guards against re-entry would silently drop it.
#include "host/quarn_label.h"
#include "host/vistrano_label.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace app {

// The project and card operations the pages ask the host for.
class IHostCommands {
public:
    virtual int OpenProject(const std::string& path) = 0;
    virtual int SaveProject() = 0;
    virtual int SaveProjectAs() = 0;
    virtual int LoadProjectFromCard(int senderIndex) = 0;
    virtual int SaveProjectToCard(int& cancelled, CWnd* wnd) = 0;

protected:
    ~IHostCommands() = default;
};

struct SNotifyRecord {
    int32_t mask = 0;
    int32_t word1 = 0;
    int32_t word2 = 0;
    int32_t word3 = 0;
    bool queued = false; // arrived during an update and was delivered after it
};

struct SUpdateRecord {
    int page = 0;
    int32_t mask = 0;
    int32_t word = 0;
    int32_t relayout = 0;
    int result = 0;
};

// Notifications re-queued from inside their own delivery beyond this many in
// one run are dropped: a page that answers every update with a notification
// would otherwise keep the host busy for ever.
constexpr int kMaxQueuedDeliveries = 1000;
// The records kept for the dump; older ones are counted, not kept.
constexpr std::size_t kKeptRecords = 2000;

class CPageHost final : public IVistranoLabel {
public:
    CPageHost(CWnd& pageArea, IHostCommands& commands);
    ~CPageHost();
    CPageHost(const CPageHost&) = delete;
    CPageHost& operator=(const CPageHost&) = delete;

    // Creates a page (the module's entry, a host page) with notifications
    // held until it is known, then places it. Null when create answers null.
    IQuarnLabel* AttachPage(const std::string& name, const std::function<IQuarnLabel*()>& create);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    IQuarnLabel* Page(int index) const;
    std::string PageName(int index) const;
    int CurrentPage() const { return m_current; }

    // Hides the other pages, shows this one and activates it.
    bool ShowPage(int index);
    // Moves every page onto the page area and lays it out again.
    void PlacePages();
    // Updates every page, with the same queueing as a Notify.
    void Refresh(int32_t mask, int32_t word, int32_t relayout);
    // Releases every page, the last attached first.
    void ReleasePages();
    // Releases one page and creates it again in its place, shown if it was
    // shown. False (the page gone from the list) when create answers null.
    bool RecreatePage(int index, const std::function<IQuarnLabel*()>& create);
    // Called after each run of updates has been delivered.
    void SetDeliveredHandler(std::function<void()> handler) { m_onDelivered = std::move(handler); }

    // IVistranoLabel
    void Notify(int32_t mask, int32_t word1, int32_t word2, int32_t word3) override;
    CWnd* GetParentWnd() override { return &m_pageArea; }
    int SwitchLabel() override;
    int OpenProject(const std::string& path) override;
    int SaveProject() override;
    int SaveProjectAs() override;
    int LoadProjectFromCard(int senderIndex) override;
    int SaveProjectToCard(int& cancelled, CWnd* wnd) override;

    // What went through the host, newest last (at most kKeptRecords each).
    const std::deque<SNotifyRecord>& Notifications() const { return m_notifications; }
    const std::deque<SUpdateRecord>& Updates() const { return m_updates; }
    long NotificationCount() const { return m_notificationCount; }
    long UpdateCount() const { return m_updateCount; }
    long DroppedCount() const { return m_dropped; }

private:
    struct SPage {
        std::string name;
        IQuarnLabel* label = nullptr;
    };
    struct SPending {
        int32_t mask, word, relayout;
    };

    // Runs an action with notifications held, then delivers what arrived.
    void Held(const std::function<void()>& action);
    void UpdateAll(int32_t mask, int32_t word, int32_t relayout);
    void Place(int index);
    void Record(int index, int32_t mask, int32_t word, int32_t relayout, int result);

    CWnd& m_pageArea;
    IHostCommands& m_commands;
    std::vector<SPage> m_pages;
    int m_current = -1;
    bool m_busy = false;
    std::deque<SPending> m_pending;
    std::function<void()> m_onDelivered;
    std::deque<SNotifyRecord> m_notifications;
    std::deque<SUpdateRecord> m_updates;
    long m_notificationCount = 0;
    long m_updateCount = 0;
    long m_dropped = 0;
};

} // namespace app
