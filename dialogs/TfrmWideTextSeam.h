// How the settings dialog shows the header path window, so that tests can
// answer it without a person.
#pragma once

#include "widgets/seams/Seam.h"

class QString;
class QWidget;

class WideTextWindows {
public:
    virtual ~WideTextWindows() = default;
    // Shows a new header path window modally and returns when it has
    // closed; an editable window leaves the typed text in text. False when
    // the window could not be created.
    virtual bool ShowModal(QWidget* owner, bool editable, QString& text, const QString& caption) = 0;
};

template <> WideTextWindows& Seam<WideTextWindows>::Default();
