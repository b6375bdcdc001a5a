#include "widgets/TStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSizeGrip>

#include <algorithm>

namespace {
constexpr int BarHeight = 19;
}

TStatusBar::TStatusBar(const std::vector<int>& panelWidths, bool sizeGrip, QWidget* parent) : QWidget(parent)
{
    setFixedHeight(BarHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->setSpacing(2);
    auto addPanel = [&](int width) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        if (width >= 0)
            panel->setFixedWidth(width);
        layout->addWidget(panel, width >= 0 ? 0 : 1);
        panels.push_back(panel);
    };
    if (panelWidths.empty()) {
        addPanel(-1);
    } else {
        for (int width : panelWidths)
            addPanel(width);
        layout->addStretch(1);
    }
    if (sizeGrip)
        layout->addWidget(new QSizeGrip(this), 0, Qt::AlignBottom | Qt::AlignRight);
}

QString TStatusBar::PanelText(int index) const
{
    return panels.at(static_cast<std::size_t>(index))->text();
}

void TStatusBar::SetPanelText(int index, const QString& text)
{
    panels.at(static_cast<std::size_t>(index))->setText(text);
}

void TStatusBar::WidenPanelFor(int index, const QString& longestText)
{
    // The label measures the text with its own frame, indent and font.
    QLabel* panel = panels.at(static_cast<std::size_t>(index));
    const QString text = panel->text();
    panel->setText(longestText);
    const int needed = panel->sizeHint().width();
    panel->setText(text);
    panel->setFixedWidth(std::max(panel->minimumWidth(), needed));
}
