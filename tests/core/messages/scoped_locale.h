// Sets the locale variables the message language is read from, and puts the
// old values back when the test ends.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class ScopedLocale {
public:
    explicit ScopedLocale(const char* lcAll, const char* lcMessages = "", const char* lang = "",
                          const char* language = nullptr)
    {
        const char* values[4] = {lcAll, lcMessages, lang, language};
        for (int i = 0; i < 4; ++i) {
            if (const char* old = std::getenv(kNames[i]))
                saved_[i] = old;
            Set(kNames[i], values[i]);
        }
    }
    ~ScopedLocale()
    {
        for (int i = 0; i < 4; ++i) {
            Set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    // Null removes the variable (on Windows, so does an empty value).
    static void Set(const char* name, const char* value)
    {
#ifdef _WIN32
        _putenv_s(name, value ? value : "");
#else
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
#endif
    }

private:
    static constexpr const char* kNames[4] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::optional<std::string> saved_[4];
};
