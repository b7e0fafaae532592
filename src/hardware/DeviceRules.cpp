#include "engine/Class.h"

// Buying parts into the inventory and installing them into the slots.
void Tzenx::BuyDevice(int, const std::string&, const std::string&) {}
void Tzenx::RefreshDeviceLabels() {}
void Tzenx::RemoveAllDevices() {}
bool Tzenx::InstallMotherboard(const std::string&) { return false; }
bool Tzenx::InstallProcessor(const std::string&, bool, bool) { return false; }
bool Tzenx::InstallRam(const std::string&) { return false; }
bool Tzenx::InstallVideo(const std::string&) { return false; }
bool Tzenx::InstallDisk(const std::string&) { return false; }
bool Tzenx::InstallModem(const std::string&) { return false; }
bool Tzenx::InstallMonitor(const std::string&) { return false; }
