// Sets the locale variables the message language is read from, and puts the
// old values back when the test ends.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class ScopedLocale {
public:
    explicit ScopedLocale(const char* lcAll, const char* lcMessages = "", const char* lang = "")
    {
        const char* values[3] = {lcAll, lcMessages, lang};
        for (int i = 0; i < 3; ++i) {
            if (const char* old = std::getenv(kNames[i]))
                saved_[i] = old;
            setenv(kNames[i], values[i], 1);
        }
    }
    ~ScopedLocale()
    {
        for (int i = 0; i < 3; ++i) {
            if (saved_[i])
                setenv(kNames[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved_[3];
};
