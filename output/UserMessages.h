// Texts of the message boxes that the copy and generate commands show. The
// window half shows them; a null caption means the platform's default title.
#pragma once

struct UserMessage {
    const char* Text;
    const char* Caption;
};

inline constexpr UserMessage CopySettingsNotDefinedMessage{"Copy settings are not defined", "Check copy settings"};
inline constexpr UserMessage OutputPaneFullMessage{"Cannot add more lines to the output window", nullptr};
inline constexpr UserMessage ExpressionRequiredMessage{"Please, input expression", nullptr};
