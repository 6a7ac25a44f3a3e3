#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage = R"(Usage: tamb-setup-cli COMMAND [OPTIONS]

Prepares the settings files of Tamb Vorrel trail cameras without a window.

Commands:
  --help        Show this text.
)";

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage;
        return argc < 2 ? 2 : 0;
    }
    std::cerr << "tamb-setup-cli: unknown command '" << argv[1] << "'\n" << kUsage;
    return 2;
}
