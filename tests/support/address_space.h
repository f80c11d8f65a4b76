// Memory running out, brought about from outside: the free address space of a 32-bit
// process reserved in blocks of 1 MiB and more, so that no allocation of that size succeeds
// there until the filler goes. Smaller ones still fit, so the process goes on running.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/scoped_handles.h"

namespace cp::test {

class AddressSpaceFiller {
  public:
    // Reserves, without committing, in the process (this one or another). A hole of
    // holeBytes is left free, for an allocation meant to succeed.
    explicit AddressSpaceFiller(DWORD processId, SIZE_T holeBytes = 0);
    ~AddressSpaceFiller();
    AddressSpaceFiller(const AddressSpaceFiller&) = delete;
    AddressSpaceFiller& operator=(const AddressSpaceFiller&) = delete;

    bool tookAny() const { return !blocks_.empty(); }

  private:
    win::KernelHandle process_;
    std::vector<void*> blocks_;
};

}  // namespace cp::test
