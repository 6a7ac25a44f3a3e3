#include "common/DriveEject.h"

#include <gtest/gtest.h>

namespace tamb {
namespace {

struct EjectCase
{
    const char* name;
    const char* root;
    const char* reason; // the start of the reason given
};

void PrintTo(const EjectCase& row, std::ostream* os)
{
    *os << row.name;
}

class DriveEjectRefusal : public ::testing::TestWithParam<EjectCase>
{
};

// A drive that cannot be ejected is refused with a plain reason, never a crash. Under Wine, drive C: is the
// prefix's fixed disk, which the configuration manager does not offer to eject.
TEST_P(DriveEjectRefusal, SaysWhyInPlainWords)
{
    const Status ejected = EjectDrive(GetParam().root);
    ASSERT_FALSE(ejected.ok());
#ifdef _WIN32
    EXPECT_TRUE(ejected.reason().starts_with(GetParam().reason)) << ejected.reason();
#else
    EXPECT_EQ(ejected.reason(), "only Windows ejects a drive by its letter; eject the card with the system");
#endif
}

INSTANTIATE_TEST_SUITE_P(Drives, DriveEjectRefusal,
    ::testing::Values(EjectCase { "NoDriveLetter", "cards", "not a drive letter" },
        EjectCase { "EmptyRoot", "", "not a drive letter" }, EjectCase { "FixedDisk", "C:\\", "the " },
        EjectCase { "FolderOnAMissingDrive", "Q:\\cards", "the volume cannot be opened" }),
    [](const ::testing::TestParamInfo<EjectCase>& row) { return std::string { row.param.name }; });

} // namespace
} // namespace tamb
