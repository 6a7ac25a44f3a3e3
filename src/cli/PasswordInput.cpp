#include "cli/PasswordInput.h"

#include <algorithm>
#include <array>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace tamb {
namespace {

// Far beyond every password field of the settings files; a longer line is not a password.
constexpr std::size_t kLongestLine = 1024;

enum class LineRead
{
    Read,
    Ended, // the input ended before a line began
    TooLong,
};

#ifdef _WIN32

bool InputIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// Typing into the console is not shown while this lives.
class EchoOff
{
public:
    EchoOff()
        : m_input(GetStdHandle(STD_INPUT_HANDLE))
    {
        m_changed = GetConsoleMode(m_input, &m_mode) != 0
            && SetConsoleMode(m_input, m_mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != 0;
    }
    ~EchoOff()
    {
        if (m_changed)
            SetConsoleMode(m_input, m_mode);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    HANDLE m_input;
    DWORD m_mode = 0;
    bool m_changed = false;
};

// The console gives UTF-16, whatever its code page; a password outside ASCII arrives intact.
LineRead ReadTerminalLine(std::string& line)
{
    std::wstring wide;
    for (;;) {
        wchar_t character = 0;
        DWORD count = 0;
        if (!ReadConsoleW(GetStdHandle(STD_INPUT_HANDLE), &character, 1, &count, nullptr) || count == 0)
            return wide.empty() ? LineRead::Ended : LineRead::Read;
        if (character == L'\n')
            break;
        if (character != L'\r')
            wide += character;
        if (wide.size() > kLongestLine)
            return LineRead::TooLong;
    }
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return LineRead::Read; // an empty line
    line.assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, line.data(), length, nullptr, nullptr);
    return LineRead::Read;
}

#else

bool InputIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}

// The terminal's settings before echo was turned off, for a signal that ends the program meanwhile.
termios g_savedTerminal {};

// Installed for one delivery only (SA_RESETHAND): the signal raised again takes its default course.
extern "C" void RestoreTerminalAndDie(int signalNumber)
{
    ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
    ::raise(signalNumber);
}

// Typing into the terminal is not shown while this lives. A signal that ends the program (Ctrl+C, a closed
// terminal) restores the echo first, so that the user's shell is not left typing blind.
class EchoOff
{
public:
    EchoOff()
    {
        if (::tcgetattr(STDIN_FILENO, &g_savedTerminal) != 0)
            return;
        struct sigaction restore
        {
        };
        restore.sa_handler = &RestoreTerminalAndDie;
        restore.sa_flags = SA_RESETHAND;
        sigemptyset(&restore.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            // A signal the program was started to ignore stays ignored.
            ::sigaction(kSignals[i], nullptr, &m_previous[i]);
            if (m_previous[i].sa_handler != SIG_IGN)
                ::sigaction(kSignals[i], &restore, nullptr);
        }
        termios silent = g_savedTerminal;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        m_changed = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent) == 0;
        if (!m_changed)
            restoreSignals();
    }
    ~EchoOff()
    {
        if (!m_changed)
            return;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
        restoreSignals();
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    void restoreSignals()
    {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
    }

    static constexpr std::array<int, 4> kSignals { SIGINT, SIGTERM, SIGHUP, SIGQUIT };
    std::array<struct sigaction, kSignals.size()> m_previous {};
    bool m_changed = false;
};

#endif

LineRead ReadStreamLine(std::string& line)
{
    char character = 0;
    bool any = false;
    while (std::cin.get(character)) {
        any = true;
        if (character == '\n')
            break;
        line += character;
        if (line.size() > kLongestLine)
            return LineRead::TooLong;
    }
    if (!any)
        return LineRead::Ended;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return LineRead::Read;
}

LineRead ReadPassword(std::string_view key, std::string& line)
{
    line.clear();
    if (!InputIsTerminal())
        return ReadStreamLine(line);
    std::cerr << key << ": " << std::flush;
    LineRead result = LineRead::Ended;
    {
        const EchoOff silent;
#ifdef _WIN32
        result = ReadTerminalLine(line);
#else
        result = ReadStreamLine(line);
#endif
    }
    // The Enter that ended the line was not echoed either.
    std::cerr << '\n' << std::flush;
    return result;
}

} // namespace

Status ReadPasswordsFromInput(
    std::vector<std::pair<std::string, std::string>>& assignments, std::span<const std::string_view> passwordKeys)
{
    for (auto& [key, value] : assignments) {
        if (value != kFromStandardInput || std::ranges::find(passwordKeys, key) == passwordKeys.end())
            continue;
        std::string line;
        switch (ReadPassword(key, line)) {
        case LineRead::Read:
            value = std::move(line);
            break;
        case LineRead::Ended:
            return Status::failure(key + "=- found no line on standard input to read the password from");
        case LineRead::TooLong:
            return Status::failure(key + "=- read a line of more than " + std::to_string(kLongestLine)
                + " bytes from standard input, far too long for a password");
        }
    }
    return Status::success();
}

} // namespace tamb
