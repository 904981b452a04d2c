// The registry's test API: failing writes on demand and reopening the database file.
#pragma once

namespace platform::testing {

// The next successfulWrites registry writes succeed and the one after fails with ERROR_CANTWRITE,
// changing nothing; the writes after it succeed again. A write is a call that changes the registry:
// setting or deleting a value, deleting a key, or creating at least one key (opening an existing key
// with RegCreateKeyExW is not a write). The fault belongs to the current device root and is dropped
// when another root is used.
void FailRegistryWriteAfter(unsigned successfulWrites);
void ResetRegistryFaults();

// Closes this process's connection, so that the next call opens registry.db afresh as a new
// process would. Open key handles stay valid.
void ReopenRegistry();

}  // namespace platform::testing
