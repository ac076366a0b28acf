#pragma once
// Where the address dialog reads and keeps addresses: the project's
// senders as the data library holds them, and the configuration's list of
// specified sender addresses (the addresses detection looks at).
#include <cstdint>
#include <string>
#include <vector>

namespace senderdlg {

// The address of each sender of the project by index; empty for none.
std::vector<std::string> ProjectSenderAddresses();

// Takes `previous` out of the specified addresses and puts `addresses` in
// (each once, after those kept), saves the list and rebuilds the runtime's
// set-IP list from it.
void StoreSpecifiedAddresses(const std::vector<uint32_t>& previous, const std::vector<uint32_t>& addresses);

} // namespace senderdlg
