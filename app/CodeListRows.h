// The rows of a list control as the window-free rules read them.
#pragma once

#include "output/CodeRowSource.h"

class CodeListModel;

class CodeListRows final : public CodeRowSource {
public:
    explicit CodeListRows(const CodeListModel& rows) : model(rows) {}

    int RowCount() const override;
    CodeEntry Row(int index) const override;
    std::string Mnemonic(int index) const override;

private:
    const CodeListModel& model;
};
