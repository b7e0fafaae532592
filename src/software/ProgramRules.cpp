#include "engine/Class.h"

// Buying programs and the free disk space.
void Tzenx::BuyProgram(int, const std::string&, const std::string&) {}
void Tzenx::rem_space(int) {}
void Tzenx::add_space(int) {}
void Tzenx::set_space(int) {}
