#pragma once

#include <string>
#include <vector>

extern char** environ;

namespace tamb::bench {

// The argv and envp arrays posix_spawn takes for `program` with `arguments`, the current environment and
// `extraEnvironment` (whose entries come first, so they win over inherited ones). The arrays point into the
// object's own strings, so it must outlive the spawn.
class SpawnArguments
{
public:
    SpawnArguments(const std::string& program, const std::vector<std::string>& arguments,
        const std::vector<std::string>& extraEnvironment)
        : m_arguments { program }
        , m_environment(extraEnvironment)
    {
        m_arguments.insert(m_arguments.end(), arguments.begin(), arguments.end());
        for (char** entry = environ; *entry != nullptr; ++entry) {
            m_environment.emplace_back(*entry);
        }
        m_argv = PointersTo(m_arguments);
        m_envp = PointersTo(m_environment);
    }

    [[nodiscard]] char* const* argv() { return m_argv.data(); }
    [[nodiscard]] char* const* envp() { return m_envp.data(); }

private:
    static std::vector<char*> PointersTo(std::vector<std::string>& texts)
    {
        std::vector<char*> pointers;
        for (std::string& text : texts) {
            pointers.push_back(text.data());
        }
        pointers.push_back(nullptr);
        return pointers;
    }

    std::vector<std::string> m_arguments;
    std::vector<std::string> m_environment;
    std::vector<char*> m_argv;
    std::vector<char*> m_envp;
};

} // namespace tamb::bench
