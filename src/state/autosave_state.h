// What the saves made in the background remember between one save and the next.
#pragma once

#include <optional>
#include <string>

namespace pantrix {

struct AutosaveState
{
    // A failed save is told once, until a save of the same kind succeeds again.
    bool ListFailureTold = false;
    bool TextFailureTold = false;
    // What the recovery file of typed text holds, as this run last wrote or read
    // it; none when this run has no such file.
    std::optional<std::string> RecoveryHolds;
    // The user chose to keep the recovery file for a later start: this run leaves
    // it alone.
    bool RecoveryKeptForLater = false;
};

} // namespace pantrix
