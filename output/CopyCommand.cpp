#include "output/CopyCommand.h"

#include "output/CopyText.h"

namespace {

CopyResult DeliverToPane(const std::string& text, bool replace, OutputPane& pane)
{
    if (replace) {
        pane.SetText(text);
        return CopyResult::Copied;
    }
    return pane.AppendLine(text) ? CopyResult::Copied : CopyResult::OutputPaneFull;
}

CopyResult DeliverToClipboard(const std::string& text, bool replace, Clipboard& clipboard)
{
    if (replace || !clipboard.HasText()) {
        clipboard.SetText(text);
        return CopyResult::Copied;
    }
    const std::optional<std::string> held = clipboard.ReadText();
    if (!held)
        return CopyResult::ClipboardUnreadable;
    clipboard.SetText(*held + "\r\n" + text);
    return CopyResult::Copied;
}

} // namespace

CopyResult CopyRow(const CodeEntry* selectedRow, const TSettings::tagCopyOptions& options, Clipboard& clipboard,
                   OutputPane& pane)
{
    if (!HasCopyColumns(options))
        return CopyResult::SettingsNotDefined;
    if (!selectedRow)
        return CopyResult::NoSelectedRow;

    const std::string text = FormatCopyText(*selectedRow, options);
    const bool replace = options.ReplaceOutput != 0;
    if (options.CopyToClipboard)
        return DeliverToClipboard(text, replace, clipboard);
    return DeliverToPane(text, replace, pane);
}

std::optional<UserMessage> MessageFor(CopyResult result)
{
    switch (result) {
    case CopyResult::SettingsNotDefined: return CopySettingsNotDefinedMessage;
    case CopyResult::OutputPaneFull: return OutputPaneFullMessage;
    case CopyResult::Copied:
    case CopyResult::NoSelectedRow:
    case CopyResult::ClipboardUnreadable: break;
    }
    return std::nullopt;
}
