// The code list inside the real main window, under the offscreen platform:
// Load from the command to the rows shown, the sort of a clicked column at
// W2 size, and the memory the W2 rows take. The settings select the
// workload's headers and prefixes in process, as the settings dialog would.
#include "support/Workloads.h"

#include "app/AppObject.h"
#include "widgets/CodeListModel.h"
#include "widgets/TListView.h"
#include "app/TfrmMain.h"
#include "widgets/seams/MessageBoxService.h"
#include "settings/TSettings.h"

#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QtGlobal>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

// A box would wait for a user; the run counts them instead.
class CountingMessageBoxes final : public MessageBoxService {
public:
    int shown = 0;
    int Show(QWidget*, const std::string&, const std::string&, UINT) override
    {
        ++shown;
        return IDOK;
    }
};

CountingMessageBoxes boxes;
// Loads before the memory measurement leave freed memory behind that the
// next load would reuse unseen.
int loadsRun = 0;

void SelectWorkload(const Workload& w)
{
    TSettings::tagErrorsOptions& lists = Settings->ErrorsOptions;
    while (lists.Headers.Count() > 0)
        lists.RemoveHeader(0);
    while (lists.Prefixes.Count() > 0)
        lists.RemovePrefix(0);
    for (const std::string& header : w.Headers) {
        lists.AddHeader(header.c_str());
        lists.HeaderSelected[lists.Headers.Count() - 1] = 1;
    }
    for (const std::string& prefix : w.Prefixes) {
        lists.AddPrefix(prefix.c_str(), false);
        lists.PrefixSelected[lists.Prefixes.Count() - 1] = 1;
    }
}

// The command, then the list laid out and painted as the user sees it.
bool LoadAndShow(benchmark::State& state)
{
    const int boxesBefore = boxes.shown;
    frmMain->cmdLoadClick();
    frmMain->ListView1->viewport()->repaint();
    ++loadsRun;
    if (boxes.shown != boxesBefore || frmMain->Codes->Count() == 0) {
        state.SkipWithError("the load showed a message or found no rows");
        return false;
    }
    return true;
}

void Load(benchmark::State& state, int workload)
{
    const Workload& w = WorkloadByIndex(workload);
    if (!UsableWorkload(state, w))
        return;
    SelectWorkload(w);
    for (auto _ : state) {
        state.PauseTiming();
        frmMain->Codes->Clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!LoadAndShow(state))
            return;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(w.Bytes) * state.iterations());
    state.counters["rows"] = static_cast<double>(frmMain->Codes->Count());
}

// The first click on a column after a load: descending, then the list
// shown again.
void SortColumn(benchmark::State& state, int column)
{
    if (!UsableWorkload(state, W2()))
        return;
    SelectWorkload(W2());
    for (auto _ : state) {
        state.PauseTiming();
        const bool loaded = LoadAndShow(state);
        frmMain->SortAscending = false;
        state.ResumeTiming();
        if (!loaded)
            return;
        frmMain->ListViewColumnClick(frmMain->ListView1, column);
        frmMain->ListView1->viewport()->repaint();
    }
    state.counters["rows"] = static_cast<double>(frmMain->Codes->Count());
}

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM").
double StatusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(key.size())) * 1024.0;
    }
    return 0;
}

// The peak resident memory that the W2 load adds, per row; "text" is what
// the rows' own texts take (each mnemonic, and each header path once), and
// "beyond_text" the rest. Meaningful only as the first load of a process.
void MemoryAfterW2Load(benchmark::State& state)
{
    if (!UsableWorkload(state, W2()))
        return;
    if (loadsRun != 0) {
        state.SkipWithError("run alone: --benchmark_filter=MemoryAfterW2Load");
        return;
    }
    SelectWorkload(W2());
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
        const double before = StatusBytes("VmRSS");
        if (!LoadAndShow(state))
            return;
        const double peak = StatusBytes("VmHWM");
        const double rows = frmMain->Codes->Count();
        double text = 0;
        for (const std::string& header : W2().Headers)
            text += static_cast<double>(header.size());
        for (int i = 0; i < frmMain->Codes->Count(); ++i)
            text += static_cast<double>(frmMain->Codes->Row(i).Mnemonic.size());
        state.counters["rows"] = rows;
        state.counters["bytes_per_row"] = (peak - before) / rows;
        state.counters["text_per_row"] = text / rows;
        state.counters["beyond_text_per_row"] = (peak - before - text) / rows;
    }
}

} // namespace

BENCHMARK_CAPTURE(Load, W1, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, W2, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, Mnemonic, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, Code, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, Facility, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, Severity, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, N, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, Header, 5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortColumn, Line, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryAfterW2Load)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    Seam<MessageBoxService>::Install(&boxes);
    TSettings settings(nullptr);
    settings.GeneralOptions.UseTray = 0;
    Settings = &settings;
    {
        TfrmMain window;
        frmMain = &window;
        window.show();
        QCoreApplication::processEvents();
        benchmark::RunSpecifiedBenchmarks();
        frmMain = nullptr;
    }
    Settings = nullptr;
    Seam<MessageBoxService>::Install(nullptr);
    benchmark::Shutdown();
    return 0;
}
