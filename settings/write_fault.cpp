// The one fault that tests install for every file this process writes, on every system.

#include "file_io.h"

#include <utility>

namespace mx::settings {
namespace {

WriteFault &installedFault() {
    static WriteFault fault;
    return fault;
}

} // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault)
    : previous_(std::exchange(installedFault(), std::move(fault))) {}

ScopedWriteFault::~ScopedWriteFault() {
    installedFault() = std::move(previous_);
}

int writeFaultFor(WriteStep step) {
    const WriteFault &fault = installedFault();
    return fault ? fault(step) : 0;
}

} // namespace mx::settings
