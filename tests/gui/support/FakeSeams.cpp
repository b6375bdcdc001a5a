#include "FakeSeams.h"

int FakeMessageBoxes::Show(QWidget*, const std::string& text, const std::string& caption, UINT flags)
{
    shown.push_back({text, caption, flags});
    if (whileShown)
        whileShown();
    if (answers.empty())
        return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeAboutBox::Show(QWidget* owner, const std::string& title, const std::string& otherText, const QIcon& icon)
{
    shown.push_back({owner, title, otherText, !icon.isNull()});
}

bool FakeTray::Add(std::function<void(TrayMouse)> callback)
{
    calls.push_back("add");
    onMouse = std::move(callback);
    return answer && host;
}

bool FakeTray::Modify(int imageIndex, const std::string& tip)
{
    calls.push_back("modify " + std::to_string(imageIndex) + " " + tip);
    return answer;
}

bool FakeTray::Delete()
{
    calls.push_back("delete");
    onMouse = nullptr;
    return answer;
}
