#include "dialogs/TfrmWideTextSeam.h"

#include "dialogs/TfrmWideText.h"

#include <new>

namespace {

class QtWideTextWindows final : public WideTextWindows {
public:
    bool ShowModal(QWidget* owner, bool editable, QString& text, const QString& caption) override
    {
        TfrmWideText* window = nullptr;
        try {
            window = new TfrmWideText(owner, editable, text, caption);
        } catch (const std::bad_alloc&) {
            return false;
        }
        // The window deletes itself once it has closed.
        window->exec();
        return true;
    }
};

} // namespace

template <> WideTextWindows& Seam<WideTextWindows>::Default()
{
    static QtWideTextWindows windows;
    return windows;
}
