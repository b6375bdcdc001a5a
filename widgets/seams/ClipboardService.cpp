#include "widgets/seams/ClipboardService.h"

#include "widgets/AnsiQString.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

class DesktopClipboard final : public Clipboard {
public:
    bool HasText() const override
    {
        const QMimeData* content = Content();
        return content != nullptr && content->hasText();
    }

    std::optional<std::string> ReadText() override
    {
        const QMimeData* content = Content();
        if (content == nullptr || !content->hasText())
            return std::nullopt;
        return ToAnsi(content->text());
    }

    void SetText(std::string_view text) override
    {
        if (QClipboard* clipboard = QGuiApplication::clipboard())
            clipboard->setText(FromAnsi(text), QClipboard::Clipboard);
    }

private:
    static const QMimeData* Content()
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard != nullptr ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    }
};

} // namespace

template <> Clipboard& Seam<Clipboard>::Default()
{
    static DesktopClipboard clipboard;
    return clipboard;
}
