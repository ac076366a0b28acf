#include "address_store.h"

#include "host/vistrano_data.h"
#include "sim/world.h"

#include <algorithm>

namespace senderdlg {

std::vector<std::string> ProjectSenderAddresses()
{
    std::vector<std::string> addresses;
    for (const sim::SenderModel& sender : sim::GetProject().senders)
        addresses.push_back(sender.address);
    return addresses;
}

void StoreSpecifiedAddresses(const std::vector<uint32_t>& previous, const std::vector<uint32_t>& addresses)
{
    sim::ConfigSettings config = sim::GetConfig();
    auto& list = config.specifiedIPs;
    const auto in
        = [](const std::vector<uint32_t>& v, uint32_t a) { return std::find(v.begin(), v.end(), a) != v.end(); };
    list.erase(std::remove_if(list.begin(), list.end(), [&](uint32_t a) { return in(previous, a); }), list.end());
    for (uint32_t a : addresses)
        if (!in(list, a))
            list.push_back(a);
    sim::SetConfig(config);
    GetConfigData()->SpecifiedIPsSave();
    GetRuntimeData()->UpdateIPArray();
}

} // namespace senderdlg
