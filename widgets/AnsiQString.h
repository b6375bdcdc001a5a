// The program keeps its texts in the 8-bit code page (Windows-1252); Qt
// shows Unicode. Every text that crosses between the two goes through this
// pair.
#pragma once

#include <QString>

#include <string>
#include <string_view>

QString FromAnsi(std::string_view text);

// Characters the code page cannot hold become '?'.
std::string ToAnsi(const QString& text);
