// The editors' labels and messages come from the program's string table: every test of the
// editors runs with the program's resources registered.
#include <gtest/gtest.h>

#include "resources/quorvia_resources.h"

namespace {

class EditorResources : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(RegisterQuorviaResources()); }
};

const ::testing::Environment* const kEditorResources = ::testing::AddGlobalTestEnvironment(new EditorResources);

}  // namespace
