// Texts of the message boxes that the copy and generate commands show. The
// window half shows them; a null caption means the platform's default title.
#pragma once

struct UserMessage {
    const char* Text;
    const char* Caption;
};

inline constexpr UserMessage CopySettingsNotDefined{"Copy settings are not defined",
                                                    "Check copy settings"};
inline constexpr UserMessage OutputPaneFull{"Cannot add more lines to the output window", nullptr};
inline constexpr UserMessage ExpressionRequired{"Please, input expression", nullptr};
