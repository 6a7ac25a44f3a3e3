#include "cli/CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace tamb {
namespace {

// A command run twice: once with its passwords as arguments, once with "-" and the same passwords on standard
// input. Both runs must write the same file.
struct PasswordInputCase
{
    std::string name;
    std::vector<std::string> common; // the words both runs share
    std::vector<std::pair<std::string, std::string>> passwords; // key and password, in command-line order
    std::string file; // the file written into the out folder
};

void PrintTo(const PasswordInputCase& row, std::ostream* out)
{
    *out << row.name;
}

class PasswordInputTest : public ::testing::TestWithParam<PasswordInputCase>
{
};

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

TEST_P(PasswordInputTest, ADashReadsThePasswordFromStandardInput)
{
    const PasswordInputCase& row = GetParam();
    std::vector<std::string> asArguments = row.common;
    std::vector<std::string> fromInput = row.common;
    std::string input;
    for (const auto& [key, password] : row.passwords) {
        asArguments.push_back(key + "=" + password);
        fromInput.push_back(key + "=-");
        input += password + "\n";
    }
    const CliSandbox sandbox;
    const auto given = sandbox.run(asArguments);
    ASSERT_EQ(given.exitCode, 0) << given.output;
    const auto expected = sandbox.outFolder() / row.file;
    std::filesystem::rename(expected, sandbox.folder() / "expected");
    const auto read = sandbox.run(fromInput, {}, input);
    ASSERT_EQ(read.exitCode, 0) << read.output;
    EXPECT_EQ(Contents(sandbox.folder() / "expected"), Contents(expected));
    for (const auto& [key, password] : row.passwords)
        EXPECT_EQ(read.output.find(password), std::string::npos) << read.output;

    // Without a line for every dash, nothing is written.
    std::filesystem::remove(expected);
    const auto cut = sandbox.run(fromInput, {}, input.substr(0, input.find('\n')));
    EXPECT_EQ(cut.exitCode, row.passwords.size() > 1 ? 2 : 0) << cut.output;
    EXPECT_EQ(std::filesystem::exists(expected), row.passwords.size() == 1);
}

INSTANTIATE_TEST_SUITE_P(Commands, PasswordInputTest,
    ::testing::Values(PasswordInputCase { .name = "SmtpSenderPassword",
                          .common = { "smtp", "--model", "4", "--out", "{dir}/out", "smtpServer=smtp.example.com",
                              "smtpPort=587", "senderEmail=cam@example.com", "recipientEmail=me@example.org" },
                          .passwords = { { "senderPassword", "Otter-Creek-5519" } },
                          .file = "smtp.dat" },
        PasswordInputCase { .name = "SmtpBothPasswordsInTheirOrder",
            .common = { "smtp", "--model", "3", "--out", "{dir}/out", "mode=manual", "apn=web", "account=cam",
                "smtpServer=smtp.example.com", "smtpPort=587", "senderEmail=cam@example.com",
                "recipientEmail=me@example.org" },
            .passwords = { { "password", "Gprs-Pass-77" }, { "senderPassword", "Otter-Creek-5519" } },
            .file = "smtp.dat" },
        PasswordInputCase { .name = "MmsPassword",
            .common = { "mms", "--model", "4", "--out", "{dir}/out", "mode=manual", "url=http://mms.example.com",
                "apn=mms", "gateway=10.0.0.172", "port=80", "account=cam", "phone1=13800138000" },
            .passwords = { { "password", "Mms-Pass-42" } },
            .file = "setup.dat" }),
    [](const auto& row) { return row.param.name; });

} // namespace
} // namespace tamb
