#pragma once
// Sender and port services. Each stands for one sender of the project (by
// its serial) and looks the sender up on every call, so a service whose
// sender was deleted, or whose project was replaced, answers neutral
// values instead of touching freed data.
#include "host/vistrano_project.h"
#include "sim/project_model.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace sim::detail {

class SenderService;

// A port is its own port project and tile set.
class PortService final : public CPort, public CPortProject, public CTileSet {
public:
    PortService(uint64_t serial, bool fiber, int index) : m_serial(serial), m_fiber(fiber), m_index(index) {}

    CPortProject* GetPortProject() override;
    int GetTilesCount() const override;
    int IsBackupDest() const override;
    CTileSet* GetTileSet() override;
    int GetRcvCount() const override;
    CRect GetRectByRcvCnntIndex(int i) const override;
    void GetTileSetNumberedNormalization(CNumberedTileSet& copy) const override;

private:
    // The port's model; null when it no longer exists. World lock held.
    const PortModel* Model() const;

    uint64_t m_serial;
    bool m_fiber;
    int m_index;
};

class SenderService final : public CSender {
public:
    explicit SenderService(uint64_t serial) : m_serial(serial) {}

    std::string GetId() const override;
    std::string GetSenderName() const override;
    void SetSenderName(const std::string& name) override;
    std::string GetScBelongGroup() const override;
    void SetScBelongGroup(const std::string& groupId) override;
    int GetPortCount() const override;
    void SetPortCount(int count) override;
    CPort* GetPort(int i) override;
    int GetFiberPortCount() const override;
    CPort* GetFiberPort(int i) override;
    int GetRecentPortIndex() const override;
    void SetRecentPortIndex(int i) override;
    CRect GetBound() const override;
    CRect GetMonitorRenderArea() const override;
    void SetMonitorRenderArea(const CRect& area) override;
    CPoint GetMonitorRcvOffsetPt() const override;
    void SetMonitorRcvOffsetPt(const CPoint& pt) override;
    int GetMonitorRenderRelativePos() const override;
    void SetMonitorRenderRelativePos(int pos) override;
    void ResetMonitorRenderParam(int forgetPosition) override;

private:
    // Reads or changes the sender's model under the world lock; `fallback`
    // when the sender no longer exists.
    template <class R, class F>
    R With(R fallback, F f) const;
    PortService* Port(std::vector<std::unique_ptr<PortService>>& cache, bool fiber, int i, int count);

    uint64_t m_serial;
    std::vector<std::unique_ptr<PortService>> m_ports;
    std::vector<std::unique_ptr<PortService>> m_fiberPorts;
};

} // namespace sim::detail
