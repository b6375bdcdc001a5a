// Puts a text on the desktop clipboard through the program's clipboard, or
// reads it back, so a test on a real X server can check the text against
// another program's view of the clipboard.
//   clipboard_holder put <hex bytes>  puts the 8-bit text, prints "ready"
//                                     and serves it until killed (60 s at most)
//   clipboard_holder get              prints the clipboard's text as hex
//                                     bytes, or "none" without text
#include "widgets/seams/ClipboardService.h"

#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int LongestServiceMs = 60000;

std::string Hex(const std::string& bytes)
{
    return QByteArray::fromStdString(bytes).toHex().toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    Clipboard& clipboard = Seam<Clipboard>::Get();

    if (argc == 3 && std::strcmp(argv[1], "put") == 0) {
        clipboard.SetText(QByteArray::fromHex(argv[2]).toStdString());
        QCoreApplication::processEvents();
        std::printf("ready\n");
        std::fflush(stdout);
        QTimer::singleShot(LongestServiceMs, &application, &QCoreApplication::quit);
        return application.exec();
    }
    if (argc == 2 && std::strcmp(argv[1], "get") == 0) {
        const std::optional<std::string> text = clipboard.HasText() ? clipboard.ReadText() : std::nullopt;
        std::printf("%s\n", text ? Hex(*text).c_str() : "none");
        return 0;
    }
    std::fprintf(stderr, "usage: clipboard_holder put <hex bytes> | get\n");
    return 2;
}
