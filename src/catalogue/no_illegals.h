// Makes a typed name safe as a file name.
#pragma once

#include <string>

namespace pantrix {

// Trims `name` in place and returns it with "*" as "_" and each of / \ | : < > ?
// and the double quote as "-".
std::string NoIllegals(std::string& name);

} // namespace pantrix
