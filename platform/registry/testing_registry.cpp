// The registry's test API.
#include "platform/testing_registry.h"

#include "registry/registry_db.h"

namespace platform::testing {

void FailRegistryWriteAfter(unsigned successfulWrites) { registry::ArmWriteFault(successfulWrites); }

void ResetRegistryFaults() { registry::DisarmWriteFault(); }

void ReopenRegistry() { registry::CloseConnection(); }

}  // namespace platform::testing
