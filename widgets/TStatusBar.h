// A status bar of fixed-width panels, left to right, with a size grip; or,
// made with no widths, one simple panel across the whole bar.
#pragma once

#include <QWidget>

#include <vector>

class QLabel;

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    TStatusBar(const std::vector<int>& panelWidths, bool sizeGrip, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels.size()); }
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    // Widens a fixed panel, never narrowing it, so that longestText shows
    // whole in it.
    void WidenPanelFor(int index, const QString& longestText);

private:
    std::vector<QLabel*> panels;
};
