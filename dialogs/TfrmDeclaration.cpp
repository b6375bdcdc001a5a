#include "dialogs/TfrmDeclaration.h"

#include "catalogue/CodeEntry.h"
#include "dialogs/DeclarationText.h"
#include "widgets/AnsiQString.h"
#include "widgets/KeyPreview.h"
#include "widgets/MenuShortcuts.h"
#include "widgets/seams/ClipboardService.h"
#include "widgets/TStatusBar.h"

#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

const QColor DeclarationColour(255, 0, 0);
constexpr int DeclarationGrowth = 2; // pixels of character height
constexpr const char* PartialCaption = " - only part of the file is shown";

// The number of a row's decimal field; 0 for a text that is none.
std::uint64_t FieldNumber(const std::string& text)
{
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

} // namespace

TfrmDeclaration* TfrmDeclaration::ForRow(QWidget* owner, const CodeEntry& row)
{
    DeclarationText header;
    const std::uint64_t declaredAt = FieldNumber(row.LineOffset());
    if (!header.Load(row.Header().c_str(), declaredAt))
        return nullptr;
    auto* viewer = new TfrmDeclaration(owner, row.Header(), header.Text());
    if (header.Partial())
        viewer->setWindowTitle(viewer->windowTitle() + QString::fromLatin1(PartialCaption));
    viewer->LineStart = header.PositionOf(declaredAt);
    viewer->LineLength = static_cast<qsizetype>(std::min<std::uint64_t>(FieldNumber(row.LineLength()), INT32_MAX));
    viewer->StatusBar1->SetPanelText(0, QString::fromLatin1(LineCaption) + QString::fromStdString(row.Line()));
    viewer->StatusBar1->SetPanelText(1, FromAnsi(row.Mnemonic));
    return viewer;
}

TfrmDeclaration::TfrmDeclaration(QWidget* owner, const std::string& path, const QString& text) : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    BuildLayout(path);
    RichEdit1->setPlainText(text);

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TfrmDeclaration::PopupMenu1Popup);
    // The Copy key follows the selection as the popup item does.
    connect(RichEdit1, &QPlainTextEdit::copyAvailable, this, &TfrmDeclaration::PopupMenu1Popup);
    connect(pmnuCopy, &QAction::triggered, this, &TfrmDeclaration::pmnuCopyClick);
    connect(pmnuSelectAll, &QAction::triggered, this, &TfrmDeclaration::pmnuSelectAllClick);
    connect(pmnuBack, &QAction::triggered, this, &TfrmDeclaration::pmnuBackClick);
    connect(pmnuClose, &QAction::triggered, this, &TfrmDeclaration::pmnuCloseClick);
    PopupMenu1Popup();

    keys = new KeyPreview(this, [this](QWidget*, QKeyCombination key) { return PreviewKey(key); });
    keys->Watch(this);
}

void TfrmDeclaration::ShowModal()
{
    exec();
}

void TfrmDeclaration::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown) {
        shown = true;
        FormShow();
    }
}

QTextCursor TfrmDeclaration::DeclarationCursor() const
{
    // A row older than the file (it shrank, or changed) must not point
    // beyond the text.
    const qsizetype end = RichEdit1->document()->characterCount() - 1;
    const qsizetype start = std::clamp<qsizetype>(LineStart, 0, end);
    const qsizetype stop = std::clamp<qsizetype>(start + std::max<qsizetype>(LineLength, 0), start, end);
    QTextCursor line(RichEdit1->document());
    line.setPosition(static_cast<int>(start));
    line.setPosition(static_cast<int>(stop), QTextCursor::KeepAnchor);
    return line;
}

void TfrmDeclaration::FormShow()
{
    QTextCursor line = DeclarationCursor();
    RichEdit1->setTextCursor(line);
    RichEdit1->ensureCursorVisible();

    const QFont current = line.charFormat().font().resolve(RichEdit1->document()->defaultFont());
    QFont larger;
    larger.setPixelSize(QFontInfo(current).pixelSize() + DeclarationGrowth);
    QTextCharFormat mark;
    mark.setForeground(DeclarationColour);
    mark.setFont(larger, QTextCharFormat::FontPropertiesSpecifiedOnly);
    line.mergeCharFormat(mark);

    pmnuBackClick();
}

void TfrmDeclaration::FormKeyPress(char key)
{
    if (key == EscapeKey)
        close();
}

bool TfrmDeclaration::PreviewKey(QKeyCombination key)
{
    if (key.key() == Qt::Key_Escape) {
        FormKeyPress(EscapeKey);
        return true;
    }
    // The popup's shortcuts; a disabled item leaves its key to the text.
    const QKeySequence pressed(key);
    for (QAction* item : PopupMenu1->actions()) {
        if (item->isSeparator() || MenuShortcut(item) != pressed)
            continue;
        if (!item->isEnabled())
            return false;
        item->trigger();
        return true;
    }
    return false;
}

void TfrmDeclaration::PopupMenu1Popup()
{
    pmnuCopy->setEnabled(RichEdit1->textCursor().hasSelection());
}

void TfrmDeclaration::pmnuCopyClick()
{
    // Lines on the clipboard end in CR LF, as all the program's texts do.
    QString selected = RichEdit1->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    Seam<Clipboard>::Get().SetText(ToAnsi(selected));
}

void TfrmDeclaration::pmnuSelectAllClick()
{
    RichEdit1->selectAll();
}

void TfrmDeclaration::pmnuBackClick()
{
    QTextCursor caret(RichEdit1->document());
    caret.setPosition(DeclarationCursor().selectionStart());
    RichEdit1->setTextCursor(caret);
    RichEdit1->ensureCursorVisible();
}

void TfrmDeclaration::pmnuCloseClick()
{
    close();
}
