// CConfigData and CConstantData.
#include "host/vistrano_data.h"
#include "sim/call_log.h"
#include "world_state.h"

#include "platform/path.h"
#include "platform/profile.h"

#include <algorithm>

namespace sim {
namespace {

using detail::TheWorld;
using detail::WorldLock;

class ConfigService final : public CConfigData {
public:
    int GetDetectStrategy() const override
    {
        Log("CConfigData::GetDetectStrategy");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().config.detectStrategy;
    }
    int IsEnableFahrenheit() const override
    {
        Log("CConfigData::IsEnableFahrenheit");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().config.fahrenheit ? 1 : 0;
    }
    int GetLanguageType() const override
    {
        Log("CConfigData::GetLanguageType");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().config.languageType;
    }
    int IsInterfaceLocked(int interfaceDlg) const override
    {
        Log("CConfigData::IsInterfaceLocked", interfaceDlg);
        WorldLock lock(TheWorld().mutex);
        return TheWorld().config.lockedInterfaces.count(interfaceDlg) ? 1 : 0;
    }
    void DeleteSpecifiedIPByIP(uint32_t address) override
    {
        Log("CConfigData::DeleteSpecifiedIPByIP", address);
        detail::World& w = TheWorld();
        WorldLock lock(w.mutex);
        auto& ips = w.config.specifiedIPs;
        ips.erase(std::remove(ips.begin(), ips.end(), address), ips.end());
    }
    void SpecifiedIPsSave() override
    {
        Log("CConfigData::SpecifiedIPsSave");
        std::vector<uint32_t> ips;
        {
            WorldLock lock(TheWorld().mutex);
            ips = TheWorld().config.specifiedIPs;
            ++TheWorld().specifiedIPsSaves;
        }
        const std::string file = plat::JoinPath(GetConfigFolder(), "SpecifiedIP.ini");
        plat::WriteProfileString(file, "SpecifiedIP", "Count", std::to_string(ips.size()));
        for (std::size_t i = 0; i < ips.size(); ++i)
            plat::WriteProfileString(file, "SpecifiedIP", "IP" + std::to_string(i), FormatIPv4(ips[i]));
    }
};

class ConstantService final : public CConstantData {
public:
    std::string GetBKImagePath() const override
    {
        Log("CConstantData::GetBKImagePath");
        return GetConfigFolder() + "BKImage" + plat::kPathSeparator;
    }
    std::string GetSenderBKImgName(int i) const override
    {
        Log("CConstantData::GetSenderBKImgName", i);
        return "Sender" + std::to_string(i + 1) + "_BK.png";
    }
};

} // namespace
} // namespace sim

CConfigData* GetConfigData()
{
    static sim::ConfigService* service = new sim::ConfigService;
    sim::Log("GetConfigData");
    return service;
}

CConstantData* GetConstantData()
{
    static sim::ConstantService* service = new sim::ConstantService;
    sim::Log("GetConstantData");
    return service;
}
