// Fakes of the desktop services the windows reach through seams; each
// records what the window asked for and answers as the test says.
#pragma once

#include "widgets/TrayLogic.h"
#include "widgets/seams/AboutBoxService.h"
#include "widgets/seams/MessageBoxService.h"
#include "widgets/seams/SystemBeep.h"
#include "widgets/seams/TrayService.h"

#include <QIcon>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Installs a fake for the life of the object, and puts the real service
// back afterwards.
template <class Service> class ScopedSeam {
public:
    explicit ScopedSeam(Service& fake) { Seam<Service>::Install(&fake); }
    ~ScopedSeam() { Seam<Service>::Install(nullptr); }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;
};

class FakeMessageBoxes final : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        std::string caption;
        UINT flags;
    };
    std::vector<Shown> shown;
    // Answers in order; IDOK once they run out.
    std::deque<int> answers;
    // Runs while each box is up, to see the windows as the user sees them.
    std::function<void()> whileShown;

    int Show(QWidget* owner, const std::string& text, const std::string& caption, UINT flags) override;
};

class FakeAboutBox final : public AboutBoxService {
public:
    struct Shown {
        QWidget* owner;
        std::string title;
        std::string otherText;
        bool hasIcon;
    };
    std::vector<Shown> shown;

    void Show(QWidget* owner, const std::string& title, const std::string& otherText, const QIcon& icon) override;
};

class FakeTray final : public TrayShell {
public:
    // "add", "modify <image> <tip>", "delete", in order.
    std::vector<std::string> calls;
    bool answer = true;
    // Whether the desktop has a notification area; without one Add fails.
    bool host = true;

    bool Add(std::function<void(TrayMouse)> onMouse) override;
    bool Modify(int imageIndex, const std::string& tip) override;
    bool Delete() override;
    bool HostAvailable() override { return host; }

    bool IconShown() const { return static_cast<bool>(onMouse); }
    // A mouse event on the icon, as the shell would report it.
    void Mouse(TrayMouse event) const { onMouse(event); }

private:
    std::function<void(TrayMouse)> onMouse;
};

class FakeBeep final : public SystemBeep {
public:
    int setting = 40;
    std::vector<int> changes;

    int Current() override { return setting; }
    void Set(int value) override
    {
        setting = value;
        changes.push_back(value);
    }
};
