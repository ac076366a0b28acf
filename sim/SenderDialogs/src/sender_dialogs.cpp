// The public sender dialogs: each gathers what its form needs from the
// host's data, runs the form modally and keeps or stores what it gave.
#include "host/sender_dialogs.h"

#include "add_sender_form.h"
#include "address_store.h"
#include "count_rules.h"
#include "set_ip_form.h"

#include "host/vistrano_data.h"
#include "sim/project_model.h"

#include <algorithm>

namespace {

// Ports a sender starts with when the project has none to copy from.
constexpr int kDefaultPortCount = 4;

int InitialPortCount()
{
    CProjectData* project = GetProjectData();
    CSender* first = project->GetSenderCount() > 0 ? project->GetSender(0) : nullptr;
    return std::clamp(first ? first->GetPortCount() : kDefaultPortCount, 1, sim::kMaxPortsPerSender);
}

} // namespace

struct CCustomAddSenderDlg::Impl {
    CWnd* parent = nullptr;
    int nSenders = 0;
    int nPorts = 0;
};

CCustomAddSenderDlg::CCustomAddSenderDlg(CWnd* parent) : m_impl(std::make_unique<Impl>()) { m_impl->parent = parent; }

CCustomAddSenderDlg::~CCustomAddSenderDlg() = default;

int CCustomAddSenderDlg::DoModal()
{
    m_impl->nSenders = 0;
    m_impl->nPorts = 0;
    const int maxSenders = senderdlg::MaxSendersToAdd(GetProjectData()->GetSenderCount());
    // A full project leaves nothing to ask.
    if (maxSenders < 1)
        return IDCANCEL;
    CAddSenderForm form(maxSenders, sim::kMaxPortsPerSender, InitialPortCount(), m_impl->parent);
    const int result = form.DoModal();
    if (result == IDYES) {
        m_impl->nSenders = form.GetSenderCount();
        m_impl->nPorts = form.GetPortCount();
    }
    return result;
}

int CCustomAddSenderDlg::GetSenderCount() const { return m_impl->nSenders; }

int CCustomAddSenderDlg::GetPortCount() const { return m_impl->nPorts; }

struct CSetIPOfflineDlg::Impl {
    int nFirstSender = 0;
    int nSenderCount = 0;
    bool bEditExisting = false;
    bool bReadOnly = false;
    CWnd* parent = nullptr;
};

CSetIPOfflineDlg::CSetIPOfflineDlg(int firstSender, int senderCount, int editExisting, int readOnly, CWnd* parent)
    : m_impl(std::make_unique<Impl>(Impl{firstSender, senderCount, editExisting != 0, readOnly != 0, parent}))
{}

CSetIPOfflineDlg::~CSetIPOfflineDlg() = default;

int CSetIPOfflineDlg::DoModal()
{
    const std::vector<std::string> present = senderdlg::ProjectSenderAddresses();
    std::vector<senderdlg::SAddressRow> rows = senderdlg::MakeAddressRows(
        m_impl->nFirstSender, m_impl->nSenderCount, m_impl->bEditExisting, m_impl->bReadOnly, present);
    if (rows.empty())
        return IDCANCEL;
    // An edited sender gives up the address it had.
    std::vector<uint32_t> previous;
    for (const senderdlg::SAddressRow& row : rows) {
        uint32_t address = 0;
        if (row.bEditable && sim::ParseIPv4(row.strAddress, address))
            previous.push_back(address);
    }
    std::vector<senderdlg::SAddressEntry> taken = senderdlg::AddressesOutsideRows(rows, present);
    CSetIPForm form(std::move(rows), std::move(taken), m_impl->bReadOnly, m_impl->parent);
    const int result = form.DoModal();
    if (result == IDOK)
        senderdlg::StoreSpecifiedAddresses(previous, form.GetAddresses());
    return result;
}
