// The About box: the program's title, a short text and its icon, owned by a
// window, shown modally.
#pragma once

#include "widgets/seams/Seam.h"

#include <string>

class QIcon;
class QWidget;

class AboutBoxService {
public:
    virtual ~AboutBoxService() = default;
    // Texts are in the program's 8-bit code page.
    virtual void Show(QWidget* owner, const std::string& title, const std::string& otherText, const QIcon& icon) = 0;
};

template <> AboutBoxService& Seam<AboutBoxService>::Default();
