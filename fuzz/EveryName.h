// A prefix list under which every name is selected: each letter of either
// case and "_", all of them selected.
#pragma once

#include "FuzzCheck.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <string>
#include <vector>

struct EveryName {
    TStringsStorage List;
    std::vector<BYTE> Selected;

    EveryName()
    {
        std::string letters = "_";
        for (char c = 'A'; c <= 'Z'; ++c)
            letters += {c, static_cast<char>(c - 'A' + 'a')};
        for (const char c : letters) {
            const char prefix[2] = {c, '\0'};
            FUZZ_CHECK(List.Add(prefix) == ERROR_SUCCESS);
        }
        Selected.assign(static_cast<std::size_t>(List.Count()), 1);
    }
};
