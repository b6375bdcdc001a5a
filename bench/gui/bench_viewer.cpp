// View Declaration on headers far beyond any real one, under the offscreen
// platform: from the command to the viewer painted with its line marked, for
// a header of one 50 MB line and for a 200 MB header declared in its middle.
#include "app/AppObject.h"
#include "catalogue/CodeEntry.h"
#include "dialogs/TfrmDeclaration.h"

#include <benchmark/benchmark.h>

#include <QPlainTextEdit>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t MB = 1u << 20;

std::string folder;

struct Generated {
    std::string path;
    std::uint64_t declaredAt = 0;
    std::size_t lineLength = 0;
    int lineNumber = 1;
};

// One line: the declaration and a comment running on for 50 MB.
Generated SingleLine()
{
    Generated header{folder, 0, 0};
    header.path.append("/single_line.h");
    std::ofstream out(header.path, std::ios::binary);
    const std::string declaration = "#define ERROR_VIEWED 5L /* ";
    out << declaration;
    const std::string filler(MB, 'x');
    for (std::size_t i = 0; i < 50; ++i)
        out << filler;
    out << " */\r\n";
    header.lineLength = declaration.size() + 50 * MB + 4;
    return header;
}

// 200 MB of short lines with the declaration halfway.
Generated LargeHeader()
{
    Generated header{folder, 0, 0};
    header.path.append("/large.h");
    std::ofstream out(header.path, std::ios::binary);
    std::string block;
    int lines = 0;
    for (; block.size() < MB; ++lines)
        block.append("#define FILLER_").append(std::to_string(lines)).append(" 1L // no prefix of the list\r\n");
    const std::string declaration = "#define ERROR_VIEWED 5L // the declaration\r\n";
    for (std::size_t written = 0; written < 200 * MB; written += block.size()) {
        if (written >= 100 * MB && header.declaredAt == 0) {
            header.declaredAt = written;
            header.lineLength = declaration.size() - 1;
            header.lineNumber = static_cast<int>(written / block.size() * lines) + 1;
            out << declaration;
        }
        out << block;
    }
    return header;
}

// Each header is written once; the benchmark library calls a benchmark
// several times over.
template <Generated (*Generate)()> void ViewDeclaration(benchmark::State& state)
{
    static const Generated header = Generate();
    CodeEntry row;
    row.Mnemonic = "ERROR_VIEWED";
    row.SubItems[ciHeader] = header.path;
    row.SubItems[ciLine] = std::to_string(header.lineNumber);
    row.SubItems[ciLineOffset] = std::to_string(header.declaredAt);
    row.SubItems[ciLineLength] = std::to_string(header.lineLength);
    for (auto _ : state) {
        TfrmDeclaration* viewer = TfrmDeclaration::ForRow(nullptr, row);
        if (viewer == nullptr) {
            state.SkipWithError("the viewer could not open the header");
            break;
        }
        viewer->show();
        viewer->RichEdit1->viewport()->repaint();
        delete viewer;
    }
}

} // namespace

BENCHMARK(ViewDeclaration<SingleLine>)->Name("ViewDeclaration/SingleLine50MB")->Unit(benchmark::kMillisecond);
BENCHMARK(ViewDeclaration<LargeHeader>)->Name("ViewDeclaration/Header200MB")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-viewer-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return 1;
    folder = pattern;
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove_all(folder);
    benchmark::Shutdown();
    return 0;
}
