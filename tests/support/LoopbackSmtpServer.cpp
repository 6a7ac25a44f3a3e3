#include "LoopbackSmtpServer.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tamb::test {
namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr auto kStopGrace = std::chrono::seconds(3);

const char* ServerKindName(LoopbackSmtpServer::Kind kind)
{
    switch (kind) {
    case LoopbackSmtpServer::Kind::ImplicitTls:
        return "implicit-tls";
    case LoopbackSmtpServer::Kind::StartTls:
        return "starttls";
    case LoopbackSmtpServer::Kind::StartTlsRefused:
        return "starttls-refused";
    case LoopbackSmtpServer::Kind::StartTlsBroken:
        return "starttls-broken";
    case LoopbackSmtpServer::Kind::StartTlsEcho:
        return "starttls-echo";
    case LoopbackSmtpServer::Kind::Plain:
        return "plain";
    case LoopbackSmtpServer::Kind::NoLogin:
        return "no-login";
    case LoopbackSmtpServer::Kind::Silent:
        return "silent";
    }
    return "";
}

// Reads the "PORT n" line the server prints once it listens; 0 when it does not come in time.
std::uint16_t ReadListeningPort(int output)
{
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (line.find('\n') == std::string::npos) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd ready { .fd = output, .events = POLLIN, .revents = 0 };
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            return 0;
        std::array<char, 64> buffer {};
        const auto count = ::read(output, buffer.data(), buffer.size());
        if (count <= 0)
            return 0;
        line.append(buffer.data(), static_cast<std::size_t>(count));
    }
    if (line.rfind("PORT ", 0) != 0)
        return 0;
    return static_cast<std::uint16_t>(std::stoi(line.substr(5)));
}

} // namespace

LoopbackSmtpServer::LoopbackSmtpServer(Kind kind, const std::filesystem::path& folder, const std::string& user,
    const std::string& password, std::uint16_t port)
{
    std::array<int, 2> input {};
    std::array<int, 2> output {};
    if (::pipe(input.data()) != 0)
        return;
    if (::pipe(output.data()) != 0) {
        ::close(input[0]);
        ::close(input[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const std::string script = TAMB_LOOPBACK_SMTP_SERVER;
    const std::string folderText = folder.string();
    std::vector<std::string> words { "/usr/bin/python3", script, ServerKindName(kind), folderText, user, password,
        std::to_string(port) };
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int spawned = ::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    m_input = input[1];
    if (spawned != 0) {
        m_pid = -1;
        ::close(output[0]);
        return;
    }
    m_port = ReadListeningPort(output[0]);
    ::close(output[0]);
}

LoopbackSmtpServer::~LoopbackSmtpServer()
{
    if (m_input >= 0)
        ::close(m_input);
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kStopGrace;
    while (::waitpid(m_pid, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<std::string> LoopbackSmtpServer::logins(const std::filesystem::path& folder)
{
    std::vector<std::string> lines;
    std::ifstream log(folder / "auth.log");
    for (std::string line; std::getline(log, line);)
        lines.push_back(line);
    return lines;
}

std::uint16_t LoopbackSmtpServer::closedPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    std::uint16_t port = 0;
    // A port the kernel just handed out and took back; nothing else on the loopback address picks it this soon.
    if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(probe);
    return port;
}

} // namespace tamb::test
